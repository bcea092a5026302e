#include "common/text_file.h"
#include "frame_chassis.h"
#include "moduledata/chassis_data.h"
#include "moduledata/module_data.h"
#include "moduledata/module_explanation.h"
#include "support/data_table.h"
#include "support/test_files.h"
#include "trace/trace_loader.h"
#include "trace/trace_tree.h"
#include "tree_snapshot.h"

#include <QTemporaryDir>
#include <QTest>

using FrameChassis::frame;
using TestFiles::bytes;
using Changes = QList<std::pair<QString, QString>>;

namespace {

const QString kDemo = QStringLiteral(QUILLON_SOURCE_DIR "/demo/NCSEXPER");

// A file of the one block ZEILE (id 0x0020, fields A to D) with these rows.
QByteArray oneBlock(const QByteArray& format, const QList<QByteArray>& rows)
{
    QByteArray out = FrameChassis::header({{0x0020, "ZEILE", format, "A,B,C,D"}});
    for (const QByteArray& row : rows)
        out += frame(0x0020, row);
    return out;
}

// Function rows: block, word address, byte address, keyword id, mask.
QByteArray functionRow(int block, int word, int byte, int id, int mask)
{
    return frame(0x0100, bytes({block, 0, word, 0, byte, 0, id, 0, mask & 0xFF, mask >> 8}));
}
QByteArray valueRow(int id, const QByteArray& data)
{
    return frame(0x0010, bytes({id, 0, int(data.size()), 0}) + data);
}

Result<ModuleStructure> handMade(const QByteArray& rows)
{
    const QByteArray module =
        FrameChassis::header({{0x0100, "PARZUWEISUNG_FSW", "WWWWW", "BLOCKNR,WORTADR,BYTEADR,FSW,MASKE"},
                              {0x0010, "PARZUWEISUNG_PSW1", "W(B)", "PSW,DATEN"},
                              {0x0011, "PARZUWEISUNG_PSW2", "(B)", "DATEN"}})
        + rows;
    QByteArray keywords = FrameChassis::header({{0x0001, "SWT_EINTRAG", "WS", "ID,KEYWORD"}});
    for (int id = 1; id <= 6; ++id)
        keywords += frame(0x0001, bytes({id, 0}) + QByteArray("ABCDEF").mid(id - 1, 1) + '\0');
    // The first row of an id counts.
    keywords += frame(0x0001, bytes({9, 0}) + "ein" + '\0') + frame(0x0001, bytes({8, 0}) + "aus" + '\0')
                + frame(0x0001, bytes({1, 0}) + "Z" + '\0');
    const KeywordTable table = KeywordTable::from(FrameFile::read(keywords, u"K"_qs).value()).value();
    const Result<FrameFile> file = FrameFile::read(module, u"H.C01"_qs);
    return file ? BuildModuleStructure(file.value(), table, table) : Result<ModuleStructure>::failure(file.error());
}

// "FUNCTION: value=bytes, ...; shares OTHER, ..." per function, or the fault.
QStringList summary(const Result<ModuleStructure>& module)
{
    if (!module)
        return {module.error()};
    QStringList out;
    for (qsizetype f = 0; f < module->functions.size(); ++f) {
        QStringList values, shares;
        for (const ModuleValue& value : module->functions[f].values)
            values.append(value.name + u'=' + frameFieldText({FrameField::Kind::Bytes, 0, 0, value.bytes, {}}));
        for (const int other : module->sharing[f])
            shares.append(module->functions[other].name);
        out.append(module->functions[f].name + u": "_qs + values.join(u", "_qs) + u"; shares "_qs
                   + shares.join(u", "_qs));
    }
    return out;
}

} // namespace

