// The recording options page's room label: the time of sound the disk has room for, in the
// format, rate, width and channels chosen, or those of the take being recorded.

#include "app/RoomOnDisk.h"
#include "pages/DialogRecord.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>

std::optional<std::int64_t> CDialogRecord::RoomLeft() const
{
    QString folder;
    std::uint64_t perSecond = 0;
    if (m_engine.m_nStatus == STATUS_RECORDING) {
        // The files being written, in the format the take was started with.
        const WAVEFORMATEX& format = m_engine.Format();
        const auto channels = static_cast<std::uint16_t>(m_engine.ChannelMode() == CHANNELS_SPLIT ? 1 : format.nChannels);
        for (const QString& path : m_engine.CurrentTake().Files()) {
            folder = QFileInfo(path).path();
            perSecond += FormatOfPath(path).bytesPerSecond(format.nSamplesPerSec, format.wBitsPerSample, channels);
        }
    } else {
        const QString path = m_editFilePath->text();
        if (path.isEmpty())
            return std::nullopt;
        folder = QFileInfo(path).path();
        const auto rate = static_cast<std::uint32_t>(SampleRateAt(m_comboSampleRate->currentIndex()));
        const auto bits = static_cast<std::uint16_t>(m_comboBits->currentIndex() == 1 ? 16 : 8);
        const FormatRow& format = FormatOfPath(path);
        // One file per ticked channel, each of one channel.
        if (m_comboChannel->currentIndex() == static_cast<int>(CHANNELS_SPLIT)) {
            const std::uint64_t files = (m_checkLeft->isChecked() ? 1u : 0u) + (m_checkRight->isChecked() ? 1u : 0u);
            perSecond = format.bytesPerSecond(rate, bits, 1) * files;
        } else {
            perSecond = format.bytesPerSecond(rate, bits, m_comboChannel->currentIndex() == 1 ? 2 : 1);
        }
    }
    return RoomSeconds(folder, perSecond);
}

std::optional<std::int64_t> CDialogRecord::ShowRoom()
{
    const std::optional<std::int64_t> room = RoomLeft();
    const QString text = room ? tr("Room for %1").arg(RoomText(*room)) : QString();
    m_labelRoom->setText(text);
    // A screen reader names it "Room", and reads the figure with it.
    m_labelRoom->setAccessibleDescription(text);
    return room;
}
