// One Norvi per user session: a named mutex in the session's own namespace ("Local\")
// with the user's SID in its name, and the request a later start posts to the running
// Norvi's hidden application window.
#pragma once

#include <windows.h>

#include "platform/win32/handles.h"

namespace norvi::win32 {

// A kernel object's handle whose "none" is nullptr (a mutex, a token).
using UniqueKernelHandle = UniqueHandle<NullTraits<HANDLE, &CloseHandle>>;

class SessionClaim {
public:
    // True when this process holds the claim now: it is the first Norvi of the user's
    // session (or claimed it already, as a test program building several Norvis does), or
    // the claim cannot be made at all, which must not keep the user from Norvi.
    bool claim();
    SessionClaim() = default;
    ~SessionClaim();
    SessionClaim(const SessionClaim&) = delete;
    SessionClaim& operator=(const SessionClaim&) = delete;

private:
    UniqueKernelHandle mutex_;
};

// The registered message a later start posts to the running Norvi's application window.
UINT settingsRequestMessage();

// Asks the running Norvi (its application window, in any other process of this desktop)
// to open its settings dialog, and lets it come to the foreground: the user started Norvi,
// so the window it opens is what the user is waiting for.
void requestSettingsFromRunningNorvi();

}  // namespace norvi::win32
