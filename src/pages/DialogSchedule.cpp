#include "pages/DialogSchedule.h"

#include "platform/ControlId.h"

CDialogSchedule::CDialogSchedule()
{
    platform::MarkControlWindow(this);
}
