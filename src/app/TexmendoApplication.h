#pragma once

#include <QApplication>

// The program's application object. It installs Qt's own translations for the user's language.
// Any AppError or std::exception that no window caught while an
// event was being handled ends that event only: notify() shows it in the error box and the program
// goes on running.
class TexmendoApplication : public QApplication {
    Q_OBJECT

public:
    TexmendoApplication(int &argc, char **argv);

    bool notify(QObject *receiver, QEvent *event) override;
};
