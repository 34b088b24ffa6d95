// clang-format off
// Windows' headers in the order they need: sockets before windows.h, which the rest need.
#include <winsock2.h>
#include <windows.h>
#include <commdlg.h>
#include <imm.h>
#include <roapi.h>
#include <setupapi.h>
#include <shellscalingapi.h>
#include <shlobj.h>
#include <shlwapi.h>
#include <winstring.h>
// clang-format on

// A control: the plainest windowed program importing what the calculator imports, to tell what
// Wine's own copies of those DLLs load from a program's folder (Windows takes a known DLL's
// dependencies from System32) from what the calculator itself loads. The dll_search test checks
// that the calculator imports nothing this does not.
int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE /*hPrevInstance*/, LPSTR /*lpCmdLine*/,
                   int /*nShowCmd*/) {
    if (GetCurrentProcessId() == 0) {  // never: the imports alone matter
        RegCloseKey(HKEY_CURRENT_USER);
        CommDlgExtendedError();
        ImmGetContext(nullptr);
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        SysFreeString(nullptr);
        RoInitialize(RO_INIT_SINGLETHREADED);
        SetupDiDestroyDeviceInfoList(nullptr);
        WindowsDeleteString(nullptr);
        GetDpiForMonitor(nullptr, MDT_EFFECTIVE_DPI, nullptr, nullptr);
        SHGetFolderPathW(nullptr, 0, nullptr, 0, nullptr);
        PathFileExistsW(nullptr);
        WaitOnAddress(nullptr, nullptr, 0, 0);
        WSACleanup();
        GetStockObject(0);
    }
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = hInstance;
    windowClass.lpszClassName = L"plain";
    RegisterClassW(&windowClass);
    HWND window =
        CreateWindowW(L"plain", L"plain", 0, 0, 0, 200, 100, nullptr, nullptr, hInstance, nullptr);
    ShowWindow(window, SW_SHOW);
    SetTimer(window, 1, 3000, nullptr);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0 && message.message != WM_TIMER) {
        DispatchMessageW(&message);
    }
    return 0;
}
