#include "app/translations.h"
#include "support/data_table.h"
#include "support/window_fixture.h"
#include "tree_click.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QSet>
#include <QTest>
#include <QTranslator>

namespace {

// The controls of window whose text is cut off: narrower than the text, or too low for
// its descenders (an underscore in a function name). Runs at 100 % and at 150 % scaling
// (the test is registered twice).
QStringList clipped(const QWidget* window)
{
    QStringList found;
    for (const QWidget* control : window->findChildren<QWidget*>()) {
        if (!control->isVisibleTo(window))
            continue;
        QString text;
        int needed = 0;
        if (const auto* label = qobject_cast<const QLabel*>(control); label && !label->wordWrap()) {
            text = label->text();
            needed = label->fontMetrics().horizontalAdvance(text);
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(control)) {
            text = button->text().remove(u'&');
            needed = qobject_cast<const QCheckBox*>(button) ? button->sizeHint().width()
                                                            : button->fontMetrics().horizontalAdvance(text) + 8;
        }
        if (text.isEmpty())
            continue;
        if (control->contentsRect().width() < needed
            || control->contentsRect().height() < control->fontMetrics().height())
            found.append(control->objectName() + u": "_qs + text);
    }
    return found;
}

// The entries of the menu bar and of each menu whose mnemonic an earlier entry has already.
QStringList mnemonicClashes(QMenuBar* bar)
{
    QStringList clashes;
    QList<QWidget*> menus{bar};
    for (QMenu* menu : bar->findChildren<QMenu*>())
        menus.append(menu);
    for (const QWidget* menu : menus) {
        QSet<QKeySequence> seen;
        for (const QAction* entry : menu->actions()) {
            const QKeySequence key = QKeySequence::mnemonic(entry->text());
            if (!key.isEmpty() && seen.contains(key))
                clashes.append(entry->text());
            seen.insert(key);
        }
    }
    return clashes;
}

// The language the next window speaks, installed as the program does at start.
void speak(const QString& language)
{
    for (QTranslator* installed : qApp->findChildren<QTranslator*>()) {
        QCoreApplication::removeTranslator(installed);
        delete installed;
    }
    installTranslations(*qApp, language);
}

const QByteArray kTrace = TestFiles::crlf({u"KOMFORTBLINKEN_ANZAHL"_qs, u"\tdrei_mal"_qs});

} // namespace

class TestTextFits : public QObject {
    Q_OBJECT
private slots:
    // The windows placed by designed rectangles, and one laid out by Qt, in each language:
    // a handful of their texts, nothing cut off, no mnemonic twice in a menu.
    void designedWindows_data()
    {
        addColumns<QString, QStringList, QStringList>("language", "texts", "clashes");
        // The English captions stay as the tools' users know them, one clash included.
        QTest::newRow("English")
            << u"en"_qs << QStringList{u"Start NCS Expert"_qs,          u"Load TRC-file"_qs, u"&File"_qs,
                                       u"There is nothing changed."_qs, u"Search"_qs,        u"Change value"_qs}
            << QStringList{u"Open Coding &log"_qs};
        QTest::newRow("German")
            << u"de"_qs << QStringList{u"NCS Expert starten"_qs,        u"TRC-Datei laden"_qs, u"&Datei"_qs,
                                       u"Es wurde nichts geändert."_qs, u"Suchen"_qs,          u"Wert ändern"_qs}
            << QStringList();
    }
    void designedWindows()
    {
        QFETCH(QString, language);
        speak(language);
        WindowFixture f(kTrace);
        f.open();
        QStringList texts{f.session().listItems().value(0), f.find<QPushButton>(u"cmdLoad"_qs)->text(),
                          f.find<QMenu>(u"mFile"_qs)->title()};
        f.load();
        f.click(u"cmdSave"_qs);
        texts.append(f.dialogs.texts().value(0));
        QCOMPARE(clipped(f.window.get()).join(u"; "), QString()); // names what is cut off
        QTEST(mnemonicClashes(f.window->menuBar()), "clashes");
        f.click(u"cmdSearch"_qs);
        auto* search = f.window->findChild<QDialog*>(u"frmSearch"_qs);
        texts.append(search->windowTitle());
        QCOMPARE(clipped(search).join(u"; "), QString());
        QStringList inChange;
        ModalAnswer change([&](QDialog* dialog) {
            inChange = clipped(dialog);
            texts.append(dialog->windowTitle());
        });
        QVERIFY(clickNode(f.find<TraceTreeView>(u"TreeTRC"_qs), f.tree(), 2));
        QVERIFY(change.opened);
        QCOMPARE(inChange.join(u"; "), QString());
        QTEST(texts, "texts");
        QStringList inUpdate{u"not shown"_qs};
        ModalAnswer update([&](QDialog* dialog) { inUpdate = clipped(dialog); });
        f.click(u"cmdCheck"_qs);
        QCOMPARE(inUpdate.join(u"; "), QString());
    }

    // What the program writes reads the same whatever the window's language.
    void filesStayEnglish()
    {
        QByteArray written[2];
        for (const int german : {0, 1}) {
            speak(german ? u"de"_qs : u"en"_qs);
            WindowFixture f(kTrace);
            f.open();
            f.load();
            ModalAnswer change([](QDialog* dialog) {
                child<QLineEdit>(dialog, "txtChange")->setText(u"vier_mal"_qs);
                child<QPushButton>(dialog, "cmdOK_1")->click();
            });
            QVERIFY(clickNode(f.find<TraceTreeView>(u"TreeTRC"_qs), f.tree(), 2));
            f.dialogs.queueAnswer(MessageAnswer::No);
            f.dialogs.queueAnswer(MessageAnswer::No);
            f.click(u"cmdSave"_qs);
            written[german] = TestFiles::read(f.program() + u"/Codinglog.txt"_qs);
        }
        QVERIFY(written[0].contains("drei_mal --> vier_mal"));
        QCOMPARE(written[1], written[0]);
    }
};

QTEST_MAIN(TestTextFits)
#include "test_text_fits.moc"
