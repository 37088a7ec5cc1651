#include "app/StatusBar.h"

#include <QLabel>

namespace {
constexpr int PART_0_RIGHT_EDGE = 100;
} // namespace

CStatusBar::CStatusBar()
{
    setSizeGripEnabled(false);
    for (QLabel*& part : m_parts) {
        part = new QLabel;
        part->setTextInteractionFlags(Qt::TextSelectableByMouse);
    }
    m_parts[0]->setFixedWidth(PART_0_RIGHT_EDGE - 8);
    // A long output path is cut at the right, not allowed to widen the window.
    m_parts[1]->setMinimumWidth(1);
    addWidget(m_parts[0]);
    addWidget(m_parts[1], 1);
}

void CStatusBar::SetText(int part, const QString& text)
{
    m_parts[part]->setText(text);
    m_parts[part]->setToolTip(part == 1 ? text : QString());
}

QString CStatusBar::Text(int part) const
{
    return m_parts[part]->text();
}
