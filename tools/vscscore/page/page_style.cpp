// The shared style sheet and page head.
#include "page/page_style.h"

#include "page/markup.h"

namespace {

// Margins at any width; a table wider than the window scrolls in its own box, the rate sheet
// also downwards, its header row kept in view above its columns.
const char Style[] =
    "*{box-sizing:border-box}\n"
    "body{font-family:sans-serif;margin:1.5em auto;padding:0 12px;max-width:1000px;color:#222}\n"
    "h1{font-size:1.5em}h2{font-size:1.2em;margin-top:1.6em}\n"
    ".box{overflow:auto;max-width:100%;margin:.6em 0}.box.tall{max-height:36em}\n"
    "table{border-collapse:collapse;font-size:13px;font-variant-numeric:tabular-nums}\n"
    "th,td{padding:2px 5px;text-align:right;border-bottom:1px solid #ddd;white-space:nowrap}\n"
    "thead th{position:sticky;top:0;background:#fff}\n"
    "th:first-child,td:first-child{text-align:left}\n"
    "tfoot td{font-weight:bold;border-top:2px solid #888}\n"
    ".findings th,.findings td{text-align:left}\n"
    "figure{margin:1em 0}\n"
    "svg{display:block;max-width:100%;height:auto;font-size:12px}\n"
    "svg .label{fill:#222}svg .title{fill:#222;font-weight:bold}svg .count{fill:#444}\n"
    "svg .axis{stroke:#444;stroke-width:1}svg .grid{stroke:#ddd;stroke-width:1}\n"
    "svg .score{fill:none;stroke:#0072B2;stroke-width:2}\n"
    "svg .change{stroke:#888;stroke-width:1}\n"
    "svg .repeat{fill:#000;stroke:#000}svg .early{fill:#fff;stroke:#000;stroke-width:1.5}\n";

}  // namespace

std::string pageHead(const std::string& title, const std::string& extraStyle)
{
    return "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
           "<meta name=\"viewport\" content=\"width=device-width\">\n<title>" +
           escapeMarkup(title) + "</title>\n<style>\n" + Style + extraStyle +
           "</style>\n</head>\n<body>\n";
}
