#include "app/UnitPrincipal.h"

#include "app/JDGMessage.h"
#include "app/LinkLabel.h"
#include "platform/ActionGuard.h"
#include "platform/Platform.h"
#include "ui/widgets/DialogKit.h"
#include "util/ProgramInfo.h"
#include "util/WebAddresses.h"

#include "ui/HelpWindow.h"
#include "ui/Pictures.h"
#include "ui/UnitAcercade.h"
#include "ui/UnitSeleccionar.h"
#include "ui/widgets/FormGrid.h"

#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include <memory>

namespace {

// Sizes and positions at 96 dpi, in the window's client area.
constexpr QSize outerSize(544, 363);
// The client area of a window of that outer size under a common frame (4 px sides, 23 px caption).
constexpr QSize clientSize(536, 336);
constexpr QSize buttonSize(113, 57);
constexpr int buttonTop = 16;
constexpr int buttonLefts[] = {51, 211, 371};
constexpr QRect bevelRect(40, 88, 457, 177);
constexpr QSize logoSize(141, 42);
constexpr int labelMargin = 8; // inside the bevel
constexpr int labelGap = 5;

QString instructionText(int label)
{
    switch (label) {
    case 1:
        return QStringLiteral("Este Programa, permite modificar el archivo de texto que se envía a Tarvinel, "
                              "cuando es \nrechazado por errores.");
    case 2:
        return QStringLiteral(
            "Seleccione el botón \"Editar Archivo\" e indique la ruta donde se encuentra el "
            "archivo de texto\ne indique en que formato se encuentra (por posición o por "
            "separador).");
    case 3:
        return QStringLiteral("Se desplegará en pantalla el archivo donde podrá editarlo para modificar los "
                              "datos que tienen\nerrores.");
    case 4:
        return QStringLiteral("Una vez modificado vuelva a crear el archivo y envíelo nuevamente.");
    case 5:
        return QStringLiteral("Si usted necesita mas información sobre los formatos y validaciones de cada "
                              "campo, rogamos \nbajar nuestro formato 105 campos desde la opción Ayuda "
                              "Tarvinel, sección \"Descargas\".");
    default:
        return {};
    }
}

// The lines were written for a narrow 8-point face. Where the sans serif at hand is wider, the
// labels get a horizontally condensed (or, failing that, smaller) font so that no line is cut off
// and all five labels and the link fit in the bevel.
QFont instructionFont(const QFont &base, const QStringList &texts, QSize area, int gapsAndLink)
{
    QFont font = base;
    bool condensed = false;
    for (int attempt = 0; attempt < 12; ++attempt) {
        const QFontMetrics metrics(font);
        int widest = 0;
        int lines = 0;
        for (const QString &text : texts) {
            for (const QString &line : text.split(QLatin1Char('\n'))) {
                widest = qMax(widest, metrics.horizontalAdvance(line));
                ++lines;
            }
        }
        if (widest > area.width() && !condensed) {
            font.setStretch(qMax(75, 100 * area.width() / widest - 1));
            condensed = true;
            continue;
        }
        if (widest <= area.width() && lines * metrics.height() + gapsAndLink <= area.height())
            break;
        font.setPointSizeF(font.pointSizeF() - 0.25);
    }
    return font;
}

QPushButton *makeButton(QWidget *panel, const char *name, const QString &caption, const QIcon &glyph,
                        int left)
{
    QPushButton *button = dialogkit::button(panel, name, caption, glyph);
    button->setIconSize(QSize(pictures::buttonGlyphSize, pictures::buttonGlyphSize));
    button->setGeometry(QRect(QPoint(left, buttonTop), buttonSize));
    return button;
}

} // namespace

TFrmPrincipal::TFrmPrincipal(QWidget *parent) : QWidget(parent)
{
    dialogkit::setUp(*this, "FrmPrincipal", QStringLiteral("Texmendo"));
    buildControls();
    FormCreate();
}

void TFrmPrincipal::FormCreate()
{
    JDGMessage::install();
    setWindowTitle(QStringLiteral("Texmendo Versión: ") + programinfo::versionText());
}

