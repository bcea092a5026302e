#include "moduledata/value_search_index.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace {

const unsigned char* bytesOf(QByteArrayView data)
{
    return reinterpret_cast<const unsigned char*>(data.data());
}

// Calls visit(start, length) for every word of the data that starts at byte 1 or later.
template <typename Visit>
void forEachWord(QByteArrayView data, Visit visit)
{
    const unsigned char* bytes = bytesOf(data);
    const qsizetype size = data.size();
    qsizetype i = 0;
    // A word at byte 0 has no separator before it: skip it.
    while (i < size && !isNameSeparator(bytes[i]))
        ++i;
    while (i < size) {
        while (i < size && isNameSeparator(bytes[i]))
            ++i;
        const qsizetype start = i;
        while (i < size && !isNameSeparator(bytes[i]))
            ++i;
        if (i > start && !visit(start, i - start))
            return;
    }
}

std::string_view viewOf(QByteArrayView data)
{
    return {data.data(), static_cast<std::size_t>(data.size())};
}

} // namespace

FunctionNameIndex::FunctionNameIndex(QByteArrayView data, const QList<QByteArray>& names)
{
    for (const QByteArray& name : names)
        m_first.emplace(viewOf(name), -1);
    qsizetype missing = static_cast<qsizetype>(m_first.size());
    forEachWord(data, [&](qsizetype start, qsizetype length) {
        const auto found = m_first.find(viewOf(data.sliced(start, length)));
        if (found != m_first.end() && found->second < 0) {
            found->second = start;
            --missing;
        }
        return missing > 0;
    });
}

std::optional<qsizetype> FunctionNameIndex::firstWord(QByteArrayView name) const
{
    const auto found = m_first.find(viewOf(name));
    if (found == m_first.end())
        return std::nullopt;
    return found->second;
}

qsizetype FunctionNameIndex::scanFirstWord(QByteArrayView data, QByteArrayView name)
{
    qsizetype result = -1;
    forEachWord(data, [&](qsizetype start, qsizetype length) {
        if (data.sliced(start, length) == name)
            result = start;
        return result < 0;
    });
    return result;
}

ModuleMarkerIndex::ModuleMarkerIndex(QByteArrayView data, const QList<quint16>& wantedIds) : m_wanted(65536 / 64, 0)
{
    for (const quint16 id : wantedIds) {
        if (m_slot.emplace(id, m_slot.size()).second)
            m_wanted[id / 64] |= quint64{1} << (id % 64);
    }
    m_first.assign(m_slot.size() * kDistances, -1);
    const unsigned char* bytes = bytesOf(data);
    const qsizetype size = data.size();
    for (qsizetype i = 0; i + 2 < size;) {
        const void* hit = std::memchr(bytes + i, 0x12, static_cast<std::size_t>(size - 2 - i));
        if (!hit)
            break;
        const qsizetype m = static_cast<const unsigned char*>(hit) - bytes;
        i = m + 1;
        if (bytes[m + 1] != 0x00 || bytes[m + 2] > 0x01)
            continue;
        m_markers[bytes[m + 2]].push_back(m);
        for (int distance = kNearest; distance <= kFarthest; ++distance) {
            const qsizetype at = m + distance;
            if (at + 1 >= size)
                break;
            const quint16 id = static_cast<quint16>(bytes[at] << 8 | bytes[at + 1]);
            if (!(m_wanted[id / 64] >> (id % 64) & 1))
                continue;
            qsizetype& first = m_first[m_slot.find(id)->second * kDistances + (distance - kNearest)];
            // Markers come in ascending order, so the first one set is the earliest.
            if (first < 0)
                first = at;
        }
    }
}

qsizetype ModuleMarkerIndex::idAfterMarker(quint16 id, int distance) const
{
    const auto slot = m_slot.find(id);
    if (slot == m_slot.end() || distance < kNearest || distance > kFarthest)
        return -1;
    return m_first[slot->second * kDistances + (distance - kNearest)];
}

qsizetype ModuleMarkerIndex::nextMarker(unsigned char last, qsizetype from) const
{
    if (last > 1)
        return -1;
    const std::vector<qsizetype>& list = m_markers[last];
    const auto found = std::lower_bound(list.begin(), list.end(), from);
    return found == list.end() ? -1 : *found;
}

ValueEntryIndex::ValueEntryIndex(QByteArrayView data) : m_first(65536, -1)
{
    const unsigned char* bytes = bytesOf(data);
    const qsizetype size = data.size();
    for (qsizetype i = kFirstEntry; i + 3 < size;) {
        const void* hit = std::memchr(bytes + i, 0x01, static_cast<std::size_t>(size - 3 - i));
        if (!hit)
            break;
        const qsizetype h = static_cast<const unsigned char*>(hit) - bytes;
        i = h + 1;
        if (bytes[h + 1] != 0x00)
            continue;
        qint32& first = m_first[static_cast<quint16>(bytes[h + 2] << 8 | bytes[h + 3])];
        if (first < 0 && h <= std::numeric_limits<qint32>::max())
            first = static_cast<qint32>(h);
    }
}
