#include "trace/tree_search.h"

#include "trace/trace_tree.h"

#include <QCoreApplication>

namespace {

QString missingNode(int index)
{
    return QCoreApplication::translate("TreeSearch", "Node %1 no longer exists in the tree.").arg(index);
}

} // namespace

bool TreeSearch::matches(const QString& nodeText, const QString& text, SearchMatch match)
{
    if (match == SearchMatch::AnyPart)
        return nodeText.contains(text, Qt::CaseInsensitive);
    // Upper-cased as a whole, so a node text shorter than the search text never matches.
    return nodeText.size() >= text.size() && nodeText.left(text.size()).toUpper() == text.toUpper();
}

bool TreeSearch::unmark(int index, TreeSearchStep& step)
{
    if (!m_tree.isValid(index)) {
        step.error = missingNode(index);
        return false;
    }
    m_tree.setBackground(index, NodeBackground::Normal);
    return true;
}

TreeSearchStep TreeSearch::next(const QString& text, SearchMatch match, SearchDirection direction)
{
    TreeSearchStep step;
    if (text.toUpper() != m_lastText.toUpper()) {
        if (m_foundIndex > 0 && !unmark(m_foundIndex, step))
            return step;
        step.directionForcedDown = true;
        direction = SearchDirection::Down;
        m_foundIndex = 0;
    }
    step.caption = QCoreApplication::translate("TreeSearch", "Search");

    // The range is fixed here; nodes added during the step are not visited.
    const bool up = direction == SearchDirection::Up;
    const int last = up ? 1 : m_tree.count();
    const int stride = up ? -1 : 1;
    int hit = 0;
    for (int i = m_foundIndex + stride; up ? i >= last : i <= last; i += stride) {
        // Value nodes and functions without values are never hits.
        if (m_tree.childCount(i) == 0)
            continue;
        if (matches(m_tree.text(i), text, match)) {
            hit = i;
            break;
        }
    }

    if (hit == 0) {
        step.caption = QCoreApplication::translate("TreeSearch", "Search - not found %1").arg(text);
        if (m_foundIndex > 0) {
            // The previous hit stays marked; select it again so it is in view.
            if (!m_tree.isValid(m_foundIndex + 1)) {
                step.error = missingNode(m_foundIndex + 1);
                return step;
            }
            step.selectNodes = {m_foundIndex + 1, m_foundIndex};
        }
        return step;
    }

    if (m_foundIndex > 0 && !unmark(m_foundIndex, step))
        return step;
    m_tree.setBackground(hit, NodeBackground::Yellow);
    step.selectNodes = {hit + 1, hit};
    step.found = true;
    m_lastText = text;
    m_foundIndex = hit;
    return step;
}

void TreeSearch::clearMark()
{
    if (m_foundIndex > 0 && m_tree.isValid(m_foundIndex))
        m_tree.setBackground(m_foundIndex, NodeBackground::Normal);
}
