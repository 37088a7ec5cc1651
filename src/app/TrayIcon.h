#pragma once
// The program's icon in the desktop's status notifier area, where the desktop has one. Its
// tool tip says what the program is doing; its menu gives Record and Stop as the window's
// buttons give them (the button is pressed, so the same refusals hold, and each entry is
// enabled as its button is), "Show Tessavox" and "Quit". The window feeds it a TrayState
// whenever what it shows changes, and hears the other two entries through its signals.

#include <QMenu>
#include <QObject>
#include <QString>
#include <QSystemTrayIcon>

#include <cstdint>

class QAbstractButton;
class QAction;

struct TrayState {
    enum class Activity : unsigned char { Idle, Recording, WaitingForSound, Paused, Playing, StartArmed };
    Activity activity = Activity::Idle;
    // Recording and Paused: the name of the file written, and the seconds recorded.
    QString file;
    std::int64_t elapsed = 0;
    // StartArmed: the moment the recording starts, in seconds since the epoch.
    std::int64_t nextStart = 0;
};

// "Idle", "Recording radio.mp3 00:12:04", "Paused radio.mp3 00:12:04", "Waiting for sound",
// "Playing", "Next recording at 2026-12-11 07:00" (local time). The time counts its hours on
// past a day.
QString TrayToolTip(const TrayState& state);

// Whether a window asked to start minimised is still within the user's reach: on screen,
// or minimised as the platform reports it (an X11 window manager says so; a Wayland
// compositor never does, so there a window not on screen may be nowhere at all).
bool MinimizedWindowReachable(bool visible, bool exposed, bool minimized, bool platformReportsMinimized);

class CTrayIcon : public QObject {
    Q_OBJECT
public:
    // Whether the desktop offers a place for the icon now.
    static bool IsAvailable();

    CTrayIcon(const QIcon& icon, QAbstractButton& record, QAbstractButton& stop);
    ~CTrayIcon() override;
    CTrayIcon(const CTrayIcon&) = delete;
    CTrayIcon& operator=(const CTrayIcon&) = delete;

    void SetState(const TrayState& state);
    QString ToolTip() const { return m_icon.toolTip(); }
    // False once the status notifier area has gone (its panel restarted or was removed),
    // until it comes back: meanwhile the icon is no way back to the window.
    bool IsPresent() const { return m_bPresent; }

signals:
    void ShowChosen();
    void QuitChosen();
    // The status notifier area went away.
    void Lost();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void WatchTheArea();

    QMenu m_menu;
    QSystemTrayIcon m_icon;
    QAbstractButton& m_record;
    QAbstractButton& m_stop;
    QAction* m_pRecord = nullptr;
    QAction* m_pStop = nullptr;
    QString m_strConnection;
    bool m_bPresent = true;
};
