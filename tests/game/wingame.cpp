// A stand-in for a Windows game: writes what Windows tells it, its command line, its current
// folder and the Wine prefix it runs in, as UTF-8 to wingame.log beside it.
#include <windows.h>

static void put(HANDLE f, const wchar_t* label, const wchar_t* text) {
    char buf[8192];
    DWORD done = 0;
    int n = WideCharToMultiByte(CP_UTF8, 0, label, -1, buf, sizeof buf, nullptr, nullptr);
    WriteFile(f, buf, DWORD(n - 1), &done, nullptr);
    n = WideCharToMultiByte(CP_UTF8, 0, text, -1, buf, sizeof buf, nullptr, nullptr);
    WriteFile(f, buf, DWORD(n > 0 ? n - 1 : 0), &done, nullptr);
    WriteFile(f, "\n", 1, &done, nullptr);
}

int wmain() {
    wchar_t log[MAX_PATH + 16], part[MAX_PATH + 16], cwd[MAX_PATH], prefix[MAX_PATH] = L"";
    DWORD n = GetModuleFileNameW(nullptr, log, MAX_PATH);
    while (n > 0 && log[n - 1] != L'\\')
        --n;
    lstrcpyW(log + n, L"wingame.log");
    lstrcpyW(part, log);
    lstrcatW(part, L".part");
    GetCurrentDirectoryW(MAX_PATH, cwd);
    GetEnvironmentVariableW(L"WINEPREFIX", prefix, MAX_PATH);
    HANDLE f =
        CreateFileW(part, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (f == INVALID_HANDLE_VALUE) return 1;
    put(f, L"cmd=", GetCommandLineW());
    put(f, L"cwd=", cwd);
    put(f, L"prefix=", prefix);
    CloseHandle(f);
    return MoveFileExW(part, log, MOVEFILE_REPLACE_EXISTING) ? 0 : 1;
}
