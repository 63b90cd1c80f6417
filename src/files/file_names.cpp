// File names taken apart as bytes, with the separators of the platform.
#include "files/file_names.h"

#include <algorithm>
#include <atomic>
#include <cctype>
#include <random>

namespace fp {
namespace {

#ifdef _WIN32
constexpr std::string_view kSeparators = "/\\";
#else
constexpr std::string_view kSeparators = "/";
#endif

// Where the file's name starts in the path.
std::size_t nameStart(std::string_view path) {
    const auto separator = path.find_last_of(kSeparators);
    return separator == std::string_view::npos ? 0 : separator + 1;
}

// Where the extension's dot is, or npos when the name has none.
std::size_t extensionDot(std::string_view path) {
    const auto dot = path.find_last_of('.');
    return dot != std::string_view::npos && dot >= nameStart(path) ? dot : std::string_view::npos;
}

}  // namespace

std::string fileNameOf(std::string_view path) {
    return std::string(path.substr(nameStart(path)));
}

std::string extensionOf(std::string_view path) {
    const auto dot = extensionDot(path);
    std::string extension = dot == std::string_view::npos ? "" : std::string(path.substr(dot + 1));
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension;
}

std::string withSuffixBeforeExtension(std::string_view path, std::string_view suffix) {
    const auto dot = std::min(extensionDot(path), path.size());
    std::string named(path.substr(0, dot));
    named += suffix;
    named += path.substr(dot);
    return named;
}

std::string uniqueFileTag() {
    static std::atomic<unsigned> serial{0};
    static const unsigned seed = std::random_device{}();
    return std::to_string(seed) + "-" + std::to_string(++serial);
}

}  // namespace fp
