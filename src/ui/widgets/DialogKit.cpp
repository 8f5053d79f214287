#include "ui/widgets/DialogKit.h"

#include "ui/widgets/WindowFont.h"

#include <QPushButton>

namespace dialogkit {

Qt::WindowFlags windowFlags()
{
    return Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
}

void setUp(QWidget &window, const char *name, const QString &caption)
{
    window.setObjectName(QLatin1String(name));
    window.setWindowTitle(caption);
    window.setFont(windowFont());
}

QPushButton *button(QWidget *parent, const char *name, const QString &caption, const QIcon &glyph)
{
    auto *button = new QPushButton(glyph, caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(false);
    return button;
}

QPushButton *button(QWidget *parent, const char *name, const QString &caption, QStyle::StandardPixmap glyph)
{
    return button(parent, name, caption, parent->style()->standardIcon(glyph));
}

} // namespace dialogkit
