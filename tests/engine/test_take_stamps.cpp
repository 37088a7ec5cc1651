// Which files a take of a typed name made with a date in their names, and the date: the
// only files old takes are cleared from, so a name that merely looks alike must never match.

#include "engine/take/TakeNames.h"
#include "platform/LocalTime.h"
#include "support/QStringPrinter.h"

#include <gtest/gtest.h>

TEST(TakeStamps, NamesOfThisProgramsTakesAndNoOthers)
{
    struct Row {
        const char* typed;
        const char* file;
        QDate date; // invalid: not a take of the typed name
    } const rows[] = {
        // dated, in every format's extension; written in lower case whatever was typed
        {"radio.mp3", "radio_2026-12-09_07-00-00.mp3", {2026, 12, 9}},
        {"Radio.MP3", "radio_2026-12-09_07-00-00.mp3", {2026, 12, 9}},
        {"radio.mp3", "radio_2026-12-09_07-00-00.wav", {2026, 12, 9}},
        {"radio.mp3", "radio_2026-12-09_07-00-00.flac", {2026, 12, 9}},
        {"radio.mp3", "radio_2024-02-29_23-59-59.mp3", {2024, 2, 29}},
        // per channel, " (n)" and parts, alone and together
        {"radio.mp3", "left_channel_radio_2026-12-09_07-00-00.mp3", {2026, 12, 9}},
        {"radio.mp3", "radio_2026-12-09_07-00-00 (2).mp3", {2026, 12, 9}},
        {"radio.mp3", "radio_2026-12-09_07-00-00-3.mp3", {2026, 12, 9}},
        {"radio.mp3", "radio_2026-12-09_07-00-00-12.mp3", {2026, 12, 9}},
        {"radio.mp3", "left_channel_radio_2026-12-09_07-00-00 (14)-2.mp3", {2026, 12, 9}},
        // a file per sound, with and without the take's own stamp: the sound's date counts
        {"scan.wav", "scan_2026-12-09_23-59-58.250.wav", {2026, 12, 9}},
        {"scan.wav", "scan_2026-12-09_23-59-58_2026-12-10_00-00-01.003.wav", {2026, 12, 10}},
        {"scan.wav", "scan (2)_2026-12-09_07-00-03.250-2.wav", {2026, 12, 9}},
        {"scan.wav", "right_channel_scan_2026-12-09_07-00-00 (3)_2026-12-09_07-00-03.250.wav", {2026, 12, 9}},
        // the extension typed, or none
        {"radio", "radio_2026-12-09_07-00-00", {2026, 12, 9}},
        {"radio.rec", "radio_2026-12-09_07-00-00.rec", {2026, 12, 9}},
        {"radio.REC", "radio_2026-12-09_07-00-00.rec", {2026, 12, 9}},
        {"radio.rec", "radio_2026-12-09_07-00-00.wav", {2026, 12, 9}},
        {"my.radio.mp3", "my.radio_2026-12-09_07-00-00.mp3", {2026, 12, 9}},
        {"a+b (x).mp3", "a+b (x)_2026-12-09_07-00-00.mp3", {2026, 12, 9}},

        // not a stamp this program writes
        {"radio.mp3", "radio.mp3", {}},
        {"radio.mp3", "radio (2).mp3", {}},
        {"radio.mp3", "radio-2.mp3", {}},
        {"radio.mp3", "radio_2026-12-09.mp3", {}},
        {"radio.mp3", "radio_20261209_070000.mp3", {}},
        {"radio.mp3", "radio-2026-12-09-07-00-00.mp3", {}},
        {"radio.mp3", "radio_2026-12-09 07.00.00.mp3", {}},
        {"radio.mp3", "radio_2026-12-09_07-00-0.mp3", {}},
        {"radio.mp3", "radio_2026-12-09_07-00-00.25.mp3", {}},
        {"radio.mp3", "radio_2026-12-09_07-00-00_2026-12-09_07-00-01.mp3", {}},
        {"radio.mp3", "radio_２０２６-12-09_07-00-00.mp3", {}},
        // impossible dates and times
        {"radio.mp3", "radio_2026-02-30_07-00-00.mp3", {}},
        {"radio.mp3", "radio_2026-12-09_24-00-00.mp3", {}},
        {"radio.mp3", "radio_2026-12-09_07-00-61.mp3", {}},
        {"scan.wav", "scan_2026-12-09_07-00-00_2026-02-30_07-00-03.250.wav", {}},
        {"scan.wav", "scan_2026-02-30_07-00-00_2026-12-09_07-00-03.250.wav", {}},
        // numbers no take gives
        {"radio.mp3", "radio_2026-12-09_07-00-00 (1).mp3", {}},
        {"radio.mp3", "radio_2026-12-09_07-00-00 (02).mp3", {}},
        {"radio.mp3", "radio_2026-12-09_07-00-00-2 (2).mp3", {}},
        // other stems, prefixes and extensions
        {"radio.mp3", "Radio_2026-12-09_07-00-00.mp3", {}},
        {"Radio.mp3", "Radio_2026-12-09_07-00-00.mp3", {}},
        {"radio.mp3", "radio_2026-12-09_07-00-00.WAV", {}},
        {"radio.mp3", "radios_2026-12-09_07-00-00.mp3", {}},
        {"radio.mp3", "old_radio_2026-12-09_07-00-00.mp3", {}},
        {"radio.mp3", "left_radio_2026-12-09_07-00-00.mp3", {}},
        {"radio.mp3", "left_channel_right_channel_radio_2026-12-09_07-00-00.mp3", {}},
        {"radio.mp3", "radio_2026-12-09_07-00-00.txt", {}},
        {"radio.mp3", "radio_2026-12-09_07-00-00.mp3~", {}},
        {"radio.mp3", "radio_2026-12-09_07-00-00", {}},
        {"radio", "radio_2026-12-09_07-00-00.txt", {}},
        {"radio", "radio_2026-12-09_07-00-00\n", {}},
        {"radio.rec", "radio_2026-12-09_07-00-00.REC", {}},
        {"r.dio.mp3", "rxdio_2026-12-09_07-00-00.mp3", {}},
        {"radio.mp3", ".radio_2026-12-09_07-00-00.mp3", {}},
    };
    for (const Row& row : rows) {
        const QString file = QString::fromUtf8(row.file);
        EXPECT_EQ(TakeStamps(QString::fromUtf8(row.typed)).DateOf(file), row.date)
            << row.typed << " / " << file.toStdString();
    }
}

