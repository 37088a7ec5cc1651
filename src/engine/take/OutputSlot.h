#pragma once
// One output of a take (the single file, or one channel's): where it goes and the output
// that writes it. The output object lives as long as the take uses the slot: it writes the
// slot's files one after another and holds what its format needs meanwhile.

#include "engine/formats/FormatTable.h"

#include <QString>

#include <memory>

struct OutputSlot {
    // The format, and the output that writes its files; null while the slot is unused.
    const FormatRow* format = nullptr;
    std::unique_ptr<IOutputFile> output;
    // The path the output asked for, and the path its first file was opened under: later
    // parts are named after it.
    QString requestedPath;
    QString path;
    // The part being written (1 for the first); still known once the take has ended.
    int part = 1;
    // Skipping silence: the file is made when sound comes.
    bool awaiting = false;

    bool IsOpen() const { return output && output->IsOpen(); }
    bool InUse() const { return IsOpen() || awaiting; }
};
