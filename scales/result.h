// SPDX-License-Identifier: GPL-3.0-or-later
// How everything that may fail says so: a Result holds what was made, or the Failure that
// stopped it, with the facts that explain it. Each layer of the program has its own reasons,
// an enumeration of its own, and a Failure holds one of them. Nothing here speaks French; one
// place phrases every reason (output/failures.cpp), a switch over each enumeration naming every
// reason, so that a reason added without its words does not build.
#pragma once

#include "currency.h"

#include <cstdint>
#include <string>
#include <utility>
#include <variant>

namespace dorvane
{

// What a template cannot be made of, a table and its settings, or its pages.
enum class TemplateFault : std::uint8_t {
    NoTable,       // no scale chosen
    OutOfRange,    // `setting` not positive, or over `amount`
    SlotOverStrip, // the slot as wide as the strip, `amount`
    SlotOverGap,   // the slot as wide as the gap `amount` after fret `count`
    TooManyPages,  // more than `count` pages
    PagesNotDrawn, // the painter could not draw the pages
};

// Why a file or the standard output could not be written, or a file read: `subject` is the
// folder or the file.
enum class FileFault : std::uint8_t {
    Unreadable,        // the file cannot be read
    ReadShort,         // the file cannot be read to its end
    TooLarge,          // more than `limit` bytes
    FolderMissing,     // the folder does not exist
    NameIsFolder,      // the name is a folder's
    NameTooLong,       // `count` of the name's units, `limit` allowed
    FolderNotWritable, // no right to write in the folder
    FileReadOnly,      // the old file is read-only
    FileNotYours,      // no right to replace the old file
    NotCreated,        // the file could not be created in the folder
    DiskFull,          // the disk filled while writing
    WriteInterrupted,  // the writing stopped
    NotReplaced,       // the new file could not take the old one's place
    OutputNotWritten,  // the standard output, with `subject` why
};

// Why nothing was printed: `subject` is the module, the printer or the file printed into.
enum class PrintFault : std::uint8_t {
    NoModule,          // the printing module cannot be loaded
    OtherBuild,        // the printing module belongs to another build of the program
    SheetToPrinter,    // a sheet or a tuning could not be sent to the printer
    SheetToFile,       // … nor printed into the file
    TemplateToPrinter, // a template could not be sent to the printer
    TemplateToFile,    // … nor printed into the file
};

// What the command line refuses of its options, given or not: `subject` is the option as given.
enum class OptionFault : std::uint8_t {
    UnknownOption,
    MissingValue,
    GivenTwice,
    TakesNoValue,
    TableOrExport,  // neither or both of --table and --export
    OnlyWithExport, // an option of the template with --table
    OnlyWithPdf,    // --paper or --correction with the format `setting`
    OnlyWithTable,  // --details or --frequency without --table
    NotForScala,    // an option of the template with a .scl file
    MissingScale,
    MissingLength,
    ScaleOrScala,      // more than one of --scale, --scl and --edo
    FretsOnlyForScala, // --frets with --scale
    FileNotScala,      // a file alone that is no Scala file, to open in the window
    OneFileOnly,       // `count` files to open in the window, `subject` quoted
    WidthWithStrings,  // --width with two strings or more
    OnlyWithStrings,   // an option of the fingerboard without --strings 2 or more
};

// What the command line refuses of the values of its options: `subject` is the option and its
// value as given.
enum class ValueFault : std::uint8_t {
    UnknownScale,
    LengthNotRead,  // a length read only in part
    LengthTooLarge, // a length out of range
    NotANumber,     // a width or a correction
    NumberTooLarge,
    ModeWithoutModes,
    UnknownMode,
    UnknownUnit,
    UnknownPaper,
    RulerOutOfRange,     // --correction beyond `amount` and `limit`
    FrequencyOutOfRange, // --frequency not from 1 to 20000 hertz
    FretsOutOfRange,     // --frets not from 1 to `limit`
    UnknownFormat,       // the extension of --export
};

// Why a scale of any tuning is refused: a Scala file, whose `file` is named, `count` being its
// line at fault and `subject` the text there; or a number of equal divisions.
enum class ScalaFault : std::uint8_t {
    TooLarge,            // more than `limit` bytes
    NoCount,             // the file ends before the number of notes
    BadCount,            // the number of notes is not a whole number
    NoDegree,            // the number of notes is 0
    TooManyDegrees,      // more than `limit`
    FewerPitches,        // `limit` pitches announced, the file ends first
    MorePitches,         // a pitch beyond the `limit` announced
    NotANumber,          // a pitch that is not a number
    NotPositive,         // a zero or negative ratio, or a zero denominator
    TooPrecise,          // a term of 2^53 or more
    AtUnison,            // a degree at or below the unison
    AbovePeriod,         // a degree above the period, the last pitch
    SamePitch,           // the pitch of line `limit` again
    DivisionsOutOfRange, // equal divisions other than 1 to `limit`
};

// What a fingerboard cannot be made of: `setting` names the value at fault.
enum class BoardFault : std::uint8_t {
    StringsOutOfRange,    // `count` strings, not from 1 to `limit`
    BassLengthOutOfRange, // the lowest string's length not positive
    Negative,             // a span, the overhang or the board's end below 0
    PerpendicularBeyond,  // the perpendicular fret not from 0 to the last, `limit`
    CannotReach,          // half the spans' difference reaches the shorter outer string, `amount`
    UnknownNote,          // string `count`'s degree named by a note the scale has not, `value`
    DegreeOutOfRange,     // string `count`'s degree, `value`, not from 0 to `limit`
    DegreeCount,          // `count` degrees for `limit` strings
};

using Reason = std::variant<TemplateFault, FileFault, PrintFault, OptionFault, ValueFault,
                            ScalaFault, BoardFault>;

struct Failure {
    Reason reason;
    std::string subject{};  // what failed: a setting, a file, a printer, an option (UTF-8)
    Currency amount{};      // a limit, a gap, a width
    std::int64_t count = 0; // a fret, a line, a number of pages or of bytes
    std::int64_t limit = 0;
    std::string setting{}; // which setting, or which format, where it is not the subject
    std::string file{};    // the file at fault, as it was named, where it is not the subject
    std::string value{};   // the word refused within a setting: a note, "Xa"
};

// The settings a template can be refused for, as a Failure names them.
inline constexpr const char *TableSetting = "table";
inline constexpr const char *LengthSetting = "length";
inline constexpr const char *StripSetting = "strip";
inline constexpr const char *SlotSetting = "slot";
// And the values a fingerboard can be refused for.
inline constexpr const char *NutSpanSetting = "nut span";
inline constexpr const char *BridgeSpanSetting = "bridge span";
inline constexpr const char *OverhangSetting = "overhang";
inline constexpr const char *BoardEndSetting = "board end";
inline constexpr const char *StringsSetting = "strings";
inline constexpr const char *BassLengthSetting = "bass length";
inline constexpr const char *PerpendicularSetting = "perpendicular";
inline constexpr const char *TuningSetting = "tuning";

// What was made, or why not.
template <class T> class [[nodiscard]] Result
{
public:
    Result(T value) : held(std::move(value)) {}
    Result(Failure failure) : held(std::move(failure)) {}

    bool ok() const { return held.index() == 0; }
    explicit operator bool() const { return ok(); }
    const T &operator*() const & { return std::get<0>(held); }
    T &operator*() & { return std::get<0>(held); }
    T &&operator*() && { return std::get<0>(std::move(held)); }
    const T *operator->() const { return &std::get<0>(held); }
    const Failure &failure() const { return std::get<1>(held); }

private:
    std::variant<T, Failure> held;
};

// Done, or why not: a result with nothing to give.
using Done = Result<std::monostate>;
inline Done Succeeded()
{
    return std::monostate{};
}

} // namespace dorvane
