// Integer arithmetic throughout, so every build places every element on the same unit.
#include "page/time_axis.h"

#include <algorithm>

namespace {

// Breaks take at most an eighth of the axis, and no more than this each.
const int64_t WidestBreak = 10;
const int64_t NarrowestSegment = 4;
const int64_t TickSpacing = 80;

}  // namespace

TimeAxis::TimeAxis(const LogReport& report, int64_t left, int64_t right)
    : left_(left), right_(right)
{
    if (report.timeline.empty()) {
        segments_.push_back({0, 1, left, right});
        before_.push_back(0);
        return;
    }
    const int64_t last = report.timeline.back().minute;
    int64_t start = report.timeline.front().minute;
    for (const OffPeriod& period : report.offPeriods) {
        segments_.push_back({start, period.firstMinute, 0, 0});
        start = period.lastMinute + 1;
    }
    segments_.push_back({start, last + 1, 0, 0});
    spansYears_ = minuteText(report.timeline.front().minute, "%Y") != minuteText(last, "%Y");

    // Every stretch gets a few units of its own, so a lone contact beyond a break shows.
    const auto breaks = static_cast<int64_t>(segments_.size()) - 1;
    if (breaks > 0) {
        breakWidth_ = std::min(WidestBreak, (right - left) / 8 / breaks);
        least_ = std::min(NarrowestSegment, (right - left) / 8 / (breaks + 1));
    }
    drawable_ = right - left - breaks * breakWidth_ - (breaks + 1) * least_;
    operating_ = 0;
    for (const AxisSegment& segment : segments_) {
        before_.push_back(operating_);
        operating_ += segment.end - segment.first;
    }
    for (std::size_t i = 0; i < segments_.size(); ++i) {
        AxisSegment& segment = segments_[i];
        segment.x0 = offset(i) + before_[i] * drawable_ / operating_;
        segment.x1 = offset(i) + least_ +
                     (before_[i] + segment.end - segment.first) * drawable_ / operating_;
    }

    const int64_t steps[] = {1, 2, 5, 10, 15, 30, 60, 120, 180, 360, 720, 1440, 2 * 1440,
                             7 * 1440, 14 * 1440, 28 * 1440, 91 * 1440, 364 * 1440};
    tickStep_ = 0;
    for (int64_t step : steps) {
        if (step * drawable_ >= TickSpacing * operating_) {
            tickStep_ = step;
            break;
        }
    }
    if (tickStep_ == 0) {
        tickStep_ = 364 * 1440;
        while (tickStep_ * drawable_ < TickSpacing * operating_) {
            tickStep_ *= 2;
        }
    }
}

std::size_t TimeAxis::segmentIndex(int64_t minute) const
{
    const auto after = std::upper_bound(
        segments_.begin(), segments_.end(), minute,
        [](int64_t value, const AxisSegment& segment) { return value < segment.first; });
    return after == segments_.begin() ? 0 : static_cast<std::size_t>(after - segments_.begin()) - 1;
}

int64_t TimeAxis::segmentEnd(int64_t minute) const
{
    return segments_[segmentIndex(minute)].end;
}

int64_t TimeAxis::x(int64_t minute) const
{
    const std::size_t i = segmentIndex(minute);
    const AxisSegment& segment = segments_[i];
    if (minute < segment.first) {
        return left_;
    }
    if (minute >= segment.end) {
        return segment.x1;
    }
    // The stretch's own units spread over it as its minutes go.
    const int64_t length = segment.end - segment.first;
    const int64_t into = minute - segment.first;
    return offset(i) + least_ * into / length + (before_[i] + into) * drawable_ / operating_;
}

int64_t TimeAxis::offset(std::size_t segment) const
{
    return left_ + static_cast<int64_t>(segment) * (breakWidth_ + least_);
}

int64_t TimeAxis::column(int64_t minute) const
{
    return std::clamp<int64_t>(x(minute) - left_, 0, columns() - 1);
}
