#include "common/clock.h"

#include "common/ansi_codec.h"

#include <QLocale>

namespace DateText {

QString stamp(const QDateTime& time)
{
    return time.toString(QStringLiteral("yyyyMMdd_HHmmss"));
}

namespace {

// Every run of 'y' outside a quoted literal becomes "yyyy".
QString withFourDigitYear(const QString& format)
{
    QString result;
    bool quoted = false;
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar c = format[i];
        if (c == u'\'')
            quoted = !quoted;
        if (quoted || c != u'y') {
            result += c;
            continue;
        }
        while (i + 1 < format.size() && format[i + 1] == u'y')
            ++i;
        result += QStringLiteral("yyyy");
    }
    return result;
}

// The locale's form where the tools' code page can hold it; otherwise plain digits, or a
// Japanese time would be written "10?26?39?".
QString inCodePage(const QString& localForm, const QString& digits)
{
    return Ansi::decode(Ansi::encode(localForm)) == localForm ? localForm : digits;
}

} // namespace

QString general(const QDateTime& time, const QLocale& locale)
{
    // The long time format carries seconds; its time-zone token is not part of the
    // general form, so it is dropped.
    QString timeFormat = locale.timeFormat(QLocale::LongFormat);
    timeFormat.remove(u't');
    timeFormat = timeFormat.trimmed();
    const QLocale digits = QLocale::c();
    return inCodePage(locale.toString(time.date(), withFourDigitYear(locale.dateFormat(QLocale::ShortFormat))),
                      digits.toString(time.date(), QStringLiteral("yyyy-MM-dd")))
           + u' '
           + inCodePage(locale.toString(time.time(), timeFormat),
                        digits.toString(time.time(), QStringLiteral("H:mm:ss")));
}

QString general(const QDateTime& time)
{
    return general(time, QLocale::system());
}

} // namespace DateText
