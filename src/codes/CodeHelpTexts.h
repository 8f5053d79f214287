#pragma once

#include <QByteArrayView>
#include <QStringList>

// The explanation the code-table editor's "A&yuda" shows for each code table: the help window's
// title, its text and its outer height in pixels (its outer width is always 290).
struct CodeHelpText {
    QString title;
    QStringList lines; // each begins with two blanks; trailing blanks are part of the text
    int height;
};

namespace codehelp {

inline constexpr int kWidth = 290;

// The help of the section of that name (letters compared without case); nullptr for a section that
// has none ("Tipo Linea").
const CodeHelpText *find(QByteArrayView section);

} // namespace codehelp
