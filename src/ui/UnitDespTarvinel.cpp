#include "ui/UnitDespTarvinel.h"

#include "io/DeclarationWriter.h"
#include "model/TableOperations.h"
#include "platform/ActionGuard.h"
#include "platform/Boxes.h"
#include "platform/Platform.h"
#include "ui/CodeMenu.h"
#include "ui/HelpWindow.h"
#include "ui/Pictures.h"
#include "ui/RecordGrid.h"
#include "ui/RecordTableModel.h"
#include "ui/UnitAcercade.h"
#include "ui/UnitBuscar.h"
#include "ui/UnitModMasiva.h"
#include "ui/codes/UnitModCodTarvinel.h"
#include "ui/editor/UnitDatosTarvinel.h"
#include "ui/widgets/Cp1252Validator.h"
#include "ui/widgets/WindowFont.h"
#include "util/Cp1252.h"
#include "util/WebAddresses.h"

#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMenu>
#include <QScreen>
#include <QStandardPaths>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

#include <memory>

namespace {

constexpr int kPanelHeight = 49;
constexpr int kButtonHeight = 45;

// The save dialog's first folder, set again on every use.
QString textFileFolder()
{
#ifdef Q_OS_WIN
    return QStringLiteral("C:\\Mis Documentos\\");
#else
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
#endif
}

} // namespace

