// The engine's trace, checked pixel by pixel on a shown display 200 x 100: black bands, blue
// centre line and frame, white traces (left above, right below), erasing, and no repaint
// while nobody can see the window. Frames come as a manual clock moves on.

#include "engine/view/LevelMeter.h"
#include "platform/Clock.h"
#include "support/EngineFixture.h"
#include "support/EngineTestAccess.h"
#include "support/PaintCounter.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QEvent>
#include <QImage>
#include <QScreen>
#include <QTest>

#include <algorithm>
#include <functional>
#include <string>

namespace {

constexpr int WIDTH = 200;
constexpr int HEIGHT = 100; // even: the row above the centre line belongs to no band
const QRgb BLACK = qRgb(0, 0, 0);
const QRgb BLUE = qRgb(0, 0, 255);
const QRgb WHITE = qRgb(255, 255, 255);

// Inside the frame: the upper band's rows 1..48 and the lower band's rows 51..98.
const QRect UPPER_INSIDE(1, 1, WIDTH - 2, 48);
const QRect LOWER_INSIDE(1, 51, WIDTH - 2, 48);

int CountWhite(const QImage& image, const QRect& area)
{
    int white = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            white += image.pixel(x, y) == WHITE ? 1 : 0;
    return white;
}

// The band holds one flat white line, across the whole band, at row y.
void ExpectFlatLine(const QImage& image, const QRect& band, int y)
{
    const QRect row(band.left(), y, band.width(), 1);
    EXPECT_EQ(CountWhite(image, row), band.width()) << "row " << y;
    EXPECT_EQ(CountWhite(image, band), band.width()) << "white outside row " << y;
}

using Frame = std::pair<std::int16_t, std::int16_t>; // left, right

} // namespace

class WaveformTest : public EngineFixture {
protected:
    // The display laid over a frame of a shown window, as the options page lays it.
    void ShowDisplay(std::uint32_t device)
    {
        window.resize(WIDTH + 40, HEIGHT + 40);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        const QRect rect(20, 20, WIDTH, HEIGHT);
        ASSERT_EQ(engine->Create(device, &window, &rect, &EngineFixture::Notify, this), 1);
        ASSERT_TRUE(engine->isVisible());
    }

    QImage Shot() const { return engine->grab().toImage().convertToFormat(QImage::Format_RGB32); }
    // What the window shows where the display is.
    QImage OnScreen() const
    {
        const QPoint at = engine->mapTo(&window, QPoint(0, 0));
        return window.screen()->grabWindow(window.winId(), at.x(), at.y(), WIDTH, HEIGHT).toImage().convertToFormat(QImage::Format_RGB32);
    }

    // One full capture buffer comes back.
    void FeedOneBuffer() { Feed(4096u / engine->Format().nBlockAlign); }

    // Sound and time go on together in steps of 10 ms, at 44100 Hz.
    void RunSteps(int steps)
    {
        for (int step = 0; step < steps; ++step) {
            audio.Advance(441);
            Pump();
            clock.Advance(10);
        }
        QCoreApplication::processEvents();
    }

    // Time passes for the display's frames, enough for them to reach the newest sound even
    // at 8000 Hz, where a buffer of 8-bit mono lasts half a second.
    void ShowFrames()
    {
        clock.Advance(600);
        QCoreApplication::processEvents();
    }

    // A 44100 Hz 16-bit stereo file holding the given frames.
    QString StereoFile(const QString& name, const std::vector<Frame>& frames)
    {
        Bytes data;
        data.reserve(frames.size() * 4);
        for (const auto& [left, right] : frames) {
            for (const std::int16_t sample : {left, right}) {
                const Bytes le = Le16(static_cast<std::uint16_t>(sample));
                data.insert(data.end(), le.begin(), le.end());
            }
        }
        WriteFile(Path(name), PcmWave(2, 44100, 16, data));
        return Path(name);
    }

    platform::ManualClock clock{0};
    QWidget window; // outlives the engine, its child: the fixture's TearDown destroys the engine
};

