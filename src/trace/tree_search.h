#pragma once

#include <QList>
#include <QString>

class TraceTree;

enum class SearchMatch { StartsWith, AnyPart };
enum class SearchDirection { Up, Down };

// What one step did, for the window to show: its caption, the nodes to select (in this
// order, so the hit's first value is scrolled into view too), whether the direction was
// forced back to "down", and an error that stopped the step part-way.
struct TreeSearchStep {
    bool found = false;
    bool directionForcedDown = false;
    QString caption;
    QList<int> selectNodes;
    QString error;
};

// Finds functions of the trace tree by their displayed text, one hit at a time, and
// marks the last hit yellow. The state lives as long as the search window.
class TreeSearch {
public:
    explicit TreeSearch(TraceTree& tree) : m_tree(tree) {}

    // One "Search next". A text that differs from the last successful one (ignoring
    // letter case) starts again from the top, going down.
    TreeSearchStep next(const QString& text, SearchMatch match, SearchDirection direction);

    // The match mode changed: the next step is a new search.
    void forgetLastText() { m_lastText.clear(); }

    // Gives the last hit its normal background back (the window is closing).
    void clearMark();

    // The collection index of the last hit; 0 for none.
    int FoundIndex() const { return m_foundIndex; }
    // The text of the last successful search.
    const QString& lastText() const { return m_lastText; }

    static bool matches(const QString& nodeText, const QString& text, SearchMatch match);

private:
    bool unmark(int index, TreeSearchStep& step);

    TraceTree& m_tree;
    int m_foundIndex = 0;
    QString m_lastText;
};
