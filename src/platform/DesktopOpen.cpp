#include "platform/DesktopOpen.h"

#include <QDesktopServices>

namespace platform {

namespace {
DesktopOpenRecorder* g_pRecorder = nullptr;
} // namespace

bool OpenWithDesktop(const QUrl& url)
{
    if (g_pRecorder) {
        g_pRecorder->Record(url);
        return true;
    }
    return QDesktopServices::openUrl(url);
}

DesktopOpenRecorder::DesktopOpenRecorder() : m_pPrevious(g_pRecorder)
{
    g_pRecorder = this;
}

DesktopOpenRecorder::~DesktopOpenRecorder()
{
    g_pRecorder = m_pPrevious;
}

} // namespace platform
