#pragma once
// Opens a file or an address with the program the desktop chooses for it (browser, mail
// client, document viewer). Tests record what would have been opened instead.

#include <QUrl>

#include <vector>

namespace platform {

// False when no program took it.
bool OpenWithDesktop(const QUrl& url);

// While alive, opened addresses are recorded here instead. Recorders nest.
class DesktopOpenRecorder {
public:
    DesktopOpenRecorder();
    ~DesktopOpenRecorder();
    DesktopOpenRecorder(const DesktopOpenRecorder&) = delete;
    DesktopOpenRecorder& operator=(const DesktopOpenRecorder&) = delete;

    const std::vector<QUrl>& Opened() const { return m_opened; }
    void Record(const QUrl& url) { m_opened.push_back(url); }

private:
    std::vector<QUrl> m_opened;
    DesktopOpenRecorder* m_pPrevious;
};

} // namespace platform
