// Lint as vscscore lint runs it, then the receipt's figures from the same lines: the score by
// the plug-in's own points function, over every QSO line lint counts as scored.
#include "vscrobot/intake/log_check.h"

#include "cabrillo_input/cabrillo_reader.h"
#include "cabrillo_input/qso_reading.h"
#include "input/plain_text.h"
#include "scoring/exchange_points.h"
#include "vscrobot/intake/sha256_hex.h"

namespace {

void readFigures(const CabrilloText& text, CheckedLog& log)
{
    int64_t points = 0;
    CabrilloLine line;
    for (std::size_t i = 0; i < text.lineCount(); ++i) {
        text.line(i, line);
        if (!line.tagged) {
            continue;
        }
        if (line.tag == "QSO") {
            const QsoWords words = splitQsoWords(line.value);
            if (judgeWordCount(words.count, QsoShape()) != QsoWordCount::Wrong) {
                points += exchangePoints(std::string(words.word[ExchRcvdColumn]));
            }
        } else if (line.tag == "CALLSIGN" && log.call.empty()) {
            log.call = upper(trimmed(line.value));
        } else if (line.tag == "CLAIMED-SCORE" && log.claimed.empty()) {
            log.claimed = trimmed(line.value);
        } else if (line.tag.compare(0, 9, "CATEGORY-") == 0) {
            log.categories.emplace_back(line.tag, trimmed(line.value));
        }
    }
    log.rawScore = saturatedPoints(points);
}

}  // namespace

CheckedLog checkLog(const std::string& bytes, const ContestPeriod& period)
{
    CheckedLog log;
    log.sha256 = sha256Hex(bytes);
    CabrilloText text(bytes);
    log.lint = lintCabrillo(text, period);
    if (log.lint.unreadable.empty()) {
        readFigures(text, log);
    }
    return log;
}

std::string categoriesText(const CheckedLog& log)
{
    std::string out;
    for (const auto& category : log.categories) {
        out += (out.empty() ? "" : ", ") + category.first + " " + category.second;
    }
    return out;
}
