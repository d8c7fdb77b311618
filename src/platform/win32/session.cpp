#include "platform/win32/session.h"

#include <sddl.h>

#include <string>

#include "platform/win32/message_window.h"

namespace norvi::win32 {

namespace {

// Claims made by this process: a second one finds the mutex it holds itself.
int claimsInThisProcess = 0;

// The SID of the process's user as text, so that another user in the same session (run
// as) keeps a Norvi of their own; empty when the system cannot tell.
std::wstring userSid() {
    HANDLE rawToken = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &rawToken)) return {};
    const UniqueKernelHandle token(rawToken);
    DWORD size = 0;
    GetTokenInformation(token.get(), TokenUser, nullptr, 0, &size);
    if (size == 0) return {};
    std::string buffer(size, '\0');
    if (!GetTokenInformation(token.get(), TokenUser, buffer.data(), size, &size)) return {};
    wchar_t* text = nullptr;
    if (!ConvertSidToStringSidW(reinterpret_cast<TOKEN_USER*>(buffer.data())->User.Sid, &text)) return {};
    std::wstring sid = text;
    LocalFree(text);
    return sid;
}

}  // namespace

SessionClaim::~SessionClaim() {
    if (mutex_) --claimsInThisProcess;
}

bool SessionClaim::claim() {
    if (mutex_) return true;
    const std::wstring name = L"Local\\Norvi.Session." + userSid();
    SetLastError(ERROR_SUCCESS);
    mutex_.reset(CreateMutexW(nullptr, FALSE, name.c_str()));
    const DWORD error = GetLastError();
    // Made by a Norvi of this user running with other rights: another Norvi runs.
    if (!mutex_) return error != ERROR_ACCESS_DENIED;
    if (error == ERROR_ALREADY_EXISTS && claimsInThisProcess == 0) {
        mutex_.reset();
        return false;
    }
    ++claimsInThisProcess;
    return true;
}

UINT settingsRequestMessage() {
    static const UINT message = RegisterWindowMessageW(L"Norvi.OpenSettings");
    return message;
}

void requestSettingsFromRunningNorvi() {
    const UINT message = settingsRequestMessage();
    if (message == 0) return;
    const DWORD self = GetCurrentProcessId();
    // Top-level windows only: the message-only windows of the class are never found here.
    HWND window = nullptr;
    while ((window = FindWindowExW(nullptr, window, kMessageWindowClass, nullptr)) != nullptr) {
        DWORD process = 0;
        GetWindowThreadProcessId(window, &process);
        if (process == self) continue;
        AllowSetForegroundWindow(process);
        PostMessageW(window, message, 0, 0);
    }
}

}  // namespace norvi::win32
