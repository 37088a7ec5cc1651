#pragma once
// The page under the "About" tab, which tells what the program is and where to get help.
// Its controls are not built yet: until they are, the tab shows an empty page.

#include <QWidget>

class CDialogAbout : public QWidget {
    Q_OBJECT
public:
    CDialogAbout();
};
