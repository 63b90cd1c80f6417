// Every output of the commands held byte for byte, on the sample and on generated listings of
// several shapes: a change to how the program works something out that changes no answer must
// leave them as they were. Each output is held by its SHA-256 digest in golden/digests.txt; an
// output that differs is written to the test's temporary folder to be compared with the one the
// previous build writes.
#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QDir>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "program_run.h"

namespace fp::testing {
namespace {

// The listings: the bundled sample, and generated frames of several shapes.
const std::map<std::string, std::string> kGenerated = {
    {"six-storeys", ""},
    {"dense", "--storeys 3 --bays-x 13 --bays-z 10 --load-cases 6"},
    {"one-bay", "--storeys 1 --bays-x 2 --bays-z 1"},
    {"tall", "--storeys 9 --bays-x 4 --bays-z 7 --load-cases 2"},
};

std::string listingNamed(const std::string& name) {
    if (name == "sample") {
        return "samples/office-block.anl";
    }
    const std::string path = temporaryPath(name + ".anl");
    const std::string command = std::string("'") + GEN_LISTING_PROGRAM + "' " +
                                kGenerated.at(name) + " --output '" + path + "'";
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
    return path;
}

// The files a command wrote, one after the other.
std::string filesText(const QStringList& paths) {
    std::string text;
    for (const QString& path : paths) {
        text += fileText(path.toStdString());
    }
    return text;
}

// The output with the listing's path, which the generated ones have in a temporary folder, as
// LISTING.
std::string withoutPath(std::string output, const std::string& listing) {
    for (std::size_t at = output.find(listing); at != std::string::npos;
         at = output.find(listing, at)) {
        output.replace(at, listing.size(), "LISTING");
    }
    return output;
}

// What the output `kind` of a listing is, as the program writes it.
std::string writtenOutput(const std::string& listing, const std::string& kind) {
    const std::string program = FRAMEPLAN_BINARY;
    if (kind == "dump" || kind == "check" || kind == "check-json" || kind == "takedown" ||
        kind == "takedown-json") {
        const std::string command = kind.substr(0, kind.find('-'));
        std::vector<std::string> arguments{command, listing};
        if (kind.ends_with("-json")) {
            arguments.push_back("--json");
        }
        return runProgram(program, arguments).out;
    }
    if (kind == "info") {
        // Less the time the reading took.
        std::istringstream lines(runProgram(program, {"info", listing}).out);
        std::string kept;
        for (std::string line; std::getline(lines, line);) {
            if (line.rfind("Read ", 0) != 0) {
                kept += line + "\n";
            }
        }
        return kept;
    }
    if (kind == "compare" || kind == "compare-json") {
        // An earlier run of the sample: its first design block 100 mm longer, its first floor
        // load heavier.
        std::string text = fileText(listing);
        const std::string length = "LENGTH:   6000.0 mm";
        text.replace(text.find(length), length.size(), "LENGTH:   6100.0 mm");
        const std::string load = "FLOAD -4.5 ";
        text.replace(text.find(load), load.size(), "FLOAD -5 ");
        const std::string earlier = writeTemporaryFile("earlier.anl", text);
        std::vector<std::string> arguments{"compare", earlier, listing};
        if (kind == "compare-json") {
            arguments.push_back("--json");
        }
        return withoutPath(runProgram(program, arguments).out, earlier);
    }
    const QString folder = QString::fromStdString(temporaryPath(kind));
    QDir().mkpath(folder);
    const std::string out = (folder + QStringLiteral("/out")).toStdString();
    if (kind == "schedule") {
        runProgram(program, {"schedule", listing, "-o", out + ".csv"});
        return filesText({folder + "/out-panels.csv", folder + "/out-beams.csv"});
    }
    std::vector<std::string> arguments{"export", listing, "-o", out + ".svg", "--level", "all"};
    if (kind == "member-svg") {
        arguments.insert(arguments.end(), {"--mode", "member", "--beam-numbers", "--member-loads"});
    }
    runProgram(program, arguments);
    QStringList files;
    for (const QString& file :
         QDir(folder).entryList({QStringLiteral("out-*.svg")}, QDir::Files, QDir::Name)) {
        files << folder + "/" + file;
    }
    return filesText(files);
}

std::string outputOf(const std::string& listing, const std::string& kind) {
    return withoutPath(writtenOutput(listing, kind), listing);
}

std::string digestOf(const std::string& bytes) {
    return QCryptographicHash::hash(QByteArray::fromStdString(bytes), QCryptographicHash::Sha256)
        .toHex()
        .toStdString();
}

struct Held {
    std::string digest;
    std::string listing;
    std::string kind;
};

std::vector<Held> heldOutputs() {
    std::ifstream file("tests/cli/golden/digests.txt");
    std::vector<Held> held;
    for (std::string line; std::getline(file, line);) {
        if (!line.empty() && line[0] != '#') {
            std::istringstream fields(line);
            Held output;
            fields >> output.digest >> output.listing >> output.kind;
            held.push_back(output);
        }
    }
    return held;
}

TEST(GoldenOutputs, EveryCommandWritesWhatItWroteBefore) {
    const std::vector<Held> held = heldOutputs();
    ASSERT_GE(held.size(), 30u) << "tests/cli/golden/digests.txt is read from the source tree";
    std::map<std::string, std::string> listings;
    for (const Held& output : held) {
        if (!listings.contains(output.listing)) {
            listings[output.listing] = listingNamed(output.listing);
        }
        const std::string bytes = outputOf(listings[output.listing], output.kind);
        EXPECT_FALSE(bytes.empty()) << output.listing << " " << output.kind;
        const std::string digest = digestOf(bytes);
        if (digest != output.digest) {
            const std::string path = temporaryPath(output.listing + "." + output.kind);
            std::ofstream(path, std::ios::binary) << bytes;
            ADD_FAILURE() << output.listing << " " << output.kind << " differs; written to " << path
                          << "\nits line, if the change is meant:\n"
                          << digest << " " << output.listing << " " << output.kind;
        }
    }
}

}  // namespace
}  // namespace fp::testing
