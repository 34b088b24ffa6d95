#include "platform.h"

#include <QFontDatabase>
#include <QString>

#include <windows.h>
// After windows.h, which it needs.
#include <sddl.h>

#include <cstdio>
#include <string>

// Windows looks for a DLL in the program's folder before System32, and a program unpacked into a
// download folder shares it with whatever else was downloaded. Before any other code of the
// program runs (C++ constructors included), DLLs come from System32 alone: the ones it
// delay-loads and the ones Qt loads later. Windows 8 and later, and 7 with KB2533623, have these.
[[gnu::constructor(101)]] static void loadSystemLibrariesOnly() {
    SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
    SetDllDirectoryW(L"");
}

// A Windows session always has a desktop to open the window on.
bool canOpenWindow() { return true; }

// Windows has no runtime folder; Qt keeps what it needs under the user's profile.
void provideRuntimeFolder() {}

// Qt on Windows speaks UTF-16 to the system whatever the regional settings are.
void provideUtf8Characters() {}

// A stock Windows has none of DejaVu: the program carries the condensed face it is laid out in.
void provideFonts() {
    // Once, however many windows are made.
    static const int face =
        QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/DejaVuSansCondensed.ttf"));
    static_cast<void>(face);
}

bool holdRunningMark(const char* appId) {
    // Global\: a copy running in any user's session counts. Everyone may open it to wait on it:
    // with the default descriptor another user's copy could not, and held no mark of its own once
    // the first copy ended. The handle closes as the program ends.
    const std::string name = std::string("Global\\") + appId;
    SECURITY_ATTRIBUTES everyone{};
    everyone.nLength = static_cast<DWORD>(sizeof(everyone));
    const BOOL described = ConvertStringSecurityDescriptorToSecurityDescriptorW(
        L"D:(A;;0x00100000;;;WD)", SDDL_REVISION_1, &everyone.lpSecurityDescriptor, nullptr);
    if (described == FALSE) {
        std::fprintf(stderr, "flightcalc: no security descriptor for %s (error %lu)\n",
                     name.c_str(), GetLastError());
        return false;
    }
    HANDLE mark = CreateMutexExA(&everyone, name.c_str(), 0, SYNCHRONIZE);
    const DWORD error = GetLastError();
    LocalFree(everyone.lpSecurityDescriptor);
    if (mark == nullptr) {
        std::fprintf(stderr, "flightcalc: cannot hold the running mark %s (error %lu)\n",
                     name.c_str(), error);
        return false;
    }
    return true;
}
