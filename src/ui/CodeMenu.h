#pragma once

#include "codes/CodeSections.h"

// The listing window's code menu: its items in menu order, each naming the code table it edits.
namespace codemenu {

struct Item {
    const char16_t *text; // menu text with its accelerator
    CodeTable table;
};

constexpr int kCount = 11;

const Item &item(int index);

} // namespace codemenu
