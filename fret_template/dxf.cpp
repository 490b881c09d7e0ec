// SPDX-License-Identifier: GPL-3.0-or-later
#include "dxf.h"

#include "label_type.h"
#include "latin1.h"

namespace dorvane
{

namespace
{

struct Layer {
    const char *name;
    int colour;
};
constexpr Layer stripLayers[] = {{"FRETS", 7},   {"NUT", 1},  {"BRIDGE", 1},
                                 {"OUTLINE", 5}, {"TEXT", 3}, {"SLOTS", 6}};
constexpr Layer boardLayers[] = {{"STRINGS", 8}, {"FRETS", 7}, {"NUT", 1},  {"BRIDGE", 1},
                                 {"BOARD", 5},   {"TEXT", 3},  {"SLOTS", 6}};

// A drawing written as pairs of a group code and a value.
class Groups
{
public:
    Groups &operator()(int code, const std::string &value)
    {
        out += std::to_string(code) + "\n" + value + "\n";
        return *this;
    }
    Groups &point(int code, const std::string &x, const std::string &y)
    {
        return (*this)(code, x)(code + 10, y)(code + 20, "0.0");
    }
    std::string out;
};

// y grows upwards in a drawing, downwards on the page the template is laid out for.
std::string up(Currency y)
{
    return PointText(Currency() - y);
}
std::string up(Edge y)
{
    return EdgeText({-y.twentyThousandths});
}

// A CAD program draws texts in a font of its own, often twice as wide as the one the template is
// laid out with: drawn under the strip, a long title would run over the labels. It stands before
// the nut instead, across the centre line, ending 3 mm short of everything else, where however
// wide it grows it meets nothing.
bool isTitle(const FretTemplate &t, const TemplateText &text)
{
    return !text.vertical && text.text == t.title;
}

constexpr double TitleGapMm = 3;

TemplateText cadTitle(const FretTemplate &t, const TemplateText &title)
{
    const double height = DoubleFromCurrency(title.height);
    return {t.left - label_type::onPaper(TitleGapMm, t.unit),
            CurrencyFromDouble(label_type::Ascent / 2 * height),
            title.height,
            false,
            TemplateText::End,
            title.text};
}

// How far the drawing reaches: to the title's start in a font twice as wide as ours.
Currency cadLeft(const FretTemplate &t)
{
    for (const TemplateText &text : t.texts) {
        if (isTitle(t, text))
            return cadTitle(t, text).x - CurrencyFromDouble(2 * label_type::advanceOf(t.title) *
                                                            DoubleFromCurrency(text.height));
    }
    return t.left;
}

void header(Groups &g, const FretTemplate &t)
{
    g(0, "SECTION")(2, "HEADER");
    g(9, "$ACADVER")(1, "AC1009");
    g(9, "$DWGCODEPAGE")(3, "ANSI_1252");
    g(9, "$INSUNITS")(70, std::to_string(InfoOf(t.unit).dxfUnits));
    g(9, "$EXTMIN").point(10, PointText(cadLeft(t)), up(t.bottom));
    g(9, "$EXTMAX").point(10, PointText(t.right), up(t.top));
    g(0, "ENDSEC");
    g(0, "SECTION")(2, "TABLES");
    g(0, "TABLE")(2, "LTYPE")(70, "1");
    g(0, "LTYPE")(2, "CONTINUOUS")(70, "0")(3, "Solid line")(72, "65")(73, "0")(40, "0.0");
    g(0, "ENDTAB");
    const auto table = [&g](const auto &layers) {
        g(0, "TABLE")(2, "LAYER")(70, std::to_string(std::size(layers)));
        for (const Layer &layer : layers)
            g(0, "LAYER")(2, layer.name)(70, "0")(62, std::to_string(layer.colour))(6,
                                                                                    "CONTINUOUS");
    };
    if (t.board)
        table(boardLayers);
    else
        table(stripLayers);
    g(0, "ENDTAB")(0, "ENDSEC");
    g(0, "SECTION")(2, "BLOCKS")(0, "ENDSEC");
}

void line(Groups &g, const char *layer, const std::string &x1, const std::string &y1,
          const std::string &x2, const std::string &y2)
{
    g(0, "LINE")(8, layer).point(10, x1, y1).point(11, x2, y2);
}

// A closed polyline through four corners.
void rectangle(Groups &g, const char *layer, const std::string &left, const std::string &right,
               const std::string &top, const std::string &bottom)
{
    g(0, "POLYLINE")(8, layer)(66, "1").point(10, "0.0", "0.0")(70, "1");
    for (const auto &[x, y] :
         {std::pair{&left, &top}, {&right, &top}, {&right, &bottom}, {&left, &bottom}})
        g(0, "VERTEX")(8, layer).point(10, *x, *y);
    g(0, "SEQEND")(8, layer);
}

void text(Groups &g, const TemplateText &t)
{
    g(0, "TEXT")(8, "TEXT").point(10, PointText(t.x), up(t.y))(40, PointText(t.height));
    g(1, Latin1(t.text));
    if (t.vertical)
        g(50, "90");
    // Centred on its point, or ending there: the point is then the alignment point.
    if (t.anchor != TemplateText::Start)
        g(72, t.anchor == TemplateText::Middle ? "1" : "2").point(11, PointText(t.x), up(t.y));
}

std::string at(double value)
{
    return PointText(CurrencyFromDouble(value));
}

// On the page y grows downwards; in the drawing, upwards.
std::string atUp(double y)
{
    return PointText(Currency() - CurrencyFromDouble(y));
}

void segment(Groups &g, const char *layer, const Segment &s)
{
    line(g, layer, at(s.from.x), atUp(s.from.y), at(s.to.x), atUp(s.to.y));
}

// A closed polyline through its corners.
template <class Points> void polyline(Groups &g, const char *layer, const Points &points)
{
    g(0, "POLYLINE")(8, layer)(66, "1").point(10, "0.0", "0.0")(70, "1");
    for (const Point &p : points)
        g(0, "VERTEX")(8, layer).point(10, at(p.x), atUp(p.y));
    g(0, "SEQEND")(8, layer);
}

// The board's outline, its nut and bridge, its strings, each fret as one line and each slot as
// one closed polyline.
void boardEntities(Groups &g, const Fingerboard &board, Currency slot)
{
    polyline(g, "BOARD", board.outline);
    segment(g, "NUT", board.nut);
    segment(g, "BRIDGE", board.bridge);
    for (const BoardString &string : board.strings)
        segment(g, "STRINGS", {string.nut, string.bridge});
    for (const BoardFret &fret : board.frets)
        segment(g, "FRETS", fret.line);
    if (slot > Currency()) {
        for (const BoardFret &fret : board.frets)
            polyline(g, "SLOTS", SlotOf(fret.line, slot));
    }
}

// The strip, its centre line, nut, bridge, frets and slots.
void stripEntities(Groups &g, const FretTemplate &t)
{
    const std::string top = up(EdgeOf(Currency(), t.width, -1));
    const std::string bottom = up(EdgeOf(Currency(), t.width, 1));
    const std::string length = PointText(t.length);
    rectangle(g, "OUTLINE", "0.0", length, top, bottom);
    line(g, "OUTLINE", "0.0", "0.0", length, "0.0");
    line(g, "NUT", "0.0", top, "0.0", bottom);
    line(g, "BRIDGE", length, top, length, bottom);
    for (const Fret &fret : t.frets)
        line(g, "FRETS", PointText(fret.position), bottom, PointText(fret.position), top);
    if (t.slot > Currency()) {
        for (const Fret &fret : t.frets)
            rectangle(g, "SLOTS", EdgeText(EdgeOf(fret.position, t.slot, -1)),
                      EdgeText(EdgeOf(fret.position, t.slot, 1)), top, bottom);
    }
}

} // namespace

std::string TemplateDxf(const FretTemplate &t)
{
    Groups g;
    header(g, t);
    g(0, "SECTION")(2, "ENTITIES");
    if (t.board)
        boardEntities(g, *t.board, t.slot);
    else
        stripEntities(g, t);
    for (const TemplateText &label : t.texts)
        text(g, isTitle(t, label) ? cadTitle(t, label) : label);
    g(0, "ENDSEC")(0, "EOF");
    return g.out;
}

} // namespace dorvane
