// Reading Cabrillo text, for every reader of it (the export's read-back, lint, a cross-check):
// the one line splitter, tag lines as robots read them, and QSO lines by the plug-in's columns
// (their fields as robots read them: cabrillo_input/qso_reading.h).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "cabrillo/qso_columns.h"

enum class LineEnd {
    CrLf,
    Lf,
    Cr,    // a lone CR
    None,  // the last line, with no end
};

struct CabrilloLine {
    std::size_t number = 0;  // from 1
    std::string text;        // the whole line without its end (and without a byte-order mark)
    LineEnd end = LineEnd::None;
    bool tagged = false;     // the line has a colon
    std::string tag;         // the text before the colon (the whole line when there is none),
                             // blanks and tabs trimmed, upper case: as robots compare tags
    std::string value;       // after the colon and one blank after it, as written
};

// The one line splitter: CR LF, LF or a lone CR ends a line; a UTF-8 byte-order mark before
// the first line is skipped and reported. Lines are handed out in place, as bytes, so a reader
// of millions of lines keeps no string per line.
struct CabrilloSpan {
    std::size_t number = 0;  // from 1
    const char* begin = nullptr;
    const char* stop = nullptr;  // where the line's end (or the file) starts
    LineEnd end = LineEnd::None;
};

class CabrilloSpans {
public:
    explicit CabrilloSpans(const std::string& bytes);

    bool byteOrderMark() const { return byteOrderMark_; }

    // The next line; false after the last.
    bool next(CabrilloSpan& line);

private:
    const char* at_;
    const char* end_;
    std::size_t number_ = 0;
    bool byteOrderMark_ = false;
};

// A file's lines split once and kept as places in its bytes, which it holds: what lint and the
// export's read-back share, so that a file of a million lines is read and held once.
class CabrilloText {
public:
    explicit CabrilloText(std::string bytes);

    const std::string& bytes() const { return bytes_; }
    bool byteOrderMark() const { return byteOrderMark_; }
    std::size_t lineCount() const { return lines_.size(); }
    std::size_t lineBegin(std::size_t index) const { return lines_[index].begin; }

    // Line index + 1, as text with the tag and value read.
    void line(std::size_t index, CabrilloLine& line) const;

    // Line index + 1 as it is in the bytes, without its end.
    std::string_view lineText(std::size_t index) const;

private:
    struct Place {
        std::size_t begin;
        std::size_t stop;
        LineEnd end;
    };

    std::string bytes_;
    std::vector<Place> lines_;
    bool byteOrderMark_ = false;
};

using QsoColumnViews = std::array<std::string_view, QsoColumnCount>;

// A QSO line's value read by the contest's columns (cabrillo/qso_columns.h), as the plug-in
// lays them out: a field wider than its column pushes the rest right, so columns are found
// from the values. False when the line does not fill its columns; the fields read are kept,
// as places in value.
bool readQsoColumns(std::string_view value, QsoColumnViews& fields);
