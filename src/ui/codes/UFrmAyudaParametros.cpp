#include "ui/codes/UFrmAyudaParametros.h"

#include "codes/CodeHelpTexts.h"
#include "ui/widgets/DialogKit.h"

#include <QFrame>
#include <QLabel>
#include <QVBoxLayout>

namespace {
// The frame of a common dialog window (4 px sides, 23 px caption): the outer size less this is the
// client area.
constexpr QSize kFrame(8, 27);
} // namespace

TFrmAyudaParametros::TFrmAyudaParametros(const CodeHelpText &help, QWidget *parent)
    : QDialog(parent, dialogkit::windowFlags())
{
    dialogkit::setUp(*this, "FrmAyudaParametros", help.title);

    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    auto *panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    outer->addWidget(panel);
    auto *inside = new QVBoxLayout(panel);
    inside->setContentsMargins(2, 2, 2, 2);
    auto *label = new QLabel(labelText(help), panel);
    label->setObjectName(QStringLiteral("Label1"));
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setBackgroundRole(QPalette::Base);
    label->setAutoFillBackground(true);
    inside->addWidget(label);

    // The design's size, grown where this font's lines are wider or taller than it was made for.
    const QSize designed(codehelp::kWidth - kFrame.width(), help.height - kFrame.height());
    setFixedSize(designed.expandedTo(outer->sizeHint()));
}

QString TFrmAyudaParametros::labelText(const CodeHelpText &help)
{
    QString text = QStringLiteral("  \n");
    for (const QString &line : help.lines)
        text += line + QLatin1Char('\n');
    return text;
}
