#include "app/AppIcon.h"

#include "ProductInfo.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

QIcon ApplicationIcon()
{
    // Drawn here rather than through Qt's SVG icon plugin, which a desktop may lack.
    QSvgRenderer drawing(QStringLiteral(":/icons/") + QLatin1String(TESSAVOX_APP_ID) + QStringLiteral(".svg"));
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        drawing.render(&painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}
