#include "pages/AboutDlg.h"

#include "app/AppIcon.h"
#include "pages/AboutTexts.h"
#include "platform/ControlId.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int IDOK = 1;
} // namespace

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("About Tessavox"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);

    auto* icon = new QLabel;
    icon->setPixmap(ApplicationIcon().pixmap(32, 32));
    auto* ok = new QPushButton(tr("OK"));
    platform::SetControlId(ok, IDOK);
    ok->setDefault(true);

    auto* row = new QHBoxLayout;
    row->addWidget(icon, 0, Qt::AlignTop);
    row->addSpacing(12);
    row->addWidget(new QLabel(VersionText()), 1, Qt::AlignVCenter);
    row->addSpacing(24);
    row->addWidget(ok, 0, Qt::AlignTop);
    auto* box = new QVBoxLayout(this);
    box->addLayout(row);
    box->setSizeConstraint(QLayout::SetFixedSize);

    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}
