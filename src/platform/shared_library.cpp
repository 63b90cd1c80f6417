// dlopen and dlsym on POSIX systems, LoadLibraryA and GetProcAddress on Windows.
#include "platform/shared_library.h"

#if defined(_WIN32)
#include <windows.h>

#include <string>
#else
#include <dlfcn.h>
#endif

#include <stdexcept>

namespace fp {

void* loadSharedLibrary(const char* fileName) {
#if defined(_WIN32)
    HMODULE library = LoadLibraryA(fileName);
    if (library == nullptr) {
        throw std::runtime_error("Windows error " + std::to_string(GetLastError()));
    }
    return reinterpret_cast<void*>(library);
#else
    void* library = dlopen(fileName, RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) {
        throw std::runtime_error(dlerror());
    }
    return library;
#endif
}

void* sharedLibrarySymbol(void* library, const char* name) {
#if defined(_WIN32)
    return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(library), name));
#else
    return dlsym(library, name);
#endif
}

}  // namespace fp
