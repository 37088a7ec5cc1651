// The recording options page's files: choosing the output, opening the engine's outputs
// when a recording starts, finishing those that no longer match, and the file to play.

#include "pages/DialogRecord.h"

#include "app/MainWindowPointer.h"
#include "platform/FileDialog.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QTimeEdit>

void CDialogRecord::OnBrowse()
{
    platform::FileDialogRequest request;
    request.save = true;
    request.fileName = QStringLiteral("audio001");
    request.confirmOverwrite = true;
    if (m_nFileType == 0) {
        request.defaultSuffix = QStringLiteral("mp3");
        request.filter = QStringLiteral("mp3 files(*.mp3)|*.mp3||");
    } else if (m_nFileType == 1) {
        request.defaultSuffix = QStringLiteral("wav");
        request.filter = QStringLiteral("wav files(*.wav)|*.wav|wave files(*.wave)|*.wave||");
    } else {
        return;
    }
    const QString path = platform::RunFileDialog(this, request);
    if (path.isEmpty())
        return;
    m_strFilePath = path;
    SplitPath(path);
    UpdateData(false);
}

void CDialogRecord::SplitPath(const QString& path)
{
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    m_strFolder = path.left(slash + 1);
    m_strFileName = path.mid(slash + 1);
}

void CDialogRecord::OnSelChangeFileType()
{
    m_nPrevFileType = m_nFileType;
    UpdateData(true);
    if (m_nFileType != m_nPrevFileType)
        CloseUnusedOutputs();
    UpdateControls();
}

void CDialogRecord::OnChannelBox(QCheckBox* box)
{
    // Ticking a box again opens nothing: that channel's file stays finished.
    if (!box->isChecked())
        CloseUnusedOutputs();
}

void CDialogRecord::CloseUnusedOutputs()
{
    const QString wav = QStringLiteral("wav");
    const QString mp3 = QStringLiteral("mp3");
    if (m_nChannelIndex == 2 && !m_checkLeft->isChecked()) {
        m_engine.CloseRecordFile(0, wav);
        m_engine.CloseRecordFile(0, mp3);
    }
    if (m_nChannelIndex == 2 && !m_checkRight->isChecked()) {
        m_engine.CloseRecordFile(1, wav);
        m_engine.CloseRecordFile(1, mp3);
    }
    if (m_nFileType != 1) {
        m_engine.CloseRecordFile(0, wav);
        m_engine.CloseRecordFile(1, wav);
    }
    if (m_nFileType != 0) {
        m_engine.CloseRecordFile(0, mp3);
        m_engine.CloseRecordFile(1, mp3);
    }
}

bool CDialogRecord::StartOutputFiles()
{
    UpdateData(true);
    if (m_engine.m_nStatus != STATUS_RECORDING)
        return false;
    m_strRecordingPath = m_strFilePath;
    m_engine.SetPartSeconds(PartSeconds());
    m_engine.SetSkipSilence(SkipSilenceChoice());
    if (m_nChannelIndex != 2)
        return m_engine.OpenRecordFile(0, m_strFilePath) != 0;
    // The channel files go beside the file the box names now, whether it was chosen in the
    // dialog or typed: a typed path must not send them to the current directory.
    SplitPath(m_strFilePath);
    if (m_checkLeft->isChecked() &&
        !m_engine.OpenRecordFile(0, m_strFolder + QStringLiteral("left_channel_") + m_strFileName))
        return false;
    if (m_checkRight->isChecked() &&
        !m_engine.OpenRecordFile(1, m_strFolder + QStringLiteral("right_channel_") + m_strFileName))
        return false;
    return true;
}

QString CDialogRecord::RecordingFilePath() const
{
    for (int n = 0; n < 2; ++n) {
        if (QString path = m_engine.OutputPath(n); !path.isEmpty())
            return path;
    }
    return {};
}

std::uint32_t CDialogRecord::PartSeconds() const
{
    if (!m_checkParts->isChecked())
        return 0;
    return static_cast<std::uint32_t>(m_timeParts->time().msecsSinceStartOfDay() / 1000);
}

QString ChooseFileToPlay(const QString& initialPath, const QString& filter)
{
    if (!initialPath.isEmpty() && QFileInfo(initialPath).isFile())
        return initialPath;
    platform::FileDialogRequest request;
    request.title = QStringLiteral("Open file to play");
    request.defaultSuffix = QStringLiteral(".wav");
    request.filter = filter;
    return platform::RunFileDialog(GetMainWindow(), request);
}