void TFrmPrincipal::buildControls()
{
    QWidget *panel = formgrid::menuColouredPanel(this);

    QPushButton *edit =
        makeButton(panel, "BitBtn1", QStringLiteral("&Editar Archivo"), pictures::editFile(), buttonLefts[0]);
    QPushButton *about =
        makeButton(panel, "BitBtn2", QStringLiteral("&Acerca de..."), pictures::about(), buttonLefts[1]);
    QPushButton *quit =
        makeButton(panel, "BitBtn3", QStringLiteral("&Salir"), pictures::exit(), buttonLefts[2]);
    about->setVisible(false);
    setTabOrder(edit, about);
    setTabOrder(about, quit);
    connect(edit, &QPushButton::clicked, this, guardedAction(this, &TFrmPrincipal::BitBtn1Click));
    connect(about, &QPushButton::clicked, this, guardedAction(this, &TFrmPrincipal::BitBtn2Click));
    connect(quit, &QPushButton::clicked, this, guardedAction(this, &TFrmPrincipal::BitBtn3Click));

    auto *bevel = new QFrame(panel);
    bevel->setObjectName(QStringLiteral("Bevel1"));
    bevel->setFrameStyle(QFrame::Box | QFrame::Sunken);
    bevel->setGeometry(bevelRect);

    // The labels stand over the bevel, not in it, as siblings in the panel; the link sits at its foot.
    QList<QLabel *> labels;
    for (int n = 1; n <= 5; ++n) {
        auto *label = new QLabel(instructionText(n), panel);
        label->setObjectName(QStringLiteral("Label%1").arg(n));
        label->setTextFormat(Qt::PlainText);
        labels.append(label);
    }
    auto *link = new LinkLabel(webaddresses::faq(), panel);
    link->setObjectName(QStringLiteral("ExStaticText1"));
    connect(link, &LinkLabel::clicked, this, guardedAction(this, &TFrmPrincipal::ExStaticText1Click));
    layOutInstructions(labels, link);

    auto *logo = new QLabel(panel);
    logo->setObjectName(QStringLiteral("Image1"));
    logo->setPixmap(pictures::serviceLogo());
    const int logoTop =
        bevelRect.bottom() + 1 + (clientSize.height() - bevelRect.bottom() - 1 - logoSize.height()) / 2;
    logo->setGeometry(QRect(QPoint((clientSize.width() - logoSize.width()) / 2, logoTop), logoSize));

    resize(clientSize);
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QPoint centre = screen->availableGeometry().center();
        move(centre - QPoint(outerSize.width() / 2, outerSize.height() / 2));
    }
}

void TFrmPrincipal::layOutInstructions(const QList<QLabel *> &labels, QLabel *link)
{
    const QRect inside = bevelRect.adjusted(labelMargin, labelMargin / 2, -labelMargin, -labelMargin / 2);
    QStringList texts;
    for (const QLabel *label : labels)
        texts.append(label->text());
    const int linkHeight = link->fontMetrics().height();
    const QFont font = instructionFont(labels.constFirst()->font(), texts, inside.size(),
                                       linkHeight + labelGap * int(labels.size()));
    for (QLabel *label : labels)
        label->setFont(font);
    QFont linkFont = font;
    linkFont.setUnderline(true);
    link->setFont(linkFont);

    // What is left of the height goes evenly between the labels, so that the block fills the bevel.
    int used = link->sizeHint().height();
    for (const QLabel *label : labels)
        used += label->sizeHint().height();
    const int gap = qBound(2, (inside.height() - used) / int(labels.size()), 3 * labelGap);
    int top = inside.top();
    for (QLabel *label : labels) {
        const int height = label->sizeHint().height();
        label->setGeometry(inside.left(), top, inside.width(), height);
        top += height + gap;
    }
    const QSize linkSize = link->sizeHint();
    link->setGeometry(QRect(QPoint(inside.left(), inside.bottom() + 1 - linkSize.height()), linkSize));
}

void TFrmPrincipal::BitBtn1Click()
{
    // Created for this opening and destroyed when it closes: it keeps nothing between openings.
    auto dialog = std::make_unique<TFrmSeleccionar>(this);
    platform::current().showModal(*dialog);
}

void TFrmPrincipal::BitBtn2Click()
{
    TFrmAcercade about(this);
    platform::current().showModal(about);
}

void TFrmPrincipal::BitBtn3Click()
{
    close();
}

void TFrmPrincipal::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::HelpContents)) {
        guarded(this, [this] { HelpWindow::showContents(this); });
        return;
    }
    QWidget::keyPressEvent(event);
}

void TFrmPrincipal::ExStaticText1Click()
{
    platform::current().openUrl(QUrl(webaddresses::faq()));
}
