// Lays the charts out in whole SVG units; every scale is integer arithmetic, so a page comes
// out byte for byte the same from every build.
#include "report_charts.h"

#include <algorithm>

#include "counted_text.h"
#include "svg_canvas.h"

namespace {

const int Width = 960;
const int Left = 64;
const int Right = 944;
const int LegendY = 20;

struct TimeScale {
    int64_t first;  // minute at Left
    int64_t end;    // minute at Right, after the last contact's minute
    int64_t x(int64_t minute) const
    {
        return Left + (minute - first) * (Right - Left) / (end - first);
    }
};

TimeScale timeScaleOf(const LogReport& report)
{
    if (report.timeline.empty()) {
        return {0, 1};
    }
    return {report.timeline.front().minute, report.timeline.back().minute + 1};
}

// 1, 2 or 5 times a power of ten, giving about five steps up to top.
int64_t niceStep(int64_t top)
{
    const int64_t raw = std::max<int64_t>(1, (top + 4) / 5);
    int64_t magnitude = 1;
    while (magnitude * 10 <= raw) {
        magnitude *= 10;
    }
    for (int64_t factor : {1, 2, 5, 10}) {
        if (factor * magnitude >= raw) {
            return factor * magnitude;
        }
    }
    return 10 * magnitude;
}

struct ValueScale {
    int64_t low;
    int64_t high;
    int64_t step;
    int64_t top;
    int64_t bottom;
    int64_t y(int64_t value) const
    {
        return bottom - (value - low) * (bottom - top) / (high - low);
    }
};

ValueScale valueScaleOf(int64_t low, int64_t high, int64_t top, int64_t bottom)
{
    const int64_t step = niceStep(std::max<int64_t>(1, high - low));
    const int64_t floorLow = low < 0 ? -((-low + step - 1) / step) * step : 0;
    const int64_t ceilHigh = std::max<int64_t>(step, (high + step - 1) / step * step);
    return {floorLow, ceilHigh, step, top, bottom};
}

void valueAxis(SvgCanvas& svg, const ValueScale& scale, const std::string& title)
{
    for (int64_t value = scale.low; value <= scale.high; value += scale.step) {
        const int64_t y = scale.y(value);
        svg.line(Left, y, Right, y, value == 0 ? "axis" : "grid");
        svg.text(Left - 6, y + 4, std::to_string(value), "end");
    }
    svg.text(16, (scale.top + scale.bottom) / 2, title, "middle", "title", true);
}

void timeAxis(SvgCanvas& svg, const TimeScale& scale, int64_t bottom)
{
    const int64_t span = scale.end - scale.first;
    int64_t step = 10;
    for (int64_t candidate : {10, 15, 30, 60, 120, 180, 360, 720, 1440}) {
        step = candidate;
        if (span / candidate <= 12) {
            break;
        }
    }
    while (span / step > 12) {
        step *= 2;
    }
    int64_t tick = (scale.first + step - 1) / step * step;
    int64_t previousDay = -1;
    for (; tick <= scale.end; tick += step) {
        const int64_t x = scale.x(tick);
        svg.line(x, bottom, x, bottom + 5, "axis");
        if (step < 1440) {
            svg.text(x, bottom + 18, minuteText(tick, "%H%M"), "middle");
        }
        if (tick / 1440 != previousDay) {
            svg.text(x, bottom + 32, minuteText(tick, "%m-%d"), "middle");
            previousDay = tick / 1440;
        }
    }
    svg.line(Left, bottom, Right, bottom, "axis");
    svg.text((Left + Right) / 2, bottom + 48, "Time (UTC)", "middle", "title");
}

// Band swatches from x on; returns where the next legend entry may start.
int64_t bandLegend(SvgCanvas& svg, const LogReport& report, int64_t x)
{
    for (std::size_t b = 0; b < report.bands.size(); ++b) {
        svg.rect(x, LegendY - 10, 12, 12, "swatch", bandColour(b));
        const std::string label = bandLabel(report.bands[b]);
        svg.text(x + 16, LegendY, label, "start");
        x += 28 + 8 * static_cast<int64_t>(label.size());
    }
    return x;
}

std::string hourTip(const HourRow& row, const std::string& what, const Tally& tally)
{
    return minuteText(row.hour * 60, "%Y-%m-%d %H00") + "-" + minuteText(row.hour * 60, "%H59") +
           " UTC, " + what + ": " + counted(tally.qsos, "QSO") + ", " +
           std::to_string(tally.points) + (tally.points == 1 ? " point" : " points");
}

std::string point(int64_t x, int64_t y)
{
    return std::to_string(x) + "," + std::to_string(y);
}

std::string contactText(const LogContact& contact)
{
    return "record " + std::to_string(contact.record) + " " +
           formatDateParts(contact.when, "%H%M") + " " + contact.host.call + " " +
           bandLabel(contact.host.band) + " " + contact.host.mode;
}

}  // namespace

