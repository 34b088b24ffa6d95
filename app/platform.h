#pragma once

// What a start needs of the operating system, before the application object exists unless said
// otherwise; each platform's build compiles its own definitions (platform_linux.cpp,
// platform_windows.cpp).

// Whether there is anything to open a window on; says why on standard error when there is not.
[[nodiscard]] bool canOpenWindow();

// Outside a desktop session (cron, env -i, containers) XDG_RUNTIME_DIR is unset and Qt warns on
// standard error before falling back to a private folder in the temporary directory. This makes
// the same fallback quietly where the platform has such a folder.
void provideRuntimeFolder();

// Qt wants the characters of a UTF-8 locale and, unlike the 6.4 of Debian 12, the 6.8 of Debian
// 13 says so on standard error when the environment sets none (no locale at all, LANG=C). This
// sets the character type alone to C.UTF-8 before Qt reads the environment; the number format,
// the messages and every other category stay as the environment sets them.
void provideUtf8Characters();

// With the application object, before a window looks up its faces (Form1 calls it): makes the
// faces the window is laid out in available where the platform does not bring them (the Linux
// package depends on them instead).
void provideFonts();

// Holds, while the program runs, a named object by which its Windows installer and uninstaller
// see a running copy and ask for it to be closed first; Linux packages need none. False, said on
// standard error, when the mark cannot be held: the program then does not run unseen.
[[nodiscard]] bool holdRunningMark(const char* appId);
