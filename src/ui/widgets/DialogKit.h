#pragma once

#include <QIcon>
#include <QStyle>

class QPushButton;
class QString;
class QWidget;

// How every window of the program is put together:
// - a dialog has a title bar with a close box only: windowFlags(), given to its QDialog;
// - setUp() comes first, before any control is made: it names the window and gives it its caption
//   and the program's font (ui/widgets/WindowFont.h), in which the controls measure their widths
//   (ui/widgets/FormFields.h) and so would be sized for another font if made earlier;
// - its push buttons come from button(), never a default button: Enter moves to the next field in
//   every window (app/JDGMessage.h).
namespace dialogkit {

Qt::WindowFlags windowFlags();

void setUp(QWidget &window, const char *name, const QString &caption);

// A push button named `name` with `caption` ("&" before its accelerator) and `glyph`, in `parent`.
QPushButton *button(QWidget *parent, const char *name, const QString &caption, const QIcon &glyph = QIcon());
// The same with one of the style's standard pictures.
QPushButton *button(QWidget *parent, const char *name, const QString &caption, QStyle::StandardPixmap glyph);

} // namespace dialogkit
