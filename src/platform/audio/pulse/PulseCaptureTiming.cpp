// PulseStream: where a capture's edges lie in its stream, from the server's timing records.

#include "platform/audio/pulse/PulseStream.h"

#include <pulse/rtclock.h>
#include <pulse/timeval.h>

#include <algorithm>
#include <cmath>

namespace platform {

namespace {

// Timing records at an edge are asked for until they have seen the server take a step (a
// fragment, a graph cycle) and span a few of their own, or until so long has passed that
// what there is must do. The nearest record after a step places the edge, late by up to the
// spacing: a millisecond apart until the first step, since PipeWire steps once a graph cycle
// (43 ms) and its edge rests on that one step; further apart after it, where a source that
// steps every few milliseconds gives its best of several.
constexpr pa_usec_t TIMING_STEP_USEC = 1 * PA_USEC_PER_MSEC;
constexpr pa_usec_t TIMING_STEPPED_USEC = 7 * PA_USEC_PER_MSEC;
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

void PulseStream::RequestTimingSoon(bool stepped)
{
    pa_context* context = pa_stream_get_context(m_pStream);
    const pa_usec_t when = pa_rtclock_now() + (stepped ? TIMING_STEPPED_USEC : TIMING_STEP_USEC);
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
    bool more = false;
    bool stepped = true; // every edge still waited for has seen a step
    if (!m_window.StartKnown()) {
        const bool settle = now - Microseconds(m_tFirstSound) >= TIMING_PATIENCE_USEC || !success;
        if (const auto start = PositionAt(m_tStart, m_tFirstSound, settle)) {
            m_window.SetStart(*start);
        } else if (settle) {
            m_window.SetStart(0); // no usable timing: everything that arrives is kept
        } else {
            more = true;
            stepped = Stepped(m_tFirstSound);
        }
    }
    if (m_bFinishing && !m_window.StopKnown()) {
        const bool settle = now - Microseconds(m_tFinish) >= TIMING_PATIENCE_USEC || !success;
        if (const auto stop = PositionAt(m_tFinish, m_tFinish, settle)) {
            m_window.SetStop(*stop);
        } else if (settle) {
            m_window.SetStop(ArrivedPosition()); // no usable timing: what has arrived
        } else {
            more = true;
            stepped = stepped && Stepped(m_tFinish);
        }
    }
    if (more)
        RequestTimingSoon(stepped);
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
    if (!first || (!settle && (span < TIMING_SPAN_USEC || !Stepped(since))))
        return std::nullopt;
    const double frames = std::floor(Microseconds(moment) * m_format.nSamplesPerSec / 1e6 + lead + 0.5);
    return frames <= 0 ? 0 : static_cast<std::uint64_t>(frames) * m_format.nBlockAlign;
}

bool PulseStream::Stepped(const timeval& since) const
{
    const double from = Microseconds(since);
    const TimingRecord* first = nullptr;
    for (const TimingRecord& record : m_records) {
        if (Microseconds(record.when) < from)
            continue;
        if (first && record.index != first->index)
            return true;
        first = first ? first : &record;
    }
    return false;
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
