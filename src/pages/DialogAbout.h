#pragma once
// The page under the "About" tab: what the program is, links to the maker's web site and
// support address, and Help. The links open in the desktop's own browser and mail client.

#include <QWidget>

class QLabel;

class CDialogAbout : public QWidget {
    Q_OBJECT
public:
    CDialogAbout();

    void OnClickWebsite();
    void OnClickEmail();
    void OnHelp();

private:
    void BuildControls();
    void ConnectControls();

    QLabel* m_linkWebsite = nullptr;
    QLabel* m_linkEmail = nullptr;
};
