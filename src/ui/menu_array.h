#pragma once

#include <QAction>
#include <QObject>
#include <QString>

#include <functional>

// A menu-item array: the entries prefix + 1 .. prefix + count, all handled by one handler
// that is given the entry's Index. Separators and submenus have no handler. A checkable
// entry has flipped its mark already when the handler runs; the handlers set it themselves.
inline void connectMenuArray(const QObject* window, const QString& prefix, int count, QObject* receiver,
                             const std::function<void(int index)>& handler)
{
    for (int index = 1; index <= count; ++index) {
        QAction* entry = window->findChild<QAction*>(prefix + QString::number(index));
        if (!entry || entry->isSeparator() || entry->menu())
            continue;
        QObject::connect(entry, &QAction::triggered, receiver, [entry, index, handler](bool checked) {
            if (entry->isCheckable())
                entry->setChecked(!checked);
            handler(index);
        });
    }
}
