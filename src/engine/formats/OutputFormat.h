#pragma once
// What every output format offers the take. Each format is one file pair behind IOutputFile
// and one row of the format table; the take never asks which format it holds. What every
// format must keep:
// - a file that is being written plays, up to about the moment the process died, if it dies;
// - Finish makes the file whole (true sizes, checksums, tags) and closes it, also after a
//   failed write, so the sound before a failure stays playable;
// - one output object writes a take's files one after another (its parts, or its files of
//   one sound each): Open, Write..., Finish, Open the next, with the same settings.

#include <QString>

#include <cstdint>
#include <string>
#include <vector>

struct OutputSpec {
    std::uint32_t rate = 0;
    // As captured: 8-bit samples are unsigned, 16-bit signed little-endian.
    std::uint16_t bits = 16;
    std::uint16_t channels = 1;
    // The most sound the take holds at once: its whole ring of capture buffers, in bytes.
    std::uint64_t ringBytes = 0;
    // A file may not grow past this many bytes (a WAV file's sizes are 32-bit).
    std::uint64_t maxFileBytes = UINT64_MAX;
    // The tags: the file's own name and the local moment the take started (ISO 8601).
    QString title;
    QString date;
};

class IOutputFile {
public:
    enum class Written {
        Ok,
        // This output cannot go on: its file is closed as far as it got, the user is told
        // Failure() at once, and the take goes on without it.
        OutputEnded,
        // The take cannot go on: nothing more is written, and it ends.
        Failed,
    };

    virtual ~IOutputFile() = default;
    // What the format needs before any file of the take is made (an encoder library): told
    // now, while the user is there, even when the file waits for sound. False with Failure().
    virtual bool Prepare(const OutputSpec&) { return true; }
    // Creates the file, replacing one at the path. False: nothing is open; Failure() says
    // what the user is told.
    virtual bool Open(const QString& path, const OutputSpec& spec) = 0;
    virtual bool IsOpen() const = 0;
    // Whether bytes more fit in this file; when they do not, the take goes on into its next
    // part first.
    virtual bool HasRoomFor(std::uint32_t /*bytes*/) const { return true; }
    // Whole frames of interleaved samples in the captured format.
    virtual Written Write(const char* data, std::uint32_t bytes) = 0;
    // Makes the file whole and closes it; false (with Failure()) when its last sound could
    // not be written. Nothing when none is open.
    virtual bool Finish() = 0;
    // Hands what is gathered to the system, so the file's size on disk is the take's.
    virtual void Flush() {}
    // Makes the file on disk valid as it stands (its sizes true), before a message that
    // waits for the user: whatever happens meanwhile, the sound so far is safe.
    virtual void Settle() {}
    // What the user is told when the file at path cannot be made, for reason.
    virtual QString CannotCreate(const QString& path, const QString& reason) const = 0;
    // The user's words for the last failure.
    virtual QString Failure() const = 0;
    virtual const OutputSpec& Spec() const = 0;
};

// The Vorbis comments the tagged formats carry, as NAME=value.
std::vector<std::string> OutputTags(const OutputSpec& spec);
// The usual words for a file that cannot be made.
QString CannotCreateFile(const QString& path, const QString& reason);
