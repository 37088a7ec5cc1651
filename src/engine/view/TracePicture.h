#pragma once
// The display's picture: an oscilloscope trace of the newest sound, the left channel in the
// upper band and the right channel in the lower, over a background drawn once. A frame
// walks the trace column by column and composes only the pixels it changes, into the
// display's own picture or straight into its window's store, which goes to the screen in
// one piece.

#include <QBrush>
#include <QColor>
#include <QCoreApplication>
#include <QFont>
#include <QImage>
#include <QPen>
#include <QRect>
#include <QRegion>
#include <QStaticText>

#include <cstdint>
#include <optional>
#include <vector>

class LiveHistory;
class QPainter;
class QWidget;

class TracePicture {
public:
    enum Band : int { BAND_LEFT = 0, BAND_RIGHT = 1 };

    // widget: the display window it is painted in; live: the sound it shows.
    TracePicture(QWidget& widget, const LiveHistory& live);

    // Takes the window's client rectangle; a display that can be seen (shown) also gets its
    // pens and its pictures, with room for every frame: frames only overwrite them.
    void Create(bool shown);
    // Only a display with its pictures draws anything.
    bool IsMade() const { return !m_imgDisplay.isNull(); }
    const QRect& ClientRect() const { return m_rcClient; }

    void SetBackColor(const QColor& colour);
    void DrawBackground(QPainter& painter);
    // The trace of the count samples per channel that end at frame end of the history, in
    // the bands shown; a band with no whole trace to show is left empty.
    void DrawWave(std::uint64_t end, std::uint32_t count, bool showLeft, bool showRight);
    // The bands that area touches show no trace until the next frame draws one.
    void EraseBands(const QRect& area);
    // The display's own picture, composed of the background and the traces.
    void ComposeDisplay();
    // Puts the frame on screen without a repaint; false where it cannot.
    bool PresentFrame();
    // Some widget moved, showed, hid or was restacked: where the display lies in sight is
    // asked of Qt again at the next frame.
    void ForgetPlace() { m_bSightKnown = false; }
    // The paint event: the picture as it stands.
    void Paint();

private:
    // Per band the trace's column spans (rows top to bottom; none when top > bottom).
    struct Column {
        std::int16_t top = 1;
        std::int16_t bottom = 0;
    };

    void FillChannelBand(QPainter& painter, Band band);
    QRect ChannelBandRect(Band band) const;
    void DrawWave16(std::uint32_t count, std::uint64_t first, Band band);
    void DrawWave8(std::uint32_t count, std::uint64_t first, Band band);
    template <typename YOf>
    void WalkBand(Band band, std::uint32_t count, std::uint64_t first, YOf yOf);
    // The first of count points that falls in each column, as both walks place them.
    const std::uint32_t* WalkColumnFirsts(std::uint32_t count);
    void DrawBackgroundPicture();
    QRect RowsToCompose() const;
    void ComposeInto(uchar* bits, qsizetype stride);
    static void DrawTrace(uchar* bits, qsizetype stride, const std::vector<Column>& columns);
    void CatchUpPicture();

    QWidget& m_widget;
    const LiveHistory& m_live;

    QBrush m_brBack;
    QColor m_crBack;
    QRect m_rcClient;
    // Made only for a display that is shown (a parent and a rectangle at its creation).
    std::optional<QPen> m_penWave;
    std::optional<QPen> m_penAxis;

    std::vector<Column> m_traceColumns[2];
    // What the last frame drew of each band, in the picture or straight in the store: the
    // pixels the next one puts back.
    std::vector<Column> m_drawnColumns[2];
    bool m_bTraceShown[2] = {false, false};
    // Whether the display lies whole in sight in its window's store, and where: asked of
    // Qt again only after some widget moved, showed, hid or was restacked. Asking at every
    // frame cost a fifth of painting it.
    bool m_bSightKnown = false;
    bool m_bWholeInSight = false;
    QPoint m_ptInWindow;
    // The last frames went straight to the window's store, and the display's picture lags
    // them; or the picture changed without the store, which lags it.
    bool m_bPictureBehind = false;
    bool m_bStoreBehind = true;
    // The window's rows the last frame went to the screen through, and their region.
    QRect m_rcPresented;
    QRegion m_rgnPresented;
    // The background drawn once, and the picture of the display that frames compose.
    QImage m_imgBackground;
    QImage m_imgDisplay;
    // The first point of each column, kept for the count and width they were found for (the
    // same for every frame): the running sum that places the points would cost as much
    // again as the rest of the trace if it were done for every frame.
    std::vector<std::uint32_t> m_nWalkFirst;
    std::uint32_t m_nWalkCount = 0;
    int m_nWalkWidth = -1;
    // The band names, laid out once rather than on every repaint.
    QFont m_fontLabel;
    QStaticText m_stLabel[2] = {QStaticText(QCoreApplication::translate("TracePicture", "Left")), QStaticText(QCoreApplication::translate("TracePicture", "Right"))};
};
