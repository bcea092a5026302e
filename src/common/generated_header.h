#pragma once

#include <QString>
#include <QStringList>

// The rule line and header that open every text file the program writes.
namespace GeneratedHeader {

inline QString ruleLine()
{
    return QString(51, u'=');
}

// Rule, "       Generated with Quillon", rule, empty line.
inline QStringList lines()
{
    return {ruleLine(), QStringLiteral("       Generated with Quillon"), ruleLine(), QString()};
}

} // namespace GeneratedHeader