class TestModuleStructure : public QObject {
    Q_OBJECT
private slots:
    void decode_data()
    {
        addColumns<QByteArray, QByteArray, QString>("format", "payload", "fields");
        QTest::newRow("simple fields, one without a name")
            << QByteArray("BWLSA") << bytes({1, 0x34, 0x12, 0x78, 0x56, 0x34, 0x12, 'a', 'b', 0, 2, 0xAB, 1})
            << u"0x01|0x1234|0x12345678|ab|AB 01 #5"_qs;
        QTest::newRow("optionals") << QByteArray("{B}{W}{BW}") << bytes({1, 7, 0, 1, 5, 6, 0})
                                   << u"0x07|-|[0x05, 0x0006]|-"_qs;
        QTest::newRow("collections") << QByteArray("(W)(B)(B)") << bytes({2, 0, 1, 0, 2, 0, 2, 0, 0xFF, 0x10, 0, 0})
                                     << u"[0x0001, 0x0002]|FF 10||-"_qs;
        QTest::newRow("optional of an optional") << QByteArray("{{B}}{{B}}") << bytes({1, 0, 0}) << u"[-]|-|-|-"_qs;
        QTest::newRow("ends inside an optional") << QByteArray("A{B}{") << bytes({1, 0xEE, 0}) << u"EE|-|-|-"_qs;
        QTest::newRow("raw bytes to the row's end, in an optional")
            << QByteArray("B{A}") << bytes({9, 1, 2, 0xAB, 0xCD}) << u"0x09|AB CD|-|-"_qs;
    }
    void decode()
    {
        QFETCH(QByteArray, format);
        QFETCH(QByteArray, payload);
        const Result<FrameFile> file = FrameFile::read(oneBlock(format, {payload}), u"T.C01"_qs);
        QVERIFY2(file, qPrintable(file.error()));
        QStringList texts;
        for (const FrameField& field : file->fields(file->rows().front()))
            texts.append(frameFieldText(field));
        const QStringList names = file->blocks().front().fieldNames;
        QTEST(texts.join(u'|') + (names.size() > 4 ? u' ' + names.last() : QString()), "fields");
    }

