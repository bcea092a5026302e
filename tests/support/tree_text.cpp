#include "tree_text.h"

#include "trace/trace_tree.h"

namespace TreeText {

QStringList texts(const TraceTree& tree)
{
    QStringList result;
    for (int i = 1; i <= tree.count(); ++i)
        result.append(tree.text(i));
    return result;
}

QString marks(const TraceTree& tree)
{
    QStringList nodes;
    for (int i = 1; i <= tree.count(); ++i)
        nodes.append(tree.text(i) + (tree.bold(i) ? u"*"_qs : QString())
                     + (tree.image(i) == NodeImage::Chosen ? QString() : u'#' + QString::number(tree.image(i)))
                     + (tree.color(i) == NodeColor::Blue ? u"~"_qs : QString())
                     + (tree.tag(i).isEmpty() ? QString() : u'[' + tree.tag(i) + u']'));
    return nodes.join(u'|');
}

} // namespace TreeText
