// The contest period a log is judged against: from its start, so many hours, in UTC.
#pragma once

#include "scoring/ole_date.h"

struct ContestPeriod {
    bool given = false;
    DateTimeParts start;  // UTC
    unsigned hours = 24;
};