// The names the take makes, composed as a scheduled take in parts per channel makes them,
// are read back with the date they were made on: the maker and the reader cannot drift apart.
TEST(TakeStamps, TheNamesATakeMakesAreReadBack)
{
    // Late in a local day, and a second before midnight for a file per sound, whatever the
    // zone the test runs in.
    const std::int64_t start = platform::FromLocal({2026, 12, 9, 23, 59, 59});
    const std::int64_t soundMs = start * 1000 + 999;
    const QString typed = QStringLiteral("/music/radio.flac");
    const QString dated = DatedPath(typed, start);
    const QString free = FreeName(
        dated, [](const QString& n) { return QStringList{n}; }, [&](const QString& f) { return f == dated; });
    const QStringList made = {dated,
                              free,
                              PartPath(ChannelPath(free, QStringLiteral("left_channel_")), 3),
                              SoundFilePath(ChannelPath(typed, QStringLiteral("right_channel_")), soundMs),
                              PartPath(SoundFilePath(dated, soundMs + 1), 2)};
    const QDate day(2026, 12, 9);
    const QDate expected[] = {day, day, day, day, day.addDays(1)};
    const TakeStamps stamps(QStringLiteral("radio.flac"));
    for (qsizetype i = 0; i < made.size(); ++i)
        EXPECT_EQ(stamps.DateOf(made[i].mid(made[i].lastIndexOf('/') + 1)), expected[i]) << made[i].toStdString();
    EXPECT_NE(free, dated) << "a second take of that second is numbered";
}
