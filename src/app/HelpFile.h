#pragma once

#include <QString>

// The application-wide help-file setting. Start-up sets it to the program folder + "AYUDA.HLP";
// windows that offer help read it and hand it to platform::current().showHelpContents(). Empty
// until start-up has set it. The file itself need not exist: only a help request notices.
namespace helpfile {

QString path();
void setPath(const QString &path);

} // namespace helpfile
