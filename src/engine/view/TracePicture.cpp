// The display's picture: the background drawn once, the trace walked column by column, and
// each frame composed into the picture or straight into the window's store.

#include "engine/view/TracePicture.h"

#include "engine/LiveHistory.h"

#include <QBackingStore>
#include <QPainter>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <cstring>

namespace {

const QColor WAVE_COLOUR(0xFF, 0xFF, 0xFF);
const QColor AXIS_COLOUR(0x00, 0x00, 0xFF);
// The band names stay in the background, well below the trace.
const QColor LABEL_COLOUR(0x60, 0x60, 0x60);
constexpr int LABEL_PIXELS = 9;

} // namespace

TracePicture::TracePicture(QWidget& widget, const LiveHistory& live) : m_widget(widget), m_live(live) {}

void TracePicture::Create(bool shown)
{
    m_rcClient = QRect(QPoint(0, 0), m_widget.geometry().size());
    m_fontLabel = m_widget.font();
    m_fontLabel.setPixelSize(LABEL_PIXELS);
    if (!shown)
        return;
    m_penWave = QPen(WAVE_COLOUR, 0);
    m_penAxis = QPen(AXIS_COLOUR, 1);
    for (Band band : {BAND_LEFT, BAND_RIGHT}) {
        m_traceColumns[band].assign(static_cast<std::size_t>(std::max(0, m_rcClient.width())), {});
        m_drawnColumns[band] = m_traceColumns[band];
    }
    m_imgBackground = QImage(m_rcClient.size(), QImage::Format_RGB32);
    m_imgDisplay = QImage(m_rcClient.size(), QImage::Format_RGB32);
    DrawBackgroundPicture();
}

void TracePicture::SetBackColor(const QColor& colour)
{
    m_crBack = colour;
    m_brBack = QBrush(colour);
    DrawBackgroundPicture();
}

// The background, drawn once into a picture that each frame starts from; the display's
// picture is made of it again whole, with no trace.
void TracePicture::DrawBackgroundPicture()
{
    if (m_imgBackground.isNull())
        return;
    QPainter painter(&m_imgBackground);
    DrawBackground(painter);
    painter.end();
    for (std::vector<Column>& drawn : m_drawnColumns)
        std::fill(drawn.begin(), drawn.end(), Column{});
    m_bPictureBehind = true;
    m_bStoreBehind = true;
    CatchUpPicture();
}

// The band's rows: the upper one from the top to (H - 1) / 2, the lower one from (H + 1) / 2
// to the bottom, both across the full width.
QRect TracePicture::ChannelBandRect(Band band) const
{
    const int h = m_rcClient.height();
    const int top = band == BAND_LEFT ? 0 : (h + 1) / 2;
    const int bottom = band == BAND_LEFT ? (h - 1) / 2 : h;
    return QRect(0, top, m_rcClient.width(), bottom - top);
}

void TracePicture::FillChannelBand(QPainter& painter, Band band)
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

void TracePicture::DrawBackground(QPainter& painter)
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

void TracePicture::Paint()
{
    CatchUpPicture();
    QPainter painter(&m_widget);
    if (m_imgDisplay.isNull())
        DrawBackground(painter);
    else
        painter.drawImage(0, 0, m_imgDisplay);
}

// The trace of the trace window that ends at the display's position: for 16-bit sound
// every sample of a buffer's worth, for 8-bit the first half of one, across the width.
void TracePicture::DrawWave(std::uint64_t end, std::uint32_t count, bool showLeft, bool showRight)
{
    const bool whole = count > 0 && end >= count && m_live.Written() - (end - count) <= LiveHistory::CAPACITY;
    for (Band band : {BAND_LEFT, BAND_RIGHT}) {
        m_bTraceShown[band] = whole && (band == BAND_LEFT ? showLeft : showRight);
        if (!m_bTraceShown[band])
            continue;
        if (m_live.Bits() == 8)
            DrawWave8(count, end - count, band);
        else
            DrawWave16(count, end - count, band);
    }
}

// Point i at x = i steps of width / count, the steps added up in single precision and the
// sum truncated. Returned as the first point of each column, width + 1 of them: column c
// holds points [first[c], first[c + 1]).
const std::uint32_t* TracePicture::WalkColumnFirsts(std::uint32_t count)
{
    const int width = m_rcClient.width();
    if (count != m_nWalkCount || width != m_nWalkWidth) {
        m_nWalkCount = count;
        m_nWalkWidth = width;
        m_nWalkFirst.assign(static_cast<std::size_t>(std::max(0, width)) + 1, count);
        const float step = static_cast<float>(width) / static_cast<float>(count);
        float x = 0.0f;
        int column = 0; // columns up to here have their first point
        for (std::uint32_t i = 0; i < count && column <= width; ++i) {
            if (i > 0)
                x += step;
            const int at = static_cast<int>(x);
            while (column <= at && column <= width)
                m_nWalkFirst[static_cast<std::size_t>(column++)] = i;
        }
    }
    return m_nWalkFirst.data();
}

