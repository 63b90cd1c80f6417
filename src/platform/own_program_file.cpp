// The running program's file: /proc/self/exe on Linux, the module's file name on Windows.
#include "platform/own_program_file.h"

#if defined(_WIN32)
#include <windows.h>

#include <string>
#endif

#include <system_error>

namespace fp {

std::filesystem::path ownProgramFile() {
#if defined(_WIN32)
    // GetModuleFileNameW cuts a long path to the buffer without saying how long it is: the
    // buffer grows until the path fits, up to the longest path Windows has.
    constexpr std::size_t kLongestPath = 32768;
    for (std::wstring path(MAX_PATH, L'\0'); path.size() <= kLongestPath;
         path.resize(path.size() * 2)) {
        const DWORD length =
            GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) {
            return {};
        }
        if (length < path.size()) {
            path.resize(length);
            return std::filesystem::path(path);
        }
    }
    return {};
#elif defined(__linux__)
    std::error_code error;
    std::filesystem::path path = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::path() : path;
#else
    return {};
#endif
}

}  // namespace fp
