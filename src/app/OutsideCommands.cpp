// The main window asked from outside, by a later start of the program: its Record, Stop and
// Pause buttons pressed, with what came of it answered.

#include "app/TessavoxDlg.h"

#include "platform/ShowMessage.h"
#include "platform/SingleInstance.h"

#include <QApplication>
#include <QTimer>

QString CTessavoxDlg::RecordRefusedWhileBusy() const
{
    // The Record button is disabled then; a command says why instead.
    switch (m_pageRecord.m_engine.m_nStatus) {
    case STATUS_RECORDING:
        return tr("Tessavox is already recording.");
    case STATUS_PLAYING:
        return tr("Tessavox is playing a file; stop it first.");
    case STATUS_STOPPING:
        return tr("Tessavox is still closing the last recording; try again in a moment.");
    default:
        return {};
    }
}

platform::CommandAnswer CTessavoxDlg::RunOutsideCommand(WindowCommand command)
{
    // A box or a question waits for the user, and the buttons are out of reach until it is
    // answered: a command would act behind it, on a window the answer is about.
    if (const QWidget* modal = QApplication::activeModalWidget(); modal && modal != this)
        return {false, tr("Tessavox is waiting for an answer in its window.")};
    if (command == WindowCommand::Record)
        if (QString busy = RecordRefusedWhileBusy(); !busy.isEmpty())
            return {false, busy};

    std::vector<platform::ShownMessage> boxes;
    bool done = true;
    {
        // Nobody may be at the window to close a box, and the caller waits: what a box would
        // say is kept, and a question is answered No, which replaces nothing.
        platform::MessageRecorder caught;
        switch (command) {
        case WindowCommand::Record:
            OnRecord();
            // Every box Record shows is a refusal; one refused arming leaves an earlier start
            // waiting, which must not pass for this one.
            done = (m_pageRecord.m_engine.m_nStatus == STATUS_RECORDING || m_schedule.IsStartWaiting()) &&
                   caught.Messages().empty();
            break;
        case WindowCommand::Stop:
            OnStop();
            break;
        case WindowCommand::Pause:
            OnPause();
            break;
        case WindowCommand::None:
            done = false;
            break;
        }
        boxes = caught.Messages();
    }
    if (!done) {
        QStringList said;
        for (const platform::ShownMessage& box : boxes)
            said << box.text;
        return {false, said.isEmpty() ? tr("The command was not carried out.") : said.join(QLatin1Char('\n'))};
    }
    // A command that was done may still have news for the window (a file that could not be
    // closed whole): shown once the caller has its answer.
    for (const platform::ShownMessage& box : boxes)
        QTimer::singleShot(0, this, [this, box] {
            if (box.caption.isEmpty())
                platform::ShowMessage(box.text);
            else
                platform::ShowMessage(this, box.text, box.caption);
        });
    return {true, {}};
}
