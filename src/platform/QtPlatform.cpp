#include "platform/QtPlatform.h"

#include "platform/WebOpener.h"

#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>

namespace platform {

namespace {

// An opener answers within a fraction of a second, unless it runs the browser in the foreground; the
// window takes no input for at most this long.
constexpr std::chrono::milliseconds kOpenerPatience{3000};

QMessageBox::Icon toQtIcon(Icon icon)
{
    switch (icon) {
    case Icon::Information:
        return QMessageBox::Information;
    case Icon::Warning:
        return QMessageBox::Warning;
    case Icon::Error:
        return QMessageBox::Critical;
    case Icon::Question:
        return QMessageBox::Question;
    case Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QString runFileDialog(QWidget *parent, const FileRequest &request, QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(parent, request.caption, request.folder, request.filter);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(request.defaultSuffix);
    // Existing files are replaced without a question, as the program always did.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace

Answer QtPlatform::message(QWidget *parent, const MessageRequest &request)
{
    QMessageBox box(toQtIcon(request.icon), request.caption, request.text, QMessageBox::NoButton, parent);
    QPushButton *ok = box.addButton(request.yesButton ? QMessageBox::Yes : QMessageBox::Ok);
    QPushButton *cancel = request.withCancel ? box.addButton(QMessageBox::Cancel) : nullptr;
    box.setDefaultButton(request.defaultAnswer == Answer::Cancel && cancel ? cancel : ok);
    box.setEscapeButton(cancel ? cancel : ok);
    box.exec();
    return box.clickedButton() == ok ? Answer::Ok : Answer::Cancel;
}

QString QtPlatform::openFileName(QWidget *parent, const FileRequest &request)
{
    return runFileDialog(parent, request, QFileDialog::AcceptOpen);
}

QString QtPlatform::saveFileName(QWidget *parent, const FileRequest &request)
{
    return runFileDialog(parent, request, QFileDialog::AcceptSave);
}

bool QtPlatform::openUrl(const QUrl &url)
{
    // QDesktopServices counts starting the opener as success, though the opener may then find no
    // browser; run it and read its answer where it is there.
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (opener.isEmpty())
        return QDesktopServices::openUrl(url);
    return openWithOpener(opener, url, kOpenerPatience);
}

int QtPlatform::showModal(QDialog &dialog)
{
    return dialog.exec();
}

} // namespace platform
