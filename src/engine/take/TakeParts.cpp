// A take in parts: each output goes on into a new file when the set length of sound has been
// written to it, or when its file has no room for more.

#include "engine/take/Take.h"

#include "engine/take/TakeNames.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>

bool Take::Write(const char* const block[2], std::uint32_t length, std::uint32_t bytes)
{
    const bool ok = m_skip.enabled ? WriteSounding(block, length) : WriteOutputs(block, length);
    if (!ok) {
        m_bFailed = true;
        return false;
    }
    if (!m_skip.enabled)
        m_nRecordedBytes += bytes;
    return true;
}

// The outputs are cut where the set length ends, inside the block if need be, and every
// output at the same sample: each part but the last holds exactly that length, and the
// sound runs on from one part into the next without a sample lost or doubled.
bool Take::WriteOutputs(const char* const block[2], std::uint32_t length)
{
    // The set length in the bytes of one output's block: both outputs are given blocks of
    // one length, one channel each or the same sound.
    const std::uint64_t part = std::uint64_t{m_nPartSeconds} * m_wfx.nSamplesPerSec * OutputFrameBytes();
    std::uint32_t done = 0;
    while (done < length) {
        // Cut only when there is sound for the next part: a take that ends on the boundary
        // leaves no empty part behind.
        if (part > 0 && m_nPartWritten >= part) {
            for (int n = 0; n < 2; ++n)
                if (IsOutputOpen(n) && !StartNextPart(n))
                    return false;
            m_nPartWritten = 0;
        }
        std::uint32_t take = length - done;
        if (part > 0)
            take = static_cast<std::uint32_t>(std::min<std::uint64_t>(take, part - m_nPartWritten));
        const char* const at[2] = {block[0] + done, block[1] + done};
        if (!WriteBlock(at, take))
            return false;
        done += take;
        m_nPartWritten += take;
    }
    return true;
}

bool Take::WriteBlock(const char* const block[2], std::uint32_t length)
{
    for (int n = 0; n < 2; ++n) {
        OutputSlot& slot = m_slot[n];
        if (!slot.IsOpen())
            continue;
        if (!slot.output->HasRoomFor(length) && !StartNextPart(n))
            return false;
        switch (slot.output->Write(block[n], length)) {
        case IOutputFile::Written::Ok:
            break;
        case IOutputFile::Written::OutputEnded:
            m_notices << slot.output->Failure();
            break;
        case IOutputFile::Written::Failed:
            Hold(QCoreApplication::translate("Output", "Write file failed"));
            return false;
        }
    }
    return true;
}

// The part is finished, whole, before the next is opened, with the settings and the start
// of the take. What fails here is told once the take has ended, with every file final.
bool Take::StartNextPart(int n)
{
    OutputSlot& slot = m_slot[n];
    const QString next = PartPath(slot.path, slot.part + 1);
    OutputSpec spec = slot.output->Spec();
    spec.title = QFileInfo(next).fileName();
    if (!FinishFile(n))
        return false;
    if (!slot.output->Open(next, spec)) {
        Hold(slot.output->Failure());
        return false;
    }
    ++slot.part;
    return true;
}
