#include "skin/SkinSample.h"

#include "pages/DialogAbout.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QStatusBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include <cmath>
#include <numbers>

namespace {

class TraceStandIn : public QWidget {
public:
    TraceStandIn() { setFixedSize(160, 58); }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.fillRect(rect(), Qt::black);
        const int band = height() / 2;
        p.setPen(QColor(0, 0, 255));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
        p.drawLine(0, band / 2, width(), band / 2);
        p.drawLine(0, band + band / 2, width(), band + band / 2);
        p.setPen(Qt::white);
        for (int b = 0; b < 2; ++b) {
            const double cycles = b == 0 ? 4.0 : 6.0;
            QPointF last;
            for (int x = 0; x < width(); ++x) {
                const double y = b * band + band / 2.0
                    - 0.4 * band * std::sin(2 * std::numbers::pi * cycles * x / width());
                if (x > 0)
                    p.drawLine(last, QPointF(x, y));
                last = QPointF(x, y);
            }
        }
    }
};

QPushButton* Button(const QString& text)
{
    auto* b = new QPushButton(text);
    b->setAccessibleName(text);
    b->setAutoDefault(false);
    return b;
}

QComboBox* List(const QStringList& items, int current)
{
    auto* c = new QComboBox;
    c->addItems(items);
    c->setCurrentIndex(current);
    return c;
}

QWidget* RecordPage()
{
    auto* output = new QGroupBox(QStringLiteral("Recording Output"));
    auto* og = new QGridLayout(output);
    og->addWidget(new QLabel(QStringLiteral("File type:")), 0, 0);
    og->addWidget(List({QStringLiteral("mp3"), QStringLiteral("wave")}, 1), 0, 1);
    og->addWidget(new QLabel(QStringLiteral("File name:")), 1, 0);
    auto* path = new QLineEdit(QStringLiteral("/home/user/Music/audio001.wav"));
    og->addWidget(path, 1, 1, 1, 3);
    og->addWidget(Button(QStringLiteral("...")), 1, 4);
    og->setColumnStretch(3, 1);

    auto* device = new QGroupBox(QStringLiteral("Audio Capture Device"));
    auto* dg = new QGridLayout(device);
    dg->addWidget(new QLabel(QStringLiteral("Audio device:")), 0, 0);
    dg->addWidget(List({QStringLiteral("Built-in Audio Analog Stereo")}, 0), 0, 1, 1, 4);
    dg->addWidget(new QLabel(QStringLiteral("Wave in device:")), 1, 0);
    auto* mic = new QRadioButton(QStringLiteral("Microphone"));
    mic->setChecked(true);
    auto* micVolume = new QSlider(Qt::Horizontal);
    micVolume->setRange(0, 65536);
    micVolume->setValue(45000);
    auto* line = new QRadioButton(QStringLiteral("Line in"));
    auto* lineVolume = new QSlider(Qt::Horizontal);
    lineVolume->setRange(0, 65536);
    lineVolume->setValue(20000);
    lineVolume->setEnabled(false);
    dg->addWidget(mic, 1, 1);
    dg->addWidget(micVolume, 1, 2, 1, 3);
    dg->addWidget(line, 2, 1);
    dg->addWidget(lineVolume, 2, 2, 1, 3);
    dg->addWidget(new QLabel(QStringLiteral("Channel:")), 3, 0);
    dg->addWidget(List({QStringLiteral("Mono Mixer"), QStringLiteral("Stereo Mixer"),
                        QStringLiteral("Single Channel")}, 2), 3, 1);
    auto* left = new QCheckBox(QStringLiteral("Left channel"));
    left->setChecked(true);
    dg->addWidget(left, 3, 2);
    dg->addWidget(new QCheckBox(QStringLiteral("Right channel")), 3, 3);
    dg->addWidget(new QLabel(QStringLiteral("Sample rate:")), 4, 0);
    dg->addWidget(List({QStringLiteral("22050")}, 0), 4, 1);
    dg->addWidget(new QLabel(QStringLiteral("Hz")), 4, 2);
    dg->addWidget(new QLabel(QStringLiteral("Bits per sample:")), 5, 0);
    dg->addWidget(List({QStringLiteral("8"), QStringLiteral("16")}, 1), 5, 1);
    dg->addWidget(new QLabel(QStringLiteral("Bits")), 5, 2);
    dg->setColumnStretch(4, 1);

    auto* page = new QWidget;
    auto* v = new QVBoxLayout(page);
    v->addWidget(output);
    v->addWidget(device);
    v->addStretch();
    return page;
}

