// Libraries loaded while the program runs, for the few features that need a large library only
// when they are used.
#pragma once

#include <stdexcept>
#include <string>

namespace fp {

// Loads the shared library of that file name (dlopen on POSIX systems, LoadLibrary on Windows)
// and keeps it loaded to the end of the run. Throws std::runtime_error with the system's reason
// when it cannot be loaded.
void* loadSharedLibrary(const char* fileName);

// The address of `name` in a library loadSharedLibrary returned; nullptr when it has none.
void* sharedLibrarySymbol(void* library, const char* name);

// Sets `function` to `name` in `library`; throws std::runtime_error ("it has no NAME") when the
// library has no such symbol.
template <typename Function>
void lookUpSymbol(void* library, const char* name, Function& function) {
    function = reinterpret_cast<Function>(sharedLibrarySymbol(library, name));
    if (function == nullptr) {
        throw std::runtime_error(std::string("it has no ") + name);
    }
}

}  // namespace fp
