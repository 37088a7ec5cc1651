// The take's outputs: beginning, opening and closing them, and its end.

#include "engine/take/Take.h"

#include "engine/take/TakeNames.h"

#include <QDateTime>
#include <QFileInfo>

void Take::Begin(const WAVEFORMATEX& wfx, bool split, std::uint64_t ringBytes)
{
    End();
    m_wfx = wfx;
    m_bSplit = split;
    m_nRingBytes = ringBytes;
    m_nPartWritten = 0;
    m_nRecordedBytes = 0;
    m_nBreaks = 0;
    m_written.clear();
    m_bFailed = false;
    m_strCause.clear();
    m_notices.clear();
    for (OutputSlot& slot : m_slot)
        slot = OutputSlot{};
    StartGate();
}

OutputSpec Take::SpecFor(const QString& path) const
{
    OutputSpec spec;
    spec.rate = m_wfx.nSamplesPerSec;
    spec.bits = m_wfx.wBitsPerSample;
    spec.channels = m_bSplit ? 1 : m_wfx.nChannels;
    spec.ringBytes = m_nRingBytes;
    spec.maxFileBytes = m_nMaxFileBytes;
    const QDateTime now = QDateTime::currentDateTime();
    spec.date = now.toOffsetFromUtc(now.offsetFromUtc()).toString(Qt::ISODate);
    spec.title = QFileInfo(path).fileName();
    return spec;
}

bool Take::Open(int n, const QString& path, QString* failure)
{
    OutputSlot& slot = m_slot[n];
    if (slot.IsOpen())
        return true;
    const FormatRow& format = FormatOfPath(path);
    if (const QString refusal = format.Refusal(m_wfx.wBitsPerSample, m_wfx.nSamplesPerSec); !refusal.isEmpty()) {
        *failure = refusal;
        return false;
    }
    // The slot's output is kept while the take lasts: what its format holds (an encoder
    // library) serves the next try too.
    if (slot.format != &format) {
        slot.format = &format;
        slot.output = format.makeOutput();
    }
    if (!slot.output->Prepare(SpecFor(path))) {
        *failure = slot.output->Failure();
        return false;
    }
    if (m_skip.enabled)
        return Await(n, path, failure);
    if (!OpenFirstFile(n, path)) {
        *failure = slot.output->Failure();
        return false;
    }
    slot.requestedPath = path;
    return true;
}

// The first file of slot n, named path: its later parts are named after it.
bool Take::OpenFirstFile(int n, const QString& path)
{
    OutputSlot& slot = m_slot[n];
    if (!slot.output->Open(path, SpecFor(path)))
        return false;
    slot.path = path;
    slot.part = 1;
    return true;
}

// Finishes the file of slot n; false (kept as the cause) when its last sound could not be
// written.
bool Take::FinishFile(int n)
{
    OutputSlot& slot = m_slot[n];
    if (!slot.IsOpen())
        return true;
    m_written << OutputPath(n);
    if (slot.output->Finish())
        return true;
    Hold(slot.output->Failure());
    return false;
}

void Take::Close(int n, const QString& kind)
{
    OutputSlot& slot = m_slot[n];
    if (!slot.format || kind.compare(QLatin1String(slot.format->kind), Qt::CaseInsensitive) != 0)
        return;
    slot.awaiting = false;
    FinishFile(n);
}

QStringList Take::End()
{
    for (int n = 0; n < 2; ++n) {
        FinishFile(n);
        m_slot[n].awaiting = false;
        // The output goes, and with it whatever its format held for the take.
        m_slot[n].output.reset();
        m_slot[n].format = nullptr;
    }
    QStringList told = std::exchange(m_notices, {});
    if (!m_strCause.isEmpty())
        told << std::exchange(m_strCause, QString());
    return told;
}

void Take::Hold(const QString& text)
{
    // The first failure is the cause; what follows from it would only repeat it.
    if (m_strCause.isEmpty())
        m_strCause = text;
}

void Take::Flush()
{
    for (OutputSlot& slot : m_slot)
        if (slot.IsOpen())
            slot.output->Flush();
}

void Take::Settle()
{
    for (OutputSlot& slot : m_slot)
        if (slot.IsOpen())
            slot.output->Settle();
}

QString Take::OutputPath(int n) const
{
    return m_slot[n].IsOpen() ? PartPath(m_slot[n].path, m_slot[n].part) : QString();
}

QString Take::RequestedPath(int n) const
{
    return m_slot[n].InUse() ? m_slot[n].requestedPath : QString();
}

QStringList Take::Files() const
{
    QStringList files;
    for (int n : {0, 1})
        if (IsOutputOpen(n))
            files << OutputPath(n);
        else if (IsOutputInUse(n))
            files << RequestedPath(n);
    return files;
}

int Take::CurrentPart() const
{
    for (const OutputSlot& slot : m_slot)
        if (slot.IsOpen())
            return slot.part;
    return 0;
}

// Bytes of one frame in each output's block: one channel each, or the captured frame.
std::uint32_t Take::OutputFrameBytes() const
{
    return m_bSplit ? m_wfx.wBitsPerSample / 8u : m_wfx.nBlockAlign;
}