std::string bandColour(std::size_t band)
{
    static const char* const Palette[] = {"#E69F00", "#56B4E9", "#009E73", "#F0E442",
                                          "#0072B2", "#D55E00", "#CC79A7", "#000000"};
    return Palette[band % 8];
}

std::string hourlyRateChart(const LogReport& report)
{
    const int64_t top = 40;
    const int64_t bottom = 250;
    SvgCanvas svg(Width, 300, "QSOs per clock hour, stacked by band");
    bandLegend(svg, report, Left);
    std::size_t highest = 0;
    for (const HourRow& row : report.hours) {
        highest = std::max(highest, row.total.qsos);
    }
    const ValueScale scale = valueScaleOf(0, static_cast<int64_t>(highest), top, bottom);
    valueAxis(svg, scale, "QSOs");

    const auto slots = static_cast<int64_t>(std::max<std::size_t>(1, report.hours.size()));
    const int64_t labelEvery = (slots + 23) / 24;
    for (int64_t i = 0; i < static_cast<int64_t>(report.hours.size()); ++i) {
        const HourRow& row = report.hours[static_cast<std::size_t>(i)];
        const int64_t x0 = Left + i * (Right - Left) / slots;
        const int64_t x1 = Left + (i + 1) * (Right - Left) / slots;
        const int64_t barX = x0 + (x1 - x0) / 10;
        const int64_t barWidth = std::max<int64_t>(1, (x1 - x0) * 8 / 10);
        if (row.emptyHours > 1) {
            svg.text((x0 + x1) / 2, bottom - 6, std::to_string(row.emptyHours) + " h", "middle");
        }
        int64_t stacked = 0;
        for (std::size_t b = 0; b < report.bands.size(); ++b) {
            const Tally& tally = row.bands[b];
            if (tally.qsos == 0) {
                continue;
            }
            const int64_t below = scale.y(stacked);
            stacked += static_cast<int64_t>(tally.qsos);
            const int64_t above = scale.y(stacked);
            svg.rect(barX, above, barWidth, below - above, "bar", bandColour(b),
                     hourTip(row, bandLabel(report.bands[b]), tally));
        }
        if (i % labelEvery == 0) {
            svg.text((x0 + x1) / 2, bottom + 18, minuteText(row.hour * 60, "%H"), "middle");
            if (i == 0 || row.hour % 24 < labelEvery) {
                svg.text((x0 + x1) / 2, bottom + 32, minuteText(row.hour * 60, "%m-%d"),
                         "middle");
            }
        }
    }
    svg.line(Left, bottom, Right, bottom, "axis");
    svg.text((Left + Right) / 2, bottom + 46, "Clock hour (UTC)", "middle", "title");
    return svg.finish();
}

std::string cumulativeScoreChart(const LogReport& report)
{
    const int64_t top = 24;
    const int64_t bottom = 220;
    SvgCanvas svg(Width, 280, "Score over time");
    const TimeScale time = timeScaleOf(report);
    int64_t low = 0;
    int64_t high = 0;
    int64_t sum = 0;
    for (const TimedContact& timed : report.timeline) {
        sum += timed.points;
        low = std::min(low, sum);
        high = std::max(high, sum);
    }
    const ValueScale scale = valueScaleOf(low, high, top, bottom);
    valueAxis(svg, scale, "Points");

    // One vertex per horizontal unit: a day-long log of a million contacts draws as lightly as
    // the sample.
    std::string points = point(time.x(time.first), scale.y(0));
    int64_t lastX = time.x(time.first);
    std::string pending;
    sum = 0;
    for (const TimedContact& timed : report.timeline) {
        sum += timed.points;
        const int64_t x = time.x(timed.minute + 1);
        if (x != lastX && !pending.empty()) {
            points += " " + pending;
        }
        lastX = x;
        pending = point(x, scale.y(sum));
    }
    if (!pending.empty()) {
        points += " " + pending;
    }
    svg.polyline(points, "score");
    timeAxis(svg, time, bottom);
    return svg.finish();
}

