#pragma once

#include <QLocale>

class QCoreApplication;

// Loads Qt's own translations (the texts of file dialogs and of standard buttons) for the language
// of `locale` from where Qt keeps them, and installs them in `app`, which owns them. Answers false,
// leaving Qt's English, when there are none for that language.
bool installQtTranslations(QCoreApplication &app, const QLocale &locale);
