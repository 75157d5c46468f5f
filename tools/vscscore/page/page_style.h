// The look the product's web pages share: one style sheet and one page head, so the report page
// and the results site read alike.
#pragma once

#include <string>

// The opening of a page up to and including <body>: UTF-8, the style sheet, the title escaped.
// extraStyle, rules of the page's own, follows the shared sheet.
std::string pageHead(const std::string& title, const std::string& extraStyle = std::string());
