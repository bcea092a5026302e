#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

#include <optional>
#include <string_view>
#include <unordered_map>
#include <vector>

// Indexes over the raw keyword and module bytes, each built in one pass, so that the
// search of every function and value costs a lookup instead of a scan from the start.

// Bytes 0x00-0x24 separate the names in the function keyword data.
constexpr bool isNameSeparator(unsigned char byte)
{
    return byte <= 0x24;
}

// Where each wanted name first stands as a whole word (a maximal run of non-separator
// bytes) at byte 1 or later of the function keyword data.
class FunctionNameIndex {
public:
    FunctionNameIndex(QByteArrayView data, const QList<QByteArray>& names);
    // The word's position, -1 when it does not occur, nullopt for a name not indexed.
    std::optional<qsizetype> firstWord(QByteArrayView name) const;
    // The same without an index: one scan of the data.
    static qsizetype scanFirstWord(QByteArrayView data, QByteArrayView name);

private:
    std::unordered_map<std::string_view, qsizetype> m_first;
};

// Record markers 12 00 00 and 12 00 01 of the module data, and where each wanted ID first
// follows a marker at each possible distance (9 to 13 bytes).
class ModuleMarkerIndex {
public:
    static constexpr int kNearest = 9;
    static constexpr int kFarthest = 13;
    static constexpr int kDistances = kFarthest - kNearest + 1;

    ModuleMarkerIndex(QByteArrayView data, const QList<quint16>& wantedIds);
    bool covers(quint16 id) const { return m_slot.find(id) != m_slot.end(); }
    // First position of a wanted ID whose marker starts `distance` bytes before it; -1 if
    // none (or the ID is not covered).
    qsizetype idAfterMarker(quint16 id, int distance) const;
    // First marker ending in `last` (0 or 1) that starts at or after `from`; -1 if none.
    qsizetype nextMarker(unsigned char last, qsizetype from) const;

private:
    std::vector<quint64> m_wanted; // one bit per ID
    std::unordered_map<quint16, std::size_t> m_slot;
    std::vector<qsizetype> m_first; // kDistances per slot
    std::vector<qsizetype> m_markers[2];
};

// Value entries 01 00 <ID> of the value keyword data: the first position of each ID, from
// byte 3 on (the entries follow the "KEYWORD" mark).
class ValueEntryIndex {
public:
    static constexpr qsizetype kFirstEntry = 3;

    explicit ValueEntryIndex(QByteArrayView data);
    qsizetype firstEntry(quint16 id) const { return m_first[id]; }

private:
    std::vector<qint32> m_first; // entry positions past 2 GB are not indexed
};
