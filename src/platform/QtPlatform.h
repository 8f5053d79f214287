#pragma once

#include "platform/Platform.h"

namespace platform {

// The real desktop: QMessageBox, QFileDialog, the desktop's opener xdg-open (QDesktopServices where
// there is none) and QDialog::exec().
class QtPlatform final : public Platform {
public:
    Answer message(QWidget *parent, const MessageRequest &request) override;
    QString openFileName(QWidget *parent, const FileRequest &request) override;
    QString saveFileName(QWidget *parent, const FileRequest &request) override;
    bool openUrl(const QUrl &url) override;
    int showModal(QDialog &dialog) override;
};

} // namespace platform
