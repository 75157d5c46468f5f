// Lays the charts out in whole SVG units; every scale is integer arithmetic, so a page comes
// out byte for byte the same from every build. The charts draw from tallies per pixel column
// (or per clock hour), never an element per contact, so a page stays small whatever the log.
#include "page/report_charts.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

#include "cli/counted_text.h"
#include "page/svg_canvas.h"
#include "page/time_axis.h"

namespace {

const int Width = 960;
const int Left = 64;
const int Right = 944;
const int LegendY = 20;
// Hour slots beyond this share a bar, so that every bar keeps about four units.
const int64_t MostHourBars = (Right - Left) / 4;
// More band changes than this are counted per stretch of the axis instead of drawn.
const int64_t MostChangeLines = (Right - Left) / 8;
const int64_t ChangeBucket = 40;
// Findings closer than this share one mark, drawn as their density.
const int64_t FindingBucket = 8;

const char OffHatch[] =
    "<defs><pattern id=\"off-hatch\" width=\"6\" height=\"6\" patternUnits=\"userSpaceOnUse\" "
    "patternTransform=\"rotate(45)\"><rect width=\"6\" height=\"6\" fill=\"#ffffff\"/>"
    "<line x1=\"0\" y1=\"0\" x2=\"0\" y2=\"6\" stroke=\"#999999\" stroke-width=\"3\"/>"
    "</pattern></defs>\n";

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
    // The height of sum / count without rounding the quotient first.
    int64_t y(int64_t sum, int64_t count) const
    {
        return bottom - (sum - low * count) * (bottom - top) / ((high - low) * count);
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

int64_t floorDiv(int64_t value, int64_t by)
{
    const int64_t quotient = value / by;
    return quotient * by > value ? quotient - 1 : quotient;
}

const char* dayPattern(bool withYear)
{
    return withYear ? "%Y-%m-%d" : "%m-%d";
}

// "2025-02-15 0604-0650", or with both dates where the span crosses midnight.
std::string spanText(int64_t first, int64_t last)
{
    const bool oneDay = floorDiv(first, 1440) == floorDiv(last, 1440);
    return minuteText(first, "%Y-%m-%d %H%M") + "-" +
           minuteText(last, oneDay ? "%H%M" : "%Y-%m-%d %H%M");
}

// Labels at the start of every stretch after a break first, then at multiples of the axis's
// step where they leave room; the date under a time where it changes. A label near an edge
// is set inside the chart.
void timeAxis(SvgCanvas& svg, const TimeAxis& axis, int64_t bottom)
{
    const int64_t step = axis.tickStep();
    const char* day = dayPattern(axis.spansYears());
    // Room a label needs: the date's width in 12-unit text, and a gap.
    const int64_t room = axis.spansYears() ? 80 : 52;
    struct Label {
        int64_t x;
        int64_t minute;
    };
    std::vector<Label> placed;
    auto place = [&](int64_t minute) {
        const int64_t x = axis.x(minute);
        for (const Label& label : placed) {
            if (std::abs(label.x - x) < room) {
                return;
            }
        }
        placed.push_back({x, minute});
    };
    for (const AxisSegment& segment : axis.segments()) {
        place(segment.first);
    }
    for (const AxisSegment& segment : axis.segments()) {
        for (int64_t minute = floorDiv(segment.first, step) * step + step; minute < segment.end;
             minute += step) {
            place(minute);
        }
    }
    std::sort(placed.begin(), placed.end(),
              [](const Label& a, const Label& b) { return a.x < b.x; });
    int64_t lastDay = std::numeric_limits<int64_t>::min();
    for (const Label& label : placed) {
        const int64_t x = label.x;
        const char* anchor = x + room / 2 > Width ? "end" : "middle";
        svg.line(x, bottom, x, bottom + 5, "axis");
        int64_t y = bottom + 18;
        if (step < 1440 || label.minute % 1440 != 0) {
            svg.text(x, y, minuteText(label.minute, "%H%M"), anchor);
            y += 14;
        }
        if (floorDiv(label.minute, 1440) != lastDay) {
            svg.text(x, y, minuteText(label.minute, day), anchor);
            lastDay = floorDiv(label.minute, 1440);
        }
    }
    svg.line(Left, bottom, Right, bottom, "axis");
    svg.text((Left + Right) / 2, bottom + 48, "Time (UTC), off periods cut out", "middle",
             "title");
}

// The off periods the axis leaves out, hatched from top to bottom; breaks that touch (when
// there are hundreds) share one mark.
void breakMarks(SvgCanvas& svg, const LogReport& report, const TimeAxis& axis, int64_t top,
                int64_t bottom)
{
    const std::vector<AxisSegment>& segments = axis.segments();
    const int64_t width = std::max<int64_t>(2, axis.breakWidth());
    auto markX = [&](std::size_t i) {
        return axis.breakWidth() > 0 ? segments[i].x1 : segments[i].x1 - 1;
    };
    for (std::size_t i = 0; i + 1 < segments.size();) {
        const int64_t x = markX(i);
        int64_t end = x + width;
        std::size_t next = i + 1;
        while (next + 1 < segments.size() && markX(next) <= end) {
            end = std::max(end, markX(next) + width);
            ++next;
        }
        const OffPeriod& first = report.offPeriods[i];
        const OffPeriod& last = report.offPeriods[next - 1];
        const std::string tip =
            next - i == 1 ? "off " + minuteText(first.firstMinute, "%Y-%m-%d %H%M") + " - " +
                                minuteText(first.lastMinute, "%Y-%m-%d %H%M") + ", " +
                                durationText(first.minutes()) + ", cut out"
                          : std::to_string(next - i) + " off periods between " +
                                minuteText(first.firstMinute, "%Y-%m-%d %H%M") + " and " +
                                minuteText(last.lastMinute, "%Y-%m-%d %H%M") + ", cut out";
        svg.rect(x, top, end - x, bottom - top, "off", "url(#off-hatch)", tip);
        i = next;
    }
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

std::string point(int64_t x, int64_t y)
{
    return std::to_string(x) + "," + std::to_string(y);
}

std::string recordText(const LogContact& contact)
{
    return contactText("record " + std::to_string(contact.record), contact);
}

// Consecutive rate-sheet rows drawn as one bar.
struct HourSlot {
    std::size_t firstRow = 0;
    std::size_t rows = 0;
    int64_t hours = 0;       // clock hours with their own row
    int64_t emptyHours = 0;  // hours of collapsed rows
    std::vector<Tally> bands;
    Tally total;
};

std::vector<HourSlot> hourSlots(const LogReport& report, std::size_t rowsEach)
{
    std::vector<HourSlot> slots;
    for (std::size_t r = 0; r < report.hours.size(); ++r) {
        const HourRow& row = report.hours[r];
        if (r % rowsEach == 0) {
            slots.emplace_back();
            slots.back().firstRow = r;
            slots.back().bands.assign(report.bands.size(), Tally{});
        }
        HourSlot& slot = slots.back();
        slot.rows += 1;
        if (row.emptyHours > 0) {
            slot.emptyHours += static_cast<int64_t>(row.emptyHours);
            continue;
        }
        slot.hours += 1;
        for (std::size_t b = 0; b < row.bands.size(); ++b) {
            slot.bands[b].qsos += row.bands[b].qsos;
            slot.bands[b].points += row.bands[b].points;
        }
        slot.total.qsos += row.total.qsos;
        slot.total.points += row.total.points;
    }
    return slots;
}

std::string slotTip(const LogReport& report, const HourSlot& slot, const std::string& what,
                    const Tally& tally)
{
    const HourRow& first = report.hours[slot.firstRow];
    const HourRow& last = report.hours[slot.firstRow + slot.rows - 1];
    const int64_t lastHour = last.hour + std::max<int64_t>(1, last.emptyHours) - 1;
    std::string tip = minuteText(first.hour * 60, "%Y-%m-%d %H00") + "-" +
                      minuteText(lastHour * 60, lastHour / 24 == first.hour / 24
                                                    ? "%H59"
                                                    : "%Y-%m-%d %H59") +
                      " UTC, " + what + ": " + counted(tally.qsos, "QSO") + ", " +
                      std::to_string(tally.points) + (tally.points == 1 ? " point" : " points");
    if (slot.rows > 1) {
        tip += " in " + std::to_string(slot.hours) + " clock hours with contacts";
    }
    return tip;
}

// Per pixel column: the QSOs on each band, the band changes and the findings that fall in it.
struct ColumnTallies {
    std::size_t bandCount = 0;
    std::vector<uint32_t> qsos;  // column * bandCount + band
    std::vector<int64_t> firstMinute;
    std::vector<int64_t> lastMinute;
    std::vector<uint32_t> changes;
    std::vector<int64_t> score;  // after the column's last contact
    std::vector<bool> used;
    uint32_t qsosOn(std::size_t column, std::size_t band) const
    {
        return qsos[column * bandCount + band];
    }
};

ColumnTallies columnTallies(const LogReport& report, const TimeAxis& axis)
{
    const auto columns = static_cast<std::size_t>(axis.columns());
    ColumnTallies tallies;
    tallies.bandCount = report.bands.size();
    tallies.qsos.assign(columns * tallies.bandCount, 0);
    tallies.firstMinute.assign(columns, std::numeric_limits<int64_t>::max());
    tallies.lastMinute.assign(columns, std::numeric_limits<int64_t>::min());
    tallies.changes.assign(columns, 0);
    tallies.score.assign(columns, 0);
    tallies.used.assign(columns, false);
    int64_t sum = 0;
    for (std::size_t k = 0; k < report.timeline.size(); ++k) {
        const TimedContact& timed = report.timeline[k];
        const auto c = static_cast<std::size_t>(axis.column(timed.minute));
        tallies.qsos[c * tallies.bandCount + timed.band] += 1;
        tallies.firstMinute[c] = std::min(tallies.firstMinute[c], timed.minute);
        tallies.lastMinute[c] = std::max(tallies.lastMinute[c], timed.minute);
        if (k > 0 && timed.band != report.timeline[k - 1].band) {
            tallies.changes[c] += 1;
        }
        sum += timed.points;
        tallies.score[c] = sum;
        tallies.used[c] = true;
    }
    return tallies;
}

// The band used in each column: the one with the most QSOs there, else the band of the
// column before while no break comes between; -1 for none.
std::vector<int64_t> columnBands(const ColumnTallies& tallies, const TimeAxis& axis)
{
    std::vector<bool> inBreak(static_cast<std::size_t>(axis.columns()), false);
    const std::vector<AxisSegment>& segments = axis.segments();
    for (std::size_t i = 0; i + 1 < segments.size(); ++i) {
        for (int64_t x = segments[i].x1; x < segments[i + 1].x0; ++x) {
            inBreak[static_cast<std::size_t>(x - axis.left())] = true;
        }
    }
    std::vector<int64_t> bands(inBreak.size(), -1);
    for (std::size_t c = 0; c < bands.size(); ++c) {
        if (inBreak[c]) {
            continue;
        }
        uint32_t most = 0;
        for (std::size_t b = 0; b < tallies.bandCount; ++b) {
            if (tallies.qsosOn(c, b) > most) {
                most = tallies.qsosOn(c, b);
                bands[c] = static_cast<int64_t>(b);
            }
        }
        if (most == 0 && c > 0) {
            bands[c] = bands[c - 1];
        }
    }
    return bands;
}

// The opacity of a crowd of count findings, the most crowded drawn solid: "0.25" to "1".
std::string crowdOpacity(int64_t count, int64_t most)
{
    const int64_t percent = 25 + 75 * count / most;
    if (percent >= 100) {
        return "1";
    }
    return "0." + std::string(percent < 10 ? "0" : "") + std::to_string(percent);
}

void findingMarks(SvgCanvas& svg, const LogReport& report,
                  const std::vector<LogContact>& contacts, const TimeAxis& axis, int64_t auditY)
{
    struct Bucket {
        int64_t repeats = 0;
        int64_t early = 0;
        std::size_t finding = 0;  // the first in it
        int64_t firstMinute = 0;
        int64_t lastMinute = 0;
    };
    std::vector<Bucket> buckets(
        static_cast<std::size_t>((axis.columns() + FindingBucket - 1) / FindingBucket));
    for (std::size_t f = 0; f < report.findings.size(); ++f) {
        const AuditFinding& finding = report.findings[f];
        const int64_t minute = minutesSinceOleEpoch(contacts[finding.contact].when);
        Bucket& bucket = buckets[static_cast<std::size_t>(axis.column(minute) / FindingBucket)];
        if (bucket.repeats + bucket.early == 0) {
            bucket.finding = f;
            bucket.firstMinute = minute;
        }
        (finding.tooEarly ? bucket.early : bucket.repeats) += 1;
        bucket.lastMinute = minute;
    }
    int64_t most = 1;
    for (const Bucket& bucket : buckets) {
        most = std::max(most, bucket.repeats + bucket.early);
    }
    for (std::size_t i = 0; i < buckets.size(); ++i) {
        const Bucket& bucket = buckets[i];
        const int64_t count = bucket.repeats + bucket.early;
        if (count == 1) {
            const AuditFinding& finding = report.findings[bucket.finding];
            const LogContact& contact = contacts[finding.contact];
            const int64_t fx = axis.x(bucket.firstMinute);
            const std::string title = recordText(contact) + ": " +
                                      findingText(finding, recordText(contacts[finding.earlier]));
            if (finding.tooEarly) {
                svg.polygon(point(fx, auditY - 6) + " " + point(fx - 6, auditY + 5) + " " +
                                point(fx + 6, auditY + 5),
                            "early", title);
            } else {
                svg.circle(fx, auditY, 5, "repeat", title);
            }
        } else if (count > 1) {
            const int64_t x = Left + static_cast<int64_t>(i) * FindingBucket;
            svg.shade(x, auditY - 7, std::min(FindingBucket, Right - x), 14, "crowd",
                      crowdOpacity(count, most),
                     std::to_string(count) + " findings, " + spanText(bucket.firstMinute,
                                                                      bucket.lastMinute) +
                         ": " + std::to_string(bucket.repeats) + " exact repeats, " +
                         std::to_string(bucket.early) + " too early");
        }
    }
}

// Each stretch on one band as it was logged, split where a break cuts it; for a log with few
// band changes and breaks.
// barTop: the top of the first band's bars; each band's lane is lane units below the last.
void exactRuns(SvgCanvas& svg, const LogReport& report, const TimeAxis& axis, int64_t barTop,
               int64_t lane)
{
    const std::vector<TimedContact>& line = report.timeline;
    for (std::size_t start = 0; start < line.size();) {
        const int64_t segmentEnd = axis.segmentEnd(line[start].minute);
        std::size_t end = start + 1;
        while (end < line.size() && line[end].band == line[start].band &&
               line[end].minute < segmentEnd) {
            ++end;
        }
        const std::size_t band = line[start].band;
        const int64_t x0 = axis.x(line[start].minute);
        svg.rect(x0, barTop + static_cast<int64_t>(band) * lane, std::max<int64_t>(1, axis.x(line[end - 1].minute + 1) - x0),
                 16, "run", bandColour(band),
                 bandLabel(report.bands[band]) + " " + counted(end - start, "QSO") + ", " +
                     spanText(line[start].minute, line[end - 1].minute));
        start = end;
    }
}

// The band used in each pixel column, a bar for each stretch of columns on one band.
void columnRuns(SvgCanvas& svg, const LogReport& report, const TimeAxis& axis,
                const ColumnTallies& tallies, int64_t barTop, int64_t lane)
{
    const std::vector<int64_t> bands = columnBands(tallies, axis);
    for (std::size_t start = 0; start < bands.size();) {
        std::size_t end = start + 1;
        while (end < bands.size() && bands[end] == bands[start]) {
            ++end;
        }
        if (bands[start] < 0) {
            start = end;
            continue;
        }
        const auto band = static_cast<std::size_t>(bands[start]);
        int64_t qsos = 0;
        int64_t first = std::numeric_limits<int64_t>::max();
        int64_t last = std::numeric_limits<int64_t>::min();
        for (std::size_t c = start; c < end; ++c) {
            qsos += tallies.qsosOn(c, band);
            if (tallies.used[c]) {
                first = std::min(first, tallies.firstMinute[c]);
                last = std::max(last, tallies.lastMinute[c]);
            }
        }
        std::string tip = bandLabel(report.bands[band]) + " " + counted(qsos, "QSO");
        if (first <= last) {
            tip += ", " + spanText(first, last);
        }
        svg.rect(axis.left() + static_cast<int64_t>(start), barTop + bands[start] * lane,
                 static_cast<int64_t>(end - start), 16, "run", bandColour(band), tip);
        start = end;
    }
}

// The hour under every few bars and under the first bar after a break, which wins where they
// meet; the date under the first label of each day where there is room for it.
void hourLabels(SvgCanvas& svg, const LogReport& report, const std::vector<HourSlot>& slots,
                bool hourly, int64_t bottom)
{
    if (slots.empty()) {
        return;
    }
    const bool withYear = minuteText(report.hours.front().hour * 60, "%Y") !=
                          minuteText(report.hours.back().hour * 60, "%Y");
    const int64_t dateRoom = withYear ? 80 : 52;
    const auto count = static_cast<int64_t>(slots.size());
    const int64_t every = hourly ? (count + 23) / 24 : (count * dateRoom + 879) / 880;
    auto middle = [&](int64_t i) { return Left + (2 * i + 1) * (Right - Left) / (2 * count); };
    auto afterBreak = [&](int64_t i) {
        return i == 0 || slots[static_cast<std::size_t>(i - 1)].hours == 0;
    };
    std::vector<int64_t> picked;
    for (bool first : {true, false}) {
        for (int64_t i = 0; i < count; ++i) {
            if (slots[static_cast<std::size_t>(i)].hours == 0 ||
                (first ? !afterBreak(i) : i % every != 0)) {
                continue;
            }
            const bool clear = std::none_of(picked.begin(), picked.end(), [&](int64_t other) {
                return std::abs(middle(other) - middle(i)) < (hourly ? 20 : dateRoom);
            });
            if (clear) {
                picked.push_back(i);
            }
        }
    }
    std::sort(picked.begin(), picked.end());
    int64_t lastDay = std::numeric_limits<int64_t>::min();
    int64_t lastDateX = std::numeric_limits<int64_t>::min() / 2;
    for (int64_t i : picked) {
        const int64_t hour = report.hours[slots[static_cast<std::size_t>(i)].firstRow].hour;
        const int64_t x = middle(i);
        const char* anchor = x + dateRoom / 2 > Width ? "end" : "middle";
        int64_t y = bottom + 18;
        if (hourly) {
            svg.text(x, y, minuteText(hour * 60, "%H"), "middle");
            y += 14;
        }
        if (floorDiv(hour, 24) != lastDay && x - lastDateX >= dateRoom) {
            svg.text(x, y, minuteText(hour * 60, dayPattern(withYear)), anchor);
            lastDay = floorDiv(hour, 24);
            lastDateX = x;
        }
    }
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
    svg.raw(OffHatch);
    bandLegend(svg, report, Left);
    const auto rowsEach = static_cast<std::size_t>(std::max<int64_t>(
        1, (static_cast<int64_t>(report.hours.size()) + MostHourBars - 1) / MostHourBars));
    const std::vector<HourSlot> slotList = hourSlots(report, rowsEach);
    // A bar of several hours shows their mean per hour; the scale fits the highest mean.
    int64_t highest = 0;
    for (const HourSlot& slot : slotList) {
        if (slot.hours > 0) {
            highest = std::max(highest, (static_cast<int64_t>(slot.total.qsos) + slot.hours - 1) /
                                            slot.hours);
        }
    }
    const ValueScale scale = valueScaleOf(0, highest, top, bottom);
    valueAxis(svg, scale, rowsEach == 1 ? "QSOs" : "QSOs an hour");

    const auto slots = static_cast<int64_t>(std::max<std::size_t>(1, slotList.size()));
    for (int64_t i = 0; i < static_cast<int64_t>(slotList.size()); ++i) {
        const HourSlot& slot = slotList[static_cast<std::size_t>(i)];
        const int64_t x0 = Left + i * (Right - Left) / slots;
        const int64_t x1 = Left + (i + 1) * (Right - Left) / slots;
        if (slot.hours == 0) {
            svg.rect(x0, top, std::max<int64_t>(1, x1 - x0), bottom - top, "off",
                     "url(#off-hatch)",
                     std::to_string(slot.emptyHours) + " hours with no contact, cut out");
            if (x1 - x0 >= 28) {
                svg.text((x0 + x1) / 2, bottom - 6, std::to_string(slot.emptyHours) + " h",
                         "middle");
            }
        } else if (slot.emptyHours > 0) {
            svg.rect(x0, bottom + 1, std::max<int64_t>(1, x1 - x0), 4, "off", "url(#off-hatch)",
                     std::to_string(slot.emptyHours) + " hours with no contact, cut out");
        }
        const int64_t barX = x0 + (x1 - x0) / 10;
        const int64_t barWidth = std::max<int64_t>(1, (x1 - x0) * 8 / 10);
        int64_t stacked = 0;
        for (std::size_t b = 0; b < report.bands.size() && slot.hours > 0; ++b) {
            const Tally& tally = slot.bands[b];
            if (tally.qsos == 0) {
                continue;
            }
            const int64_t below = scale.y(stacked, slot.hours);
            stacked += static_cast<int64_t>(tally.qsos);
            const int64_t above = scale.y(stacked, slot.hours);
            svg.rect(barX, above, barWidth, below - above, "bar", bandColour(b),
                     slotTip(report, slot, bandLabel(report.bands[b]), tally));
        }
    }
    hourLabels(svg, report, slotList, rowsEach == 1, bottom);
    svg.line(Left, bottom, Right, bottom, "axis");
    svg.text((Left + Right) / 2, bottom + 46,
             rowsEach == 1 ? "Clock hour (UTC)"
                           : "UTC, " + std::to_string(rowsEach) +
                                 " clock hours a bar, their mean per hour",
             "middle", "title");
    return svg.finish();
}

std::string cumulativeScoreChart(const LogReport& report)
{
    const int64_t top = 24;
    const int64_t bottom = 220;
    SvgCanvas svg(Width, 280, "Score over time");
    svg.raw(OffHatch);
    const TimeAxis axis(report, Left, Right);
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
    breakMarks(svg, report, axis, top, bottom);

    // At most two vertices a column: level where nothing was logged, then the column's end.
    const ColumnTallies tallies = columnTallies(report, axis);
    std::string points = point(Left, scale.y(0));
    int64_t score = 0;
    int64_t lastColumn = -1;
    for (int64_t c = 0; c < axis.columns(); ++c) {
        if (!tallies.used[static_cast<std::size_t>(c)]) {
            continue;
        }
        if (c > lastColumn + 1) {
            points += " " + point(Left + c, scale.y(score));
        }
        score = tallies.score[static_cast<std::size_t>(c)];
        points += " " + point(Left + c + 1, scale.y(score));
        lastColumn = c;
    }
    svg.polyline(points, "score");
    timeAxis(svg, axis, bottom);
    return svg.finish();
}

std::string bandTimeChart(const LogReport& report, const std::vector<LogContact>& contacts)
{
    const TimeAxis axis(report, Left, Right);
    const ColumnTallies tallies = columnTallies(report, axis);
    int64_t changeCount = 0;
    for (uint32_t changes : tallies.changes) {
        changeCount += changes;
    }
    const bool countChanges = changeCount > MostChangeLines;

    const int64_t top = 40;
    const int64_t lane = 24;
    const int64_t lanes = static_cast<int64_t>(report.bands.size()) + (countChanges ? 2 : 1);
    const int64_t bottom = top + lanes * lane;
    const int64_t auditY = bottom - lane / 2;
    SvgCanvas svg(Width, static_cast<int>(bottom + 56),
                  "Bands over time, off periods and the audit's findings");
    svg.raw(OffHatch);
    int64_t x = bandLegend(svg, report, Left);
    svg.rect(x, LegendY - 10, 12, 12, "swatch", "url(#off-hatch)");
    svg.text(x + 16, LegendY, "off, cut out", "start");
    x += 96;
    svg.circle(x + 6, LegendY - 4, 5, "repeat key", "");
    svg.text(x + 16, LegendY, "exact repeat", "start");
    x += 112;
    svg.polygon(point(x + 6, LegendY - 10) + " " + point(x, LegendY + 2) + " " +
                    point(x + 12, LegendY + 2),
                "early key", "");
    svg.text(x + 16, LegendY, "too early", "start");
    x += 88;
    svg.shade(x, LegendY - 10, 8, 12, "crowd key", "0.5", "");
    svg.text(x + 12, LegendY, "several", "start");

    for (std::size_t b = 0; b < report.bands.size(); ++b) {
        const int64_t y = top + static_cast<int64_t>(b) * lane;
        svg.text(Left - 6, y + lane / 2 + 4, bandLabel(report.bands[b]), "end");
        svg.line(Left, y + lane, Right, y + lane, "grid");
    }
    const int64_t changesY = top + static_cast<int64_t>(report.bands.size()) * lane + lane / 2;
    if (countChanges) {
        svg.text(Left - 6, changesY + 4, "changes", "end");
    }
    svg.text(Left - 6, auditY + 4, "audit", "end");
    breakMarks(svg, report, axis, top, top + static_cast<int64_t>(report.bands.size()) * lane);

    auto laneMiddle = [&](int64_t band) { return top + band * lane + lane / 2; };
    const auto breaks = static_cast<int64_t>(axis.segments().size()) - 1;
    if (changeCount + breaks <= MostChangeLines) {
        exactRuns(svg, report, axis, laneMiddle(0) - 8, lane);
    } else {
        columnRuns(svg, report, axis, tallies, laneMiddle(0) - 8, lane);
    }

    if (countChanges) {
        for (int64_t c0 = 0; c0 < axis.columns(); c0 += ChangeBucket) {
            int64_t changes = 0;
            for (int64_t c = c0; c < std::min(axis.columns(), c0 + ChangeBucket); ++c) {
                changes += tallies.changes[static_cast<std::size_t>(c)];
            }
            if (changes > 0) {
                svg.text(Left + c0 + ChangeBucket / 2, changesY + 4, std::to_string(changes),
                         "middle", "count");
            }
        }
    } else {
        const std::vector<TimedContact>& line = report.timeline;
        for (std::size_t k = 1; k < line.size(); ++k) {
            if (line[k].band != line[k - 1].band) {
                const int64_t cx = axis.x(line[k].minute);
                svg.line(cx, laneMiddle(static_cast<int64_t>(line[k - 1].band)), cx,
                         laneMiddle(static_cast<int64_t>(line[k].band)), "change");
            }
        }
    }
    findingMarks(svg, report, contacts, axis, auditY);
    timeAxis(svg, axis, bottom);
    return svg.finish();
}