// The line through the points, column by column: each column spans the points that fall in
// it and the line from the point before, as a one-pixel polyline through them would; a
// column no point falls in, the line across it to the next point. A y grows with its
// sample, so only each column's lowest and highest sample are placed.
template <typename YOf>
void TracePicture::WalkBand(Band band, std::uint32_t count, std::uint64_t first, YOf yOf)
{
    std::vector<Column>& columns = m_traceColumns[band];
    const int width = static_cast<int>(columns.size());
    const int lowest = m_rcClient.height() - 1;
    const std::uint32_t* firsts = WalkColumnFirsts(count);
    // Read through a local: the compiler then need not look up the history again after
    // each column is stored.
    const LiveHistory& live = m_live;
    for (int x = 0; x < width; ++x) {
        const std::uint32_t from = firsts[x];
        if (from >= count) {
            // Past the last point: nothing more is drawn.
            std::fill(columns.begin() + x, columns.end(), Column{});
            break;
        }
        // No branch in the loop: the samples of a column are a run of the history.
        const std::uint32_t to = std::max(firsts[x + 1], from + 1);
        std::int16_t low = live.Sample(band, first + (from > 0 ? from - 1 : 0));
        std::int16_t high = low;
        for (std::uint32_t i = from; i < to; ++i) {
            const std::int16_t v = live.Sample(band, first + i);
            low = std::min(low, v);
            high = std::max(high, v);
        }
        columns[static_cast<std::size_t>(x)] = {static_cast<std::int16_t>(std::clamp(yOf(low), 0, lowest)),
                                                static_cast<std::int16_t>(std::clamp(yOf(high), 0, lowest))};
    }
}

// Signed 16-bit samples: full scale spans half the band each way from its middle, a
// positive sample below it.
void TracePicture::DrawWave16(std::uint32_t count, std::uint64_t first, Band band)
{
    const QRect area = ChannelBandRect(band);
    const std::int32_t t = area.top();
    const std::int32_t b = area.top() + area.height();
    const std::int32_t h = b - t;
    const std::int32_t mid = (b + t) / 2;
    WalkBand(band, count, first, [&](std::int16_t sample) { return mid + sample * h / 65535; });
}

// Unsigned 8-bit samples: 0 at the band's top, 255 at its bottom, silence near the middle.
void TracePicture::DrawWave8(std::uint32_t count, std::uint64_t first, Band band)
{
    const QRect area = ChannelBandRect(band);
    const std::int32_t t = area.top();
    const std::int32_t h = area.height();
    WalkBand(band, count, first, [&](std::int16_t sample) { return t + (sample / 256 + 128) * h / 255; });
}

// The rows composing the next picture changes: those the traces covered before and cover
// now, as one rectangle over both bands (the centre line between them costs less to copy
// again than a region of two rectangles costs to make).
QRect TracePicture::RowsToCompose() const
{
    int top = m_rcClient.height();
    int bottom = -1;
    const auto span = [&](const std::vector<Column>& columns) {
        for (const Column& c : columns) {
            if (c.top <= c.bottom) {
                top = std::min<int>(top, c.top);
                bottom = std::max<int>(bottom, c.bottom);
            }
        }
    };
    for (Band band : {BAND_LEFT, BAND_RIGHT}) {
        span(m_drawnColumns[band]);
        if (m_bTraceShown[band])
            span(m_traceColumns[band]);
    }
    return top <= bottom ? QRect(0, top, m_rcClient.width(), bottom - top + 1) : QRect();
}

// The display's own picture, composed of the background and the traces.
void TracePicture::ComposeDisplay()
{
    if (m_imgDisplay.isNull())
        return;
    CatchUpPicture();
    ComposeInto(m_imgDisplay.bits(), m_imgDisplay.bytesPerLine());
    m_bStoreBehind = true;
}

// The background with the traces of the bands that show one, into a picture that holds the
// traces drawn last. Only the pixels a trace covered are put back: most of the picture never
// changes.
void TracePicture::ComposeInto(uchar* bits, qsizetype stride)
{
    const uchar* const back = m_imgBackground.constBits();
    const qsizetype backStride = m_imgBackground.bytesPerLine();
    for (Band band : {BAND_LEFT, BAND_RIGHT}) {
        std::vector<Column>& drawn = m_drawnColumns[band];
        for (std::size_t x = 0; x < drawn.size(); ++x) {
            for (int y = drawn[x].top; y <= drawn[x].bottom; ++y)
                reinterpret_cast<QRgb*>(bits + y * stride)[x] = reinterpret_cast<const QRgb*>(back + y * backStride)[x];
            drawn[x] = Column{};
        }
    }
    for (Band band : {BAND_LEFT, BAND_RIGHT}) {
        if (m_bTraceShown[band]) {
            DrawTrace(bits, stride, m_traceColumns[band]);
            m_drawnColumns[band] = m_traceColumns[band];
        }
    }
}

