#include "engine/view/ClipFlag.h"

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

namespace {
constexpr int SIDE = 14;
const QColor LIT(0xE8, 0x20, 0x20);
const QColor DARK(0x30, 0x30, 0x30);
} // namespace

CClipFlag::CClipFlag(const QString& name, const QString& channel) : m_strChannel(channel)
{
    setCheckable(true);
    setChecked(false);
    setAccessibleName(name);
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QSize CClipFlag::sizeHint() const
{
    return {SIDE, SIDE};
}

void CClipFlag::nextCheckState()
{
    setChecked(false);
}

void CClipFlag::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QRect box = rect().adjusted(1, 1, -1, -1);
    p.fillRect(box, isChecked() ? LIT : DARK);
    // The focus shows as a light frame, so the keyboard user sees where Space goes.
    p.setPen(hasFocus() ? palette().color(QPalette::Highlight) : QColor(0x80, 0x80, 0x80));
    p.drawRect(box.adjusted(0, 0, -1, -1));
}

bool CClipFlag::event(QEvent* e)
{
    if (e->type() == QEvent::ToolTip) {
        const QString text = isChecked() ? tr("The %1 channel clipped: click to clear").arg(m_strChannel)
                                         : tr("The %1 channel has not clipped").arg(m_strChannel);
        QToolTip::showText(static_cast<QHelpEvent*>(e)->globalPos(), text, this);
        return true;
    }
    return QAbstractButton::event(e);
}
