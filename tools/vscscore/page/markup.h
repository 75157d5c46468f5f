// The HTML pieces the report page and the results site share: escaped text, a table cell and a
// figure with its caption, so both pages write them alike.
#pragma once

#include <string>

// Escapes &, <, > and " for text and attribute values of HTML and SVG, after shownText.
std::string escapeMarkup(const std::string& text);

// "<td>text</td>", the text escaped.
std::string td(const std::string& text);

// The chart (SVG) in a figure, its caption escaped.
std::string figure(const std::string& svg, const std::string& caption);