    void faults_data()
    {
        addColumns<QByteArray, QString>("bytes", "fault");
        const QByteArray good = oneBlock("BW", {bytes({1, 2, 0})});
        const auto at = [](qsizetype offset) {
            return QStringLiteral("T.C01: offset %1 (0x%2): ").arg(offset).arg(QString::number(offset, 16).toUpper());
        };
        const qsizetype row = good.size() - 7;
        QByteArray badCheck = good;
        badCheck[row + 2] = '\x21';
        QTest::newRow("wrong check byte") << badCheck << at(row) + u"check byte 0x"_qs;
        QTest::newRow("frame cut short") << good.chopped(
            1) << at(row) + u"frame cut short: its 3 payload bytes need 7 bytes, 6 are left"_qs;
        QTest::newRow("undefined block") << good + frame(0x21, "x")
                                         << at(good.size()) + u"row of undefined block 0x0021"_qs;
        QTest::newRow("row too short") << oneBlock("BW", {bytes({1, 2})}) << at(row) + u"row of block ZEILE ends"_qs;
        QTest::newRow("bytes past the row")
            << oneBlock("A", {bytes({3, 1})}) << at(row - 1) + u"row of block ZEILE ends"_qs;
        QTest::newRow("row too long") << oneBlock("BW", {bytes({1, 2, 0, 9})})
                                      << at(row) + u"row of block ZEILE has 1 bytes after its last field"_qs;
        QTest::newRow("presence byte") << oneBlock("{B}", {bytes({2})})
                                       << at(row + 1) + u"row of block ZEILE: a presence"_qs;
        QTest::newRow("no divider") << oneBlock("BW", {}).chopped(4) << at(row - 4) + u"the definitions never end"_qs;
        QTest::newRow("not a frame file") << QByteArray("KEYWORD") << at(0) + u"not a frame file"_qs;
        QTest::newRow("format character") << oneBlock("BX", {}) << u"format \"BX\" of block ZEILE: unexpected"_qs;
        QTest::newRow("definition incomplete")
            << frame(0x0100, "x") + frame(0x0300, QByteArray("\0\0Z\0", 4)) + frame(0xFF00, {})
            << u"definition of block Z incomplete"_qs;
        QTest::newRow("name without its end") << frame(0x0100, "x") + frame(0x0300, QByteArray("\0\0Z", 3))
                                              << at(5) + u"block name without its 00 byte"_qs;
        QTest::newRow("format outside a definition") << frame(0x0100, "x") + frame(0x0400, QByteArray("B\0", 2))
                                                     << at(5) + u"frame type 0x0400 outside a block definition"_qs;
    }
    void faults()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, fault);
        const Result<FrameFile> file = FrameFile::read(bytes, u"T.C01"_qs);
        QVERIFY(!file);
        QVERIFY2(file.error().startsWith(fault) || file.error().contains(u": "_qs + fault), qPrintable(file.error()));
    }

    void structure_data()
    {
        addColumns<QByteArray, QStringList>("rows", "functions");
        const QByteArray one = functionRow(3, 0x30, 0x20, 1, 0x07) + valueRow(9, bytes({1, 2}))
                               + frame(0x11, bytes({1, 0, 3})) + valueRow(8, bytes({4, 5, 6}));
        QTest::newRow("values and a continuation") << one << QStringList{u"A: ein=01 02 03, aus=04 05 06; shares "_qs};
        // A: bits 0x07 of byte 0x20; B: 0x04 of it; C: 0x08 of it (its mask reaches byte 0x21,
        // its value does not); D: all of 0x1F and 0x20; E: another word address; F: byte 0x21.
        QTest::newRow("shared bits") << functionRow(3, 0x30, 0x20, 1, 0x07) + functionRow(3, 0x30, 0x20, 2, 0x04)
                                            + functionRow(3, 0x30, 0x20, 3, 0x0108) + valueRow(9, bytes({0}))
                                            + functionRow(3, 0x30, 0x1F, 4, 0xFFFF) + valueRow(9, bytes({0, 0}))
                                            + functionRow(3, 0x31, 0x20, 5, 0xFF) + functionRow(3, 0x30, 0x21, 6, 1)
                                     << QStringList{u"A: ; shares B, D"_qs,    u"B: ; shares A, D"_qs,
                                                    u"C: ein=00; shares D"_qs, u"D: ein=00 00; shares A, B, C"_qs,
                                                    u"E: ; shares "_qs,        u"F: ; shares "_qs};
        QTest::newRow("unknown keyword") << functionRow(1, 0, 0, 7, 1) + valueRow(10, "x")
                                         << QStringList{
                                                u"(keyword 0x0007 unknown): (keyword 0x000A unknown)=78; shares "_qs};
        QTest::newRow("value before a function")
            << valueRow(9, "x") << QStringList{u"value row before the first function"_qs};
        QTest::newRow("continuation without value") << functionRow(1, 0, 0, 1, 1) + frame(0x11, bytes({0, 0}))
                                                    << QStringList{u"continuation row without a value before it"_qs};
    }
    void structure()
    {
        QFETCH(QByteArray, rows);
        QFETCH(QStringList, functions);
        const QStringList got = summary(handMade(rows)); // a fault is compared by its end
        QVERIFY2(got == functions || (got.size() == 1 && got[0].endsWith(functions.value(0))),
                 qPrintable(got.join(u'|')));
    }

    // Generated chassis: the structure holds what was written; the search finds the same.
    void structureAgreesWithSearch_data()
    {
        addColumns<quint32, bool>("seed", "mixedLengths");
        for (quint32 seed = 1; seed <= 6; ++seed)
            QTest::addRow("seed %u", seed) << seed << false;
        QTest::newRow("value longer than the first") << 7u << true;
    }
    void structureAgreesWithSearch()
    {
        QFETCH(quint32, seed);
        QFETCH(bool, mixedLengths);
        const FrameChassis::Chassis chassis = FrameChassis::generate(seed, 40, mixedLengths);
        QTemporaryDir dir;
        QVERIFY(TreeFiles::build(dir.filePath(u"DATEN/G"_qs), chassis.files));
        const Result<ModuleStructure> module = ReadModuleStructure(dir.path(), u"G"_qs, u"M.C01"_qs);
        QVERIFY2(module, qPrintable(module.error()));
        QCOMPARE(module->functions.size(), chassis.functions.size());
        for (qsizetype f = 0; f < chassis.functions.size(); ++f) {
            QCOMPARE(module->functions[f].name, chassis.functions[f].name);
            for (qsizetype v = 0; v < chassis.functions[f].values.size(); ++v) {
                QCOMPARE(module->functions[f].values.value(v).name, chassis.functions[f].values[v]);
                QCOMPARE(module->functions[f].values.value(v).bytes, chassis.functions[f].bytes[v]);
            }
        }
        ModuleData data;
        QVERIFY(LoadChassis(dir.path(), u"G"_qs, data) && LoadModule(dir.path(), u"G"_qs, u"M.C01"_qs, data));
        const QList<FunctionDisagreement> disagreements = CrossCheckModule(module.value(), data);
        QCOMPARE(disagreements.size(), mixedLengths ? 1 : 0);
        if (mixedLengths) {
            FunctionExplanation explanation = ExplainFunction(module.value(), 0);
            explanation.search = CompareFunctionWithSearch(module.value(), 0, data, 0);
            QCOMPARE(ExplanationLines(explanation).last(),
                     u"\tnot found by the search of \"Show values\": "_qs + chassis.functions[0].values[1]);
        }
    }

    // KOMFORTBLINKEN_ANZAHL of the demo, translated, its trace value marked.
    void explainDemoFunction()
    {
        const Result<ModuleStructure> module = ReadModuleStructure(kDemo, u"DEM"_qs, u"LCM_DEM.C05"_qs);
        QVERIFY2(module, qPrintable(module.error()));
        const QHash<QString, QString> table{{u"KOMFORTBLINKEN"_qs, u"comfort blinker"_qs},
                                            {u"drei_mal"_qs, u"Three"_qs}};
        const FunctionExplanation explanation =
            ExplainFunction(module.value(), module->indexOf(u"KOMFORTBLINKEN_ANZAHL"_qs), {u"drei_mal"_qs},
                            [&table](const QString& name) { return table.value(name); });
        QCOMPARE(ExplanationLines(explanation),
                 (QStringList{u"KOMFORTBLINKEN_ANZAHL (id 0x0741)"_qs,
                              u"\tBLOCKNR: 0x0003, WORTADR: 0x3000, BYTEADR: 0x002F, INDEX: 0x06, FSW: 0x0741, MASKE: "
                              u"0x00000007, GRUPPE: 0x0301, BEDINGUNG: -, KENNUNG: 0x5A, REST: -"_qs,
                              u"\tat block 0x0003, word 0x3000, byte 0x002F, 1 byte, mask 07"_qs,
                              u"\t* drei_mal  -  three (id 0x4530): 03"_qs, u"\t  vier_mal (id 0x5930): 04"_qs,
                              u"\t  fuenf_mal (id 0x4A30): 05"_qs,
                              u"\tshares bits with: KOMFORTBLINKEN  -  COMFORT BLINKER"_qs}));
    }

    // The changed values of a tree, plain or translated, that the module does not know.
    void checkChangedValues_data()
    {
        addColumns<QString, Changes, bool, QStringList>("module", "changes", "translated", "unknown");
        const QString unknown = u"zwei_mal is not a value of KOMFORTBLINKEN_ANZAHL in LCM_DEM.C05"_qs;
        // CODIERINDEX, the module's first function, changes to a value it knows.
        const Changes changes{{u"KOMFORTBLINKEN_ANZAHL"_qs, u"zwei_mal"_qs}, {u"CODIERINDEX"_qs, u"wert_05"_qs}};
        QTest::newRow("unknown value") << u"LCM_DEM.C05"_qs << changes << false << QStringList{unknown};
        QTest::newRow("translated tree") << u"LCM_DEM.C05"_qs << changes << true << QStringList{unknown};
        QTest::newRow("function the module lacks")
            << u"LCM_DEM.C04"_qs << Changes{{u"AKUSTIK_VERRIEGELN"_qs, u"aktiv"_qs}} << false
            << QStringList{u"AKUSTIK_VERRIEGELN is not a function of LCM_DEM.C04"_qs};
    }
    void checkChangedValues()
    {
        QFETCH(QString, module);
        QFETCH(Changes, changes);
        QFETCH(bool, translated);
        const Result<ModuleStructure> structure = ReadModuleStructure(kDemo, u"DEM"_qs, module);
        QVERIFY(structure);
        const QStringList trace = TextFile::readLines(kDemo + u"/WORK/FSW_PSW.TRC"_qs).value();
        TraceTree tree;
        QVERIFY(BuildTraceTree(tree, trace, nullptr).isEmpty());
        for (const auto& [function, value] : changes)
            tree.setText(tree.firstChild(tree.indexOfKey(function)), value);
        for (int node = 1; translated && node <= tree.count(); ++node)
            tree.setText(node, tree.text(node) + u"  -  X"_qs);
        QStringList texts;
        for (const UnknownValue& unknown : CheckChangedValues(structure.value(), tree, trace))
            texts.append(unknownValueText(unknown));
        QTEST(texts, "unknown");
    }
};

QTEST_GUILESS_MAIN(TestModuleStructure)
#include "test_module_structure.moc"