QWidget* SchedulePage()
{
    auto* page = new QWidget;
    auto* v = new QVBoxLayout(page);
    auto* enable = new QCheckBox(QStringLiteral(" Enable scheduled task"));
    enable->setChecked(true);
    v->addWidget(enable);
    auto* box = new QGroupBox(QStringLiteral("Schedule"));
    auto* g = new QGridLayout(box);
    g->addWidget(new QCheckBox(QStringLiteral(" Start time:")), 0, 0);
    g->addWidget(new QDateTimeEdit(QDateTime(QDate(2024, 5, 17), QTime(21, 30))), 0, 1);
    auto* duration = new QRadioButton(QStringLiteral("Duration"));
    duration->setChecked(true);
    g->addWidget(duration, 1, 0);
    g->addWidget(new QDateTimeEdit(QTime(1, 0)), 1, 1);
    g->addWidget(new QRadioButton(QStringLiteral("Time")), 2, 0);
    auto* end = new QDateTimeEdit(QDateTime(QDate(2024, 5, 17), QTime(22, 30)));
    end->setEnabled(false);
    g->addWidget(end, 2, 1);
    g->setColumnStretch(2, 1);
    v->addWidget(box);
    v->addStretch();
    return page;
}

} // namespace

SkinSample::SkinSample()
{
    setWindowTitle(QStringLiteral("Tessavox"));
    m_pTabs = new QTabWidget;
    m_pTabs->addTab(RecordPage(), QStringLiteral("Record"));
    m_pTabs->addTab(SchedulePage(), QStringLiteral("Schedule"));
    m_pTabs->addTab(new CDialogAbout, QStringLiteral("About"));

    auto* texts = new QHBoxLayout;
    texts->setSpacing(16);
    texts->addWidget(new QLabel(QStringLiteral("Size: 0KB")));
    texts->addWidget(new QLabel(QStringLiteral("Time: 00:00:00")));
    texts->addStretch();

    auto* transport = new QHBoxLayout;
    transport->setSpacing(6);
    for (const char* text : {"Record", "Pause", "Stop", "Play", "Help"})
        transport->addWidget(Button(QString::fromLatin1(text)));
    transport->addStretch();
    auto* bands = new QVBoxLayout;
    bands->addWidget(new QLabel(QStringLiteral("Left")));
    bands->addWidget(new QLabel(QStringLiteral("Right")));
    transport->addLayout(bands);
    transport->addWidget(new TraceStandIn);

    auto* status = new QStatusBar;
    status->setSizeGripEnabled(false);
    auto* state = new QLabel(QStringLiteral("Idle"));
    state->setObjectName(QStringLiteral("state"));
    state->setFixedWidth(100);
    status->addWidget(state);
    status->addWidget(new QLabel, 1);

    auto* content = new QVBoxLayout;
    content->setContentsMargins(10, 10, 10, 6);
    content->setSpacing(8);
    content->addWidget(m_pTabs, 1);
    content->addLayout(texts);
    content->addLayout(transport);
    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(0);
    v->addLayout(content, 1);
    v->addWidget(status);
    resize(640, 560);
}

void SkinSample::ShowRecording()
{
    for (QPushButton* b : findChildren<QPushButton*>()) {
        if (b->text() == QLatin1String("Record") || b->text() == QLatin1String("Play"))
            b->setEnabled(false);
    }
    findChild<QLabel*>(QStringLiteral("state"))->setText(QStringLiteral("Recording"));
    const QList<QLabel*> labels = findChild<QStatusBar*>()->findChildren<QLabel*>();
    labels.last()->setText(QStringLiteral("/home/user/Music/audio001.wav"));
}
