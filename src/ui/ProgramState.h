#pragma once

#include <QByteArray>

// The program-wide context that one window leaves for the next one it opens.

// The section of Tarvinel.cfg and the width of its codes that the code-table editor is to edit; the
// listing window's code menu sets both just before it creates the editor.
inline QByteArray SeccionCodigos;
inline int AnchoCodigo = 0;
