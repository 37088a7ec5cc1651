// The engine's own window, laid over a placeholder of its parent: an oscilloscope trace of
// the last buffer, the left channel in the upper band and the right channel in the lower.
// Qt paints only in paintEvent, so each buffer turns into kept points and one repaint.

#include "engine/AudioPlayRec.h"

#include <QPainter>

#include <algorithm>

namespace {

const QColor WAVE_COLOUR(0xFF, 0xFF, 0xFF);
const QColor AXIS_COLOUR(0x00, 0x00, 0xFF);
// The band names stay in the background, well below the trace.
const QColor LABEL_COLOUR(0x60, 0x60, 0x60);
constexpr int LABEL_PIXELS = 9;

// The walk shared by both sample sizes: point i at the x found for it, and the y of sample i.
template <typename YOf>
void WalkBand(QPoint* points, const int* xs, std::uint32_t count, YOf yOf)
{
    for (std::uint32_t i = 0; i < count; ++i)
        points[i] = QPoint(xs[i], yOf(i));
}

} // namespace

int CAudioPlayRec::CreateDisplayWindow(QWidget* parent, const QRect* rect)
{
    setParent(parent);
    setFocusPolicy(Qt::TabFocus);
    setCursor(Qt::ArrowCursor);
    setGeometry(rect ? *rect : QRect());
    if (rect)
        show();
    m_rcClient = QRect(QPoint(0, 0), geometry().size());
    // A display without a parent and a rectangle is never seen: it draws nothing.
    if (parent && rect) {
        m_penWave = QPen(WAVE_COLOUR, 0);
        m_penAxis = QPen(AXIS_COLOUR, 1);
    }
    m_fontLabel = font();
    m_fontLabel.setPixelSize(LABEL_PIXELS);
    return 1;
}

void CAudioPlayRec::SetBackColor(const QColor& colour)
{
    m_crBack = colour;
    m_brBack = QBrush(colour);
    InvalidateDisplay(m_rcClient);
}

// The band's rows: the upper one from the top to (H - 1) / 2, the lower one from (H + 1) / 2
// to the bottom, both across the full width.
QRect CAudioPlayRec::ChannelBandRect(Band band) const
{
    const int h = m_rcClient.height();
    const int top = band == BAND_LEFT ? 0 : (h + 1) / 2;
    const int bottom = band == BAND_LEFT ? (h - 1) / 2 : h;
    return QRect(0, top, m_rcClient.width(), bottom - top);
}

void CAudioPlayRec::FillChannelBand(QPainter& painter, Band band)
{
    if (m_brBack.style() == Qt::NoBrush)
        return;
    QRect area = ChannelBandRect(band);
    // With an even height the upper band ends one row above the centre line; filled down to
    // the line, that row cannot keep stale trace pixels or show the parent through.
    if (band == BAND_LEFT)
        area.setBottom(m_rcClient.height() / 2 - 1);
    painter.fillRect(area, m_brBack);
    // A band too short for its name keeps its room for the trace.
    if (area.height() >= 2 * LABEL_PIXELS) {
        painter.setPen(LABEL_COLOUR);
        painter.setFont(m_fontLabel);
        painter.drawStaticText(area.left() + 3, area.top() + 2, m_stLabel[band]);
    }
}

void CAudioPlayRec::DrawBackground(QPainter& painter)
{
    FillChannelBand(painter, BAND_LEFT);
    FillChannelBand(painter, BAND_RIGHT);
    const int w = m_rcClient.width();
    const int h = m_rcClient.height();
    if (m_penAxis) {
        painter.setPen(*m_penAxis);
        painter.drawLine(0, h / 2, w - 1, h / 2);
    }
    if (w > 0 && h > 0) {
        painter.fillRect(0, 0, w, 1, AXIS_COLOUR);
        painter.fillRect(0, h - 1, w, 1, AXIS_COLOUR);
        painter.fillRect(0, 0, 1, h, AXIS_COLOUR);
        painter.fillRect(w - 1, 0, 1, h, AXIS_COLOUR);
    }
}

void CAudioPlayRec::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    DrawBackground(painter);
    if (!m_penWave)
        return;
    painter.setPen(*m_penWave);
    for (Band band : {BAND_LEFT, BAND_RIGHT}) {
        // One point is a move without a line.
        if (m_nWavePoints[band] > 1)
            painter.drawPolyline(m_ptWave[band].data(), m_nWavePoints[band]);
    }
}