TEST_F(WaveformTest, EmptyDisplayIsBlackBandsInABlueFrameWithABlueCentreLine)
{
    ShowDisplay(SILENCE);
    const QImage image = Shot();
    ASSERT_EQ(image.size(), QSize(WIDTH, HEIGHT));
    EXPECT_EQ(image.pixel(WIDTH / 2, 25), BLACK);
    EXPECT_EQ(image.pixel(WIDTH / 2, 75), BLACK);
    EXPECT_EQ(image.pixel(WIDTH / 2, 49), BLACK); // between the bands, not the window behind
    for (int x : {0, 1, WIDTH / 2, WIDTH - 1})
        EXPECT_EQ(image.pixel(x, 50), BLUE) << "centre line at x " << x;
    for (int y : {0, 20, 80, HEIGHT - 1}) {
        EXPECT_EQ(image.pixel(0, y), BLUE) << "left edge at y " << y;
        EXPECT_EQ(image.pixel(WIDTH - 1, y), BLUE) << "right edge at y " << y;
    }
    EXPECT_EQ(image.pixel(WIDTH / 2, 0), BLUE);
    EXPECT_EQ(image.pixel(WIDTH / 2, HEIGHT - 1), BLUE);
    EXPECT_EQ(CountWhite(image, image.rect()), 0);
}

TEST_F(WaveformTest, SilenceDrawsAFlatLineInTheMiddleOfEachBandAndStopErasesIt)
{
    ShowDisplay(SILENCE);
    // 16-bit silence is 0, 8-bit silence 128: both land in the middle of each band (the upper
    // band spans rows 0..48, the lower 50..99).
    for (const std::uint16_t bits : {16, 8}) {
        SCOPED_TRACE(bits);
        ASSERT_TRUE(engine->StartRecord(bits, CHANNELS_STEREO, 44100));
        ASSERT_TRUE(engine->OpenRecordFile(0, Path(QStringLiteral("silence%1.wav").arg(bits))));
        FeedOneBuffer();
        ShowFrames();
        QImage image = Shot();
        ExpectFlatLine(image, UPPER_INSIDE, 24);
        ExpectFlatLine(image, LOWER_INSIDE, 75);
        EXPECT_EQ(image.pixel(WIDTH / 2, 50), BLUE);

        // The whole ring fills before Stop and comes back after it: written, but not shown.
        audio.Advance(EngineTestAccess::BufferCount(*engine) * 4096u / engine->Format().nBlockAlign);
        engine->Stop();
        Pump();
        ASSERT_EQ(engine->m_nStatus, STATUS_READY);
        image = Shot();
        EXPECT_EQ(CountWhite(image, image.rect()), 0);
    }
}

TEST_F(WaveformTest, MonoShowsTheSameSoundInBothBandsAndKeepsMovingWhilePaused)
{
    ShowDisplay(SILENCE);
    ASSERT_TRUE(engine->StartRecord(8, CHANNELS_MONO, 8000));
    engine->m_bPause = 1;
    FeedOneBuffer();
    ShowFrames();
    const QImage image = Shot();
    ExpectFlatLine(image, UPPER_INSIDE, 24);
    ExpectFlatLine(image, LOWER_INSIDE, 75);
    StopAndSettle();
}

TEST_F(WaveformTest, SplitRecordingDrawsOnlyTheChannelsWhoseFileIsOpen)
{
    ShowDisplay(SILENCE);
    ASSERT_TRUE(engine->StartRecord(16, CHANNELS_SPLIT, 44100));
    ASSERT_TRUE(engine->OpenRecordFile(1, Path("right.wav")));
    FeedOneBuffer();
    ShowFrames();
    QImage image = Shot();
    EXPECT_EQ(CountWhite(image, UPPER_INSIDE), 0);
    ExpectFlatLine(image, LOWER_INSIDE, 75);

    engine->CloseRecordFile(1, QStringLiteral("wav"));
    ASSERT_TRUE(engine->OpenRecordFile(0, Path("left.wav")));
    FeedOneBuffer();
    ShowFrames();
    image = Shot();
    ExpectFlatLine(image, UPPER_INSIDE, 24);
    EXPECT_EQ(CountWhite(image, LOWER_INSIDE), 0);
    StopAndSettle();
}

