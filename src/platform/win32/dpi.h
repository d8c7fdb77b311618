// The per-monitor DPI functions of Windows 10, looked up at run time: a system or a Wine
// without them gets the system's own DPI, which is then every monitor's.
#pragma once

#include <windows.h>

namespace norvi::win32 {

int systemDpi();
int windowDpi(HWND window);
int monitorDpi(HMONITOR monitor);
// GetSystemMetricsForDpi; the plain metric scaled from the system DPI where it is missing.
int systemMetricForDpi(int index, int dpi);
// AdjustWindowRectExForDpi, or AdjustWindowRectEx where it is missing.
void adjustWindowRectForDpi(RECT& rect, DWORD style, DWORD exStyle, int dpi);

}  // namespace norvi::win32