// n: bytes per channel in the scratch buffers.
void CAudioPlayRec::DrawWave(int n)
{
    // While recording one file per channel, a channel whose output is not open shows nothing.
    const bool split = m_nStatus == STATUS_RECORDING && m_nChannelMode == CHANNELS_SPLIT;
    const bool drawLeft = !split || IsOutputOpen(0);
    const bool drawRight = !split || IsOutputOpen(1);
    m_nWavePoints[BAND_LEFT] = 0;
    m_nWavePoints[BAND_RIGHT] = 0;
    // For 16-bit sound every sample; for 8-bit the first half of the buffer across the width.
    // A ring buffer of 4096 bytes gives at most 2048 points; the bound keeps the storage fixed.
    const auto count = static_cast<std::uint32_t>(std::clamp(n / 2, 0, WAVE_POINTS_MAX));
    if (m_wfx.wBitsPerSample == 8) {
        if (drawLeft)
            DrawWave8(count, m_pLeft.data(), BAND_LEFT);
        if (drawRight)
            DrawWave8(count, m_pRight.data(), BAND_RIGHT);
    } else {
        if (drawLeft)
            DrawWave16(count, m_pLeft.data(), BAND_LEFT);
        if (drawRight)
            DrawWave16(count, m_pRight.data(), BAND_RIGHT);
    }
    RequestRepaint(m_rcClient);
}

// Point i at x = i steps of width / count, the steps added up in single precision and the
// sum truncated.
const int* CAudioPlayRec::WalkPositions(std::uint32_t count)
{
    const int width = m_rcClient.width();
    if (count != m_nWalkCount || width != m_nWalkWidth) {
        m_nWalkCount = count;
        m_nWalkWidth = width;
        const float step = static_cast<float>(width) / static_cast<float>(count);
        float x = 0.0f;
        m_xWalk[0] = 0;
        for (std::uint32_t i = 1; i < count; ++i) {
            x += step;
            m_xWalk[i] = static_cast<int>(x);
        }
    }
    return m_xWalk.data();
}

// Signed 16-bit samples, little-endian as captured; full scale spans half the band each way
// from its middle, a positive sample below it.
void CAudioPlayRec::DrawWave16(std::uint32_t count, const char* samples, Band band)
{
    if (count == 0)
        return;
    const QRect area = ChannelBandRect(band);
    const std::int32_t t = area.top();
    const std::int32_t b = area.top() + area.height();
    const std::int32_t h = b - t;
    const std::int32_t mid = (b + t) / 2;
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(samples);
    WalkBand(m_ptWave[band].data(), WalkPositions(count), count, [&](std::uint32_t i) {
        const auto sample = static_cast<std::int16_t>(bytes[2 * i] | bytes[2 * i + 1] << 8);
        return mid + sample * h / 65535;
    });
    m_nWavePoints[band] = static_cast<int>(count);
}

// Unsigned 8-bit samples: 0 at the band's top, 255 at its bottom, silence near the middle.
void CAudioPlayRec::DrawWave8(std::uint32_t count, const char* samples, Band band)
{
    if (count == 0)
        return;
    const QRect area = ChannelBandRect(band);
    const std::int32_t t = area.top();
    const std::int32_t h = area.height();
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(samples);
    WalkBand(m_ptWave[band].data(), WalkPositions(count), count,
             [&](std::uint32_t i) { return t + bytes[i] * h / 255; });
    m_nWavePoints[band] = static_cast<int>(count);
}

// An erased band shows empty until the next buffer brings a trace.
void CAudioPlayRec::InvalidateDisplay(const QRect& area)
{
    for (Band band : {BAND_LEFT, BAND_RIGHT}) {
        if (area.intersects(ChannelBandRect(band)))
            m_nWavePoints[band] = 0;
    }
    RequestRepaint(area);
}

// Only a display that can be seen is repainted: a hidden or minimised one keeps its points
// and is painted from them when it shows again.
void CAudioPlayRec::RequestRepaint(const QRect& area)
{
    if (isVisible() && !window()->isMinimized())
        update(area);
}
