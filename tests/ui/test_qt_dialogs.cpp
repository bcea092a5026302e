#include "support/data_table.h"
#include "support/window_fixture.h"
#include "ui/qt_dialogs.h"

#include <QTest>

// The real dialogs, where they meet the system: the editor they start.
class TestQtDialogs : public QObject {
    Q_OBJECT
private slots:
#ifdef Q_OS_WIN
    // Every Windows has Notepad; without a display (the offscreen test run) it ends at once.
    void editorIsNotepad()
    {
        QString error;
        QVERIFY(QtDialogs().startEditor(u"FSW_PSW.MAN"_qs, &error));
        QCOMPARE(error, QString());
    }
#else
    // FSW_PSW.MAN goes to a plain-text editor, never to the handler of its file type.
    void editorIsAPlainTextEditor_data()
    {
        addColumns<bool, QString>("installed", "file");
        QTest::newRow("a file") << true << u"FSW_PSW.MAN"_qs;
        QTest::newRow("no file") << true << QString();
        QTest::newRow("no editor installed") << false << u"FSW_PSW.MAN"_qs;
    }
    void editorIsAPlainTextEditor()
    {
        QFETCH(bool, installed);
        QFETCH(QString, file);
        QTemporaryDir bin;
        const QString editor = bin.filePath(u"mousepad"_qs);
        if (installed) {
            QVERIFY(TestFiles::write(editor, "#!/bin/sh\necho \"$*\" > \"${0%/*}/args\"\n"));
            QFile::setPermissions(editor, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(bin.path()));
        const QString opened = file.isEmpty() ? QString() : bin.filePath(file);
        QString error;
        const bool started = QtDialogs().startEditor(opened, &error);
        qputenv("PATH", path);
        QCOMPARE(started, installed);
        QCOMPARE(error, installed ? QString() : u"No text editor could be started."_qs);
        if (installed)
            QTRY_COMPARE(TestFiles::read(bin.filePath(u"args"_qs)), QFile::encodeName(opened) + '\n');
    }
#endif
};

QTEST_MAIN(TestQtDialogs)
#include "test_qt_dialogs.moc"
