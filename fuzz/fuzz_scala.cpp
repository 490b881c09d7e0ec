// SPDX-License-Identifier: GPL-3.0-or-later
// Arbitrary bytes as a Scala file: refused whole, or a scale whose table, two periods of frets
// on a length, goes from the nut towards the bridge, every fret between the two; whose texts
// reach no file and no terminal as control characters: its template's SVG is well-formed XML,
// its DXF holds none in any value, its names none; and which, written back, reads the same.
#include "dxf.h"
#include "file_text.h"
#include "scala_file.h"
#include "scala_scale.h"
#include "svg.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <vector>

using namespace dorvane;

namespace
{

[[noreturn]] void fail(const char *what, int fret)
{
    std::fprintf(stderr, "%s at fret %d\n", what, fret);
    std::abort();
}

// Neither a C0 control (but those allowed), nor DEL, nor a C1 control in UTF-8.
bool freeOfControls(std::string_view text, std::string_view allowed)
{
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if ((c < 0x20 && allowed.find(char(c)) == std::string_view::npos) || c == 0x7F)
            return false;
        if (c == 0xC2 && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) <= 0x9F)
            return false;
    }
    return true;
}

// "&amp;" and its kin, the only entities the SVG writes.
bool entityAt(std::string_view xml, std::size_t at)
{
    for (std::string_view entity : {"&amp;", "&lt;", "&gt;", "&quot;", "&apos;"}) {
        if (xml.substr(at, entity.size()) == entity)
            return true;
    }
    return false;
}

// A tag from its "<" to its ">": its name, and whether it opens, closes or is empty; its
// attributes quoted, with no "<" and only entities after "&".
struct Tag {
    std::string_view name;
    enum { Opens, Closes, Empty } kind;
};
bool readTag(std::string_view xml, std::size_t &i, Tag &tag)
{
    const bool closes = xml.substr(i, 2) == "</";
    std::size_t k = i + (closes ? 2 : 1);
    const std::size_t nameEnd = xml.find_first_of(" />", k);
    if (nameEnd == std::string_view::npos || nameEnd == k)
        return false;
    tag.name = xml.substr(k, nameEnd - k);
    for (k = nameEnd; k < xml.size(); ++k) {
        if (xml[k] == '"') {
            const std::size_t end = xml.find('"', k + 1);
            if (end == std::string_view::npos)
                return false;
            for (std::size_t v = k + 1; v < end; ++v) {
                if (xml[v] == '<' || (xml[v] == '&' && !entityAt(xml, v)))
                    return false;
            }
            k = end;
        } else if (xml[k] == '<') {
            return false;
        } else if (xml[k] == '>') {
            tag.kind = closes ? Tag::Closes : xml[k - 1] == '/' ? Tag::Empty : Tag::Opens;
            i = k + 1;
            return true;
        }
    }
    return false;
}

// Well-formed XML 1.0 as the SVG writer writes it: characters XML allows, in UTF-8; after the
// declaration, one root element, every element closed in order; entities only after "&".
bool wellFormedXml(std::string_view xml)
{
    if (!IsUtf8(xml) || !freeOfControls(xml, "\t\n\r") ||
        xml.find("\xEF\xBF\xBE") != std::string_view::npos ||
        xml.find("\xEF\xBF\xBF") != std::string_view::npos || !xml.starts_with("<?xml "))
        return false;
    std::size_t i = xml.find("?>") + 2;
    std::vector<std::string_view> open;
    int roots = 0;
    while (i < xml.size()) {
        if (xml[i] == '&' && !entityAt(xml, i))
            return false;
        if (xml[i] != '<') {
            if (open.empty() && xml[i] != '\n')
                return false; // text outside the root
            ++i;
            continue;
        }
        Tag tag;
        if (!readTag(xml, i, tag))
            return false;
        if (tag.kind == Tag::Closes) {
            if (open.empty() || open.back() != tag.name)
                return false;
            open.pop_back();
        } else {
            roots += open.empty();
            if (tag.kind == Tag::Opens)
                open.push_back(tag.name);
        }
    }
    return open.empty() && roots == 1;
}

// A DXF of pairs of lines, a group code and a value, none holding a control character.
bool cleanDxf(std::string_view dxf)
{
    std::size_t lines = 0;
    for (const char c : dxf)
        lines += c == '\n';
    for (const char c : dxf) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte < 0x20 && c != '\n') || (byte >= 0x7F && byte <= 0x9F))
            return false;
    }
    return lines % 2 == 0 && dxf.ends_with("EOF\n");
}

void checkPositions(const ScalaScale &scale, const FretTable &table)
{
    Currency previous;
    double previousValue = 1.0;
    for (const Fret &fret : table.frets) {
        if (fret.position < Currency() || fret.position > table.length)
            fail("a position outside 0 to the length", fret.number);
        // Higher and higher: equal only where two pitches stand closer than the length's
        // four decimals can tell.
        if (fret.position < previous)
            fail("a fret before the one below it", fret.number);
        const ScalaDegree &degree =
            scale.degrees[std::size_t(fret.number - 1) % scale.degrees.size()];
        const double value = FactorOf(degree.pitch);
        if (fret.number <= int(scale.degrees.size()) && !(value > previousValue))
            fail("degrees not in ascending pitch", fret.number);
        if (!freeOfControls(fret.note, ""))
            fail("a control character in a name", fret.number);
        previousValue = value;
        previous = fret.position;
    }
}

void checkFiles(const ScalaScale &scale, const FretTable &table)
{
    if (!freeOfControls(scale.description, ""))
        fail("a control character in the description", 0);
    const TemplateSettings settings;
    if (!CheckTemplate(table, settings))
        return;
    const FretTemplate made = MakeTemplate(table, settings, ".");
    if (!wellFormedXml(TemplateSvg(made)))
        fail("an SVG that is not well-formed XML", 0);
    if (!cleanDxf(TemplateDxf(made)))
        fail("a DXF with a control character", 0);
    const Result<ScalaScale> again = ReadScala(ScalaFile(scale, "f.scl"));
    if (!again || again->degrees.size() != scale.degrees.size())
        fail("a Scala file written back that does not read", 0);
    for (std::size_t k = 0; k < scale.degrees.size(); ++k) {
        if (FactorOf(again->degrees[k].pitch) != FactorOf(scale.degrees[k].pitch))
            fail("a pitch changed when written back", int(k) + 1);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const Result<ScalaScale> read =
        ReadScala(std::string_view(reinterpret_cast<const char *>(data), size));
    if (!read)
        return 0;
    if (read->degrees.empty())
        fail("a scale without a degree", 0);
    for (const Currency length : {Currency::fromScaled(6500000), Currency::fromScaled(10000)})
        checkPositions(*read, TableOf(*read, length, 0));
    checkFiles(*read, TableOf(*read, Currency::fromScaled(6500000), 0));
    return 0;
}