TEST_F(WaveformTest, ChoosingADeviceErasesTheLowerBandOnly)
{
    ShowDisplay(SILENCE);
    ASSERT_TRUE(engine->StartRecord(16, CHANNELS_STEREO, 44100));
    FeedOneBuffer();
    ShowFrames();
    engine->SelectDevice(SINE);
    Pump();
    const QImage image = Shot();
    ExpectFlatLine(image, UPPER_INSIDE, 24);
    EXPECT_EQ(CountWhite(image, LOWER_INSIDE), 0);
}

TEST_F(WaveformTest, PlaybackShowsTheBufferJustQueuedScaledAndSigned)
{
    ShowDisplay(SILENCE);
    // Eight buffers fill the ring of a 44100 Hz 16-bit stereo file; only the last one queued
    // holds sound: +16384 on the left, -16384 on the right.
    std::vector<Frame> frames(8 * 1024, {0, 0});
    std::fill(frames.begin() + 7 * 1024, frames.end(), Frame{16384, -16384});
    ASSERT_EQ(engine->Play(StereoFile("quarter.wav", frames)), 1);
    ASSERT_EQ(EngineTestAccess::BufferCount(*engine), 8);
    ShowFrames();
    const QImage image = Shot();
    // Full scale is half the band's height each way, and a positive sample lies below the
    // band's middle: a quarter of the band (12 rows) below row 24, and above row 75.
    ExpectFlatLine(image, UPPER_INSIDE, 36);
    ExpectFlatLine(image, LOWER_INSIDE, 63);
    StopAndSettle();
}

// A square wave is one unbroken line: each column's white pixels are one run at the wave's
// rows, and it meets the run of the column before, jumps included.
TEST_F(WaveformTest, ASquareWaveIsDrawnAsOneConnectedLine)
{
    ShowDisplay(SILENCE);
    std::vector<Frame> frames(8 * 1024, {0, 0});
    // Half periods of 37 frames: the jumps fall at every place within a column.
    for (std::size_t i = 7 * 1024; i < frames.size(); ++i)
        frames[i] = (i / 37) % 2 ? Frame{16384, 16384} : Frame{-16384, -16384};
    ASSERT_EQ(engine->Play(StereoFile("square.wav", frames)), 1);
    ShowFrames();
    const QImage image = Shot();
    std::pair<int, int> before{-1, -1};
    for (int x = UPPER_INSIDE.left(); x <= UPPER_INSIDE.right(); ++x) {
        const QRect column(x, UPPER_INSIDE.top(), 1, UPPER_INSIDE.height());
        const int top = image.pixel(x, 12) == WHITE ? 12 : 36;
        const int bottom = image.pixel(x, 36) == WHITE ? 36 : 12;
        EXPECT_EQ(CountWhite(image, column), bottom - top + 1) << "column " << x;
        EXPECT_TRUE(before.first < 0 || (top <= before.second && bottom >= before.first)) << "column " << x;
        before = {top, bottom};
    }
    StopAndSettle();
}

TEST_F(WaveformTest, ABufferWithNoBytesClearsBothBands)
{
    ShowDisplay(SILENCE);
    // The first buffer gets the file's 25 frames; the seven after it get nothing, and each of
    // them is drawn as it is queued.
    ASSERT_EQ(engine->Play(StereoFile("short.wav", std::vector<Frame>(25))), 1);
    ShowFrames();
    const QImage image = Shot();
    EXPECT_EQ(CountWhite(image, image.rect()), 0);
    EXPECT_EQ(image.pixel(WIDTH / 2, 50), BLUE);
    StopAndSettle();
}

