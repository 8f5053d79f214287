#include "platform/Platform.h"

#include "platform/QtPlatform.h"

namespace platform {

namespace {
Platform *installed = nullptr;
}

Platform &current()
{
    static QtPlatform qtPlatform;
    return installed ? *installed : qtPlatform;
}

void install(Platform *platform)
{
    installed = platform;
}

} // namespace platform
