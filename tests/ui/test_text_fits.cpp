#include "support/window_fixture.h"
#include "tree_click.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

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

} // namespace

class TestTextFits : public QObject {
    Q_OBJECT
private slots:
    // The windows placed by designed rectangles; the others are laid out by Qt.
    void designedWindows()
    {
        WindowFixture f(TestFiles::crlf({u"KOMFORTBLINKEN_ANZAHL"_qs, u"\tdrei_mal"_qs}));
        f.open();
        f.load();
        QCOMPARE(clipped(f.window.get()), QStringList());
        f.click(u"cmdSearch"_qs);
        QCOMPARE(clipped(f.window->findChild<QDialog*>(u"frmSearch"_qs)), QStringList());
        QStringList inChange;
        ModalAnswer change([&](QDialog* dialog) { inChange = clipped(dialog); });
        QVERIFY(clickNode(f.find<TraceTreeView>(u"TreeTRC"_qs), f.tree(), 2));
        QVERIFY(change.opened);
        QCOMPARE(inChange, QStringList());
    }
};

QTEST_MAIN(TestTextFits)
#include "test_text_fits.moc"
