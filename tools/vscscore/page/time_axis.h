// The charts' time axis: the log's minutes from the first contact to the last, with every off
// period cut out and left as a narrow break, so a stray date a year away costs a few pixels.
#pragma once

#include <cstdint>
#include <vector>

#include "report/log_report.h"

// Minutes first to end (end excluded) with contacts at both ends and no off period inside.
struct AxisSegment {
    int64_t first = 0;
    int64_t end = 0;
    int64_t x0 = 0;  // where first starts
    int64_t x1 = 0;  // where end starts: the next break's x
};

class TimeAxis {
public:
    TimeAxis(const LogReport& report, int64_t left, int64_t right);

    // Whole units; a minute inside a break maps to the break's start, one before the first
    // contact to left.
    int64_t x(int64_t minute) const;
    // The end of the stretch between breaks that holds the minute.
    int64_t segmentEnd(int64_t minute) const;
    // The pixel column (0 to columns() - 1) a minute falls in.
    int64_t column(int64_t minute) const;
    int64_t columns() const { return right_ - left_; }
    int64_t left() const { return left_; }
    int64_t right() const { return right_; }

    const std::vector<AxisSegment>& segments() const { return segments_; }
    // The width each break takes, 0 once there are too many to give each a pixel.
    int64_t breakWidth() const { return breakWidth_; }
    // Where the chart's grid may draw minute multiples of this: about 80 units apart.
    int64_t tickStep() const { return tickStep_; }
    // Whether the log's contacts fall in more than one calendar year.
    bool spansYears() const { return spansYears_; }

private:
    std::size_t segmentIndex(int64_t minute) const;
    // Where the segment's proportional part starts, before its minutes.
    int64_t offset(std::size_t segment) const;

    int64_t left_;
    int64_t right_;
    int64_t breakWidth_ = 0;
    int64_t least_ = 0;       // units every segment has whatever its length
    int64_t operating_ = 1;   // minutes on the axis, breaks left out
    int64_t drawable_ = 1;    // units for them
    std::vector<AxisSegment> segments_;
    std::vector<int64_t> before_;  // operating minutes before each segment
    int64_t tickStep_ = 60;
    bool spansYears_ = false;
};
