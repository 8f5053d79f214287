#include "ui/UnitSeleccionar.h"

#include "platform/ActionGuard.h"
#include "platform/Platform.h"
#include "ui/UnitDespTarvinel.h"
#include "ui/widgets/DialogKit.h"
#include "ui/widgets/RadioGroup.h"

#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>
#include <memory>

namespace {

// Sizes and positions at 96 dpi. The window is 245 x 143 with its frame; this is its client area
// under a common frame (4 px sides, 23 px caption).
constexpr QSize clientSize(237, 116);
constexpr int radioGroupHeight = 65;
constexpr QSize buttonSize(75, 25);
constexpr int buttonTop = 80;
constexpr int acceptLeft = 32;
constexpr int closeLeft = 136;

} // namespace

TFrmSeleccionar::TFrmSeleccionar(QWidget *parent) : QDialog(parent, dialogkit::windowFlags())
{
    dialogkit::setUp(*this, "FrmSeleccionar", QStringLiteral("Seleccionar Formato"));
    buildControls();
}

void TFrmSeleccionar::buildControls()
{
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    auto *panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    outer->addWidget(panel);

    RadioGroup1 = new RadioGroup(
        QStringLiteral("Seleccione el Formato del Archivo"),
        {QStringLiteral("105 Campos por Posición"), QStringLiteral("105 Campos por Separador")}, 1, panel);
    RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
    // The sizes above, grown where this platform's fonts and frames need more room.
    const int groupHeight = std::max(radioGroupHeight, RadioGroup1->sizeHint().height());
    RadioGroup1->setGeometry(0, 0, clientSize.width(), groupHeight);
    RadioGroup1->setItemIndex(0);
    const int top = buttonTop + groupHeight - radioGroupHeight;

    BitBtn1 = dialogkit::button(panel, "BitBtn1", QStringLiteral("&Aceptar"), QStyle::SP_DialogOkButton);
    BitBtn1->setGeometry(QRect(QPoint(acceptLeft, top), buttonSize));
    BitBtn2 = dialogkit::button(panel, "BitBtn2", QStringLiteral("&Cerrar"), QStyle::SP_DialogCloseButton);
    BitBtn2->setGeometry(QRect(QPoint(closeLeft, top), buttonSize));
    connect(BitBtn1, &QPushButton::clicked, this, guardedAction(this, &TFrmSeleccionar::BitBtn1Click));
    connect(BitBtn2, &QPushButton::clicked, this, guardedAction(this, &TFrmSeleccionar::BitBtn2Click));

    setTabOrder(RadioGroup1, BitBtn1);
    setTabOrder(BitBtn1, BitBtn2);
    setFixedSize(clientSize.width(), clientSize.height() + groupHeight - radioGroupHeight);
}

linelayout::Layout TFrmSeleccionar::layout() const
{
    return RadioGroup1->itemIndex() == 0 ? linelayout::Layout::Fixed : linelayout::Layout::Separated;
}

void TFrmSeleccionar::BitBtn1Click()
{
    const platform::MessageRequest reminder{
        QStringLiteral("¡Atención!"),
        QStringLiteral("Señor Usuario:\rIndique la ruta donde se encuentra el archivo\renviado a Tarvinel"),
        platform::Icon::Warning, true, platform::Answer::Ok};
    if (platform::current().message(this, reminder) != platform::Answer::Ok)
        return;

    platform::FileRequest request;
    request.filter = QStringLiteral("Archivo .txt (*.txt)");
    request.defaultSuffix = QStringLiteral("txt");
    const QString path = platform::current().openFileName(this, request);
    if (path.isEmpty())
        return;

    // Created for this load and destroyed with its record table when it closes; an unreadable file
    // or a line without `nacion` takes the rows read so far with it.
    auto listing = std::make_unique<TFrmTarvinel>(layout(), this);
    listing->load(path);
    platform::current().showModal(*listing);
    listing.reset();
    // A box over the listing as it closed (the question about unsaved changes) can leave no window
    // active; the user goes on here.
    activateWindow();
}

void TFrmSeleccionar::BitBtn2Click()
{
    close();
}
