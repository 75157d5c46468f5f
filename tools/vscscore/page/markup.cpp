#include "page/markup.h"

#include "cli/shown_text.h"

std::string escapeMarkup(const std::string& text)
{
    std::string out;
    out.reserve(text.size());
    // Log text may hold control bytes or broken UTF-8; the page shows them as escapes.
    for (char c : shownText(text)) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::string td(const std::string& text)
{
    return "<td>" + escapeMarkup(text) + "</td>";
}

std::string figure(const std::string& svg, const std::string& caption)
{
    return "<figure>\n" + svg + "<figcaption>" + escapeMarkup(caption) +
           "</figcaption>\n</figure>\n";
}
