#include "ui/widgets/WindowFont.h"

#include <QStringList>

QFont windowFont()
{
    QFont font;
    font.setFamilies({QStringLiteral("MS Shell Dlg 2"), QStringLiteral("Tahoma"),
                      QStringLiteral("Liberation Sans"), QStringLiteral("Nimbus Sans"),
                      QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(8);
    return font;
}
