// The line splitter, the tag reading and the QSO line's two readings.
#include "cabrillo_input/cabrillo_reader.h"

#include <algorithm>
#include <utility>

#include "input/plain_text.h"

namespace {

std::string tagOf(const std::string& text)
{
    return upper(trimmed(text));
}

// Walks a QSO line's columns.
class ColumnWalker {
public:
    explicit ColumnWalker(std::string_view text) : text_(text) {}

    std::string_view read(const QsoColumn& column, bool last)
    {
        if (last) {
            return rest();
        }
        switch (column.padding) {
        case QsoPadding::Left:
            return paddedLeft(column.width);
        case QsoPadding::Right:
            return paddedRight(column.width);
        case QsoPadding::None:
            break;
        }
        return token();
    }

    void blank()
    {
        if (at_ < text_.size() && text_[at_] == ' ') {
            ++at_;
        } else {
            ok_ = false;
        }
    }

    bool ok() const { return ok_; }

private:
    std::string_view paddedLeft(std::size_t width)
    {
        if (at_ + width <= text_.size() && text_.find_first_not_of(' ', at_) >= at_ + width) {
            at_ += width;
            return std::string_view();
        }
        at_ = text_.find_first_not_of(' ', at_);
        return token();
    }

    std::string_view paddedRight(std::size_t width)
    {
        const std::size_t start = at_;
        const std::string_view value = token();
        if (at_ < start + width) {
            if (start + width > text_.size() ||
                text_.find_first_not_of(' ', at_) < start + width) {
                ok_ = false;
            }
            at_ = start + width;
        }
        return value;
    }

    std::string_view rest()
    {
        const std::string_view value =
            at_ < text_.size() ? text_.substr(at_) : std::string_view();
        at_ = text_.size();
        return value;
    }

    std::string_view token()
    {
        if (at_ >= text_.size()) {
            ok_ = false;
            return std::string_view();
        }
        const std::size_t end = std::min(text_.find(' ', at_), text_.size());
        const std::string_view value = text_.substr(at_, end - at_);
        at_ = end;
        return value;
    }

    std::string_view text_;
    std::size_t at_ = 0;
    bool ok_ = true;
};

}  // namespace

CabrilloSpans::CabrilloSpans(const std::string& bytes)
    : at_(bytes.data()), end_(bytes.data() + bytes.size())
{
    if (bytes.compare(0, 3, "\xEF\xBB\xBF") == 0) {
        byteOrderMark_ = true;
        at_ += 3;
    }
}

bool CabrilloSpans::next(CabrilloSpan& line)
{
    if (at_ >= end_) {
        return false;
    }
    const char* stop = at_;
    while (stop < end_ && *stop != '\r' && *stop != '\n') {
        ++stop;
    }
    line.number = ++number_;
    line.begin = at_;
    line.stop = stop;
    if (stop == end_) {
        line.end = LineEnd::None;
        at_ = stop;
    } else if (*stop == '\n') {
        line.end = LineEnd::Lf;
        at_ = stop + 1;
    } else if (stop + 1 < end_ && stop[1] == '\n') {
        line.end = LineEnd::CrLf;
        at_ = stop + 2;
    } else {
        line.end = LineEnd::Cr;
        at_ = stop + 1;
    }
    return true;
}

namespace {

void readLine(std::size_t number, const char* begin, const char* stop, LineEnd end,
              CabrilloLine& line)
{
    line.number = number;
    line.text.assign(begin, stop);
    line.end = end;
    const std::size_t colon = line.text.find(':');
    line.tagged = colon != std::string::npos;
    line.tag = tagOf(line.text.substr(0, colon));
    line.value.clear();
    if (line.tagged) {
        const std::size_t value = line.text.compare(colon, 2, ": ") == 0 ? colon + 2 : colon + 1;
        line.value.assign(line.text, value, std::string::npos);
    }
}

}  // namespace

CabrilloText::CabrilloText(std::string bytes) : bytes_(std::move(bytes))
{
    CabrilloSpans spans(bytes_);
    byteOrderMark_ = spans.byteOrderMark();
    const char* start = bytes_.data();
    lines_.reserve(static_cast<std::size_t>(std::count(bytes_.begin(), bytes_.end(), '\n')) + 1);
    CabrilloSpan span;
    while (spans.next(span)) {
        lines_.push_back({static_cast<std::size_t>(span.begin - start),
                          static_cast<std::size_t>(span.stop - start), span.end});
    }
}

void CabrilloText::line(std::size_t index, CabrilloLine& line) const
{
    const Place& place = lines_[index];
    readLine(index + 1, bytes_.data() + place.begin, bytes_.data() + place.stop, place.end,
             line);
}

std::string_view CabrilloText::lineText(std::size_t index) const
{
    const Place& place = lines_[index];
    return std::string_view(bytes_).substr(place.begin, place.stop - place.begin);
}

bool readQsoColumns(std::string_view value, QsoColumnViews& fields)
{
    ColumnWalker walker(value);
    for (std::size_t i = 0; i < QsoColumnCount; ++i) {
        if (i > 0) {
            walker.blank();
        }
        fields[i] = walker.read(qsoColumns()[i], i + 1 == QsoColumnCount);
    }
    return walker.ok();
}
