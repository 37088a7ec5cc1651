#include "engine/view/LevelMeter.h"

#include "engine/view/ClipFlag.h"
#include "engine/view/PeakBallistics.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QAccessibleWidget>
#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

#include <cmath>

namespace {

constexpr double TOP_DB = 0.0;
// The marks, and where each sits along the bar: the loud end, where levels are set, has the
// most room, as on most recording meters. Between two marks the scale is linear in dB.
struct Mark {
    double db;
    double share;
};
constexpr Mark MARKS[] = {{-60, 0.0}, {-40, 0.15}, {-20, 0.40}, {-12, 0.58}, {-6, 0.75}, {-3, 0.87}, {0, 1.0}};
constexpr double YELLOW_FROM_DB = -12.0;
constexpr double RED_FROM_DB = -3.0;
constexpr int BAR_HEIGHT = 8;
constexpr int LABEL_PIXELS = 8;
constexpr int GAP = 4; // between the bar and the flag

const QColor BACK(0, 0, 0);
const QColor ZONE[3] = {QColor(0x20, 0xC0, 0x20), QColor(0xE0, 0xD0, 0x10), QColor(0xE8, 0x20, 0x20)};
const QColor UNLIT[3] = {QColor(0x10, 0x38, 0x10), QColor(0x40, 0x3C, 0x08), QColor(0x44, 0x10, 0x10)};
const QColor SCALE(0xA0, 0xA0, 0xA0);

// The displayed level, in tenths of a dB, as assistive tools are given it.
double Rounded(double db)
{
    return std::round(db * 10.0) / 10.0;
}

class LevelMeterAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit LevelMeterAccessible(CLevelMeter* meter) : QAccessibleWidget(meter, QAccessible::ProgressBar) {}

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QVariant currentValue() const override { return Rounded(static_cast<CLevelMeter*>(widget())->Level()); }
    void setCurrentValue(const QVariant&) override {} // it shows the sound; nothing sets it
    QVariant maximumValue() const override { return TOP_DB; }
    QVariant minimumValue() const override { return PeakBallistics::FLOOR_DB; }
    QVariant minimumStepSize() const override { return 0.1; }
};

QAccessibleInterface* MeterFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("CLevelMeter") && object && object->isWidgetType())
        return new LevelMeterAccessible(static_cast<CLevelMeter*>(object));
    return nullptr;
}

} // namespace

CLevelMeter::CLevelMeter(const QString& channel)
    : m_pFlag(new CClipFlag(tr("%1 clipped").arg(channel), channel.toLower())), m_strChannel(channel),
      m_level(PeakBallistics::FLOOR_DB), m_hold(PeakBallistics::FLOOR_DB)
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(&MeterFactory);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
    setAccessibleName(tr("%1 level").arg(channel));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    m_pFlag->setParent(this);
}

QSize CLevelMeter::sizeHint() const
{
    return {172, BAR_HEIGHT + 4 + LABEL_PIXELS + 2};
}

QRect CLevelMeter::BarRect() const
{
    const int flag = m_pFlag->sizeHint().width();
    return {0, 1, std::max(1, width() - flag - GAP), BAR_HEIGHT};
}

int CLevelMeter::XOf(double db) const
{
    const QRect bar = BarRect();
    const double clamped = std::clamp(db, PeakBallistics::FLOOR_DB, TOP_DB);
    std::size_t upper = 1;
    while (upper + 1 < std::size(MARKS) && MARKS[upper].db < clamped)
        ++upper;
    const Mark& a = MARKS[upper - 1];
    const Mark& b = MARKS[upper];
    const double share = a.share + (clamped - a.db) / (b.db - a.db) * (b.share - a.share);
    return bar.left() + static_cast<int>(std::lround(share * (bar.width() - 1)));
}

void CLevelMeter::resizeEvent(QResizeEvent*)
{
    const QSize flag = m_pFlag->sizeHint();
    m_pFlag->setGeometry(width() - flag.width(), std::max(0, (BAR_HEIGHT + 2 - flag.height()) / 2), flag.width(),
                         flag.height());
    DrawScale();
    m_xLevel = m_xHold = -1;
}

