// The recording options page's handlers: channel boxes, source radios and sliders, the
// device list, the save dialog, and the prompt for the file to play.

#include "mixer/MixerFixture.h"
#include "support/WindowFixture.h"

#include "engine/view/LevelMeter.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QApplication>
#include <QDoubleSpinBox>
#include <QFile>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QTest>
#include <QTimeEdit>

#include <tuple>

namespace {

using tests::Mixer;
using tests::Source;

// One device whose microphone (line 0) and line in (line 1) are chosen by a list on the
// destination, with volumes 0 … 1000 below their maximum.
std::vector<platform::MemoryMixerDevice> QuietDevices()
{
    auto device = Mixer({Source("Microphone", tests::MIC, 400), Source("Line In", tests::LINE, 200)},
                        {platform::MemoryMux({"Microphone", "Line In"}, 0)});
    return {device, device, device};
}

} // namespace

class RecordPageControls : public WindowFixture {
protected:
    void UseQuietDevices()
    {
        mixer.SetDevices(QuietDevices());
        Reopen();
    }
    std::uint32_t Volume(int line) { return mixer.Device(0).sources.at(static_cast<std::size_t>(line)).controls.at(0).values.at(0); }
    // The line the destination's list has chosen.
    int ChosenLine()
    {
        const auto& values = mixer.Device(0).destination->controls.at(0).values;
        for (std::size_t i = 0; i < values.size(); ++i)
            if (values[i])
                return static_cast<int>(i);
        return -1;
    }
};

TEST_F(RecordPageControls, SingleChannelEnablesTheChannelBoxesAndOtherModesDisableThemKeepingTheTicks)
{
    Choose(IDC_CHANNEL, 2);
    EXPECT_TRUE(PageEnabled(IDC_LEFT_CHANNEL));
    EXPECT_TRUE(PageEnabled(IDC_RIGHT_CHANNEL));
    ClickOnPage(IDC_LEFT_CHANNEL);
    EXPECT_FALSE(PageControl<QAbstractButton>(IDC_LEFT_CHANNEL)->isChecked());

    Choose(IDC_CHANNEL, 1);
    EXPECT_FALSE(PageEnabled(IDC_LEFT_CHANNEL));
    EXPECT_FALSE(PageEnabled(IDC_RIGHT_CHANNEL));
    EXPECT_FALSE(PageControl<QAbstractButton>(IDC_LEFT_CHANNEL)->isChecked());
    EXPECT_TRUE(PageControl<QAbstractButton>(IDC_RIGHT_CHANNEL)->isChecked());
    EXPECT_EQ(Page().m_nChannelIndex, 1);
}

// Clear at start-up with its picker disabled at one hour; reached by Tab after the browse
// button, ticked with Space, and the picker after it set from the keyboard.
TEST_F(RecordPageControls, NewFileEveryIsSetFromTheKeyboard)
{
    auto* box = PageControl<QAbstractButton>(IDC_NEW_FILE_EVERY);
    auto* picker = PageControl<QTimeEdit>(IDC_PART_LENGTH);
    EXPECT_EQ(box->text(), " New file every");
    EXPECT_FALSE(box->isChecked());
    EXPECT_FALSE(picker->isEnabled());
    EXPECT_EQ(picker->accessibleName(), "New file every");
    EXPECT_EQ(picker->text(), "01:00:00");
    EXPECT_EQ(picker->minimumTime(), QTime(0, 0, 1)) << "a part is never empty";
    EXPECT_EQ(Page().PartSeconds(), 0u);

    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    PageControl(IDC_BROWSE)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), box);
    QTest::keyClick(box, Qt::Key_Space);
    EXPECT_TRUE(picker->isEnabled());
    QTest::keyClick(box, Qt::Key_Tab);
    ASSERT_TRUE(QApplication::focusWidget() == picker || picker->isAncestorOf(QApplication::focusWidget()));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up); // the hours
    EXPECT_EQ(Page().PartSeconds(), 2u * 3600);
    QTest::keyClick(box, Qt::Key_Space);
    EXPECT_FALSE(picker->isEnabled());
    EXPECT_EQ(Page().PartSeconds(), 0u);
}

TEST_F(RecordPageControls, StartupAppliesTheMicrophoneAtTheVolumeShown)
{
    UseQuietDevices();
    EXPECT_EQ(ChosenLine(), 0);
    EXPECT_EQ(Volume(0), 400u);
    EXPECT_EQ(PageControl<QSlider>(IDC_SLIDER_MIC)->value(), 400);
    EXPECT_EQ(PageControl<QSlider>(IDC_SLIDER_LINE_IN)->value(), 200);
}

