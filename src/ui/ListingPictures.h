#pragma once

#include <QIcon>

// The pictures of the listing window's buttons, drawn by the program: simple glyphs on a 24-pixel
// square. The grey picture of a disabled button comes from the style.
namespace listingpictures {

inline constexpr int glyphSize = 24;

QIcon createFile();     // a sheet with a green plus: "Crear &Arch."
QIcon webSite();        // a globe: "&Tarvinel"
QIcon spreadsheet();    // a green sheet with cells: "E&xcel"
QIcon modify();         // a pencil over a line: "&Modificar"
QIcon remove();         // a red cross: "&Eliminar"
QIcon codes();          // a list with keys: "C&ódigos"
QIcon massive();        // lines with arrows: "Masi&va"
QIcon secondContract(); // two figures: "2° Contra."
QIcon help();           // a question mark in a blue disc
QIcon about();          // an "i" in a blue disc
QIcon closeWindow();    // an open door with an arrow going out

} // namespace listingpictures
