#include "value_data_generator.h"

#include "common/ansi_codec.h"
#include "moduledata/hex_text.h"

#include <random>

namespace {

class Generator {
public:
    Generator(quint32 seed, const ValueDataSize& size) : m_random(seed), m_size(size) {}
    GeneratedValueData run();

private:
    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }
    // Never true for clean data: every irregularity goes through here.
    bool odd(int percent) { return !m_size.clean && pick(0, 99) < percent; }
    QByteArray byte(int low = 0, int high = 255) { return QByteArray(1, static_cast<char>(pick(low, high))); }
    QByteArray word(int length)
    {
        static const char letters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZ_abcdefghijklmnopqrstuvwxyz0123456789";
        QByteArray result;
        while (result.size() < length)
            result.append(letters[pick(0, int(sizeof letters) - 2)]);
        return result;
    }
    // Bytes that often form the patterns searched for, so near misses are common.
    QByteArray noise(int length)
    {
        QByteArray result;
        while (result.size() < length)
            result += odd(40) ? QByteArray("\x00\x01\x10\x12\x00\x10", 6).mid(pick(0, 5), 1) : byte(0x40, 0x7F);
        return result;
    }
    // A function ID: the second byte is a separator (0-36) as in the keyword files; fillers
    // use first bytes from 0x80 on.
    QByteArray newId()
    {
        QByteArray id;
        do
            id = byte(0, 0x7F) + byte(0, 0x24);
        while (m_usedIds.contains(id));
        m_usedIds.append(id);
        return id;
    }
    QList<int> someValues(int most)
    {
        QList<int> values(pick(1, most));
        for (int& v : values)
            v = pick(0, m_size.valuePool - 1);
        return values;
    }
    void addRecord(const QByteArray& id, const QList<int>& values, int distance);

    std::mt19937 m_random;
    ValueDataSize m_size;
    QList<QByteArray> m_usedIds;
    QList<QByteArray> m_valueIds;
    QByteArray m_module;
    char m_markerLast = 1;
};

void Generator::addRecord(const QByteArray& id, const QList<int>& values, int distance)
{
    const qsizetype start = m_module.size();
    m_module += QByteArray("\x12\x00", 2) + m_markerLast + noise(distance - 3) + id + noise(pick(0, 3));
    int length = odd(8) ? pick(250, 255) : pick(8, 14); // near 252: a run the search must skip
    for (const int value : values) {
        if (odd(10))
            length = pick(8, 14); // a new run with another length
        m_module += QByteArray(1, char((length + 4) & 0xFF)) + QByteArray("\x10\x00", 2) + m_valueIds[value]
                    + char(length) + noise(pick(0, m_size.clean ? 2 : 5));
    }
    m_module += noise(pick(0, 4));
    if (odd(5)) // a record cut short by the end of the data
        m_module.truncate(start + pick(3, int(m_module.size() - start)));
}

GeneratedValueData Generator::run()
{
    GeneratedValueData out;
    const int mainDistance = pick(9, 13);
    out.markerDistance = m_size.clean ? 0 : QList<int>{0, 0, 27, 33, 39, 30, 3, 1}[pick(0, 7)];
    m_markerLast = static_cast<char>(pick(0, 1));
    const QByteArray entryStart("\x01\x00", 2);

    // Value keyword data: most values have an entry, some none, some broken, fillers between.
    QByteArray psw = "KEYWORD" + noise(pick(0, 6));
    QList<QByteArray> valueNames;
    while (m_valueIds.size() < m_size.valuePool) {
        const QByteArray id = byte() + byte();
        if (!m_valueIds.contains(id)) {
            m_valueIds.append(id);
            valueNames.append("wert_" + word(pick(1, 8)));
        }
    }
    const auto pswFiller = [&](qsizetype until) {
        while (psw.size() < until)
            psw += entryStart + byte() + byte() + "filler_" + word(pick(4, 20)) + '\x00';
    };
    for (int v = 0; v < m_size.valuePool; ++v) {
        pswFiller(m_size.pswBytes * v / m_size.valuePool);
        if (odd(5))
            continue;
        if (odd(20))
            psw += entryStart + noise(pick(1, 6)); // a decoy entry start
        psw += entryStart + m_valueIds[v] + (odd(3) ? QByteArray() : valueNames[v]) + '\x00';
    }
    pswFiller(m_size.pswBytes);
    if (odd(10))
        psw += entryStart + m_valueIds[pick(0, m_size.valuePool - 1)] + "cut";

    // Functions with their keyword entries and records, fillers spread between as in real files.
    QList<QByteArray> names;
    while (names.size() < m_size.functions) {
        const QByteArray name = "FN_" + word(pick(2, 10)) + (odd(3) ? ' ' + word(2) : QByteArray());
        if (!names.contains(name)) // a separator inside never matches
            names.append(name);
    }
    QByteArray fsw = (odd(15) ? names[pick(0, m_size.functions - 1)] : QByteArray()) // a name at the very start
                     + "SWTFSW" + noise(pick(0, 4));
    const auto fillers = [&](int f) {
        while (fsw.size() < m_size.fswBytes * f / m_size.functions)
            fsw += byte() + byte(0, 0x24) + "OTHER_" + word(pick(4, 20)) + byte(0, 0x24);
        while (m_module.size() < m_size.moduleBytes * f / m_size.functions)
            addRecord(byte(0x80, 0xFF) + byte(0, 0x24), someValues(4), mainDistance);
    };
    if (odd(10)) // an empty line is a function with an empty name
        out.traceLines += {QString(), QStringLiteral("\twert")};
    for (int f = 0; f < m_size.functions; ++f) {
        fillers(f);
        const QByteArray id = newId();
        const QList<int> values = someValues(6);
        // Decoys first: the name inside longer names, the ID without a marker.
        if (odd(30))
            fsw += newId() + (pick(0, 1) ? word(1) + names[f] : names[f] + word(1)) + byte(0, 0x24);
        if (odd(30))
            m_module += noise(pick(0, 10)) + id + noise(pick(0, 10));
        if (!odd(8))
            fsw += id + names[f] + byte(0, 0x24);
        if (!odd(8))
            addRecord(id, values, odd(25) ? pick(9, 13) : mainDistance);
        if (odd(10))
            m_module += noise(pick(1, 30));
        // The trace: the function with one of its values, or none, and maybe a comment line.
        out.traceLines.append(Ansi::decode(names[f]));
        if (odd(5))
            continue;
        out.traceLines.append(u'\t' + Ansi::decode(valueNames[values[pick(0, int(values.size()) - 1)]]));
        if (pick(0, 9) == 0)
            out.traceLines.append(QStringLiteral("\tfrei\tkommentar"));
    }
    fillers(m_size.functions);

    out.data = moduleDataFrom(fsw, psw, m_module);
    if (odd(20))
        out.data.ValueNames.insert(HexText::TextToHex(m_valueIds[0]), QStringLiteral("cached"));
    return out;
}

} // namespace

GeneratedValueData generateValueData(quint32 seed, const ValueDataSize& size)
{
    return Generator(seed, size).run();
}

ModuleData moduleDataFrom(const QByteArray& fsw, const QByteArray& psw, const QByteArray& module)
{
    ModuleData data;
    data.FswData = fsw;
    data.PswBytes = psw;
    data.PswHex = HexText::TextToHex(psw);
    data.ModuleBytes = module;
    data.ModuleHex = HexText::TextToHex(module);
    return data;
}
