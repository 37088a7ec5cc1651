#include "pages/DialogAbout.h"

#include "platform/ControlId.h"

CDialogAbout::CDialogAbout()
{
    platform::MarkControlWindow(this);
}