std::string bandTimeChart(const LogReport& report, const std::vector<LogContact>& contacts)
{
    const int64_t top = 40;
    const int64_t lane = 24;
    const int64_t lanes = static_cast<int64_t>(report.bands.size()) + 1;
    const int64_t bottom = top + lanes * lane;
    const int64_t auditY = bottom - lane / 2;
    SvgCanvas svg(Width, static_cast<int>(bottom + 56),
                  "Bands over time, off periods and the audit's findings");
    svg.raw("<defs><pattern id=\"off-hatch\" width=\"6\" height=\"6\" "
            "patternUnits=\"userSpaceOnUse\" patternTransform=\"rotate(45)\">"
            "<rect width=\"6\" height=\"6\" fill=\"#ffffff\"/>"
            "<line x1=\"0\" y1=\"0\" x2=\"0\" y2=\"6\" stroke=\"#999999\" stroke-width=\"3\"/>"
            "</pattern></defs>\n");
    int64_t x = bandLegend(svg, report, Left);
    svg.rect(x, LegendY - 10, 12, 12, "swatch", "url(#off-hatch)");
    svg.text(x + 16, LegendY, "off", "start");
    x += 56;
    svg.circle(x + 6, LegendY - 4, 5, "repeat key", "");
    svg.text(x + 16, LegendY, "exact repeat", "start");
    x += 112;
    svg.polygon(point(x + 6, LegendY - 10) + " " + point(x, LegendY + 2) + " " +
                    point(x + 12, LegendY + 2),
                "early key", "");
    svg.text(x + 16, LegendY, "too early", "start");

    for (std::size_t b = 0; b < report.bands.size(); ++b) {
        const int64_t y = top + static_cast<int64_t>(b) * lane;
        svg.text(Left - 6, y + lane / 2 + 4, bandLabel(report.bands[b]), "end");
        svg.line(Left, y + lane, Right, y + lane, "grid");
    }
    svg.text(Left - 6, auditY + 4, "audit", "end");

    const TimeScale time = timeScaleOf(report);
    for (const OffPeriod& period : report.offPeriods) {
        const int64_t x0 = time.x(period.firstMinute);
        svg.rect(x0, top, std::max<int64_t>(1, time.x(period.lastMinute + 1) - x0),
                 bottom - lane - top, "off", "url(#off-hatch)",
                 "off " + minuteText(period.firstMinute, "%Y-%m-%d %H%M") + " - " +
                     minuteText(period.lastMinute, "%H%M") + ", " +
                     durationText(period.minutes()));
    }

    const std::vector<TimedContact>& line = report.timeline;
    auto laneMiddle = [&](std::size_t band) {
        return top + static_cast<int64_t>(band) * lane + lane / 2;
    };
    for (std::size_t start = 0; start < line.size();) {
        std::size_t end = start + 1;
        while (end < line.size() && line[end].band == line[start].band) {
            ++end;
        }
        const std::size_t band = line[start].band;
        const int64_t x0 = time.x(line[start].minute);
        if (start > 0) {
            svg.line(x0, laneMiddle(line[start - 1].band), x0, laneMiddle(band), "change");
        }
        svg.rect(x0, laneMiddle(band) - 8,
                 std::max<int64_t>(1, time.x(line[end - 1].minute + 1) - x0), 16, "run",
                 bandColour(band),
                 bandLabel(report.bands[band]) + " " + minuteText(line[start].minute, "%H%M") +
                     "-" + minuteText(line[end - 1].minute, "%H%M") + ", " +
                     counted(end - start, "QSO"));
        start = end;
    }

    for (const AuditFinding& finding : report.findings) {
        const LogContact& contact = contacts[finding.contact];
        const int64_t fx = time.x(minutesSinceOleEpoch(contact.when));
        const std::string earlier = contactText(contacts[finding.earlier]);
        if (finding.tooEarly) {
            svg.polygon(point(fx, auditY - 6) + " " + point(fx - 6, auditY + 5) + " " +
                            point(fx + 6, auditY + 5),
                        "early", contactText(contact) + ": too early after " + earlier);
        } else {
            svg.circle(fx, auditY, 5, "repeat",
                       contactText(contact) + ": exact repeat of " + earlier);
        }
    }
    timeAxis(svg, time, bottom);
    return svg.finish();
}
