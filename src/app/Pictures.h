#pragma once

#include <QIcon>
#include <QPixmap>

// The main window's pictures, drawn by the program. Each button glyph has its two states: the
// normal picture and a grey one for the disabled button.
namespace pictures {

inline constexpr int glyphSize = 32;

QIcon editGlyph();  // a sheet with a pencil: "&Editar Archivo"
QIcon aboutGlyph(); // an "i" in a blue disc: "&Acerca de..."
QIcon exitGlyph();  // an open door with an arrow going out: "&Salir"

// The service's logo, 141 x 42: the word "Tarvinel" in a blue box.
QPixmap serviceLogo();

} // namespace pictures
