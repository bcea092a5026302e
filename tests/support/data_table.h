#pragma once

#include <QTest>

// Declares all columns of a data table at once, types and names in the same order:
// addColumns<int, QString>("node", "text").
template <typename... Types, typename... Names>
void addColumns(Names... names)
{
    static_assert(sizeof...(Types) == sizeof...(Names), "one name for each column type");
    (QTest::addColumn<Types>(names), ...);
}
