#include <windows.h>

#include <string>

// A DLL planted beside a program: leaves <its own path>.loaded when a program loads it.
extern "C" BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID /*reserved*/) {
    if (reason == DLL_PROCESS_ATTACH) {
        std::wstring path(MAX_PATH, L'\0');
        path.resize(GetModuleFileNameW(self, path.data(), MAX_PATH));
        path += L".loaded";
        // NOLINTNEXTLINE(readability-uppercase-literal-suffix): Windows' own constant
        CloseHandle(
            CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    }
    return TRUE;
}
