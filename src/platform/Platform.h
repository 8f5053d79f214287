#pragma once

#include <QString>
#include <QUrl>

class QDialog;
class QWidget;

// Everything the program asks of the desktop: message boxes, file dialogs, the browser and modal
// windows (the help viewer is one of the program's windows). Windows call these instead of Qt directly so
// that tests can install a scripted stand-in and drive every window headless.
namespace platform {

enum class Icon { None, Information, Warning, Error, Question };
enum class Answer { Ok, Cancel };

struct MessageRequest {
    QString caption;
    QString text;
    Icon icon = Icon::None;
    bool withCancel = false;           // OK alone, or OK and Cancel
    Answer defaultAnswer = Answer::Ok; // the preselected button
    bool yesButton = false;            // the OK button reads "&Yes" (it still answers Ok)
};

struct FileRequest {
    QString caption;       // empty: the platform's default title
    QString folder;        // initial folder; empty: the platform's default
    QString fileName;      // proposed file name
    QString filter;        // Qt filter text, e.g. "Archivo .txt (*.txt)"
    QString defaultSuffix; // added when the user types a name without extension
};

class Platform {
public:
    virtual ~Platform() = default;

    // Shows a modal box and answers the button pressed; closing the box counts as Cancel.
    virtual Answer message(QWidget *parent, const MessageRequest &request) = 0;
    // Answer the chosen path, or an empty string when the user cancelled.
    virtual QString openFileName(QWidget *parent, const FileRequest &request) = 0;
    virtual QString saveFileName(QWidget *parent, const FileRequest &request) = 0;
    // True when the address was opened in the user's browser, as far as the desktop tells.
    virtual bool openUrl(const QUrl &url) = 0;
    // Shows a window modally and answers its result code (QDialog::Accepted or Rejected).
    virtual int showModal(QDialog &dialog) = 0;
};

// The platform in force: the Qt one unless a stand-in was installed.
Platform &current();
// Installs a stand-in; nullptr goes back to the Qt platform. The caller keeps ownership.
void install(Platform *platform);

} // namespace platform
