#include "ui/HelpWindow.h"

#include "platform/Boxes.h"
#include "platform/Platform.h"
#include "ui/widgets/DialogKit.h"
#include "util/ProgramInfo.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

HelpWindow::HelpWindow(const QString &helpFile, QWidget *parent)
    : QDialog(parent,
              Qt::Window | Qt::WindowTitleHint | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint),
      m_browser(new QTextBrowser(this))
{
    dialogkit::setUp(*this, "HelpWindow", QStringLiteral("Ayuda de ") + programinfo::title());

    auto *outer = new QVBoxLayout(this);
    auto *bar = new QHBoxLayout;
    QPushButton *back = dialogkit::button(this, "Atras", QStringLiteral("< &Atrás"));
    QPushButton *forward = dialogkit::button(this, "Adelante", QStringLiteral("A&delante >"));
    QPushButton *home = dialogkit::button(this, "Contenido", QStringLiteral("&Contenido"));
    QPushButton *close = dialogkit::button(this, "Cerrar", QStringLiteral("C&errar"));
    for (QPushButton *button : {back, forward, home}) {
        // The browser keeps the focus, so the keys always scroll the text.
        button->setFocusPolicy(Qt::NoFocus);
        bar->addWidget(button);
    }
    close->setFocusPolicy(Qt::NoFocus);
    bar->addStretch(1);
    bar->addWidget(close);
    outer->addLayout(bar);

    m_browser->setObjectName(QStringLiteral("Browser"));
    outer->addWidget(m_browser, 1);

    back->setEnabled(false);
    forward->setEnabled(false);
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QWidget::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, forward, &QWidget::setEnabled);
    connect(back, &QPushButton::clicked, m_browser, &QTextBrowser::backward);
    connect(forward, &QPushButton::clicked, m_browser, &QTextBrowser::forward);
    connect(home, &QPushButton::clicked, m_browser, &QTextBrowser::home);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    // The file is an HTML document whatever its name says.
    m_browser->setSource(QUrl::fromLocalFile(helpFile), QTextDocument::HtmlResource);
    m_browser->setFocus();
    resize(760, 560);
}

void HelpWindow::showContents(QWidget *parent)
{
    const QString path = programinfo::helpFilePath();
    const QString shown = QDir::toNativeSeparators(path);
    if (!QFileInfo(path).isFile()) {
        boxes::note(parent, QStringLiteral("No se encontró el archivo de ayuda %1").arg(shown));
        return;
    }
    if (QFile file(path); !file.open(QIODevice::ReadOnly)) {
        boxes::note(parent, QStringLiteral("No se pudo leer el archivo de ayuda %1").arg(shown));
        return;
    }
    HelpWindow window(path, parent);
    platform::current().showModal(window);
}
