#include "properties/generated_listing.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <numeric>
#include <sstream>

#include "reader/listing_source.h"
#include "support/generated_listings.h"

namespace fp::testing {
namespace {

struct NoMessages : MessageSink {
    void show(const ListingMessage&) override {}
};

Lines writtenLines(const std::string& arguments) {
    const std::string path =
        ::testing::TempDir() + "frameplan_properties_" + std::to_string(::getpid()) + ".anl";
    EXPECT_TRUE(testing::writeGeneratedListing(GEN_LISTING_PROGRAM, arguments, path));
    Lines lines;
    std::ifstream in(path);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    std::remove(path.c_str());
    return lines;
}

}  // namespace

const Lines& generatedLines(const std::string& arguments) {
    static std::map<std::string, Lines> written;
    auto found = written.find(arguments);
    if (found == written.end()) {
        found = written.emplace(arguments, writtenLines(arguments)).first;
    }
    return found->second;
}

std::string joined(const Lines& lines, std::string_view end) {
    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += end;
    }
    return text;
}

ListingDocument documentOf(const Lines& lines) {
    NoMessages messages;
    const std::string text = joined(lines);
    const auto listing = listingInMemory(text, "generated.anl");
    return readListing(*listing, messages);
}

std::vector<std::size_t> linesHolding(const Lines& lines, std::string_view part) {
    std::vector<std::size_t> found;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].find(part) != std::string::npos) {
            found.push_back(i);
        }
    }
    return found;
}

std::size_t anyLineHolding(const Lines& lines, std::string_view part, std::mt19937& random) {
    const std::vector<std::size_t> found = linesHolding(lines, part);
    EXPECT_FALSE(found.empty()) << part;
    if (found.empty()) {
        return 0;
    }
    return found[std::uniform_int_distribution<std::size_t>(0, found.size() - 1)(random)];
}

std::string echoLineLike(const Lines& lines, std::size_t index, const std::string& text) {
    const std::string& line = lines[index];
    return line.substr(0, line.find(". ") + 2) + text;
}

std::vector<std::string> wordsOf(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> words;
    for (std::string word; in >> word;) {
        words.push_back(word);
    }
    return words;
}

namespace {

// The seeds of a long run; 0 in the suite.
unsigned longRunSeeds() {
    const char* seeds = std::getenv("FRAMEPLAN_PROPERTY_SEEDS");
    return seeds != nullptr ? static_cast<unsigned>(std::strtoul(seeds, nullptr, 10)) : 0;
}

}  // namespace

const std::vector<std::string>& generatedShapes() {
    static const std::vector<std::string> shapes = [] {
        std::vector<std::string> listed = {
            "--storeys 2 --bays-x 2 --bays-z 1 --load-cases 2",
            "--storeys 3 --bays-x 3 --bays-z 2 --load-cases 3",
            "--storeys 4 --bays-x 4 --bays-z 3 --load-cases 4",
        };
        if (longRunSeeds() > 0) {
            listed.insert(listed.end(), {
                                            "--storeys 6 --bays-x 2 --bays-z 1 --load-cases 1",
                                            "--storeys 3 --bays-x 6 --bays-z 2 --load-cases 2",
                                            "--storeys 5 --bays-x 3 --bays-z 4 --load-cases 5",
                                            "--storeys 2 --bays-x 5 --bays-z 5 --span 6",
                                        });
        }
        return listed;
    }();
    return shapes;
}

std::vector<unsigned> propertySeeds(unsigned inSuite, unsigned longRunShare) {
    const unsigned count =
        longRunSeeds() > 0 ? std::max(inSuite, longRunSeeds() / longRunShare) : inSuite;
    std::vector<unsigned> seeds(count);
    std::iota(seeds.begin(), seeds.end(), 0u);
    return seeds;
}

}  // namespace fp::testing
