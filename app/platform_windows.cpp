#include "platform.h"

// A Windows session always has a desktop to open the window on.
bool canOpenWindow() { return true; }

// Windows has no runtime folder; Qt keeps what it needs under the user's profile.
void provideRuntimeFolder() {}

// Qt on Windows speaks UTF-16 to the system whatever the regional settings are.
void provideUtf8Characters() {}
