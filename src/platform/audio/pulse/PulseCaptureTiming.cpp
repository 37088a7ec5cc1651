// PulseStream: where a capture's edges lie in its stream, from the server's timing records.

#include "platform/audio/pulse/PulseStream.h"

#include <pulse/rtclock.h>
#include <pulse/timeval.h>

#include <algorithm>
#include <cmath>

namespace platform {

namespace {

// Timing records at an edge are asked for until they have seen the server take a step (a
// fragment, a graph cycle), then the step after it, and span a few of their own, or until so
// long has passed that what there is must do. The nearest record after a step places the
// edge, late by up to the records' spacing. A step moves the stream on by the time it
// counts, so the first one seen, between two records TIMING_STEP_USEC apart, says within
// that much when the next is due; records TIMING_CLOSE_USEC apart over that while catch it
// closely. PipeWire steps once a graph cycle (43 ms): an edge rests on that one step.
constexpr double TIMING_STEP_USEC = 7e3;
constexpr double TIMING_CLOSE_USEC = 1e3;
constexpr double TIMING_SPAN_USEC = 30e3;
constexpr double TIMING_PATIENCE_USEC = 300e3;

double Microseconds(const timeval& t)
{
    return static_cast<double>(t.tv_sec) * 1e6 + static_cast<double>(t.tv_usec);
}

} // namespace

timeval PulseStream::Now()
{
    timeval now{};
    pa_gettimeofday(&now);
    return now;
}

void PulseStream::RequestTiming()
{
    if (m_pTiming || !Live())
        return;
    m_pTiming = pa_stream_update_timing_info(
        m_pStream, [](pa_stream*, int success, void* self) { static_cast<PulseStream*>(self)->OnTiming(success != 0); },
        this);
    if (!m_pTiming)
        OnTiming(false);
}

void PulseStream::RequestTimingIn(double usec)
{
    pa_context* context = pa_stream_get_context(m_pStream);
    const pa_usec_t when = pa_rtclock_now() + static_cast<pa_usec_t>(std::max(0.0, usec));
    if (m_pNextTiming) {
        pa_context_rttime_restart(context, m_pNextTiming, when);
        return;
    }
    m_pNextTiming = pa_context_rttime_new(
        context, when,
        [](pa_mainloop_api*, pa_time_event*, const timeval*, void* self) {
            static_cast<PulseStream*>(self)->RequestTiming();
        },
        this);
    if (!m_pNextTiming)
        RequestTiming();
}

void PulseStream::CancelTiming()
{
    if (m_pTiming) {
        pa_operation_cancel(m_pTiming);
        pa_operation_unref(m_pTiming);
        m_pTiming = nullptr;
    }
    if (m_pNextTiming) {
        m_pConnection->Api()->time_free(m_pNextTiming);
        m_pNextTiming = nullptr;
    }
}

void PulseStream::OnTiming(bool success)
{
    if (m_pTiming) {
        pa_operation_unref(m_pTiming);
        m_pTiming = nullptr;
    }
    // A stream that is not running (its device suspended, say) has no rate to count by.
    const pa_timing_info* info = success && Live() ? pa_stream_get_timing_info(m_pStream) : nullptr;
    if (info && info->playing && info->write_index >= 0) {
        const double rate = m_format.nSamplesPerSec;
        const double frames = static_cast<double>(info->write_index / m_format.nBlockAlign) +
                              (static_cast<double>(info->source_usec) - static_cast<double>(info->sink_usec) -
                               Microseconds(info->timestamp)) *
                                  rate / 1e6;
        m_records.push_back({info->timestamp, info->write_index, frames});
    }

    const double now = Microseconds(Now());
    // The soonest record an edge still waited for wants, if any does.
    std::optional<double> next;
    const auto want = [&](const timeval& since) {
        const double at = NextRecordAt(since, now);
        next = next ? std::min(*next, at) : at;
    };
    if (!m_window.StartKnown()) {
        const bool settle = now - Microseconds(m_tFirstSound) >= TIMING_PATIENCE_USEC || !success;
        if (const auto start = PositionAt(m_tStart, m_tFirstSound, settle))
            m_window.SetStart(*start);
        else if (settle)
            m_window.SetStart(0); // no usable timing: everything that arrives is kept
        else
            want(m_tFirstSound);
    }
    if (m_bFinishing && !m_window.StopKnown()) {
        const bool settle = now - Microseconds(m_tFinish) >= TIMING_PATIENCE_USEC || !success;
        if (const auto stop = PositionAt(m_tFinish, m_tFinish, settle))
            m_window.SetStop(*stop);
        else if (settle)
            m_window.SetStop(ArrivedPosition()); // no usable timing: what has arrived
        else
            want(m_tFinish);
    }
    if (next)
        RequestTimingIn(*next - now);
    else
        m_records.clear();
    TakeCaptured();
    UpdateStreaming();
}

std::optional<std::uint64_t> PulseStream::PositionAt(const timeval& moment, const timeval& since, bool settle) const
{
    const double from = Microseconds(since);
    const TimingRecord* first = nullptr;
    double lead = 0;
    double span = 0;
    for (const TimingRecord& record : m_records) {
        if (Microseconds(record.when) < from)
            continue;
        if (!first) {
            first = &record;
            lead = record.lead;
        }
        // The stream never stands behind a record of it: the most advanced one is nearest,
        // and one taken just after a step is among them.
        lead = std::max(lead, record.lead);
        span = Microseconds(record.when) - Microseconds(first->when);
    }
    if (!first || (!settle && (span < TIMING_SPAN_USEC || !NextStepPassed(since))))
        return std::nullopt;
    const double frames = std::floor(Microseconds(moment) * m_format.nSamplesPerSec / 1e6 + lead + 0.5);
    return frames <= 0 ? 0 : static_cast<std::uint64_t>(frames) * m_format.nBlockAlign;
}

std::optional<PulseStream::StepDue> PulseStream::NextStep(const timeval& since) const
{
    const double from = Microseconds(since);
    const TimingRecord* before = nullptr;
    for (const TimingRecord& record : m_records) {
        if (Microseconds(record.when) < from)
            continue;
        if (before && record.index > before->index) {
            const double counted = static_cast<double>(record.index - before->index) * 1e6 /
                                   (static_cast<double>(m_format.nSamplesPerSec) * m_format.nBlockAlign);
            return StepDue{Microseconds(before->when) + counted, Microseconds(record.when) + counted};
        }
        before = &record;
    }
    return std::nullopt;
}

bool PulseStream::NextStepPassed(const timeval& since) const
{
    const auto due = NextStep(since);
    return due && !m_records.empty() && Microseconds(m_records.back().when) >= due->latest;
}

double PulseStream::NextRecordAt(const timeval& since, double now) const
{
    const auto due = NextStep(since);
    if (!due || now > due->latest)
        return now + TIMING_STEP_USEC;
    return std::max(now + TIMING_CLOSE_USEC, due->earliest - TIMING_CLOSE_USEC);
}

// The stream position up to which the server has sent sound.
std::uint64_t PulseStream::ArrivedPosition() const
{
    const std::size_t readable = Live() ? pa_stream_readable_size(m_pStream) : 0;
    const std::size_t queued = readable == static_cast<std::size_t>(-1) ? 0 : readable;
    // The fragment in hand is still counted by the server; its taken part is in the window.
    return m_window.Position() + queued - (m_bPeeked ? m_nFragmentTaken : 0);
}

} // namespace platform
