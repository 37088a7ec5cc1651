#pragma once
// The hidden object that stands for the mixer's notification window: mixer backends post
// their control-change notifications to it, and it hands them to NotificationWndProc on
// the UI thread.

#include <QObject>

#include <cstdint>

class VolumeNotifyWindow : public QObject {
public:
    VolumeNotifyWindow();

protected:
    bool event(QEvent* e) override;
};

// Tells the callback of the active volume object when its volume control changed.
// wParam: the mixer the notification came from; lParam: the control (or line) identifier.
void NotificationWndProc(std::uint32_t message, std::uint32_t wParam, std::uint32_t lParam);
