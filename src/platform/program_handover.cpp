// execv on POSIX systems; on Windows, CreateProcessW and a wait for the child's exit.
#include "platform/program_handover.h"

#if defined(_WIN32)
#include <windows.h>

#include <string>
#else
#include <unistd.h>

#include <cerrno>
#endif

#include <cstdio>
#include <system_error>

namespace fp {
namespace {

#if defined(_WIN32)
// This program's command line after its own name, as Windows gave it. It is passed on untouched:
// split into words and quoted again, an argument could reach the child changed.
const wchar_t* argumentsAfterProgramName(const wchar_t* line) {
    const wchar_t* at = line;
    if (*at == L'"') {
        for (++at; *at != L'\0' && *at != L'"'; ++at) {
        }
        return *at == L'"' ? at + 1 : at;
    }
    for (; *at != L'\0' && *at != L' ' && *at != L'\t'; ++at) {
    }
    return at;
}

int runAsChild(const std::filesystem::path& program) {
    std::wstring commandLine =
        L"\"" + program.wstring() + L"\"" + argumentsAfterProgramName(GetCommandLineW());
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION child{};
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr,
                        nullptr, &startup, &child)) {
        throw std::system_error(static_cast<int>(GetLastError()), std::system_category());
    }
    WaitForSingleObject(child.hProcess, INFINITE);
    DWORD status = 1;
    GetExitCodeProcess(child.hProcess, &status);
    CloseHandle(child.hThread);
    CloseHandle(child.hProcess);
    return static_cast<int>(status);
}
#endif

}  // namespace

int handOverTo(const std::filesystem::path& program, [[maybe_unused]] char** argv) {
    // What this process printed must come out before the other program's output.
    std::fflush(nullptr);
#if defined(_WIN32)
    return runAsChild(program);
#else
    ::execv(program.c_str(), argv);
    throw std::system_error(errno, std::generic_category());
#endif
}

}  // namespace fp
