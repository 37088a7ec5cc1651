#pragma once
// The page under the "Schedule" tab, where a recording is set to start and end by itself.
// Its controls are not built yet: until they are, the tab shows an empty page and Record
// always starts at once.

#include <QWidget>

class CDialogSchedule : public QWidget {
    Q_OBJECT
public:
    CDialogSchedule();
};
