#pragma once
// Both sides of a driver loaded into the program (LD_PRELOAD) by a test that sees the program
// only from outside. The driver looks at the program from its event loop, and its modal loops
// too; it reports each finding as one line "key: value", appended to the file named by
// TESSAVOX_DRIVER_REPORT, which the test reads back.

#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QStringList>
#include <QTimer>
#include <QWidget>

namespace tests {

// The test's side: the values reported for key, in the order they came.
inline QStringList Reported(const QString& reportFile, const QString& key)
{
    QFile file(reportFile);
    QStringList values;
    if (file.open(QIODevice::ReadOnly | QIODevice::Text))
        for (const QString& line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts))
            if (line.startsWith(key + QStringLiteral(": ")))
                values << line.mid(key.size() + 2);
    return values;
}

inline void Report(const QString& key, const QString& value)
{
    QFile file(qEnvironmentVariable("TESSAVOX_DRIVER_REPORT"));
    if (file.open(QIODevice::Append | QIODevice::Text))
        file.write((key + QStringLiteral(": ") + value + QLatin1Char('\n')).toUtf8());
}

// Looks every 50 ms. A message box is reported and closed first, so none can hang the run;
// else Look is given the main window, shown or not, once there is one.
class ProgramDriver : public QObject {
public:
    explicit ProgramDriver(QObject* parent) : QObject(parent)
    {
        connect(&m_tick, &QTimer::timeout, this, &ProgramDriver::Tick);
        m_tick.start(50);
    }

protected:
    virtual void Look(QWidget& window) = 0;
    void StopLooking() { m_tick.stop(); }

private:
    void Tick()
    {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            Report(QStringLiteral("message"), box->text());
            box->done(QMessageBox::Ok);
            return;
        }
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->inherits("CTessavoxDlg")) {
                Look(*w);
                return;
            }
    }

    QTimer m_tick;
};

// For the driver's start-up function, called while the application object is being made:
// the driver starts once it is whole.
template <class Driver>
void StartDriver()
{
    QTimer::singleShot(0, qApp, [] { new Driver(qApp); });
}

} // namespace tests
