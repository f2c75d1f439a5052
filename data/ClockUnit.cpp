#include "ClockUnit.h"

namespace {
std::function<QDateTime()>& Clock()
{
    static std::function<QDateTime()> clock;
    return clock;
}
}

QDateTime CurrentDateTime()
{
    return Clock() ? Clock()() : QDateTime::currentDateTime();
}

QDate CurrentDate()
{
    return CurrentDateTime().date();
}

void SetClock(std::function<QDateTime()> clock)
{
    Clock() = std::move(clock);
}

TFixedClock::TFixedClock(const QDate& day) : TFixedClock(QDateTime(day, QTime(0, 0))) {}

TFixedClock::TFixedClock(const QDateTime& moment)
{
    SetClock([moment] { return moment; });
}

TFixedClock::~TFixedClock()
{
    SetClock({});
}
