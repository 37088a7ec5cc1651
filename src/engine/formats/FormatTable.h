#pragma once
// Every format Tessavox records and plays, one row each: its entry in the file type list, the
// names it goes by, the dialogs' filters, what it can record, and how to make its output and
// its decoder. A new format is one output file pair, one decoder file pair and one row here;
// nothing else asks which format it holds.

#include "engine/decoders/SoundDecoder.h"
#include "engine/formats/OutputFormat.h"

#include <QString>

#include <cstdint>
#include <memory>
#include <span>

// The file type list's entries, in its order.
enum class FileType : std::int32_t { Mp3 = 0, Wave = 1, Flac = 2, Opus = 3 };

struct FormatRow {
    FileType type;
    // The file type list's entry; saved settings keep the format by it.
    const char* entry;
    // The kind an output is closed by.
    const char* kind;
    // Lower case, the first one the save dialog adds; at most two.
    const char* extensions[2];
    // The save dialog's filter ("text|pattern|...||"), in English: the catalogues translate it
    // in the "FileFilter" context.
    const char* saveFilter;
    // This format alone in Play's filter, and where it stands there.
    const char* playFilter;
    int playOrder;
    // The sample widths it records, bit b set for b bits, and its rates.
    std::uint32_t bitsMask;
    std::uint32_t lowestRate;
    std::uint32_t highestRate;
    std::unique_ptr<IOutputFile> (*makeOutput)();
    std::unique_ptr<ISoundDecoder> (*makeDecoder)();
    // What a second of sound costs on the disk, in bytes, for one file of this many
    // channels: exact for uncompressed sound, an estimate on the high side otherwise, so
    // that the room it leads to is never more than there is.
    std::uint64_t (*bytesPerSecond)(std::uint32_t rate, std::uint16_t bits, std::uint16_t channels);

    // Why a take of this width and rate cannot be recorded in the format; empty when it can.
    QString Refusal(std::uint16_t bits, std::uint32_t rate) const;
    bool HasExtension(const QString& lowerExtension) const;
};

std::span<const FormatRow> Formats();
// The format of a file name: its last extension, in any case. A name without a known one is
// WAV, recorded and played alike.
const FormatRow& FormatOfPath(const QString& path);
// Null for a type the list does not hold.
const FormatRow* FormatOfType(FileType type);
// The row of a file type list entry, or null.
const FormatRow* FormatOfEntry(const QString& entry);
// What Play offers: every format together first, then each alone.
QString PlayFilter();
