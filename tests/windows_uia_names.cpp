// Starts a program and prints what UI Automation, a screen reader's source, calls each text field
// and button of its window: one a line, "edit" or "button", a tab, the name, in UTF-8.
//   windows_uia_names PROGRAM
#include <fcntl.h>
#include <io.h>
#include <uiautomation.h>
#include <windows.h>
#include <wrl/client.h>

#include <array>
#include <cstdio>
#include <string>
#include <string_view>

using Microsoft::WRL::ComPtr;

namespace {

struct Failure {
    const char* call;
    HRESULT result;
};

void check(HRESULT result, const char* call) {
    if (FAILED(result)) {
        throw Failure{call, result};
    }
}

// The first visible window the program's first thread (Qt's) opens, waited for up to a minute.
HWND windowOf(const PROCESS_INFORMATION& program) {
    for (int tries = 0; tries < 600 && WaitForSingleObject(program.hProcess, 100) != WAIT_OBJECT_0;
         ++tries) {
        for (HWND each = nullptr;
             (each = FindWindowExW(nullptr, each, nullptr, nullptr)) != nullptr;) {
            if (GetWindowThreadProcessId(each, nullptr) == program.dwThreadId &&
                IsWindowVisible(each) != FALSE) {
                return each;
            }
        }
    }
    DWORD status = 0;
    GetExitCodeProcess(program.hProcess, &status);
    throw Failure{status == STILL_ACTIVE ? "the program's window (none in a minute)"
                                         : "the program's window (the program ended first)",
                  E_FAIL};
}

// Each text field's and button's type and name, of the window's own controls.
void printNames(HWND window) {
    check(CoInitializeEx(nullptr, COINIT_MULTITHREADED), "CoInitializeEx");
    ComPtr<IUIAutomation> automation;
    check(CoCreateInstance(__uuidof(CUIAutomation), nullptr, CLSCTX_INPROC_SERVER,
                           IID_PPV_ARGS(automation.GetAddressOf())),
          "CoCreateInstance(CUIAutomation)");
    ComPtr<IUIAutomationElement> root;
    check(automation->ElementFromHandle(window, &root), "ElementFromHandle");
    ComPtr<IUIAutomationCondition> any;
    check(automation->CreateTrueCondition(&any), "CreateTrueCondition");
    ComPtr<IUIAutomationElementArray> found;
    check(root->FindAll(TreeScope_Descendants, any.Get(), &found), "FindAll");
    int count = 0;  // older systems give no array when nothing is found
    check(found == nullptr ? S_OK : found->get_Length(&count), "get_Length");
    for (int i = 0; i < count; ++i) {
        ComPtr<IUIAutomationElement> element;
        check(found->GetElement(i, &element), "GetElement");
        CONTROLTYPEID type = 0;
        check(element->get_CurrentControlType(&type), "get_CurrentControlType");
        // The frame (the title bar and its buttons) is the system's ("Win32"), not Qt's; Wine
        // names no framework, nor shows the frame's buttons.
        BSTR framework = nullptr;
        const bool ours = FAILED(element->get_CurrentFrameworkId(&framework)) ||
                          framework == nullptr || std::wstring_view(framework) == L"Qt";
        SysFreeString(framework);
        if (ours && (type == UIA_EditControlTypeId || type == UIA_ButtonControlTypeId)) {
            BSTR name = nullptr;
            check(element->get_CurrentName(&name), "get_CurrentName");
            std::array<char, 1024> text{};  // a caption, far shorter
            WideCharToMultiByte(CP_UTF8, 0, name, -1, text.data(), text.size() - 1, nullptr,
                                nullptr);
            std::printf("%s\t%s\n", type == UIA_EditControlTypeId ? "edit" : "button", text.data());
            SysFreeString(name);
        }
    }
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 2) {
        std::fputs("usage: windows_uia_names PROGRAM\n", stderr);
        return 2;
    }
    _setmode(_fileno(stdout), _O_BINARY);  // "\n", not "\r\n"
    std::wstring commandLine = L"\"" + std::wstring(argv[1]) + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION program{};
    Failure failure{"CreateProcessW", S_OK};
    if (CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                       &startup, &program) == FALSE) {
        failure.result = HRESULT_FROM_WIN32(GetLastError());
    } else {
        HWND window = nullptr;
        try {
            window = windowOf(program);
            printNames(window);
        } catch (const Failure& caught) {
            failure = caught;
        }
        // Closed as a user closes it; ended if it will not close.
        if (window == nullptr || PostMessageW(window, WM_CLOSE, 0, 0) == FALSE ||
            WaitForSingleObject(program.hProcess, 10000) != WAIT_OBJECT_0) {
            TerminateProcess(program.hProcess, 1);
        }
        CloseHandle(program.hThread);
        CloseHandle(program.hProcess);
    }
    if (FAILED(failure.result)) {
        std::fprintf(stderr, "windows_uia_names: %s failed: 0x%08lx\n", failure.call,
                     static_cast<unsigned long>(failure.result));
        return 1;
    }
    return 0;
}
