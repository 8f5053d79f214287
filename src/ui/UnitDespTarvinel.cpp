#include "ui/UnitDespTarvinel.h"

#include "io/DeclarationReader.h"
#include "io/DeclarationWriter.h"
#include "model/TableOperations.h"
#include "platform/ActionGuard.h"
#include "platform/Boxes.h"
#include "platform/Platform.h"
#include "ui/CodeMenu.h"
#include "ui/HelpWindow.h"
#include "ui/ObservationStatus.h"
#include "ui/Pictures.h"
#include "ui/RecordGrid.h"
#include "ui/RecordTableModel.h"
#include "ui/UnitAcercade.h"
#include "ui/UnitBuscar.h"
#include "ui/UnitModMasiva.h"
#include "ui/UnitObservaciones.h"
#include "ui/codes/UnitModCodTarvinel.h"
#include "ui/editor/UnitDatosTarvinel.h"
#include "ui/widgets/Cp1252Validator.h"
#include "ui/widgets/DialogKit.h"
#include "util/Cp1252.h"
#include "util/ProgramInfo.h"
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
    : QDialog(parent, dialogkit::windowFlags()),
      m_observations(m_table, CodeTables::read(programinfo::codeTableFilePath())), m_layout(layout)
{
    dialogkit::setUp(*this, "FrmTarvinel", QStringLiteral("Listado para Tarvinel"));
    // A separator typed into a text would split its field in two when the file is read back.
    Cp1252Validator::refuseIn(this, cp1252::toUnicode(linelayout::refusedInText(m_layout)));
    buildControls();
    // Where no window manager maximises, the window still covers the screen.
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        setGeometry(screen->availableGeometry());
    setWindowState(Qt::WindowMaximized);
}

TFrmTarvinel::~TFrmTarvinel() = default;

