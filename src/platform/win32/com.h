// Owners for COM: the thread's apartment, interface pointers and memory the shell hands
// out. Like handles.h, each owner releases exactly once and cannot be copied.
#pragma once

#include <windows.h>
#include <objbase.h>

#include <memory>

namespace norvi::win32 {

// COM initialised apartment-threaded on this thread for one scope, as the shell's folder
// interfaces and dialogs need on the GUI thread. Initialising again is counted, so scopes
// nest; a thread already in another apartment keeps it (and this scope undoes nothing).
class ComApartment {
public:
    ComApartment() : initialised_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
    ~ComApartment() {
        if (initialised_) CoUninitialize();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    bool initialised_;
};

struct ComRelease {
    void operator()(IUnknown* p) const { p->Release(); }
};
template <typename Interface>
using ComPtr = std::unique_ptr<Interface, ComRelease>;

// Memory from CoTaskMemAlloc: strings and item ID lists that the shell gives.
struct TaskMemoryFree {
    void operator()(void* p) const { CoTaskMemFree(p); }
};
template <typename T>
using TaskMemory = std::unique_ptr<T, TaskMemoryFree>;

}  // namespace norvi::win32