TEST_F(WaveformTest, FramesArePaintedAtTheFrameRateOnlyWhileSomeoneCanSeeThem)
{
    // A second of sound, in steps of 10 ms, for each way of being out of sight: a shown
    // display paints at the frame rate, the others paint nothing and ask for nothing.
    ShowDisplay(SILENCE);
    PaintCounter counter;
    counter.Watch({engine.get(), &window});
    int frames = 0;
    QObject::connect(engine.get(), &CAudioPlayRec::FrameShown, [&] { ++frames; });
    ASSERT_TRUE(engine->StartRecord(16, CHANNELS_STEREO, 44100));
    const std::pair<std::string, std::function<void(bool)>> ways[] = {
        {"shown", [](bool) {}},
        {"minimised", [&](bool away) { away ? window.showMinimized() : window.showNormal(); }},
        {"hidden", [&](bool away) { away ? window.hide() : window.show(); }},
        {"locked", [&](bool away) { engine->SetScreenLocked(away); }},
    };
    for (const auto& [name, away] : ways) {
        SCOPED_TRACE(name);
        away(true);
        QCoreApplication::processEvents();
        counter.paints = counter.requests = frames = 0;
        const auto buffersBefore = std::count(notifications.begin(), notifications.end(), MM_WIM_DATA);
        RunSteps(100);
        if (name == "shown") {
            // At least 25 frames a second, not one per buffer; on screen as the picture is.
            EXPECT_GE(frames, 25);
            EXPECT_LT(frames, std::count(notifications.begin(), notifications.end(), MM_WIM_DATA) - buffersBefore);
            EXPECT_EQ(OnScreen(), Shot());
        } else {
            EXPECT_EQ(frames, 0);
            EXPECT_EQ(counter.paints, 0);
            EXPECT_EQ(counter.requests, 0);
        }
        // Back in sight, the display shows the sound as it is at once.
        away(false);
        QCoreApplication::processEvents();
        ExpectFlatLine(OnScreen(), UPPER_INSIDE, 24);
        ExpectFlatLine(OnScreen(), LOWER_INSIDE, 75);
    }
    StopAndSettle();
}

TEST_F(WaveformTest, FramesGoStraightToTheScreenOnlyWhileNoWidgetCoversTheDisplay)
{
    ShowDisplay(0);
    PaintCounter counter;
    counter.Watch({engine.get()});
    ASSERT_TRUE(engine->StartRecord(16, CHANNELS_STEREO, 44100));
    QWidget cover(&window); // made after the display, so above it
    cover.setAutoFillBackground(true);
    cover.setPalette(QPalette(Qt::red));
    cover.setGeometry(engine->geometry().adjusted(10, 10, -10, -10));
    const QPoint over = cover.pos();
    for (const auto& [change, covered] : std::initializer_list<std::pair<std::function<void()>, bool>>{
             {[] {}, false}, {[&] { cover.show(); }, true}, {[&] { cover.hide(); }, false},
             {[&] { cover.show(); }, true}, {[&] { cover.move(over + QPoint(0, HEIGHT)); }, false},
             {[&] { cover.move(over); }, true}, {[&] { engine->raise(); }, false}, {[&] { cover.raise(); }, true}}) {
        change();
        RunSteps(20);
        counter.paints = 0;
        RunSteps(20);
        // Uncovered, frames reach the screen with no paint event; covered, Qt paints them
        // around what covers the display.
        EXPECT_EQ(OnScreen().pixel(WIDTH / 2, HEIGHT / 2) == qRgb(255, 0, 0), covered);
        if (!covered) {
            EXPECT_EQ(counter.paints, 0);
            EXPECT_EQ(OnScreen(), Shot());
        }
    }
    StopAndSettle();
}

