#include "coding/manipulation_lines.h"

#include "trace/trace_tree.h"

QStringList BuildManipulationLines(const TraceTree& tree)
{
    QStringList lines;
    for (int index = 1; index <= tree.count(); ++index) {
        if (tree.childCount(index) == 0)
            continue;
        lines.append(tree.text(index));
        for (int child = tree.firstChild(index); child != 0; child = tree.nextSibling(child))
            if (tree.image(child) == NodeImage::Chosen)
                lines.append(u'\t' + tree.text(child));
    }
    return lines;
}
