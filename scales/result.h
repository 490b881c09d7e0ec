// SPDX-License-Identifier: GPL-3.0-or-later
// How everything that may fail says so: a Result holds what was made, or the Failure that
// stopped it, with the facts that explain it. Nothing here speaks French; one place of the
// program's windows and command line phrases every failure (output/failures.h).
#pragma once

#include "currency.h"

#include <cstdint>
#include <string>
#include <utility>
#include <variant>

namespace dorvane
{

struct Failure {
    enum class Reason : std::uint8_t {
        // A template that cannot be made of a table and its settings.
        NoTable,       // no scale chosen
        OutOfRange,    // `setting` not positive, or over `amount`
        SlotOverStrip, // the slot as wide as the strip, `amount`
        SlotOverGap,   // the slot as wide as the gap `amount` after fret `count`
        TooManyPages,  // more than `count` pages
        PagesNotDrawn, // the painter could not draw the pages
        // A file that cannot be written: `subject` is its folder or its name.
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
        // Printing.
        NoPrintingModule,   // the module `subject` cannot be loaded
        PrintingOtherBuild, // the module `subject` belongs to another build of the program
        PrintFailed,        // the job to `subject` could not be sent
        // The command line: `subject` is the option and its value as given.
        UnknownOption,
        MissingValue,
        GivenTwice,
        TakesNoValue,
        TableOrExport,  // neither or both of --table and --export
        OnlyWithExport, // an option of the template with --table
        OnlyWithPdf,    // --paper or --correction with `setting`, another format
        MissingScale,
        MissingLength,
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
        UnknownFormat,       // the extension of --export
        NotForScala,         // an option of the template with a .scl file
        OnlyWithTable,       // --details without --table
        FileNotScala,        // a file alone that is no Scala file, to open in the window
        OneFileOnly,         // more than one file to open in the window
        FrequencyOutOfRange, // --frequency not from `amount` to `limit` hertz
        // A scale of any tuning: `count` is the line of a Scala file at fault, `subject` its
        // text or the file's name.
        ScalaUnreadable,     // the file cannot be read
        ScalaReadShort,      // the file cannot be read to its end
        ScalaTooLarge,       // more than `limit` bytes
        ScalaNoCount,        // the file ends before the number of notes
        ScalaBadCount,       // the number of notes is not a whole number
        ScalaNoDegree,       // the number of notes is 0
        ScalaTooManyDegrees, // more than `limit`
        ScalaFewerPitches,   // `limit` pitches announced, the file ends first
        ScalaMorePitches,    // a pitch beyond the `limit` announced
        ScalaNotANumber,     // a pitch that is not a number
        ScalaNotPositive,    // a zero or negative ratio, or a zero denominator
        ScalaTooPrecise,     // a term of 2^53 or more
        ScalaAtUnison,       // a degree at or below the unison
        ScalaAbovePeriod,    // a degree above the period, the last pitch
        ScalaSamePitch,      // the pitch of line `limit` again
        DivisionsOutOfRange, // equal divisions other than 1 to `limit`
        FretsOutOfRange,     // a number of frets other than 1 to `limit`
        ScaleOrScala,        // more than one of --scale, --scl and --edo
        FretsOnlyForScala,   // --frets with --scale
    };
    Reason reason;
    std::string subject{};  // what failed: a setting, a file, a printer, an option (UTF-8)
    Currency amount{};      // a limit, a gap, a width
    std::int64_t count = 0; // a fret, a number of pages or of bytes
    std::int64_t limit = 0;
    std::string setting{}; // which setting, where it is not the subject
};

// The settings a template can be refused for, as a Failure names them.
inline constexpr const char *TableSetting = "table";
inline constexpr const char *LengthSetting = "length";
inline constexpr const char *StripSetting = "strip";
inline constexpr const char *SlotSetting = "slot";

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
