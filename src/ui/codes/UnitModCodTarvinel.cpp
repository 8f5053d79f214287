#include "ui/codes/UnitModCodTarvinel.h"

#include "codes/CodeHelpTexts.h"
#include "platform/ActionGuard.h"
#include "platform/Boxes.h"
#include "platform/Confirmar.h"
#include "platform/Platform.h"
#include "ui/codes/UFrmAyudaParametros.h"
#include "ui/widgets/DialogKit.h"
#include "ui/widgets/UpperCaseEdit.h"
#include "util/Cp1252.h"
#include "util/ProgramInfo.h"

#include <QFocusEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScopeGuard>
#include <QVBoxLayout>

namespace {

const QString kSelectEntry = QStringLiteral("Debe seleccionar un dato");

QFrame *makePanel(QWidget *parent, const char *name)
{
    auto *panel = new QFrame(parent);
    panel->setObjectName(QLatin1String(name));
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    return panel;
}

} // namespace

TFrmModCodTarvinel::TFrmModCodTarvinel(QByteArray SeccionCodigos, int AnchoCodigo, QWidget *parent)
    : QDialog(parent, dialogkit::windowFlags()), m_section(SeccionCodigos),
      m_table(programinfo::codeTableFilePath(), std::move(SeccionCodigos), AnchoCodigo)
{
    // The caption is the opener's: it names the table.
    dialogkit::setUp(*this, "FrmModCodTarvinel", QString());
    buildControls();
    fillList(-1);
}

TFrmModCodTarvinel::~TFrmModCodTarvinel()
{
    // The fields lose the focus while the window's children are destroyed, after the table is gone.
    EdCodigo->removeEventFilter(this);
    EdGlosa->removeEventFilter(this);
}

void TFrmModCodTarvinel::buildControls()
{
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);

    QFrame *panel1 = makePanel(this, "Panel1");
    auto *fields = new QGridLayout(panel1);
    auto *codeLabel = new QLabel(QStringLiteral("Código"), panel1);
    auto *glosaLabel = new QLabel(QStringLiteral("Glosa"), panel1);
    EdCodigo = new UpperCaseEdit(m_table.width(), panel1);
    EdCodigo->setObjectName(QStringLiteral("EdCodigo"));
    EdCodigo->setFixedWidth(49);
    EdGlosa = new UpperCaseEdit(panel1);
    EdGlosa->setObjectName(QStringLiteral("EdGlosa"));
    EdGlosa->setUpperCase(false);
    EdGlosa->setFixedWidth(305);
    fields->addWidget(codeLabel, 0, 0);
    fields->addWidget(glosaLabel, 0, 1);
    fields->addWidget(EdCodigo, 1, 0);
    fields->addWidget(EdGlosa, 1, 1);
    fields->setColumnStretch(2, 1);
    outer->addWidget(panel1);
    for (QLineEdit *field : {static_cast<QLineEdit *>(EdCodigo), static_cast<QLineEdit *>(EdGlosa)}) {
        field->setEnabled(false);
        field->installEventFilter(this);
    }

    QFrame *panel2 = makePanel(this, "Panel2");
    auto *listLayout = new QVBoxLayout(panel2);
    ListBox1 = new QListWidget(panel2);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    listLayout->addWidget(ListBox1);
    outer->addWidget(panel2, 1);
    connect(ListBox1, &QListWidget::itemDoubleClicked, this,
            guardedAction(this, &TFrmModCodTarvinel::BitBtn1Click));

    QFrame *panel3 = makePanel(this, "Panel3");
    auto *buttons = new QHBoxLayout(panel3);
    QPushButton *agregar = dialogkit::button(panel3, "BitBtn3", QStringLiteral("&Agregar"));
    QPushButton *modificar = dialogkit::button(panel3, "BitBtn1", QStringLiteral("&Modificar"));
    modificar->setToolTip(QStringLiteral("Modifica línea"));
    QPushButton *eliminar = dialogkit::button(panel3, "BitBtn4", QStringLiteral("&Eliminar"));
    QPushButton *ayuda = dialogkit::button(panel3, "BitBtn5", QStringLiteral("A&yuda"));
    QPushButton *cerrar = dialogkit::button(panel3, "BitBtn2", QStringLiteral("&Cerrar"));
    for (QPushButton *button : {agregar, modificar, eliminar, ayuda, cerrar})
        buttons->addWidget(button);
    outer->addWidget(panel3);
    connect(agregar, &QPushButton::clicked, this, guardedAction(this, &TFrmModCodTarvinel::BitBtn3Click));
    connect(modificar, &QPushButton::clicked, this, guardedAction(this, &TFrmModCodTarvinel::BitBtn1Click));
    connect(eliminar, &QPushButton::clicked, this, guardedAction(this, &TFrmModCodTarvinel::BitBtn4Click));
    connect(ayuda, &QPushButton::clicked, this, guardedAction(this, &TFrmModCodTarvinel::BitBtn5Click));
    connect(cerrar, &QPushButton::clicked, this, &QDialog::reject);

    setTabOrder(EdCodigo, EdGlosa);
    setTabOrder(EdGlosa, ListBox1);
    setTabOrder(ListBox1, agregar);
    setTabOrder(agregar, modificar);
    setTabOrder(modificar, eliminar);
    setTabOrder(eliminar, cerrar);
    setTabOrder(cerrar, ayuda);
    ListBox1->setFocus();
}

