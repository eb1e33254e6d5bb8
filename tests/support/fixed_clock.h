#pragma once

#include "platform/clock.h"

struct FixedClock : platform::Clock {
    QDateTime time{QDate(2024, 1, 5), QTime(9, 30, 0)};
    QDateTime now() const override { return time; }
};
