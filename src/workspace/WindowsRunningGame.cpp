#include "workspace/RunningGame.h"

#include <windows.h>

#include <tlhelp32.h>

#include <system_error>

namespace workspace {

namespace fs = std::filesystem;

bool gameRunningFrom(const files::GameFolder& game) {
    const fs::path root = game.path();
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
        // A game whose folder cannot be known (another user's, a protected one) may be this folder's;
        // one that has ended since the snapshot is not.
        const HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, entry.th32ProcessID);
        if (!process) {
            running = GetLastError() != ERROR_INVALID_PARAMETER;
            continue;
        }
        wchar_t image[MAX_PATH * 4];
        DWORD length = static_cast<DWORD>(std::size(image));
        std::error_code error;
        running = !QueryFullProcessImageNameW(process, 0, image, &length) ||
                  fs::equivalent(fs::path(image).parent_path(), root, error);
        CloseHandle(process);
    }
    CloseHandle(snapshot);
    return running;
}

} // namespace workspace
