#pragma once

#include "util/AppError.h"

#include <QString>

// The message of the AppError that `call` raises, or an empty text when it raises none.
template <typename Call> QString errorOf(Call &&call)
{
    try {
        call();
    } catch (const AppError &e) {
        return e.message();
    }
    return {};
}
