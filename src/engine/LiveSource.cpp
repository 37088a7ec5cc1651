// The engine's side of the live view: the window's events it hands the view, and what the
// view asks of the engine.

#include "engine/AudioPlayRec.h"

#include <QCoreApplication>

void CAudioPlayRec::StartLive(bool playback)
{
    m_live.Restart(m_wfx.nSamplesPerSec, m_wfx.wBitsPerSample);
    m_view.StartLive(playback);
}

void CAudioPlayRec::paintEvent(QPaintEvent*)
{
    m_view.Paint();
}

void CAudioPlayRec::showEvent(QShowEvent* e)
{
    QWidget::showEvent(e);
    m_view.VisibilityChanged();
}

void CAudioPlayRec::hideEvent(QHideEvent* e)
{
    QWidget::hideEvent(e);
    m_view.VisibilityChanged();
}

// The buffers the capture held for this frame go through the same handler as any other.
bool CAudioPlayRec::TakeHeldSound()
{
    if (!m_hWaveIn)
        return false;
    const bool any = m_hWaveIn->Collect([this](const WaveEvent& ev) { PreTranslateMessage(ev); });
    if (any)
        QCoreApplication::sendPostedEvents(this, WaveEvent::EventType());
    return any;
}

void CAudioPlayRec::SetCaptureWatched(bool watched)
{
    if (m_hWaveIn)
        m_hWaveIn->SetWatched(watched);
}

// While recording one file per channel, a channel whose output is not in use shows nothing.
bool CAudioPlayRec::IsBandShown(int band) const
{
    return m_nStatus != STATUS_RECORDING || m_nChannelMode != CHANNELS_SPLIT || m_take.IsOutputInUse(band);
}

// A buffer's worth of samples per channel at 16 bits, half of one at 8 (a sample is kept in
// 16 bits either way).
std::uint32_t CAudioPlayRec::TraceWindow() const
{
    const std::uint32_t channels = m_wfx.nChannels ? m_wfx.nChannels : 1;
    return std::min<std::uint32_t>(static_cast<std::uint32_t>(m_nBufferSize) / channels / 2, LiveHistory::CAPACITY);
}