TFrmTarvinel::TFrmTarvinel(linelayout::Layout layout, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_layout(layout)
{
    setObjectName(QStringLiteral("FrmTarvinel"));
    setWindowTitle(QStringLiteral("Listado para Tarvinel"));
    setFont(windowFont());
    // A separator typed into a text would split its field in two when the file is read back.
    Cp1252Validator::refuseIn(this, cp1252::toUnicode(linelayout::refusedInText(m_layout)));
    buildControls();
    // Where no window manager maximises, the window still covers the screen.
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        setGeometry(screen->availableGeometry());
    setWindowState(Qt::WindowMaximized);
}

TFrmTarvinel::~TFrmTarvinel()
{
    // The grid and its model refer to the table, a member that goes before the window's children.
    delete DBGrid1;
    delete m_model;
}

RecordTable &TFrmTarvinel::RxMem()
{
    return m_table;
}

void TFrmTarvinel::buildControls()
{
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);

    auto *panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setFixedHeight(kPanelHeight);
    Panel1 = panel;
    auto *bar = new QHBoxLayout(panel);
    bar->setContentsMargins(4, 1, 4, 1);
    bar->setSpacing(2);
    outer->addWidget(panel);

    QToolButton *crear =
        addButton("SpeedButton1", QStringLiteral("Crear &Arch."),
                  QStringLiteral("Crear archivo de texto para Tarvinel"), pictures::createFile());
    QToolButton *web = addButton("SpeedButton3", QStringLiteral("&Tarvinel"),
                                 QStringLiteral("Entra a la Página de Tarvinel"), pictures::webSite());
    QToolButton *excel = addButton("SpeedButton5", QStringLiteral("E&xcel"),
                                   QStringLiteral("Envia archivo a Excel"), pictures::spreadsheet());
    QToolButton *modificar = addButton("SpeedButton6", QStringLiteral("&Modificar"),
                                       QStringLiteral("Modificar datos de un empleado"), pictures::modify());
    QToolButton *eliminar = addButton("SpeedButton7", QStringLiteral("&Eliminar"),
                                      QStringLiteral("Eliminar línea"), pictures::remove());
    QToolButton *codigos = addButton("SpeedButton2", QStringLiteral("C&ódigos"),
                                     QStringLiteral("Modifica códigos de Tarvinel"), pictures::codes());
    QToolButton *masiva = addButton("SpeedButton9", QStringLiteral("Masi&va"),
                                    QStringLiteral("Modificación masiva"), pictures::massive());
    QToolButton *contratos =
        addButton("SpeedButton11", QStringLiteral("2° Contra."), QStringLiteral("Asigna segundos contratos"),
                  pictures::secondContract());
    QToolButton *ayuda = addButton("SpeedButton8", QString(), QStringLiteral("Ayuda"), pictures::help());
    QToolButton *acerca =
        addButton("SpeedButton10", QString(), QStringLiteral("Acerca de..."), pictures::about());
    QToolButton *cerrar =
        addButton("SpeedButton4", QString(), QStringLiteral("Cerrar esta pantalla"), pictures::exit());
    bar->addStretch(1);

    connect(crear, &QToolButton::clicked, this, guardedAction(this, &TFrmTarvinel::SpeedButton1Click));
    connect(web, &QToolButton::clicked, this, guardedAction(this, &TFrmTarvinel::SpeedButton3Click));
    connect(excel, &QToolButton::clicked, this, guardedAction(this, &TFrmTarvinel::SpeedButton5Click));
    connect(modificar, &QToolButton::clicked, this, guardedAction(this, &TFrmTarvinel::SpeedButton6Click));
    connect(eliminar, &QToolButton::clicked, this, guardedAction(this, &TFrmTarvinel::SpeedButton7Click));
    connect(codigos, &QToolButton::clicked, this, guardedAction(this, &TFrmTarvinel::SpeedButton2Click));
    connect(ayuda, &QToolButton::clicked, this, guardedAction(this, &TFrmTarvinel::SpeedButton8Click));
    connect(acerca, &QToolButton::clicked, this, guardedAction(this, &TFrmTarvinel::SpeedButton10Click));
    connect(cerrar, &QToolButton::clicked, this, guardedAction(this, &TFrmTarvinel::SpeedButton4Click));
    connect(masiva, &QToolButton::clicked, this, guardedAction(this, &TFrmTarvinel::SpeedButton9Click));
    connect(contratos, &QToolButton::clicked, this, guardedAction(this, &TFrmTarvinel::SpeedButton11Click));

    m_model = new RecordTableModel(m_table, this);
    DBGrid1 = new RecordGrid(*m_model, this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setContextMenuPolicy(Qt::CustomContextMenu);
    outer->addWidget(DBGrid1, 1);
    connect(DBGrid1, &QAbstractItemView::doubleClicked, this,
            guardedAction(this, &TFrmTarvinel::DBGrid1DblClick));
    connect(DBGrid1, &QWidget::customContextMenuRequested, this,
            guardedAction(this, &TFrmTarvinel::DBGrid1ContextMenu));
    // After the cell editor has closed, so that the box does not take its focus while it commits.
    connect(
        m_model, &RecordTableModel::storeRefused, this,
        [this](const QString &message) { boxes::error(this, message); }, Qt::QueuedConnection);

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    PopupMenu1->addAction(QStringLiteral("Modificar"), this,
                          guardedAction(this, &TFrmTarvinel::SpeedButton6Click));
    PopupMenu1->addAction(QStringLiteral("Eliminar"), this,
                          guardedAction(this, &TFrmTarvinel::SpeedButton7Click));
    PopupMenu1->addAction(QStringLiteral("Agregar"), this, guardedAction(this, &TFrmTarvinel::Agregar1Click));
    PopupMenu1->addSeparator();
    PopupMenu1->addAction(QStringLiteral("Buscar"), this, guardedAction(this, &TFrmTarvinel::Buscar1Click));

    PopupMenu2 = new QMenu(this);
    PopupMenu2->setObjectName(QStringLiteral("PopupMenu2"));
    for (int item = 0; item < codemenu::kCount; ++item) {
        PopupMenu2->addAction(QString::fromUtf16(codemenu::item(item).text), this,
                              [this, item] { CodeMenuItemClick(item); });
    }

    DBGrid1->setFocus();
}

QToolButton *TFrmTarvinel::addButton(const char *name, const QString &caption, const QString &hint,
                                     const QIcon &glyph)
{
    auto *button = new QToolButton(Panel1);
    button->setObjectName(QLatin1String(name));
    button->setAutoRaise(true);
    // Like the bar's buttons always were, they never take the focus from the grid.
    button->setFocusPolicy(Qt::NoFocus);
    button->setIcon(glyph);
    button->setIconSize(QSize(pictures::barGlyphSize, pictures::barGlyphSize));
    button->setToolTip(hint);
    button->setFixedHeight(kButtonHeight);
    if (caption.isEmpty()) {
        button->setToolButtonStyle(Qt::ToolButtonIconOnly);
        button->setFixedWidth(kButtonHeight);
    } else {
        button->setText(caption);
        button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        button->setMinimumWidth(64);
    }
    Panel1->layout()->addWidget(button);
    return button;
}

bool TFrmTarvinel::hasUnsavedChanges() const
{
    return m_table.revision() != m_savedRevision || (m_table.isPending() && m_table.isModified());
}

void TFrmTarvinel::showEvent(QShowEvent *event)
{
    if (!m_shown) {
        // The reader has filled the table by now: what it holds is what the file holds.
        m_shown = true;
        m_savedRevision = m_table.revision();
    }
    QDialog::showEvent(event);
}

void TFrmTarvinel::keyPressEvent(QKeyEvent *event)
{
    // Escape does not close the window, which has no cancel button.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        return;
    }
    if (event->matches(QKeySequence::HelpContents)) {
        guarded(this, [this] { SpeedButton8Click(); });
        return;
    }
    QDialog::keyPressEvent(event);
}

void TFrmTarvinel::reject()
{
    guarded(this, [this] {
        // A value still in a cell editor counts as a change, and one the field refuses keeps the window.
        if (!DBGrid1->finishEditing())
            return;
        if (hasUnsavedChanges()
            && !boxes::question(this, QStringLiteral("Hay cambios que no se han grabado en un archivo. "
                                                     "¿Desea cerrar sin grabarlos?")))
            return;
        m_table.close();
        QDialog::reject();
    });
}

