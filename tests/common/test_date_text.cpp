#include "common/clock.h"

#include <QTest>

class TestDateText : public QObject {
    Q_OBJECT
private slots:
    // The coding log and the update plan are kept for years: the year has four digits,
    // in the locale's order of day, month and year.
    void generalFormHasAFourDigitYear_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("text");
        QTest::newRow("German") << u"de_DE"_qs << u"31.12.2012 23:59:59"_qs;
        QTest::newRow("British") << u"en_GB"_qs << u"31/12/2012 23:59:59"_qs;
        QTest::newRow("Dutch") << u"nl_NL"_qs << u"31-12-2012 23:59:59"_qs;
    }
    void generalFormHasAFourDigitYear()
    {
        QFETCH(QString, locale);
        const QDateTime time(QDate(2012, 12, 31), QTime(23, 59, 59));
        QTEST(DateText::general(time, QLocale(locale)), "text");
    }
};

QTEST_GUILESS_MAIN(TestDateText)
#include "test_date_text.moc"
