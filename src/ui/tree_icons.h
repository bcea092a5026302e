#pragma once

#include <QIcon>

// ImageList1: the three 16 x 16 node icons of the trace tree, drawn here so the project
// ships no borrowed artwork. 1 green ball, 2 orange-red ball, 3 yellow warning triangle.
namespace TreeIcons {

QIcon icon(int image);

} // namespace TreeIcons