TEST_F(WaveformTest, PiecesOfNinetyMsAreSpreadOverSteadyFramesDrawnOncePerFrame)
{
    // A device that hands over 90 ms at a time; time passes in steps of 5 ms.
    UseCaptureDevices({{.name = QStringLiteral("Ninety"), .fragmentFrames = 3969}});
    ShowDisplay(0);
    int frames = 0;
    QObject::connect(engine.get(), &CAudioPlayRec::FrameShown, [&] { ++frames; });
    ASSERT_TRUE(engine->StartRecord(16, CHANNELS_STEREO, 44100));
    std::vector<std::int64_t> paintedAt;
    std::vector<std::uint64_t> shown;
    for (int step = 0; step < 400; ++step) {
        audio.Advance(4410 / 20);
        Pump();
        clock.Advance(5);
        if (frames > static_cast<int>(paintedAt.size())) {
            paintedAt.push_back(clock.NowMs());
            shown.push_back(EngineTestAccess::ShownFrames(*engine));
        }
    }
    // From the first piece on, a frame at least every 50 ms, each further into the sound:
    // not a jump at each piece and stillness in between.
    const auto first = std::find_if(shown.begin(), shown.end(), [](std::uint64_t s) { return s > 0; });
    ASSERT_NE(first, shown.end()) << frames << " frames, the last at " << EngineTestAccess::ShownFrames(*engine);
    for (auto i = static_cast<std::size_t>(first - shown.begin()) + 1; i < shown.size(); ++i) {
        EXPECT_LE(paintedAt[i] - paintedAt[i - 1], 50) << "at " << paintedAt[i] << " ms";
        EXPECT_GT(shown[i], shown[i - 1]) << "at " << paintedAt[i] << " ms";
    }
    // Once per frame, not once per buffer: four buffers come with each piece.
    const auto buffers = std::count(notifications.begin(), notifications.end(), MM_WIM_DATA);
    EXPECT_GE(buffers, 70);
    EXPECT_LT(frames, buffers * 2 / 3);
    StopAndSettle();
}

TEST_F(WaveformTest, MetersRiseAtOnceFallTwentyDbASecondAndHoldThePeakForOneAndAHalf)
{
    // Half a second of a sine at half of full scale (-6.02 dBFS), then silence.
    UseCaptureDevices({{.name = QStringLiteral("Burst"), .soundFrames = 22050}});
    ShowDisplay(0);
    CLevelMeter left(QStringLiteral("Left"));
    CLevelMeter right(QStringLiteral("Right"));
    engine->AttachMeters(&left, &right);
    // Assistive tools read the level shown, in dBFS from -60 (silence) to 0.
    QAccessibleInterface* meter = QAccessible::queryAccessibleInterface(&left);
    EXPECT_EQ(meter->text(QAccessible::Name), "Left level");
    QAccessibleValueInterface* value = meter->valueInterface();
    ASSERT_NE(value, nullptr);
    EXPECT_EQ((std::vector{value->minimumValue().toDouble(), value->maximumValue().toDouble(),
                           value->currentValue().toDouble()}),
              (std::vector{-60.0, 0.0, -60.0}));
    ASSERT_TRUE(engine->StartRecord(16, CHANNELS_STEREO, 44100));
    struct Seen {
        std::int64_t ms;
        double level, hold, spoken;
        QString tip;
    };
    std::vector<Seen> seen;
    for (int step = 0; step < 400; ++step) {
        audio.Advance(441);
        Pump();
        clock.Advance(10);
        seen.push_back({clock.NowMs(), left.Level(), left.Hold(), value->currentValue().toDouble(), left.ToolTipText()});
    }
    const double peak = -6.02;
    // The first level shown above silence is the peak itself.
    const auto rose = std::find_if(seen.begin(), seen.end(), [](const Seen& s) { return s.level > -60; });
    ASSERT_NE(rose, seen.end());
    EXPECT_NEAR(rose->level, peak, 0.05);
    EXPECT_NEAR(rose->spoken, peak, 0.05);
    EXPECT_EQ(rose->tip, "Left: -6.0 dBFS, peak held at -6.0 dBFS");
    // The fall starts after the last frame at the peak (within one frame and one step,
    // 48 ms: 0.96 dB).
    const auto last = std::find_if(seen.rbegin(), seen.rend(), [&](const Seen& s) { return s.level > peak - 0.05; });
    ASSERT_NE(last, seen.rend());
    const std::int64_t t0 = last->ms;
    for (const Seen& s : seen) {
        const double after = static_cast<double>(s.ms - t0);
        if (after <= 0 || after > 2500)
            continue;
        EXPECT_NEAR(s.level, std::max(-60.0, peak - 0.020 * after), 1.0) << after << " ms after the peak";
        if (after < 1450) {
            EXPECT_NEAR(s.hold, peak, 0.05) << after << " ms after the peak";
        } else if (after > 1550) {
            EXPECT_EQ(s.hold, s.level) << after << " ms after the peak";
        }
    }
    EXPECT_EQ(left.Level(), -60.0);
    EXPECT_EQ(right.Level(), -60.0);
    StopAndSettle();
}
