#pragma once

// What a start needs of the operating system before the application object exists; each
// platform's build compiles its own definitions (platform_linux.cpp, platform_windows.cpp).

// Whether there is anything to open a window on; says why on standard error when there is not.
[[nodiscard]] bool canOpenWindow();

// Outside a desktop session (cron, env -i, containers) XDG_RUNTIME_DIR is unset and Qt warns on
// standard error before falling back to a private folder in the temporary directory. This makes
// the same fallback quietly where the platform has such a folder.
void provideRuntimeFolder();

// Holds, while the program runs, a named object by which its Windows installer and uninstaller
// see a running copy and ask for it to be closed first; Linux packages need none.
void holdRunningMark(const char* appId);
