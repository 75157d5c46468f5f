// A minimal SVG writer for the report's charts: whole-number coordinates only, so the bytes do
// not depend on how a C runtime formats floating point.
#pragma once

#include <cstdint>
#include <string>

class SvgCanvas {
public:
    SvgCanvas(int width, int height, const std::string& label);

    // cssClass may be empty; a non-empty tooltip becomes the element's <title>.
    void rect(int64_t x, int64_t y, int64_t width, int64_t height, const std::string& cssClass,
              const std::string& fill, const std::string& tooltip = std::string());
    // A black rectangle at an opacity of "0" to "1", for a density.
    void shade(int64_t x, int64_t y, int64_t width, int64_t height, const std::string& cssClass,
               const std::string& opacity, const std::string& tooltip);
    void line(int64_t x1, int64_t y1, int64_t x2, int64_t y2, const std::string& cssClass);
    // anchor: "start", "middle" or "end"; a rotated text turns -90 degrees about its point.
    void text(int64_t x, int64_t y, const std::string& content, const std::string& anchor,
              const std::string& cssClass = "label", bool rotated = false);
    void circle(int64_t x, int64_t y, int64_t radius, const std::string& cssClass,
                const std::string& tooltip);
    // A closed path through the points "x,y x,y ...".
    void polygon(const std::string& points, const std::string& cssClass,
                 const std::string& tooltip);
    void polyline(const std::string& points, const std::string& cssClass);
    // Markup added as it stands, e.g. <defs>.
    void raw(const std::string& markup);

    // The finished <svg> element.
    std::string finish();

private:
    void close(const std::string& element, const std::string& tooltip);

    std::string out_;
};
