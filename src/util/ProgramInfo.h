#pragma once

#include <QString>

namespace programinfo {

// The program's title: the caption of notes and error boxes.
QString title();
// The version shown in the main window's caption.
QString versionText();
// The folder of the executable, with a trailing separator; Tarvinel.cfg and AYUDA.HLP live there.
QString programFolder();
// Tests point the program at a folder of their own.
void setProgramFolder(const QString &folder);
// The code-table file Tarvinel.cfg in the program folder.
QString codeTableFilePath();
// The help file AYUDA.HLP in the program folder; it need not exist: only a help request notices.
QString helpFilePath();

} // namespace programinfo
