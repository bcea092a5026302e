#pragma once

#include <QString>

// Why a function's values were not found. The tree shows them in lower case in place of the
// function's first value, so they are written in lower case here.
namespace ValueSearchMessage {

inline QString functionNotFound()
{
    return QStringLiteral("function not found in the function keyword file");
}
// The name stands at the very start of the keyword data, where no ID can precede it.
inline QString functionIdMissing()
{
    return QStringLiteral("function id missing in the function keyword file");
}
inline QString recordNotFound()
{
    return QStringLiteral("function not found in the module file");
}
// The first value entry of a run ends before its length byte.
inline QString valueEntryCut()
{
    return QStringLiteral("value entry cut short in the module file");
}
inline QString valueNameNotFound()
{
    return QStringLiteral("value not found in the value keyword file");
}
// No 00 byte ends the name, or the name is empty.
inline QString valueNameBroken()
{
    return QStringLiteral("broken value name in the value keyword file");
}

} // namespace ValueSearchMessage