void TracePicture::DrawTrace(uchar* bits, qsizetype stride, const std::vector<Column>& columns)
{
    const QRgb white = WAVE_COLOUR.rgb();
    for (std::size_t x = 0; x < columns.size(); ++x) {
        for (int y = columns[x].top; y <= columns[x].bottom; ++y)
            reinterpret_cast<QRgb*>(bits + y * stride)[x] = white;
    }
}

// Frames that went straight to the screen left the display's own picture behind: it is made
// again from the background and the traces drawn last, before anything shows it.
void TracePicture::CatchUpPicture()
{
    if (!m_bPictureBehind || m_imgDisplay.isNull())
        return;
    m_bPictureBehind = false;
    std::memcpy(m_imgDisplay.bits(), m_imgBackground.constBits(), static_cast<std::size_t>(m_imgDisplay.sizeInBytes()));
    for (const std::vector<Column>& drawn : m_drawnColumns)
        DrawTrace(m_imgDisplay.bits(), m_imgDisplay.bytesPerLine(), drawn);
}

// An erased band shows empty until the next frame brings a trace.
void TracePicture::EraseBands(const QRect& area)
{
    for (Band band : {BAND_LEFT, BAND_RIGHT}) {
        if (area.intersects(ChannelBandRect(band)))
            m_bTraceShown[band] = false;
    }
    ComposeDisplay();
}

// A frame composed straight into the window's backing store and out to the screen, only the
// rows the trace changes. Qt's repaint (an update request, a paint event, a painter set up
// afresh) costs several times what composing does, and comes at every frame; composing into
// the display's own picture first would cost a copy of it too. Only where the store is an
// image in pixels and nothing covers the display; elsewhere Qt repaints it from the picture.
bool TracePicture::PresentFrame()
{
    QWidget* const top = m_widget.window();
    QBackingStore* const store = top->backingStore();
    QWindow* const handle = top->windowHandle();
    if (!store || !handle || handle->surfaceType() != QSurface::RasterSurface)
        return false;
    if (!m_bSightKnown) {
        m_ptInWindow = m_widget.mapTo(top, QPoint(0, 0));
        m_bWholeInSight = m_widget.visibleRegion() == QRegion(m_rcClient);
        m_bSightKnown = true;
    }
    const QPoint at = m_ptInWindow;
    if (!m_bWholeInSight || !QRect(QPoint(0, 0), store->size()).contains(QRect(at, m_rcClient.size())))
        return false;
    const QRect rows = m_bStoreBehind ? m_rcClient : RowsToCompose();
    if (rows.isEmpty())
        return true; // the screen shows it already
    // A steady sound changes the same rows frame after frame: their region is kept, not made
    // again each time.
    if (rows.translated(at) != m_rcPresented) {
        m_rcPresented = rows.translated(at);
        m_rgnPresented = QRegion(m_rcPresented);
    }
    const QRegion& changed = m_rgnPresented;
    store->beginPaint(changed);
    QPaintDevice* const device = store->paintDevice();
    QImage* const image = device && device->devType() == QInternal::Image ? static_cast<QImage*>(device) : nullptr;
    const bool plain = image && image->devicePixelRatio() == 1 &&
                       (image->format() == QImage::Format_RGB32 || image->format() == QImage::Format_ARGB32 ||
                        image->format() == QImage::Format_ARGB32_Premultiplied);
    if (plain) {
        // Our pixels are opaque: the same words in any of these formats.
        const qsizetype stride = image->bytesPerLine();
        uchar* const origin = image->bits() + at.y() * stride + at.x() * 4;
        if (m_bStoreBehind) {
            // The picture changed without the store: all of it goes there, once.
            ComposeDisplay();
            const auto rowBytes = static_cast<std::size_t>(m_rcClient.width()) * 4;
            for (int y = 0; y < m_rcClient.height(); ++y)
                std::memcpy(origin + y * stride, m_imgDisplay.constScanLine(y), rowBytes);
            m_bStoreBehind = false;
        } else {
            // The store holds what the last frame left: only what changes is written.
            ComposeInto(origin, stride);
            m_bPictureBehind = true;
        }
    }
    store->endPaint();
    if (plain)
        store->flush(changed);
    return plain;
}