TEST_F(RecordPageControls, ClickingLineInMakesItTheSourceAtItsMaximum)
{
    UseQuietDevices();
    ClickOnPage(IDC_LINE_IN);
    EXPECT_EQ(Page().m_nSource, 1);
    EXPECT_EQ(ChosenLine(), 1);
    EXPECT_EQ(Volume(1), 1000u);
    EXPECT_EQ(PageControl<QSlider>(IDC_SLIDER_LINE_IN)->value(), 1000);
    EXPECT_EQ(PageControl<QSlider>(IDC_SLIDER_MIC)->value(), 400);

    ClickOnPage(IDC_MICROPHONE);
    EXPECT_EQ(ChosenLine(), 0);
    EXPECT_EQ(Volume(0), 1000u);
    EXPECT_EQ(PageControl<QSlider>(IDC_SLIDER_MIC)->value(), 1000);
}

TEST_F(RecordPageControls, ReleasingASliderAppliesItsVolumeAndLineWithoutTouchingTheRadios)
{
    UseQuietDevices();
    auto* line = PageControl<QSlider>(IDC_SLIDER_LINE_IN);
    line->setValue(300);
    EXPECT_EQ(Volume(1), 200u) << "moving alone applies nothing";
    emit line->sliderReleased();
    EXPECT_EQ(Volume(1), 300u);
    EXPECT_EQ(ChosenLine(), 1);
    EXPECT_TRUE(PageControl<QRadioButton>(IDC_MICROPHONE)->isChecked());
}

TEST_F(RecordPageControls, ChangingTheDeviceSelectsItInTheEngineAndKeepsTheSliders)
{
    UseQuietDevices();
    mixer.Device(2).sources.at(0).controls.at(0).maximum = 5000;
    Choose(IDC_DEVICE, 2);
    EXPECT_EQ(Page().m_nDevice, 2);
    EXPECT_EQ(Engine().m_nDeviceID, 2u);
    EXPECT_EQ(PageControl<QSlider>(IDC_SLIDER_MIC)->maximum(), 1000);
}

TEST_F(RecordPageControls, BrowseProposesAudio001WithTheTypesExtensionAndFilter)
{
    dialogs.Answer(Path("Take One.mp3"));
    ClickOnPage(IDC_BROWSE);
    ASSERT_EQ(dialogs.Requests().size(), 1u);
    const auto& mp3 = dialogs.Requests()[0];
    EXPECT_TRUE(mp3.save);
    EXPECT_TRUE(mp3.confirmOverwrite);
    EXPECT_EQ(mp3.fileName, "audio001");
    EXPECT_EQ(mp3.defaultSuffix, "mp3");
    EXPECT_EQ(mp3.filter, "mp3 files(*.mp3)|*.mp3||");
    EXPECT_EQ(PageControl<QLineEdit>(IDC_FILE_PATH)->text(), Path("Take One.mp3"));
    EXPECT_EQ(Page().m_strFilePath, Path("Take One.mp3"));
    EXPECT_EQ(Page().m_strFolder, dir.path() + "/");
    EXPECT_EQ(Page().m_strFileName, "Take One.mp3");

    Choose(IDC_FILE_TYPE, 1);
    ClickOnPage(IDC_BROWSE); // cancelled: nothing changes
    ASSERT_EQ(dialogs.Requests().size(), 2u);
    const auto& wave = dialogs.Requests()[1];
    EXPECT_EQ(wave.defaultSuffix, "wav");
    EXPECT_EQ(wave.filter, "wav files(*.wav)|*.wav|wave files(*.wave)|*.wave||");
    EXPECT_EQ(PageControl<QLineEdit>(IDC_FILE_PATH)->text(), Path("Take One.mp3"));
    EXPECT_EQ(Page().m_strFileName, "Take One.mp3");

    for (const char* type : {"flac", "opus"}) {
        Choose(IDC_FILE_TYPE, PageControl<QComboBox>(IDC_FILE_TYPE)->findText(QLatin1String(type)));
        ClickOnPage(IDC_BROWSE);
        const auto& request = dialogs.Requests().back();
        EXPECT_EQ(request.defaultSuffix, QLatin1String(type));
        EXPECT_EQ(request.filter, QStringLiteral("%1 files(*.%1)|*.%1||").arg(QLatin1String(type)));
    }
}

TEST_F(RecordPageControls, TypingAPathChangesOnlyThePath)
{
    TypePath(Path("typed.wav"));
    Page().UpdateData(true);
    EXPECT_EQ(Page().m_strFilePath, Path("typed.wav"));
    EXPECT_TRUE(Page().m_strFolder.isEmpty());
    EXPECT_TRUE(Page().m_strFileName.isEmpty());
}

TEST(FileDialogFilters, PairsBecomeNameFilters)
{
    EXPECT_EQ(platform::ToNameFilters("mp3 files(*.mp3)|*.mp3||"), QStringList{"mp3 files(*.mp3)"});
    EXPECT_EQ(platform::ToNameFilters("wav files(*.wav)|*.wav|wave files(*.wave)|*.wave||"),
              (QStringList{"wav files(*.wav)", "wave files(*.wave)"}));
    EXPECT_EQ(platform::ToNameFilters("Sound|*.wav;*.mp3||"), QStringList{"Sound (*.wav *.mp3)"});
    EXPECT_EQ(platform::ToNameFilters(PlayFilter()),
              (QStringList{"Sound files (*.wav *.mp3 *.flac *.opus)", "Wave files(*.wav)", "MP3 files(*.mp3)",
                           "FLAC files(*.flac)", "Opus files(*.opus)"}));
}

