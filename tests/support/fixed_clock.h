#pragma once

#include "common/clock.h"

// A clock that says what the test tells it to.
class FixedClock final : public Clock {
public:
    explicit FixedClock(QDateTime time = QDateTime(QDate(2012, 12, 31), QTime(23, 59, 59))) : m_time(std::move(time)) {}
    QDateTime now() const override { return m_time; }

private:
    QDateTime m_time;
};