void TFrmTarvinel::load(const QString &path)
{
    declaration::read(path, m_layout, m_table);
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

    m_model = std::make_unique<RecordTableModel>(m_table);
    m_model->setObservations(&m_observations);
    DBGrid1 = std::make_unique<RecordGrid>(*m_model, this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setContextMenuPolicy(Qt::CustomContextMenu);
    outer->addWidget(DBGrid1.get(), 1);
    outer->addWidget(new ObservationStatus(m_table, m_observations, this));

    QAction *crear = command(&TFrmTarvinel::SpeedButton1Click, QString(),
                             QStringLiteral("Crear archivo de texto para Tarvinel"), pictures::createFile(),
                             QKeySequence(Qt::CTRL | Qt::Key_S));
    QAction *web = command(&TFrmTarvinel::SpeedButton3Click, QString(),
                           QStringLiteral("Entra a la Página de Tarvinel"), pictures::webSite());
    QAction *excel = command(&TFrmTarvinel::SpeedButton5Click, QString(),
                             QStringLiteral("Envia archivo a Excel"), pictures::spreadsheet());
    QAction *modificar = command(&TFrmTarvinel::SpeedButton6Click, QStringLiteral("Modificar"),
                                 QStringLiteral("Modificar datos de un empleado"), pictures::modify());
    QAction *eliminar = command(&TFrmTarvinel::SpeedButton7Click, QStringLiteral("Eliminar"),
                                QStringLiteral("Eliminar línea"), pictures::remove());
    QAction *codigos = command(&TFrmTarvinel::SpeedButton2Click, QString(),
                               QStringLiteral("Modifica códigos de Tarvinel"), pictures::codes());
    QAction *masiva = command(&TFrmTarvinel::SpeedButton9Click, QString(),
                              QStringLiteral("Modificación masiva"), pictures::massive());
    QAction *contratos = command(&TFrmTarvinel::SpeedButton11Click, QString(),
                                 QStringLiteral("Asigna segundos contratos"), pictures::secondContract());
    QAction *observaciones = command(&TFrmTarvinel::Observaciones1Click, QStringLiteral("Observaciones"),
                                     QStringLiteral("Lista de observaciones"), pictures::observations());
    QAction *ayuda = command(&TFrmTarvinel::SpeedButton8Click, QString(), QStringLiteral("Ayuda"),
                             pictures::help(), QKeySequence::HelpContents);
    QAction *acerca = command(&TFrmTarvinel::SpeedButton10Click, QString(), QStringLiteral("Acerca de..."),
                              pictures::about());
    QAction *cerrar = command(&TFrmTarvinel::SpeedButton4Click, QString(),
                              QStringLiteral("Cerrar esta pantalla"), pictures::exit());
    QAction *agregar = command(&TFrmTarvinel::Agregar1Click, QStringLiteral("Agregar"), QString());
    QAction *buscar = command(&TFrmTarvinel::Buscar1Click, QStringLiteral("Buscar"), QString(), QIcon(),
                              QKeySequence(Qt::CTRL | Qt::Key_F));

    addButton("SpeedButton1", QStringLiteral("Crear &Arch."), crear);
    addButton("SpeedButton3", QStringLiteral("&Tarvinel"), web);
    addButton("SpeedButton5", QStringLiteral("E&xcel"), excel);
    addButton("SpeedButton6", QStringLiteral("&Modificar"), modificar);
    addButton("SpeedButton7", QStringLiteral("&Eliminar"), eliminar);
    addButton("SpeedButton2", QStringLiteral("C&ódigos"), codigos);
    addButton("SpeedButton9", QStringLiteral("Masi&va"), masiva);
    addButton("SpeedButton11", QStringLiteral("2° Contra."), contratos);
    addButton("SpeedButton12", QStringLiteral("O&bservaciones"), observaciones);
    addButton("SpeedButton8", QString(), ayuda);
    addButton("SpeedButton10", QString(), acerca);
    addButton("SpeedButton4", QString(), cerrar);
    bar->addStretch(1);

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    PopupMenu1->addActions({modificar, eliminar, agregar});
    PopupMenu1->addSeparator();
    PopupMenu1->addActions({buscar, observaciones});

    PopupMenu2 = new QMenu(this);
    PopupMenu2->setObjectName(QStringLiteral("PopupMenu2"));
    for (int item = 0; item < codemenu::kCount; ++item) {
        PopupMenu2->addAction(QString::fromUtf16(codemenu::item(item).text), this,
                              guardedAction(this, [this, item] { CodeMenuItemClick(item); }));
    }

    connect(DBGrid1.get(), &QAbstractItemView::doubleClicked, modificar, &QAction::trigger);
    connect(DBGrid1.get(), &QWidget::customContextMenuRequested, this,
            guardedAction(this, &TFrmTarvinel::DBGrid1ContextMenu));
    // After the cell editor has closed, so that the box does not take its focus while it commits.
    connect(
        m_model.get(), &RecordTableModel::storeRefused, this,
        [this](const QString &message) { boxes::error(this, message); }, Qt::QueuedConnection);

    DBGrid1->setFocus();
}

QAction *TFrmTarvinel::command(void (TFrmTarvinel::*handler)(), const QString &text, const QString &hint,
                               const QIcon &glyph, const QKeySequence &keys)
{
    auto *action = new QAction(glyph, text, this);
    action->setToolTip(hint);
    action->setShortcut(keys);
    addAction(action);
    connect(action, &QAction::triggered, this, guardedAction(this, [this, handler] {
                if (DBGrid1->finishEditing())
                    (this->*handler)();
            }));
    return action;
}

QToolButton *TFrmTarvinel::addButton(const char *name, const QString &caption, QAction *command)
{
    // Set before the button takes the action, so that the button's accelerator is this caption's.
    command->setIconText(caption);
    auto *button = new QToolButton(Panel1);
    button->setObjectName(QLatin1String(name));
    button->setDefaultAction(command);
    button->setAutoRaise(true);
    // Like the bar's buttons always were, they never take the focus from the grid.
    button->setFocusPolicy(Qt::NoFocus);
    button->setIconSize(QSize(pictures::barGlyphSize, pictures::barGlyphSize));
    button->setFixedHeight(kButtonHeight);
    if (caption.isEmpty()) {
        button->setToolButtonStyle(Qt::ToolButtonIconOnly);
        button->setFixedWidth(kButtonHeight);
    } else {
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
    auto editor = std::make_unique<TFrmDatosTarvinel>(m_table, /*ModoAgregar=*/false, this);
    platform::current().showModal(*editor);
}

void TFrmTarvinel::SpeedButton7Click()
{
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
    const CodeTable table = codemenu::item(item).table;
    TFrmModCodTarvinel editor(codesections::name(table).toByteArray(), codesections::width(table), this);
    editor.setWindowTitle(codesections::caption(table).toString());
    platform::current().showModal(editor);
    // A code added or removed there counts at once.
    m_observations.setCodeTables(CodeTables::read(programinfo::codeTableFilePath()));
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

void TFrmTarvinel::DBGrid1ContextMenu(const QPoint &pos)
{
    PopupMenu1->popup(DBGrid1->viewport()->mapToGlobal(pos));
}

void TFrmTarvinel::Agregar1Click()
{
    auto editor = std::make_unique<TFrmDatosTarvinel>(m_table, /*ModoAgregar=*/true, this);
    platform::current().showModal(*editor);
    tableops::RenumerarLineas(m_table);
}

void TFrmTarvinel::Buscar1Click()
{
    TFrmBuscar search(m_table, this);
    platform::current().showModal(search);
}

void TFrmTarvinel::Observaciones1Click()
{
    TFrmObservaciones list(m_table, m_observations, this);
    if (platform::current().showModal(list) != QDialog::Accepted)
        return;
    if (const std::optional<ObservationCell> cell = list.chosen())
        DBGrid1->showCell(cell->row, cell->position);
}

void TFrmTarvinel::SpeedButton9Click()
{
    TFrmModMasiva massive(m_table, this);
    platform::current().showModal(massive);
}

void TFrmTarvinel::SpeedButton11Click()
{
    tableops::assignSecondContracts(m_table);
}
