#include "workspace/RunningGame.h"

#include "workspace/GameFiles.h"

#include <windows.h>

#include <tlhelp32.h>

#include <system_error>

namespace workspace {

namespace fs = std::filesystem;

bool gameRunningFrom(const std::string& gameRoot) {
    const fs::path root = gameFilePath(gameRoot, StartupScriptSuffix).parent_path().parent_path();
    const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return false;
    bool running = false;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32FirstW(snapshot, &entry); more && !running;
         more = Process32NextW(snapshot, &entry)) {
        if (lstrcmpiW(entry.szExeFile, L"hl.exe") != 0)
            continue;
        const HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, entry.th32ProcessID);
        if (!process)
            continue;
        wchar_t image[MAX_PATH * 4];
        DWORD length = static_cast<DWORD>(std::size(image));
        if (QueryFullProcessImageNameW(process, 0, image, &length)) {
            std::error_code error;
            running = fs::equivalent(fs::path(image).parent_path(), root, error);
        }
        CloseHandle(process);
    }
    CloseHandle(snapshot);
    return running;
}

} // namespace workspace
