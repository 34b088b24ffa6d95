#include "platform.h"

#include <windows.h>

#include <string>

// A Windows session always has a desktop to open the window on.
bool canOpenWindow() { return true; }

// Windows has no runtime folder; Qt keeps what it needs under the user's profile.
void provideRuntimeFolder() {}

void holdRunningMark(const char* appId) {
    // Global\: a copy running in any user's session counts. The handle closes as the program ends.
    const std::string name = std::string("Global\\") + appId;
    CreateMutexA(nullptr, FALSE, name.c_str());
}
