// gen_listing: writes realistic frame-analysis output listings for samples and benchmarks.
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <string>

#include "listing.h"
#include "office_block.h"
#include "regular_frame.h"

namespace {

const char* const kUsage =
    "Usage: gen_listing [OPTIONS]\n"
    "Writes a frame-analysis output listing (kN, metres) of a regular multi-storey frame.\n"
    "The same options always give the same listing.\n"
    "\n"
    "  --storeys N      storeys above the supports (default 6)\n"
    "  --bays-x N       bays along X (default 8)\n"
    "  --bays-z N       bays along Z (default 5)\n"
    "  --load-cases N   primary load cases: dead, live, wind X, wind Z, seismic, ... (default 4)\n"
    "  --span M         every bay M metres along X and Z (default: spans of 4.5 to 7.5 m)\n"
    "  --size-mb M      pad the analysis results so the listing is about M MB (default: short)\n"
    "  --sample         write the bundled six-storey office block instead\n"
    "  --output FILE    write to FILE instead of standard output\n"
    "  --help           show this text\n"
    "\n"
    "The frame must stay within what FramePlan holds: 9000 joints and members, 100 grid lines\n"
    "per axis, 2500 designed beams, 300 beams per level, 1000 floor loads.\n";

struct Arguments {
    gen::FrameShape shape;
    double sizeMegabytes = 0;
    bool sample = false;
    std::string output;
};

int wholeNumber(const std::string& option, const char* text) {
    char* end = nullptr;
    const long value = std::strtol(text, &end, 10);
    if (*text == '\0' || *end != '\0' || value < 0 || value > 100000) {
        throw std::invalid_argument(option + " needs a whole number, not \"" + text + "\"");
    }
    return static_cast<int>(value);
}

double megabytes(const char* text) {
    char* end = nullptr;
    const double value = std::strtod(text, &end);
    if (*text == '\0' || *end != '\0' || !(value >= 0 && value <= 100000)) {
        throw std::invalid_argument(std::string("--size-mb needs a size in MB, not \"") + text +
                                    "\"");
    }
    return value;
}

double metres(const char* text) {
    char* end = nullptr;
    const double value = std::strtod(text, &end);
    if (*text == '\0' || *end != '\0' || !(value >= 0.5 && value <= 100)) {
        throw std::invalid_argument(std::string("--span needs metres from 0.5 to 100, not \"") +
                                    text + "\"");
    }
    return value;
}

Arguments parse(int argc, char** argv) {
    Arguments arguments;
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        if (option == "--sample") {
            arguments.sample = true;
            continue;
        }
        if (i + 1 >= argc) {
            throw std::invalid_argument(option == "--storeys" || option == "--bays-x" ||
                                                option == "--bays-z" || option == "--load-cases" ||
                                                option == "--size-mb" || option == "--output" ||
                                                option == "--span"
                                            ? option + " needs a value"
                                            : "unknown option \"" + option + "\"");
        }
        const char* value = argv[++i];
        if (option == "--storeys") {
            arguments.shape.storeys = wholeNumber(option, value);
        } else if (option == "--bays-x") {
            arguments.shape.baysX = wholeNumber(option, value);
        } else if (option == "--bays-z") {
            arguments.shape.baysZ = wholeNumber(option, value);
        } else if (option == "--load-cases") {
            arguments.shape.loadCases = wholeNumber(option, value);
        } else if (option == "--span") {
            arguments.shape.span = metres(value);
        } else if (option == "--size-mb") {
            arguments.sizeMegabytes = megabytes(value);
        } else if (option == "--output") {
            arguments.output = value;
        } else {
            throw std::invalid_argument("unknown option \"" + option + "\"");
        }
    }
    return arguments;
}

}  // namespace

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0) {
            std::fputs(kUsage, stdout);
            return 0;
        }
    }
    try {
        const Arguments arguments = parse(argc, argv);
        const gen::Model model =
            arguments.sample ? gen::officeBlock() : gen::regularFrame(arguments.shape);
        std::FILE* out =
            arguments.output.empty() ? stdout : std::fopen(arguments.output.c_str(), "wb");
        if (out == nullptr) {
            std::fprintf(stderr, "gen_listing: cannot write %s: %s\n", arguments.output.c_str(),
                         std::strerror(errno));
            return 1;
        }
        static char buffer[1 << 20];
        std::setvbuf(out, buffer, _IOFBF, sizeof buffer);
        const auto bytes = static_cast<std::uint64_t>(arguments.sizeMegabytes * 1024 * 1024);
        gen::writeListing(out, model, bytes);
        bool written = std::fflush(out) == 0 && !std::ferror(out);
        if (out != stdout) {
            written = std::fclose(out) == 0 && written;
        }
        if (!written) {
            std::fprintf(stderr, "gen_listing: writing the listing failed: %s\n",
                         std::strerror(errno));
            return 1;
        }
    } catch (const std::invalid_argument& error) {
        std::fprintf(stderr, "gen_listing: %s\n\n%s", error.what(), kUsage);
        return 2;
    }
    return 0;
}
