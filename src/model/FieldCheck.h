#pragma once

#include <QtGlobal>

// What the service would check in a field; the column of the field table that says it.
enum class CheckRule : quint8 { None };

struct FieldCheck {
    CheckRule rule = CheckRule::None;
    const char *codeSection = nullptr;
};
