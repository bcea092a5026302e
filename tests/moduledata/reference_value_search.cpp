#include "reference_value_search.h"

#include "common/ansi_codec.h"
#include "moduledata/module_data.h"
#include "moduledata/value_search_messages.h"
#include "trace/trace_tree.h"

namespace Reference {

namespace {

// The first position (1-based) of pattern in s at or after start; 0 when there is none.
qsizetype InStr(qsizetype start, const QByteArray& s, const QByteArray& pattern)
{
    if (s.isEmpty() || start > s.size())
        return 0;
    if (pattern.isEmpty())
        return start;
    const qsizetype at = s.indexOf(pattern, start - 1);
    return at < 0 ? 0 : at + 1;
}

// The characters from start (1-based, at least 1) on, at most length of them.
QByteArray Mid(const QByteArray& s, qsizetype start, qsizetype length = -1)
{
    return start > s.size() ? QByteArray() : s.mid(start - 1, length);
}

bool isMarker(const QByteArray& text)
{
    return text == "12 00 01" || text == "12 00 00";
}

struct Run {
    TraceTree& tree;
    const QStringList& TraceLines;
    ModuleData& data;
    int& MarkerDistance;
    bool ValuesIncomplete = false;

    void AddValueNode(const QString& name, int index)
    {
        for (int child = tree.firstChild(index); child != 0; child = tree.nextSibling(child))
            if (tree.text(child) == name)
                return;
        const int function = tree.indexOfKey(TraceLines.value(index - 1));
        if (function == 0)
            return;
        static_cast<void>(tree.addChild(function, name, NodeImage::None));
        tree.setSortChildren(function, true);
    }

    void Fail(int index, bool calibrate, const QString& description)
    {
        if (calibrate)
            return;
        tree.setImage(index, NodeImage::Warning);
        int line = index + 1;
        if (!tree.isValid(line) || tree.parentIndex(line) != index)
            line = tree.addChild(index, QString(), NodeImage::Warning).value();
        tree.setText(line, description.toLower());
        tree.setColor(line, NodeColor::Red);
        tree.setImage(line, NodeImage::Warning);
        ValuesIncomplete = true;
    }

    void FindFunctionValues(const QString& name, int index, bool calibrate);
};

void Run::FindFunctionValues(const QString& name, int index, bool calibrate)
{
    const QByteArray& FswData = data.FswData;
    const QByteArray& ModuleHex = data.ModuleHex;
    const QByteArray text = Ansi::encode(name);

    // The name with one character on each side, separators (0x00-0x24) removed.
    qsizetype p = InStr(1, FswData, text);
    for (;;) {
        if (p == 0)
            return Fail(index, calibrate, ValueSearchMessage::functionNotFound());
        if (p - 1 < 1) // there is no character before the first
            return Fail(index, calibrate, ValueSearchMessage::functionIdMissing());
        QByteArray rest;
        for (const char c : Mid(FswData, p - 1, text.size() + 2))
            if (static_cast<unsigned char>(c) > 0x24)
                rest.append(c);
        if (rest == text)
            break;
        p = InStr(p + 1, FswData, text);
    }
    if (p - 2 < 1)
        return Fail(index, calibrate, ValueSearchMessage::functionIdMissing());
    const QByteArray id = Mid(FswData, p - 2, 2).toHex(' ').toUpper();

    // The ID's first occurrence with a record marker at the distance (calibrating: any).
    QByteArray marker;
    qsizetype q = InStr(1, ModuleHex, id);
    for (;; q = InStr(q + 1, ModuleHex, id)) {
        if (q == 0)
            return Fail(index, calibrate, ValueSearchMessage::recordNotFound());
        for (const int k : calibrate ? QList<int>{39, 36, 33, 30, 27} : QList<int>{MarkerDistance}) {
            if (q > k && isMarker(Mid(ModuleHex, q - k, 8))) {
                if (calibrate) {
                    MarkerDistance = k;
                    return;
                }
                marker = Mid(ModuleHex, q - k, 8);
            }
        }
        if (!marker.isEmpty())
            break;
    }

    // The record ends at the next marker of its kind.
    QByteArray record = Mid(ModuleHex, q);
    if (const qsizetype r = InStr(6, record, marker); r > 0)
        record = record.left(r);

    // Runs of value entries "L 10 00 <ID>", L taken from the first entry's length byte.
    QByteArray L;
    while (InStr(1, record, "10 00") > 0) {
        if (L.isEmpty()) {
            const qsizetype f = InStr(1, record, "10 00");
            bool ok = false;
            const int length = Mid(record, f + 12, 2).toInt(&ok, 16);
            if (!ok)
                return Fail(index, calibrate, ValueSearchMessage::valueEntryCut());
            L = QByteArray::number(length + 4, 16).toUpper().rightJustified(2, '0');
        }
        const qsizetype g = InStr(1, record, L + " 10 00");
        if (g == 0) {
            record = Mid(record, InStr(1, record, "10 00") + 6);
            L.clear();
            continue;
        }
        record = Mid(record, g + 9);
        const QByteArray valueId = record.left(5);
        QString valueName = data.ValueNames.value(valueId);
        if (valueName.isEmpty()) {
            const qsizetype h = InStr(10, data.PswHex, "01 00 " + valueId);
            if (h == 0)
                return Fail(index, calibrate, ValueSearchMessage::valueNameNotFound());
            const QByteArray tail = Mid(data.PswHex, h + 12);
            const qsizetype z = InStr(1, tail, "00");
            if (z - 2 < 0) // no 00, or nothing before it
                return Fail(index, calibrate, ValueSearchMessage::valueNameBroken());
            valueName = Ansi::decode(QByteArray::fromHex(tail.left(z - 2)));
            data.ValueNames.insert(valueId, valueName);
        }
        AddValueNode(valueName, index);
    }
}

} // namespace

bool SearchPossibleValues(TraceTree& tree, const QStringList& traceLines, ModuleData& data, int& markerDistance)
{
    Run run{tree, traceLines, data, markerDistance};
    // Five samples six lines apart, the first standing in for the missing ones; then the
    // first sample that three share, else the fifth.
    QList<int> samples;
    for (qsizetype i = 1; i <= traceLines.size() && samples.size() < 5;) {
        if (traceLines[i - 1].startsWith(u'\t')) {
            ++i;
            continue;
        }
        run.FindFunctionValues(traceLines[i - 1], static_cast<int>(i), true);
        samples.append(markerDistance);
        i += 6;
    }
    while (samples.size() < 5) // no function at all: zeros
        samples.append(samples.value(0));
    for (const int sample : samples) {
        markerDistance = sample;
        if (samples.count(sample) >= 3)
            break;
    }
    for (qsizetype i = 1; i <= traceLines.size(); ++i)
        if (!traceLines[i - 1].startsWith(u'\t'))
            run.FindFunctionValues(traceLines[i - 1], static_cast<int>(i), false);
    return run.ValuesIncomplete;
}

} // namespace Reference
