// Lint as vscscore lint runs it, then the receipt's figures from the same lines: the score by
// the plug-in's own points function, over every QSO line lint counts as scored.
#include "log_check.h"

#include <cctype>

#include "cabrillo_reader.h"
#include "scoring/exchange_points.h"
#include "sha256_hex.h"

namespace {

std::string trimmed(const std::string& text)
{
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) {
        return std::string();
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::string upper(std::string text)
{
    for (char& c : text) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return text;
}

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
            const std::vector<std::string> fields = qsoWords(line.value);
            if (fields.size() == QsoColumnCount || fields.size() == QsoColumnCount + 1) {
                points += exchangePoints(fields[ExchRcvdColumn]);
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
