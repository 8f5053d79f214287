#include "ui/export/un_progress.h"

#include "ui/widgets/WindowFont.h"

#include <QCoreApplication>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>

namespace {

constexpr int kPaintIntervalMs = 40;

} // namespace

Tf_progreso::Tf_progreso(QWidget *parent) : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("f_progreso"));
    setFont(windowFont());
    setFixedSize(293, 66);
    setAutoFillBackground(true);
    QPalette yellow = palette();
    yellow.setColor(QPalette::Window, Qt::yellow);
    setPalette(yellow);

    auto *panel = new QFrame(this);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setGeometry(8, 8, 277, 50);

    ProgressBar1 = new QProgressBar(panel);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setGeometry(10, 8, 257, 16);
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setRange(0, 0);
    ProgressBar1->setValue(0);

    Label1 = new QLabel(QStringLiteral("Exportando"), panel);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(10, 29, 80, 15);
    QPalette blue = Label1->palette();
    blue.setColor(QPalette::WindowText, Qt::blue);
    Label1->setPalette(blue);

    Label2 = new QLabel(QStringLiteral("0"), panel);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setGeometry(150, 29, 50, 15);
    Label2->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    Label3 = new QLabel(QStringLiteral("/0"), panel);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setGeometry(200, 29, 60, 15);
    m_sincePaint.start();
}

void Tf_progreso::setTotal(int lines)
{
    Label3->setText(QLatin1Char('/') + QString::number(lines));
    ProgressBar1->setRange(0, lines);
}

void Tf_progreso::showCentred()
{
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
    show();
    paintNow();
}

void Tf_progreso::setWritten(int lines)
{
    ProgressBar1->setValue(lines);
    if (lines == ProgressBar1->maximum() || m_sincePaint.elapsed() >= kPaintIntervalMs) {
        Label2->setText(QString::number(lines));
        paintNow();
    }
}

void Tf_progreso::paintNow()
{
    repaint();
    // A window just shown is painted only once the system has exposed it; user input waits for
    // the export to end.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    m_sincePaint.start();
}
