// Writes SVG elements as text, one per line.
#include "page/svg_canvas.h"

#include "page/markup.h"

namespace {

std::string n(int64_t value)
{
    return std::to_string(value);
}

std::string classAttribute(const std::string& cssClass)
{
    return cssClass.empty() ? std::string() : " class=\"" + cssClass + "\"";
}

}  // namespace

SvgCanvas::SvgCanvas(int width, int height, const std::string& label)
{
    out_ = "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 " + n(width) + " " +
           n(height) + "\" width=\"" + n(width) + "\" height=\"" + n(height) +
           "\" role=\"img\" aria-label=\"" + escapeMarkup(label) + "\">\n";
}

void SvgCanvas::close(const std::string& element, const std::string& tooltip)
{
    if (tooltip.empty()) {
        out_ += "/>\n";
        return;
    }
    out_ += "><title>" + escapeMarkup(tooltip) + "</title></" + element + ">\n";
}

void SvgCanvas::rect(int64_t x, int64_t y, int64_t width, int64_t height,
                     const std::string& cssClass, const std::string& fill,
                     const std::string& tooltip)
{
    out_ += "<rect" + classAttribute(cssClass) + " x=\"" + n(x) + "\" y=\"" + n(y) +
            "\" width=\"" + n(width) + "\" height=\"" + n(height) + "\"";
    if (!fill.empty()) {
        out_ += " fill=\"" + fill + "\"";
    }
    close("rect", tooltip);
}

void SvgCanvas::shade(int64_t x, int64_t y, int64_t width, int64_t height,
                      const std::string& cssClass, const std::string& opacity,
                      const std::string& tooltip)
{
    out_ += "<rect" + classAttribute(cssClass) + " x=\"" + n(x) + "\" y=\"" + n(y) +
            "\" width=\"" + n(width) + "\" height=\"" + n(height) +
            "\" fill=\"#000000\" fill-opacity=\"" + opacity + "\"";
    close("rect", tooltip);
}

void SvgCanvas::line(int64_t x1, int64_t y1, int64_t x2, int64_t y2, const std::string& cssClass)
{
    out_ += "<line" + classAttribute(cssClass) + " x1=\"" + n(x1) + "\" y1=\"" + n(y1) +
            "\" x2=\"" + n(x2) + "\" y2=\"" + n(y2) + "\"/>\n";
}

void SvgCanvas::text(int64_t x, int64_t y, const std::string& content, const std::string& anchor,
                     const std::string& cssClass, bool rotated)
{
    out_ += "<text" + classAttribute(cssClass) + " x=\"" + n(x) + "\" y=\"" + n(y) +
            "\" text-anchor=\"" + anchor + "\"";
    if (rotated) {
        out_ += " transform=\"rotate(-90 " + n(x) + " " + n(y) + ")\"";
    }
    out_ += ">" + escapeMarkup(content) + "</text>\n";
}

void SvgCanvas::circle(int64_t x, int64_t y, int64_t radius, const std::string& cssClass,
                       const std::string& tooltip)
{
    out_ += "<circle" + classAttribute(cssClass) + " cx=\"" + n(x) + "\" cy=\"" + n(y) +
            "\" r=\"" + n(radius) + "\"";
    close("circle", tooltip);
}

void SvgCanvas::polygon(const std::string& points, const std::string& cssClass,
                        const std::string& tooltip)
{
    out_ += "<polygon" + classAttribute(cssClass) + " points=\"" + points + "\"";
    close("polygon", tooltip);
}

void SvgCanvas::polyline(const std::string& points, const std::string& cssClass)
{
    out_ += "<polyline" + classAttribute(cssClass) + " points=\"" + points + "\"/>\n";
}

void SvgCanvas::raw(const std::string& markup)
{
    out_ += markup;
}

std::string SvgCanvas::finish()
{
    return out_ + "</svg>\n";
}
