#pragma once

#include "codes/CodeSections.h"

#include <QString>

// The listing window's code menu: its items in menu order, each naming the code table it edits.
namespace codemenu {

struct Item {
    const char16_t *text; // menu text with its accelerator
    CodeTable table;
};

constexpr int kCount = 11;

const Item &item(int index);

// Sets SeccionCodigos and AnchoCodigo for the item at `index` and answers the caption of the
// code-table editor that edits it.
QString select(int index);

} // namespace codemenu