TEST_F(RecordPageControls, FileToPlayIsAskedForUnlessTheGivenOneExists)
{
    const QString existing = Path("here.wav");
    QFile file(existing);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    EXPECT_EQ(ChooseFileToPlay(existing, "Wave files(*.wav)|*.wav||"), existing);
    EXPECT_TRUE(dialogs.Requests().empty());

    dialogs.Answer(existing);
    EXPECT_EQ(ChooseFileToPlay(Path("missing.wav"), "Wave files(*.wav)|*.wav||"), existing);
    EXPECT_EQ(ChooseFileToPlay(QString(), "Wave files(*.wav)|*.wav||"), QString()); // cancelled
    ASSERT_EQ(dialogs.Requests().size(), 2u);
    const auto& request = dialogs.Requests()[1];
    EXPECT_FALSE(request.save);
    EXPECT_EQ(request.title, "Open file to play");
    EXPECT_EQ(request.defaultSuffix, ".wav");
    EXPECT_EQ(request.filter, "Wave files(*.wav)|*.wav||");
    EXPECT_TRUE(request.fileName.isEmpty());
}

// Clear at start-up with its controls disabled at their defaults; ticked with Space, the
// level and the time set from the keyboard and through their accessible values; the meters
// mark the level while it is ticked; all are fixed while recording.
TEST_F(RecordPageControls, SkipSilenceIsSetFromTheKeyboardAndMarkedOnTheMeters)
{
    auto* box = PageControl<QAbstractButton>(IDC_SKIP_SILENCE);
    auto* level = PageControl<QSpinBox>(IDC_SILENCE_LEVEL);
    auto* after = PageControl<QDoubleSpinBox>(IDC_SILENCE_AFTER);
    auto* perSound = PageControl<QAbstractButton>(IDC_FILE_PER_SOUND);
    auto* meter = Main<CLevelMeter>(IDC_LEVEL_LEFT);
    EXPECT_EQ((QStringList{box->text(), perSound->text(), level->accessibleName(), after->accessibleName()}),
              (QStringList{" Skip silence", " New file for each sound", "Silence below", "Silence after"}));
    const auto range = [](QWidget* w) {
        QAccessibleValueInterface* v = QAccessible::queryAccessibleInterface(w)->valueInterface();
        return std::vector{v->minimumValue().toDouble(), v->currentValue().toDouble(), v->maximumValue().toDouble()};
    };
    EXPECT_EQ(range(level), (std::vector{-70.0, -45.0, -10.0}));
    EXPECT_EQ(range(after), (std::vector{0.5, 3.0, 60.0}));
    EXPECT_FALSE(box->isChecked() || perSound->isChecked() || level->isEnabled() || after->isEnabled() || perSound->isEnabled());
    EXPECT_FALSE(meter->SilenceMark());

    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    const auto tabTo = [](QWidget* from, QWidget* to) {
        QTest::keyClick(from, Qt::Key_Tab);
        return QApplication::focusWidget() == to || to->isAncestorOf(QApplication::focusWidget());
    };
    box->setFocus(Qt::TabFocusReason);
    QTest::keyClick(box, Qt::Key_Space);
    EXPECT_TRUE(level->isEnabled() && after->isEnabled() && perSound->isEnabled());
    EXPECT_EQ(meter->SilenceMark(), -45.0);
    ASSERT_TRUE(tabTo(box, level));
    QTest::keyClick(level, Qt::Key_Up);
    EXPECT_EQ(meter->SilenceMark(), -44.0);
    ASSERT_TRUE(tabTo(level, after));
    QTest::keyClick(after, Qt::Key_Down);
    QAccessible::queryAccessibleInterface(level)->valueInterface()->setCurrentValue(-70);
    EXPECT_EQ(meter->SilenceMark(), -70.0);
    ASSERT_TRUE(tabTo(after, perSound));
    QTest::keyClick(perSound, Qt::Key_Space);
    const SkipSilence choice = Page().SkipSilenceChoice();
    EXPECT_EQ((std::tuple{choice.enabled, choice.levelDb, choice.afterSeconds, choice.filePerSound}),
              (std::tuple{true, -70.0, 2.5, true}));

    PrepareWave(Path("take.wav"));
    Click(IDC_RECORD);
    EXPECT_FALSE(box->isEnabled() || level->isEnabled() || after->isEnabled() || perSound->isEnabled());
    Click(IDC_STOP);
    Pump();
    QTest::keyClick(box, Qt::Key_Space);
    EXPECT_FALSE(meter->SilenceMark());
    EXPECT_FALSE(Page().SkipSilenceChoice().filePerSound) << "no file per sound without skipping";
}
