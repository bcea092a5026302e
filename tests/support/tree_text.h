#pragma once

#include <QString>
#include <QStringList>

class TraceTree;

namespace TreeText {

// Every node's text in collection order.
QStringList texts(const TraceTree& tree);

// Every node in collection order, joined with "|": its text, "*" when bold, "#image" for
// images other than the chosen mark, "~" when blue, "[tag]" when tagged.
QString marks(const TraceTree& tree);

} // namespace TreeText
