// SPDX-License-Identifier: GPL-3.0-or-later
// The texts that a file brings in (a Scala file's description and the names of its degrees),
// made safe once, where the file is read, for every place they go next: the screen, the
// terminal, SVG, DXF and Scala files. A control character could otherwise break an XML
// document, end a DXF value early or send escape sequences to a terminal.
#pragma once

#include <string>
#include <string_view>

namespace dorvane
{

// Whether the bytes are UTF-8 as the standard defines it: no overlong form, no surrogate,
// nothing beyond U+10FFFF.
bool IsUtf8(std::string_view bytes);

// A text of a file as UTF-8, decoded as UTF-8 where `utf8`, as ISO-8859-1 otherwise, each tab
// made a blank and every other control character (U+0000 to U+001F, U+007F to U+009F) and
// each noncharacter U+FFFE and U+FFFF replaced by U+FFFD "�": "Ré\x1b[31m" gives "Ré�[31m".
// In an ISO-8859-1 file, U+FFFD is written "?".
std::string SafeText(std::string_view bytes, bool utf8);

// The same for a message that quotes a file, where the reader must see what stands there: a
// control character is shown by its symbol ("\x1b" gives "␛", a tab "␉"), and the text is cut
// after `most` characters.
std::string VisibleText(std::string_view bytes, std::size_t most = 40);

// A file's bytes as read, for writing back: every control byte but the tab and the line ends
// (LF, and CR before LF) made "?", and so is each control character of U+0080 to U+009F,
// written as one byte in ISO-8859-1 or two in UTF-8; a CR alone, which the reader takes as a
// blank, becomes one. Nothing else changes, and the file reads to the same pitches.
std::string SafeBytes(std::string_view bytes);

// A UTF-8 text in plain ASCII, as the readers that take nothing else need it: each letter
// without its accent ("Tempérée" gives "Temperee", "œ" "oe"), the typographer's quotes and
// dashes as ASCII ones, any other character "?".
std::string Ascii(std::string_view utf8);

// A UTF-8 text in ASCII that keeps every character: each one beyond ASCII written \uXXXX (or
// \UXXXXXXXX beyond U+FFFF), and a backslash that would start one \u005C: "Ré" gives
// "R\u00E9", "1\31" stays.
std::string EscapedAscii(std::string_view utf8);

// The text that EscapedAscii wrote, back: "R\u00E9" gives "Ré". Anything else stays as it is.
std::string Unescaped(std::string_view ascii);

} // namespace dorvane
