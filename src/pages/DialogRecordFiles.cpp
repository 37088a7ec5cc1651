// The recording options page's files: choosing the output, opening the engine's outputs
// when a recording starts, finishing those that no longer match, and the file to play.

#include "pages/DialogRecord.h"

#include "app/MainWindowPointer.h"
#include "engine/take/TakeNames.h"
#include "platform/Clock.h"
#include "platform/FileDialog.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QTimeEdit>

#include <utility>

void CDialogRecord::OnBrowse()
{
    platform::FileDialogRequest request;
    request.save = true;
    request.fileName = QStringLiteral("audio001");
    request.confirmOverwrite = true;
    const FormatRow* format = FormatOfType(m_nFileType);
    if (!format)
        return;
    request.defaultSuffix = QLatin1String(format->extensions[0]);
    request.filter = QCoreApplication::translate("FileFilter", format->saveFilter);
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
    // A channel whose box is cleared keeps no output, of whatever kind; a type no longer
    // chosen keeps none of its kind.
    const bool dropped[2] = {m_nChannelIndex == 2 && !m_checkLeft->isChecked(),
                             m_nChannelIndex == 2 && !m_checkRight->isChecked()};
    for (const FormatRow& format : Formats()) {
        const QString kind = QLatin1String(format.kind);
        for (int n = 0; n < 2; ++n)
            if (dropped[n] || format.type != m_nFileType)
                m_engine.CloseRecordFile(n, kind);
    }
}

bool CDialogRecord::StartOutputFiles()
{
    return StartOutputFiles(TakeName(platform::CurrentTime()));
}

QString CDialogRecord::TakeName(std::int64_t start)
{
    UpdateData(true);
    return m_checkDated->isChecked() ? DatedPath(m_strFilePath, start) : m_strFilePath;
}

QStringList CDialogRecord::TakeFiles(const QString& name)
{
    UpdateData(true);
    if (m_nChannelIndex != 2)
        return {name};
    // The channel files go beside the file the box names now, whether it was chosen in the
    // dialog or typed: a typed path must not send them to the current directory.
    QStringList files;
    if (m_checkLeft->isChecked())
        files << ChannelPath(name, QStringLiteral("left_channel_"));
    if (m_checkRight->isChecked())
        files << ChannelPath(name, QStringLiteral("right_channel_"));
    return files;
}

bool CDialogRecord::StartOutputFiles(const QString& name)
{
    UpdateData(true);
    if (m_engine.m_nStatus != STATUS_RECORDING)
        return false;
    m_strRecordingPath = name;
    m_engine.SetPartSeconds(PartSeconds());
    m_engine.SetSkipSilence(SkipSilenceChoice());
    if (m_nChannelIndex != 2)
        return m_engine.OpenRecordFile(0, name) != 0;
    SplitPath(m_strFilePath);
    if (m_checkLeft->isChecked() && !m_engine.OpenRecordFile(0, ChannelPath(name, QStringLiteral("left_channel_"))))
        return false;
    if (m_checkRight->isChecked() && !m_engine.OpenRecordFile(1, ChannelPath(name, QStringLiteral("right_channel_"))))
        return false;
    return true;
}

QString CDialogRecord::RecordingFilePath() const
{
    for (int n = 0; n < 2; ++n) {
        if (QString path = m_engine.CurrentTake().OutputPath(n); !path.isEmpty())
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
    request.title = QCoreApplication::translate("CDialogRecord", "Open file to play");
    request.defaultSuffix = QStringLiteral(".wav");
    request.filter = filter;
    return platform::RunFileDialog(GetMainWindow(), request);
}
