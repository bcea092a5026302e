#include "value_data_generator.h"

#include "common/ansi_codec.h"
#include "moduledata/hex_text.h"

#include <QSet>

#include <random>

namespace {

class Generator {
public:
    Generator(quint32 seed, const ValueDataSize& size) : m_random(seed), m_size(size) {}

    GeneratedValueData run();

private:
    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }
    bool chance(int percent) { return pick(0, 99) < percent; }
    char byte(int low = 0, int high = 255) { return static_cast<char>(pick(low, high)); }
    QByteArray word(int length);
    QByteArray noise(int length);
    QByteArray newId();
    void addRecord(QByteArray& module, const QByteArray& id, const QList<int>& values, int distance);

    std::mt19937 m_random;
    ValueDataSize m_size;
    QSet<QByteArray> m_usedIds;
    QList<QByteArray> m_valueIds;
    char m_markerLast = 1;
};

QByteArray Generator::word(int length)
{
    static const char letters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZ_abcdefghijklmnopqrstuvwxyz0123456789";
    QByteArray result;
    for (int i = 0; i < length; ++i)
        result.append(letters[pick(0, int(sizeof letters) - 2)]);
    return result;
}

// Bytes that often form the patterns searched for, so near misses are common.
QByteArray Generator::noise(int length)
{
    static const char common[] = {0x00, 0x01, 0x10, 0x12, 0x00, 0x10};
    QByteArray result;
    for (int i = 0; i < length; ++i)
        result.append(m_size.clean || chance(60) ? byte(0x40, 0x7F) : common[pick(0, 5)]);
    return result;
}

// A function ID: the second byte is a separator (0-36) as in the keyword files.
QByteArray Generator::newId()
{
    for (;;) {
        QByteArray id;
        id.append(byte(0, 0x7F)); // fillers use 0x80 and above
        id.append(byte(0, 0x24));
        if (!m_usedIds.contains(id)) {
            m_usedIds.insert(id);
            return id;
        }
    }
}

void Generator::addRecord(QByteArray& module, const QByteArray& id, const QList<int>& values, int distance)
{
    const qsizetype start = module.size();
    module.append('\x12');
    module.append('\x00');
    module.append(m_markerLast);
    module.append(noise(distance - 3));
    module.append(id);
    module.append(noise(pick(0, 3)));
    int length = pick(8, 14);
    // A length byte near 252: a run the search must skip.
    if (!m_size.clean && chance(8))
        length = pick(250, 255);
    for (const int value : values) {
        if (!m_size.clean && chance(10))
            length = pick(8, 14); // a new run with another length
        module.append(static_cast<char>((length + 4) & 0xFF));
        module.append('\x10');
        module.append('\x00');
        module.append(m_valueIds[value]);
        module.append(static_cast<char>(length));
        module.append(noise(pick(0, m_size.clean ? 2 : 5)));
    }
    module.append(noise(pick(0, 4)));
    // A record cut short by the end of the data.
    if (!m_size.clean && chance(5))
        module.truncate(start + pick(3, int(module.size() - start)));
}

