// Found instead of the system's <windows.h> by every portable layer of Norvi.
#error "Only src/platform/win32 may include <windows.h>: the portable layers talk to Windows through src/platform/platform.h"