void TFrmModCodTarvinel::fillList(int currentRow)
{
    ListBox1->clear();
    for (const QByteArray &entry : m_table.entries())
        ListBox1->addItem(cp1252::toUnicode(entry));
    ListBox1->setCurrentRow(currentRow < ListBox1->count() ? currentRow : -1);
}

void TFrmModCodTarvinel::startEditing()
{
    EdCodigo->setEnabled(true);
    EdGlosa->setEnabled(true);
    EdCodigo->setFocus();
}

void TFrmModCodTarvinel::done(int result)
{
    // Text still in the fields is dropped, not stored, when the window closes.
    m_closing = true;
    QDialog::done(result);
}

bool TFrmModCodTarvinel::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusOut && !m_closing) {
        // Only a move of the focus inside the window counts as leaving a field.
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            if (watched == EdCodigo)
                guarded(this, [this] { EdCodigoExit(); });
            else if (watched == EdGlosa)
                guarded(this, [this] { EdGlosaExit(); });
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TFrmModCodTarvinel::BitBtn1Click()
{
    const int row = ListBox1->currentRow();
    if (row < 0 || !ListBox1->currentItem()->isSelected()) {
        boxes::note(this, kSelectEntry);
        return;
    }
    const EditedCodeTable::Parts parts = m_table.modify(row);
    // A loaded code keeps its case; only letters typed into the field become capitals.
    EdCodigo->setStoredText(cp1252::toUnicode(parts.code));
    EdGlosa->setStoredText(cp1252::toUnicode(parts.glosa));
    startEditing();
}

void TFrmModCodTarvinel::BitBtn3Click()
{
    m_table.add();
    EdCodigo->clear();
    EdGlosa->clear();
    startEditing();
}

void TFrmModCodTarvinel::BitBtn4Click()
{
    const int row = ListBox1->currentRow();
    if (row < 0 || !ListBox1->currentItem()->isSelected()) {
        boxes::note(this, kSelectEntry);
        return;
    }
    if (Confirmar(QStringLiteral("¿Seguro de Eliminar este Registro?"), QString(), this)
        != platform::Answer::Ok)
        return;
    // The list shows the change also when the file refuses it.
    const auto refresh = qScopeGuard([this] { fillList(-1); });
    m_table.remove(row);
}

void TFrmModCodTarvinel::BitBtn5Click()
{
    const CodeHelpText *help = codehelp::find(m_section);
    if (!help)
        return;
    TFrmAyudaParametros window(*help, this);
    platform::current().showModal(window);
}

void TFrmModCodTarvinel::EdCodigoExit()
{
    const QByteArray code = cp1252::fromUnicode(EdCodigo->text());
    const QByteArray padded = EditedCodeTable::paddedCode(code, m_table.width());
    if (padded != code)
        EdCodigo->setStoredText(cp1252::toUnicode(padded));
}

void TFrmModCodTarvinel::EdGlosaExit()
{
    const QByteArray code = cp1252::fromUnicode(EdCodigo->text());
    const QByteArray glosa = cp1252::fromUnicode(EdGlosa->text());
    if (code.isEmpty() || glosa.isEmpty())
        return;
    EdCodigo->clear();
    EdGlosa->clear();
    const auto refresh = qScopeGuard([this, row = ListBox1->currentRow()] { fillList(row); });
    m_table.store(code, glosa);
}