void TFrmTarvinel::SpeedButton1Click()
{
    if (!DBGrid1->finishEditing())
        return;
    // A line whose columns or fields would move is unreadable for the service: written only when
    // asked for.
    const bool fixed = m_layout == linelayout::Layout::Fixed;
    const auto misaligned =
        fixed ? declaration::firstMisalignedLine(m_table) : declaration::firstSplitLine(m_table);
    if (misaligned
        && !boxes::question(this, fixed ? declaration::misalignmentQuestion(*misaligned)
                                        : declaration::splitQuestion(*misaligned)))
        return;
    platform::FileRequest request;
    request.folder = textFileFolder();
    request.fileName = QStringLiteral("Tarvinel");
    request.filter = QStringLiteral("Archivo de Texto (*.txt)");
    request.defaultSuffix = QStringLiteral("txt");
    const QString path = platform::current().saveFileName(this, request);
    if (path.isEmpty())
        return;
    declaration::write(m_table, m_layout, path);
    m_savedRevision = m_table.revision();
}

void TFrmTarvinel::SpeedButton3Click()
{
    // A browser that cannot be started is not reported.
    platform::current().openUrl(QUrl(webaddresses::site()));
}

void TFrmTarvinel::SpeedButton5Click()
{
    if (!DBGrid1->finishEditing())
        return;
    platform::FileRequest request;
    // Set again on every use, so that a name typed last time is not proposed.
    request.fileName = QStringLiteral("Archivo Tarvinel");
    request.filter = QStringLiteral("Archivo Excel (*.xls)");
    request.defaultSuffix = QStringLiteral("xls");
    GenExport1.Tipo = ExExcel;
    const QString path = platform::current().saveFileName(this, request);
    if (path.isEmpty())
        return;
    GenExport1.Destino = path;
    GenExport1.Solapa = QStringLiteral("Archivo Tarvinel");
    GenExport1.Exportar(m_table);
}

void TFrmTarvinel::SpeedButton6Click()
{
    if (!DBGrid1->finishEditing())
        return;
    auto editor = std::make_unique<TFrmDatosTarvinel>(m_table, /*ModoAgregar=*/false, this);
    platform::current().showModal(*editor);
}

void TFrmTarvinel::SpeedButton7Click()
{
    if (!DBGrid1->finishEditing())
        return;
    if (m_table.rowCount() > 0 && boxes::question(this, QStringLiteral("¿Seguro de Eliminar esta línea?")))
        m_table.deleteRow();
    tableops::RenumerarLineas(m_table);
}

void TFrmTarvinel::SpeedButton2Click()
{
    // Always at the same place on the screen, wherever the window or the button is.
    PopupMenu2->popup(QPoint(400, 70));
}

void TFrmTarvinel::CodeMenuItemClick(int item)
{
    guarded(this, [this, item] {
        const CodeTable table = codemenu::item(item).table;
        TFrmModCodTarvinel editor(codesections::name(table).toByteArray(), codesections::width(table), this);
        editor.setWindowTitle(codesections::caption(table).toString());
        platform::current().showModal(editor);
    });
}

void TFrmTarvinel::SpeedButton8Click()
{
    HelpWindow::showContents(this);
}

void TFrmTarvinel::SpeedButton10Click()
{
    TFrmAcercade about(this);
    platform::current().showModal(about);
}

void TFrmTarvinel::SpeedButton4Click()
{
    close();
}

void TFrmTarvinel::DBGrid1DblClick()
{
    SpeedButton6Click();
}

void TFrmTarvinel::DBGrid1ContextMenu(const QPoint &pos)
{
    PopupMenu1->popup(DBGrid1->viewport()->mapToGlobal(pos));
}

void TFrmTarvinel::Agregar1Click()
{
    if (!DBGrid1->finishEditing())
        return;
    auto editor = std::make_unique<TFrmDatosTarvinel>(m_table, /*ModoAgregar=*/true, this);
    platform::current().showModal(*editor);
    tableops::RenumerarLineas(m_table);
}

void TFrmTarvinel::Buscar1Click()
{
    if (!DBGrid1->finishEditing())
        return;
    TFrmBuscar search(m_table, this);
    platform::current().showModal(search);
}

void TFrmTarvinel::SpeedButton9Click()
{
    if (!DBGrid1->finishEditing())
        return;
    TFrmModMasiva massive(m_table, this);
    platform::current().showModal(massive);
}

void TFrmTarvinel::SpeedButton11Click()
{
    if (!DBGrid1->finishEditing())
        return;
    tableops::assignSecondContracts(m_table);
}
