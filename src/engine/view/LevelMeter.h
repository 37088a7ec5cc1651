#pragma once
// A horizontal peak meter for one channel: dBFS from -60 to 0 with marks at -40, -20, -12,
// -6, -3 and 0; green below -12, yellow to -3, red above; a hold mark; and the channel's
// clip flag at its end. Assistive tools read the level through the value interface
// (minimum -60, maximum 0); its tooltip gives the level and the held peak in numbers.

#include <QImage>
#include <QWidget>

#include <optional>

class CClipFlag;

class CLevelMeter : public QWidget {
    Q_OBJECT
public:
    // channel: "Left" or "Right"; the meter is named "<channel> level", its flag
    // "<channel> clipped".
    explicit CLevelMeter(const QString& channel);

    // The level and held peak now shown, in dBFS; repaints only when either moves on screen.
    void SetLevel(double levelDb, double holdDb);
    // A mark on the scale at this level (the level below which silence is skipped), or none.
    void SetSilenceMark(std::optional<double> db);
    std::optional<double> SilenceMark() const { return m_mark; }
    double Level() const { return m_level; }
    double Hold() const { return m_hold; }
    CClipFlag* Flag() const { return m_pFlag; }
    QString ToolTipText() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    bool event(QEvent* e) override;

private:
    // The bar's rectangle, and the x in it of a level.
    QRect BarRect() const;
    int XOf(double db) const;
    // The scale and the unlit bar, drawn once per size.
    void DrawScale();

    CClipFlag* m_pFlag;
    QString m_strChannel;
    double m_level;
    double m_hold;
    int m_xLevel = -1;
    int m_xHold = -1;
    std::optional<double> m_mark;
    QImage m_imgScale;
};
