#pragma once

#include <QDateTime>
#include <functional>

// The one source of "now" for the whole program, so that tests can type dates
// as if it were another day.
QDateTime CurrentDateTime();
QDate CurrentDate();

// Replaces the clock; an empty function restores the system clock.
void SetClock(std::function<QDateTime()> clock);

// Sets a fixed day (midnight) for as long as the object lives.
class TFixedClock {
public:
    explicit TFixedClock(const QDate& day);
    explicit TFixedClock(const QDateTime& moment);
    ~TFixedClock();
    TFixedClock(const TFixedClock&) = delete;
    TFixedClock& operator=(const TFixedClock&) = delete;
};
