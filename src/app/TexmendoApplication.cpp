#include "app/TexmendoApplication.h"

#include "app/QtTranslations.h"
#include "platform/Boxes.h"
#include "util/AppError.h"

#include <exception>

namespace {

// The box goes over whatever window the user is working in, so it stays modal to it.
QWidget *boxParent()
{
    if (QWidget *modal = QApplication::activeModalWidget())
        return modal;
    return QApplication::activeWindow();
}

} // namespace

TexmendoApplication::TexmendoApplication(int &argc, char **argv) : QApplication(argc, argv)
{
    // The program's own texts are Spanish; Qt's dialogs and buttons speak the user's language.
    installQtTranslations(*this, QLocale::system());
}

bool TexmendoApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const AppError &error) {
        boxes::error(boxParent(), error.message());
    } catch (const std::exception &error) {
        boxes::error(boxParent(), QString::fromLocal8Bit(error.what()));
    }
    return false;
}
