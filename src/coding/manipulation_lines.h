#pragma once

#include <QStringList>

class TraceTree;

// The lines of FSW_PSW.MAN from the tree: for every node with children, in the order the
// nodes were added (the trace's order), its text, then a tab and the text of each child
// marked as chosen (image 1), in the order the children are shown.
QStringList BuildManipulationLines(const TraceTree& tree);
