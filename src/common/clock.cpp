#include "common/clock.h"

#include <QLocale>

namespace DateText {

QString stamp(const QDateTime& time)
{
    return time.toString(QStringLiteral("yyyyMMdd_HHmmss"));
}

QString general(const QDateTime& time)
{
    const QLocale locale = QLocale::system();
    // The long time format carries seconds; its time-zone token is not part of the
    // general form, so it is dropped.
    QString timeFormat = locale.timeFormat(QLocale::LongFormat);
    timeFormat.remove(u't');
    timeFormat = timeFormat.trimmed();
    return locale.toString(time.date(), QLocale::ShortFormat) + u' '
           + locale.toString(time.time(), timeFormat);
}

} // namespace DateText
