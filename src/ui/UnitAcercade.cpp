#include "ui/UnitAcercade.h"

#include "platform/ActionGuard.h"
#include "platform/Boxes.h"
#include "platform/Platform.h"
#include "ui/Pictures.h"
#include "ui/widgets/DialogKit.h"
#include "ui/widgets/FormGrid.h"
#include "util/ProgramInfo.h"
#include "util/WebAddresses.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QUrl>

namespace {

QLabel *boldLabel(const QString &text, QWidget *parent, const char *name)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    QFont font = label->font();
    font.setBold(true);
    font.setPixelSize(16);
    label->setFont(font);
    QPalette black = label->palette();
    black.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(black);
    return label;
}

} // namespace

TFrmAcercade::TFrmAcercade(QWidget *parent) : QDialog(parent, dialogkit::windowFlags())
{
    dialogkit::setUp(*this, "FrmAcercade", QStringLiteral("Acerca de..."));

    QWidget *panel = formgrid::menuColouredPanel(this);

    auto *grid = new QGridLayout(panel);
    grid->setContentsMargins(24, 16, 24, 16);
    grid->setHorizontalSpacing(16);
    grid->addWidget(boldLabel(programinfo::title(), panel, "Label1"), 0, 0);
    grid->addWidget(boldLabel(QStringLiteral("Versión ") + programinfo::versionText(), panel, "Label2"), 1,
                    0);

    auto *site = new QToolButton(panel);
    site->setObjectName(QStringLiteral("SpeedButton1"));
    site->setAutoRaise(true);
    site->setFixedSize(37, 37);
    site->setIcon(pictures::webSite());
    site->setIconSize(QSize(pictures::barGlyphSize, pictures::barGlyphSize));
    grid->addWidget(site, 1, 1);
    connect(site, &QToolButton::clicked, this, guardedAction(this, &TFrmAcercade::SpeedButton1Click));

    QPushButton *ok = dialogkit::button(panel, "BitBtn1", QStringLiteral("&Aceptar"));
    grid->addWidget(ok, 2, 0, 1, 2, Qt::AlignHCenter);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    ok->setFocus();
    setFixedSize(sizeHint());
}

void TFrmAcercade::keyPressEvent(QKeyEvent *event)
{
    // The buttons leave F12 alone, so it reaches the window whichever of them has the focus.
    if (event->key() == Qt::Key_F12) {
        guarded(this, [this] {
            boxes::note(this, QStringLiteral("Programa creado por Orvandel\n         Analista de Sistemas"));
        });
        return;
    }
    QDialog::keyPressEvent(event);
}

void TFrmAcercade::SpeedButton1Click()
{
    if (!platform::current().openUrl(QUrl(webaddresses::maker())))
        boxes::note(this, QStringLiteral("No tiene acceso a internet"));
}
