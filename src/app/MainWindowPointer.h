#pragma once
// The application's main window, set by start-up before the window is created: the
// recording options page reaches the main window's Record and Play buttons and the
// display placeholder through it while it initialises.

class QWidget;

QWidget* GetMainWindow();
void SetMainWindow(QWidget* window);
