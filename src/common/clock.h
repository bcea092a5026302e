#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

// Local date and time, injectable so tests can fix it.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
};

class SystemClock final : public Clock {
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};

namespace DateText {

// "yyyymmdd_hhnnss", the stamp in proposed copy names and backup folder names.
QString stamp(const QDateTime& time);

// The platform's general date-and-time form: the locale's short date, but with a
// four-digit year (a log kept for years must not be ambiguous), a blank, the time. A part
// whose form holds characters the tools' code page lacks is written with digits instead
// (yyyy-MM-dd, H:mm:ss).
QString general(const QDateTime& time, const QLocale& locale);
QString general(const QDateTime& time);

} // namespace DateText
