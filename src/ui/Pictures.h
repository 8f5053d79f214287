#pragma once

#include <QIcon>
#include <QPixmap>

// Every picture of the program's windows, drawn by the program in one place. Each glyph is drawn
// crisp at both sizes the windows use, at once and twice the scale, with a grey picture of the same
// shapes for a disabled button.
namespace pictures {

inline constexpr int barGlyphSize = 24;    // the listing window's button bar
inline constexpr int buttonGlyphSize = 32; // the buttons beside a caption of the main window

QIcon editFile();       // a sheet with a pencil: "&Editar Archivo"
QIcon createFile();     // a sheet with a green plus: "Crear &Arch."
QIcon webSite();        // a globe: "&Tarvinel"
QIcon spreadsheet();    // a green sheet with cells: "E&xcel"
QIcon modify();         // a pencil over a line: "&Modificar"
QIcon remove();         // a red cross: "&Eliminar"
QIcon codes();          // a list with keys: "C&ódigos"
QIcon massive();        // lines with arrows: "Masi&va"
QIcon secondContract(); // two figures: "2° Contra."
QIcon observations();   // a sheet with a marked cell and a warning sign: the list of observations
QIcon help();           // a question mark in a blue disc
QIcon about();          // an "i" in a blue disc: "&Acerca de..."
QIcon exit();           // an open door with an arrow going out: "&Salir", closing a window

// The service's logo, 141 x 42: the word "Tarvinel" in a blue box.
QPixmap serviceLogo();

} // namespace pictures
