#include "coding/coding_history.h"
#include "support/window_fixture.h"

#include <QListWidget>
#include <QTest>
#include <QTreeWidget>

namespace {

QByteArray trace(const QString& f1, bool withF4 = false)
{
    QStringList lines{u"F1"_qs, u"\t"_qs + f1, u"F2"_qs, u"\twert_1"_qs, u"F3"_qs, u"\tx"_qs};
    return TestFiles::crlf(withF4 ? lines + QStringList{u"F4"_qs, u"\tneu"_qs} : lines);
}

// The lines of the latest "Values applied" window.
QStringList applied(const WindowFixture& f)
{
    QStringList lines;
    const auto* list = f.window->findChildren<QListWidget*>(u"listApplied"_qs).last();
    for (int row = 0; row < list->count(); ++row)
        lines.append(list->item(row)->text());
    return lines;
}

} // namespace

class TestHistoryWindow : public QObject {
    Q_OBJECT
private slots:
    // Code "aus" from a backup copy, let NCS Expert read the unit again (one function more
    // now), then bring the state before the coding back from the history and save it.
    void applyFromFileThenRestore()
    {
        WindowFixture f(trace(u"ein"_qs));
        QVERIFY(f.settings.setValue(SettingsStore::FolderBackup, f.path(u"backup"_qs)));
        QVERIFY(TestFiles::write(f.path(u"backup/earlier.trc"_qs), trace(u"aus"_qs)));
        f.open();
        f.load();
        f.dialogs.queueOpenFile(f.path(u"backup/earlier.trc"_qs));
        f.action(u"sFileApply"_qs)->trigger();
        QCOMPARE(f.dialogs.openRequests.last().folder, f.path(u"backup"_qs));
        QCOMPARE(applied(f), (QStringList{u"F1: ein --> aus"_qs, u"1 value changed"_qs}));
        f.dialogs.queueAnswer(MessageAnswer::No);
        f.dialogs.queueAnswer(MessageAnswer::No);
        f.click(u"cmdSave"_qs);
        QCOMPARE(TestFiles::read(manipulationFilePath(f.ncs())), trace(u"aus"_qs));

        f.load();
        QString functions; // the snapshot just kept holds the functions of the trace shown
        ModalAnswer same([&functions](QDialog* window) {
            functions = child<QTreeWidget>(window, "listHistory")->topLevelItem(0)->text(3);
        });
        f.action(u"sEditHistory"_qs)->trigger();
        QCOMPARE(functions, u"match"_qs);

        QVERIFY(TestFiles::write(defaultTracePath(f.ncs()), trace(u"aus"_qs, true)));
        f.load();
        QStringList row, preview;
        ModalAnswer history([&row, &preview](QDialog* window) {
            const QTreeWidgetItem* item = child<QTreeWidget>(window, "listHistory")->topLevelItem(0);
            for (int column = 1; item && column < 4; ++column)
                row.append(item->text(column));
            const auto* list = child<QListWidget>(window, "listPreview");
            for (int i = 0; i < list->count(); ++i)
                preview.append(list->item(i)->text());
            child<QPushButton>(window, "cmdRestore")->click();
        });
        f.dialogs.messages.clear();
        f.dialogs.queueAnswer(MessageAnswer::Yes);
        f.action(u"sEditHistory"_qs)->trigger();
        QCOMPARE(row, (QStringList{QString(), u"1"_qs, u"3 of 4 functions"_qs}));
        QCOMPARE(f.dialogs.texts(),
                 QStringList{u"Only 3 of 4 functions of this trace are in the snapshot. Is this the same module?"_qs});
        // What the window said the restore would change is what it changed.
        QCOMPARE(applied(f), (QStringList{u"F1: aus --> ein"_qs, u"not applied: F4 (only in the current trace)"_qs,
                                          u"1 value changed"_qs}));
        QCOMPARE(preview, applied(f));
        f.dialogs.queueAnswer(MessageAnswer::No);
        f.dialogs.queueAnswer(MessageAnswer::No);
        f.click(u"cmdSave"_qs);
        QCOMPARE(TestFiles::read(manipulationFilePath(f.ncs())), trace(u"ein"_qs, true));
        QCOMPARE(CodingHistory::ListSnapshots(f.history()).size(), 2);
        QVERIFY(f.dialogs.allAnswersUsed());
    }
};

QTEST_MAIN(TestHistoryWindow)
#include "test_history_window.moc"