void CLevelMeter::DrawScale()
{
    m_imgScale = QImage(size(), QImage::Format_RGB32);
    m_imgScale.fill(BACK);
    QPainter p(&m_imgScale);
    const QRect bar = BarRect();
    const int yellow = XOf(YELLOW_FROM_DB);
    const int red = XOf(RED_FROM_DB);
    p.fillRect(QRect(QPoint(bar.left(), bar.top()), QPoint(yellow - 1, bar.bottom())), UNLIT[0]);
    p.fillRect(QRect(QPoint(yellow, bar.top()), QPoint(red - 1, bar.bottom())), UNLIT[1]);
    p.fillRect(QRect(QPoint(red, bar.top()), bar.bottomRight()), UNLIT[2]);

    QFont font = p.font();
    font.setPixelSize(LABEL_PIXELS);
    p.setFont(font);
    p.setPen(SCALE);
    const QFontMetrics metrics(font);
    int freeFrom = width(); // labels are laid from the right; one that would overlap is left out
    for (auto it = std::rbegin(MARKS); it != std::rend(MARKS) - 1; ++it) {
        const int x = XOf(it->db);
        p.drawLine(x, bar.bottom() + 1, x, bar.bottom() + 3);
        const QString label = QString::number(it->db);
        const int w = metrics.horizontalAdvance(label);
        const int left = std::clamp(x - w / 2, 0, width() - w);
        if (left + w + 2 <= freeFrom) {
            p.drawText(left, bar.bottom() + 4 + metrics.ascent(), label);
            freeFrom = left;
        }
    }
}

void CLevelMeter::SetLevel(double levelDb, double holdDb)
{
    const bool announce = Rounded(levelDb) != Rounded(m_level);
    m_level = levelDb;
    m_hold = holdDb;
    const bool silent = levelDb <= PeakBallistics::FLOOR_DB;
    const int xLevel = silent ? -1 : XOf(levelDb);
    const int xHold = holdDb <= PeakBallistics::FLOOR_DB ? -1 : XOf(holdDb);
    if (xLevel != m_xLevel || xHold != m_xHold) {
        m_xLevel = xLevel;
        m_xHold = xHold;
        update();
    }
    if (announce && QAccessible::isActive()) {
        QAccessibleValueChangeEvent changed(this, Rounded(levelDb));
        QAccessible::updateAccessibility(&changed);
    }
}

void CLevelMeter::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    if (m_imgScale.size() != size())
        DrawScale();
    p.drawImage(0, 0, m_imgScale);
    const QRect bar = BarRect();
    const int edges[3] = {XOf(YELLOW_FROM_DB), XOf(RED_FROM_DB), bar.right() + 1};
    int from = bar.left();
    for (int zone = 0; zone < 3 && m_xLevel >= from; ++zone) {
        const int to = std::min(edges[zone] - 1, m_xLevel);
        p.fillRect(QRect(QPoint(from, bar.top()), QPoint(to, bar.bottom())), ZONE[zone]);
        from = edges[zone];
    }
    if (m_xHold >= 0) {
        const int zone = m_xHold >= edges[1] ? 2 : m_xHold >= edges[0] ? 1 : 0;
        p.fillRect(QRect(m_xHold - 1, bar.top(), 2, bar.height()), ZONE[zone].lighter(130));
    }
    if (m_mark) {
        // Across the bar and into the scale below it, so it stands out from the hold mark.
        const int x = XOf(*m_mark);
        p.fillRect(QRect(x, bar.top() - 1, 1, bar.height() + 5), Qt::white);
    }
}

void CLevelMeter::SetSilenceMark(std::optional<double> db)
{
    if (db == m_mark)
        return;
    m_mark = db;
    // Told to assistive tools with the meter, as it is shown to the eye.
    setAccessibleDescription(db ? tr("Silence below %1 dBFS").arg(*db) : QString());
    update();
}

QString CLevelMeter::ToolTipText() const
{
    if (m_level <= PeakBallistics::FLOOR_DB && m_hold <= PeakBallistics::FLOOR_DB)
        return tr("%1: below -60 dBFS").arg(m_strChannel);
    return tr("%1: %2 dBFS, peak held at %3 dBFS")
        .arg(m_strChannel, QString::number(m_level, 'f', 1), QString::number(m_hold, 'f', 1));
}

bool CLevelMeter::event(QEvent* e)
{
    if (e->type() == QEvent::ToolTip) {
        QToolTip::showText(static_cast<QHelpEvent*>(e)->globalPos(), ToolTipText(), this);
        return true;
    }
    return QWidget::event(e);
}
