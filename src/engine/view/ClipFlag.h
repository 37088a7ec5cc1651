#pragma once
// The flag at the end of a level meter: lit when a sample of its channel reached full
// scale, and lit until the user clears it (a click, or Space when it has the focus) or a
// new recording starts. It is a checkable button that only the recorder can check.

#include <QAbstractButton>

class CClipFlag : public QAbstractButton {
    Q_OBJECT
public:
    // name: "Left clipped" or "Right clipped"; channel: "left" or "right", for its tooltip.
    CClipFlag(const QString& name, const QString& channel);

    QSize sizeHint() const override;

protected:
    // A click or a key clears the flag; it never lights it.
    void nextCheckState() override;
    void paintEvent(QPaintEvent* e) override;
    bool event(QEvent* e) override;

private:
    QString m_strChannel;
};
