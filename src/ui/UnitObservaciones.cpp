#include "ui/UnitObservaciones.h"

#include "checks/ObservationList.h"
#include "platform/ActionGuard.h"
#include "platform/Platform.h"
#include "ui/ObservationListModel.h"
#include "ui/widgets/DialogKit.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QStyle>
#include <QTableView>
#include <QVBoxLayout>

TFrmObservaciones::TFrmObservaciones(const RecordTable &table, const Observations &observations,
                                     QWidget *parent)
    : QDialog(parent, dialogkit::windowFlags()), m_table(table), m_observations(observations)
{
    dialogkit::setUp(*this, "FrmObservaciones", QStringLiteral("Observaciones"));

    m_model = new ObservationListModel(table, observations, this);
    DBGrid1 = new QTableView(this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setModel(m_model);
    DBGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    DBGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    DBGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DBGrid1->setWordWrap(false);
    DBGrid1->setCornerButtonEnabled(false);
    DBGrid1->verticalHeader()->hide();
    // Fixed heights and widths: measuring contents would read every reason of a long list.
    DBGrid1->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    DBGrid1->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    DBGrid1->horizontalHeader()->setSectionsClickable(false);
    DBGrid1->horizontalHeader()->setStretchLastSection(true);
    const int digit = fontMetrics().horizontalAdvance(QLatin1Char('0'));
    DBGrid1->setColumnWidth(ObservationListModel::Line, digit * 8);
    DBGrid1->setColumnWidth(ObservationListModel::Field, digit * 24);
    DBGrid1->setColumnWidth(ObservationListModel::Value, digit * 20);
    if (m_model->rowCount() > 0)
        DBGrid1->setCurrentIndex(m_model->index(0, 0));
    connect(DBGrid1, &QAbstractItemView::doubleClicked, this, &TFrmObservaciones::choose);
    DBGrid1->installEventFilter(this);

    BitBtn1 =
        dialogkit::button(this, "BitBtn1", QStringLiteral("&Guardar lista..."), QStyle::SP_DialogSaveButton);
    BitBtn2 = dialogkit::button(this, "BitBtn2", QStringLiteral("&Cerrar"), QStyle::SP_DialogCloseButton);
    connect(BitBtn1, &QPushButton::clicked, this, guardedAction(this, &TFrmObservaciones::BitBtn1Click));
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(BitBtn1);
    buttons->addWidget(BitBtn2);
    auto *outer = new QVBoxLayout(this);
    outer->addWidget(DBGrid1, 1);
    outer->addLayout(buttons);

    resize(digit * 130, fontMetrics().height() * 28);
    DBGrid1->setFocus();
}

bool TFrmObservaciones::eventFilter(QObject *watched, QEvent *event)
{
    // Taken before the list, which would pass Enter on to the window's buttons.
    if (watched == DBGrid1 && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            choose(DBGrid1->currentIndex());
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TFrmObservaciones::choose(const QModelIndex &index)
{
    m_chosen = m_model->cell(index.row());
    if (m_chosen)
        accept();
}

void TFrmObservaciones::BitBtn1Click()
{
    platform::FileRequest request;
    request.fileName = QStringLiteral("Observaciones");
    request.filter = QStringLiteral("Archivo de Texto (*.txt)");
    request.defaultSuffix = QStringLiteral("txt");
    const QString path = platform::current().saveFileName(this, request);
    if (path.isEmpty())
        return;
    observationlist::write(m_table, m_observations, path);
}