GeneratedValueData Generator::run()
{
    GeneratedValueData out;
    const int mainDistance = pick(9, 13);
    out.markerDistance = m_size.clean ? 0 : QList<int>{0, 0, 27, 33, 39, 30, 3, 1}[pick(0, 7)];
    m_markerLast = static_cast<char>(pick(0, 1));

    // Value keyword data: most values have an entry, some none, some broken.
    QByteArray psw = "KEYWORD" + noise(pick(0, 6));
    QList<QByteArray> valueNames;
    for (int v = 0; v < m_size.valuePool; ++v) {
        QByteArray id;
        do {
            id = QByteArray(1, byte()) + QByteArray(1, byte());
        } while (m_valueIds.contains(id));
        m_valueIds.append(id);
        valueNames.append("wert_" + word(pick(1, 8)));
    }
    const auto pswFiller = [&](qsizetype until) {
        while (psw.size() < until)
            psw.append(QByteArray("\x01\x00", 2) + byte() + byte() + "filler_" + word(pick(4, 20)) + '\x00');
    };
    for (int v = 0; v < m_size.valuePool; ++v) {
        pswFiller(m_size.pswBytes * v / m_size.valuePool);
        if (!m_size.clean && chance(5))
            continue;
        if (!m_size.clean && chance(20))
            psw.append(QByteArray("\x01\x00", 2) + noise(pick(1, 6))); // a decoy entry start
        psw.append(QByteArray("\x01\x00", 2) + m_valueIds[v]);
        psw.append(!m_size.clean && chance(3) ? QByteArray() : valueNames[v]);
        psw.append('\x00');
    }
    pswFiller(m_size.pswBytes);
    if (!m_size.clean && chance(10))
        psw.append(QByteArray("\x01\x00", 2) + m_valueIds[pick(0, m_size.valuePool - 1)] + "cut");

    // Functions, their keyword entries and records.
    QByteArray fsw = "SWTFSW" + noise(pick(0, 4));
    QByteArray module;
    QList<QByteArray> names;
    QList<QList<int>> functionValues;
    for (int f = 0; f < m_size.functions; ++f) {
        QByteArray name;
        do {
            name = "FN_" + word(pick(2, 10));
            if (!m_size.clean && chance(3))
                name += ' ' + word(2); // a separator inside never matches
        } while (names.contains(name));
        names.append(name);
        QList<int> values;
        for (int v = pick(1, 6); v > 0; --v)
            values.append(pick(0, m_size.valuePool - 1));
        functionValues.append(values);
    }
    if (!m_size.clean && chance(15))
        fsw.prepend(names[pick(0, m_size.functions - 1)]); // a name at the very start
    // Filler entries and records spread between the functions', as in real files.
    const auto fswFiller = [&](qsizetype until) {
        while (fsw.size() < until)
            fsw.append(QByteArray(1, byte()) + byte(0, 0x24) + "OTHER_" + word(pick(4, 20)) + byte(0, 0x24));
    };
    const auto moduleFiller = [&](qsizetype until) {
        while (module.size() < until) {
            QList<int> values;
            for (int v = pick(1, 4); v > 0; --v)
                values.append(pick(0, m_size.valuePool - 1));
            addRecord(module, QByteArray(1, byte(0x80, 0xFF)) + byte(0, 0x24), values, mainDistance);
        }
    };
    for (int f = 0; f < m_size.functions; ++f) {
        fswFiller(m_size.fswBytes * f / m_size.functions);
        moduleFiller(m_size.moduleBytes * f / m_size.functions);
        const QByteArray id = newId();
        // Decoys first: the name inside longer names, the ID without a marker.
        if (!m_size.clean && chance(30))
            fsw.append(newId() + (chance(50) ? word(1) + names[f] : names[f] + word(1)) + byte(0, 0x24));
        if (!m_size.clean && chance(30))
            module.append(noise(pick(0, 10)) + id + noise(pick(0, 10)));
        if (m_size.clean || !chance(8))
            fsw.append(id + names[f] + byte(0, 0x24));
        const int distance = m_size.clean || chance(75) ? mainDistance : pick(9, 13);
        if (m_size.clean || !chance(8))
            addRecord(module, id, functionValues[f], distance);
        if (!m_size.clean && chance(10))
            module.append(noise(pick(1, 30)));
    }
    fswFiller(m_size.fswBytes);
    moduleFiller(m_size.moduleBytes);

    // The trace: each function with one or two value lines, some extra functions unknown.
    for (int f = 0; f < m_size.functions; ++f) {
        out.traceLines.append(Ansi::decode(names[f]));
        if (!m_size.clean && chance(5))
            continue; // a function without a value line
        const QList<int>& values = functionValues[f];
        out.traceLines.append(u'\t' + Ansi::decode(valueNames[values[pick(0, int(values.size()) - 1)]]));
        if (chance(10))
            out.traceLines.append(QStringLiteral("\tfrei\tkommentar"));
    }

    out.data.FswData = fsw;
    out.data.PswBytes = psw;
    out.data.PswHex = HexText::TextToHex(psw);
    out.data.ModuleBytes = module;
    out.data.ModuleHex = HexText::TextToHex(module);
    if (!m_size.clean && chance(20) && !m_valueIds.isEmpty())
        out.data.ValueNames.insert(HexText::TextToHex(m_valueIds[0]), QStringLiteral("cached"));
    return out;
}

} // namespace

GeneratedValueData generateValueData(quint32 seed, const ValueDataSize& size)
{
    return Generator(seed, size).run();
}
