// A system library loaded at the first call that needs it. What only a rare command uses
// (the colour and file choosers) is not mapped at start-up, nor are the libraries it
// brings along; once loaded it stays until the program ends.
#pragma once

#include <windows.h>

namespace norvi::win32 {

class LazyLibrary {
public:
    explicit LazyLibrary(const wchar_t* fileName) : fileName_(fileName) {}

    // The exported function of that name with the type of declaration F (for example
    // decltype(ChooseColorW)); nullptr when the library or the function is missing.
    template <typename F>
    F* function(const char* name) {
        const HMODULE library = module();
        return library ? reinterpret_cast<F*>(reinterpret_cast<void*>(GetProcAddress(library, name))) : nullptr;
    }

    LazyLibrary(const LazyLibrary&) = delete;
    LazyLibrary& operator=(const LazyLibrary&) = delete;

private:
    HMODULE module() {
        // From the system folder only: never a file of that name beside the program.
        if (!module_) module_ = LoadLibraryExW(fileName_, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
        return module_;
    }

    const wchar_t* fileName_;
    HMODULE module_ = nullptr;
};

}  // namespace norvi::win32
