#include "app/AppIcon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <cmath>

namespace {

QPixmap DrawIcon(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const double s = size;

    QLinearGradient back(0, 0, 0, s);
    back.setColorAt(0, QColor(0x3a, 0x40, 0x4a));
    back.setColorAt(1, QColor(0x1c, 0x1f, 0x24));
    p.setPen(Qt::NoPen);
    p.setBrush(back);
    p.drawRoundedRect(QRectF(0, 0, s, s), s * 0.2, s * 0.2);

    QRadialGradient dot(s * 0.45, s * 0.42, s * 0.36);
    dot.setColorAt(0, QColor(0xff, 0x6b, 0x5e));
    dot.setColorAt(1, QColor(0xc6, 0x28, 0x28));
    p.setBrush(dot);
    p.drawEllipse(QPointF(s / 2, s / 2), s * 0.3, s * 0.3);

    QPainterPath trace;
    trace.moveTo(s * 0.12, s / 2);
    for (int i = 1; i <= 40; ++i) {
        const double x = s * (0.12 + 0.76 * i / 40.0);
        const double envelope = std::sin(M_PI * i / 40.0);
        trace.lineTo(x, s / 2 - s * 0.16 * envelope * std::sin(i * 0.9));
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::white, std::max(1.0, s / 24), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(trace);
    return pixmap;
}

} // namespace

QIcon ApplicationIcon()
{
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128})
        icon.addPixmap(DrawIcon(size));
    return icon;
}
