// SPDX-License-Identifier: GPL-3.0-or-later
#include "svg.h"

#include <iterator>

namespace dorvane
{

namespace
{

std::string escaped(std::string_view text)
{
    std::string out;
    for (char c : text) {
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

// A vertical line across the strip: <line id="fret-1" x1="36.4817" y1="-30" .../>.
std::string acrossStrip(const std::string &id, Currency x, const FretTemplate &t)
{
    const std::string at = PointText(x);
    return "<line id=\"" + id + "\" x1=\"" + at + "\" y1=\"" +
           EdgeText(EdgeOf(Currency(), t.width, -1)) + "\" x2=\"" + at + "\" y2=\"" +
           EdgeText(EdgeOf(Currency(), t.width, 1)) + "\"/>\n";
}

std::string textElement(const TemplateText &text)
{
    const std::string x = PointText(text.x);
    const std::string y = PointText(text.y);
    std::string element =
        "<text x=\"" + x + "\" y=\"" + y + "\" font-size=\"" + PointText(text.height) + "\"";
    if (text.anchor == TemplateText::Middle)
        element += " text-anchor=\"middle\"";
    else if (text.anchor == TemplateText::End)
        element += " text-anchor=\"end\"";
    if (text.vertical)
        element += " transform=\"rotate(-90 " + x + " " + y + ")\"";
    return element + ">" + escaped(text.text) + "</text>\n";
}

// Lines a fifth of a millimetre wide, whatever the unit.
std::string strokeOf(Unit unit)
{
    return PointText(CurrencyFromDouble(0.2 / InfoOf(unit).millimetres));
}

// The strip, its centre line, the nut, the bridge, the frets and their slots.
std::string stripShapes(const FretTemplate &t)
{
    const std::string stroke = strokeOf(t.unit);
    std::string svg = "<rect id=\"strip\" x=\"0\" y=\"" +
                      EdgeText(EdgeOf(Currency(), t.width, -1)) + "\" width=\"" +
                      PointText(t.length) + "\" height=\"" + PointText(t.width) + "\"/>\n";
    svg += "<line id=\"centre\" x1=\"0\" y1=\"0\" x2=\"" + PointText(t.length) +
           "\" y2=\"0\" stroke-dasharray=\"" + stroke + " " + stroke + "\"/>\n";
    svg += acrossStrip("nut", Currency(), t);
    svg += acrossStrip("bridge", t.length, t);
    for (const Fret &fret : t.frets)
        svg += acrossStrip("fret-" + std::to_string(fret.number), fret.position, t);
    if (t.slot > Currency()) {
        for (const Fret &fret : t.frets)
            svg += "<rect id=\"slot-" + std::to_string(fret.number) + "\" x=\"" +
                   EdgeText(EdgeOf(fret.position, t.slot, -1)) + "\" y=\"" +
                   EdgeText(EdgeOf(Currency(), t.width, -1)) + "\" width=\"" + PointText(t.slot) +
                   "\" height=\"" + PointText(t.width) + "\"/>\n";
    }
    return svg;
}

std::string at(double value)
{
    return PointText(CurrencyFromDouble(value));
}

std::string lineElement(const std::string &id, const Segment &s)
{
    return "<line id=\"" + id + "\" x1=\"" + at(s.from.x) + "\" y1=\"" + at(s.from.y) + "\" x2=\"" +
           at(s.to.x) + "\" y2=\"" + at(s.to.y) + "\"/>\n";
}

template <class Points> std::string polygon(const std::string &id, const Points &points)
{
    std::string element = "<polygon id=\"" + id + "\" points=\"";
    for (const Point &p : points)
        element += at(p.x) + "," + at(p.y) + (&p == &*std::prev(std::end(points)) ? "" : " ");
    return element + "\"/>\n";
}

// The outline, the nut and the bridge, the strings, the frets from edge to edge and, with a
// slot width, each fret's slot: that width centred on the fret, from edge to edge.
std::string boardShapes(const Fingerboard &board, Currency slot)
{
    std::string svg = polygon("board", board.outline);
    svg += lineElement("nut", board.nut) + lineElement("bridge", board.bridge);
    for (std::size_t s = 0; s < board.strings.size(); ++s)
        svg += lineElement("string-" + std::to_string(s + 1),
                           {board.strings[s].nut, board.strings[s].bridge});
    // "12" for a whole fret, "12-3-4" for its piece that serves strings 3 and 4.
    const auto id = [&](const BoardFret &fret) {
        std::string id = std::to_string(fret.number);
        if (!fret.whole(board.strings.size()))
            id += "-" + std::to_string(fret.first) + "-" + std::to_string(fret.last);
        return id;
    };
    for (const BoardFret &fret : board.frets)
        svg += lineElement("fret-" + id(fret), fret.line);
    if (slot > Currency()) {
        for (const BoardFret &fret : board.frets)
            svg += polygon("slot-" + id(fret), SlotOf(fret.line, slot));
    }
    return svg;
}

} // namespace

std::string TemplateSvg(const FretTemplate &t)
{
    const std::string unit(InfoOf(t.unit).code);
    const Currency width = t.right - t.left;
    const Currency height = t.bottom - t.top;
    const std::string stroke = strokeOf(t.unit);
    std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                      "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" +
                      PointText(width) + unit + "\" height=\"" + PointText(height) + unit +
                      "\" viewBox=\"" + PointText(t.left) + " " + PointText(t.top) + " " +
                      PointText(width) + " " + PointText(height) + "\">\n";
    svg += "<title>" + escaped(t.title) + "</title>\n";
    svg += "<g fill=\"none\" stroke=\"black\" stroke-width=\"" + stroke + "\">\n";
    svg += t.board ? boardShapes(*t.board, t.slot) : stripShapes(t);
    svg += "</g>\n<g font-family=\"Liberation Sans, Arial, sans-serif\" fill=\"black\">\n";
    for (const TemplateText &text : t.texts)
        svg += textElement(text);
    return svg + "</g>\n</svg>\n";
}

} // namespace dorvane
