#pragma once

#include <QObject>
#include <QString>

// The one way a panel reaches a control of its window: by objectName, checked. The
// controls are made by this program, so a missing one is a programming error that must
// stop at once with its name, not crash later on a null pointer.
template <typename T>
T* requireChild(const QObject* parent, const QString& name)
{
    T* found = parent->findChild<T*>(name);
    if (!found)
        qFatal("Quillon: the control %s is missing", qPrintable(name));
    return found;
}
