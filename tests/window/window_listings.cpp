// Test listings.
#include "window_listings.h"

#include <QDir>
#include <QUuid>
#include <cstdio>
#include <fstream>

#include "document/listing_document.h"

namespace fp::testing {

namespace {

const char* const kFrameLines =
    "    1. STAAD SPACE\n"
    "    2. UNIT METER KN\n"
    "    3. JOINT COORDINATES\n"
    "    4. 1 0 0 0; 2 5 0 0; 3 0 0 4; 4 5 0 4\n"
    "    5. 5 0 3.5 0; 6 5 3.5 0; 7 0 3.5 4; 8 5 3.5 4\n"
    "    6. 9 0 7 0; 10 5 7 0; 11 0 7 4; 12 5 7 4\n"
    "    7. MEMBER INCIDENCES\n"
    "    8. 1 1 5; 2 2 6; 3 3 7; 4 4 8\n"
    "    9. 5 5 6; 6 7 8; 7 5 7; 8 6 8\n"
    "   10. 9 9 10; 10 11 12; 11 9 11; 12 10 12\n"
    "   11. SUPPORTS\n";

const char* const kTopLevelDesign =
    "\n"
    "   B E A M  N O.     9   D E S I G N   R E S U L T S\n"
    "   LENGTH:  5000.0 MM\n"
    "   B E A M  N O.    10   D E S I G N   R E S U L T S\n"
    "   LENGTH:  5000.0 MM\n"
    "   B E A M  N O.    11   D E S I G N   R E S U L T S\n"
    "   LENGTH:  4000.0 MM\n"
    "   B E A M  N O.    12   D E S I G N   R E S U L T S\n"
    "   LENGTH:  4000.0 MM\n";

}  // namespace

std::string threeLevelListing() {
    return std::string(kFrameLines) +
           "   12. LOAD 1 LOADTYPE DEAD TITLE DL\n"
           "   13. FLOOR LOAD\n"
           "   14. YRANGE 6.9 7.1 FLOAD -4.5 GY\n"
           "   15. YRANGE 3.4 3.6 FLOAD -2 GY\n"
           "   16. MEMBER LOAD\n"
           "   17. 9 10 UNI GY -12.5\n"
           "   18. 11 12 UNI GY -10\n"
           "   19. FINISH\n" +
           kTopLevelDesign;
}

std::string unloadedListing() {
    return std::string(kFrameLines) + "   12. FINISH\n" + kTopLevelDesign;
}

std::string closeBeamsListing() {
    return "    1. UNIT METER KN\n"
           "    2. JOINT COORDINATES\n"
           "    3. 1 0 0 0; 2 0.6 0 0; 3 0 3 0; 4 0.6 3 0; 5 0 3 4; 6 0.6 3 4\n"
           "    4. MEMBER INCIDENCES\n"
           "    5. 1 1 3; 2 2 4; 3 3 5; 4 4 6\n"
           "    6. FINISH\n"
           "   B E A M  N O.     3\n"
           "   LENGTH:  4000.0\n"
           "   B E A M  N O.     4\n"
           "   LENGTH:  4000.0\n";
}

std::string crowdedMiddleLevelListing() {
    constexpr int kLinesX = 13;
    constexpr int kLinesZ = 15;
    const auto joint = [](int ix, int iz) { return 1000 + ix * 100 + iz; };
    std::string joints;
    std::string members;
    std::string designs;
    int line = 2;
    int member = 0;
    const auto addMember = [&](int start, int end) {
        ++member;
        members += "   " + std::to_string(++line) + ". " + std::to_string(member) + " " +
                   std::to_string(start) + " " + std::to_string(end) + "\n";
        designs += "   B E A M  N O. " + std::to_string(member) + "\n   LENGTH:  1000.0\n";
    };
    for (int ix = 0; ix < kLinesX; ++ix) {
        for (int iz = 0; iz < kLinesZ; ++iz) {
            joints += "   " + std::to_string(++line) + ". " + std::to_string(joint(ix, iz)) + " " +
                      std::to_string(ix) + " 3 " + std::to_string(iz) + "\n";
        }
    }
    joints += "   " + std::to_string(++line) + ". 1 0 0 0; 2 0 6 0; 3 1 6 0\n";
    const std::string memberHeader = "   " + std::to_string(++line) + ". MEMBER INCIDENCES\n";
    for (int ix = 0; ix < kLinesX; ++ix) {
        for (int iz = 0; iz < kLinesZ; ++iz) {
            if (ix + 1 < kLinesX) {
                addMember(joint(ix, iz), joint(ix + 1, iz));
            }
            if (iz + 1 < kLinesZ) {
                addMember(joint(ix, iz), joint(ix, iz + 1));
            }
        }
    }
    addMember(2, 3);
    return "    1. UNIT METER KN\n    2. JOINT COORDINATES\n" + joints + memberHeader + members +
           "   " + std::to_string(++line) + ". FINISH\n" + designs;
}

std::string manyLevelsListing(int levels, int intensities) {
    std::string joints;
    std::string members;
    std::string designs;
    std::string loads;
    int line = 2;
    const auto echo = [&line](const std::string& text) {
        return "   " + std::to_string(++line) + ". " + text + "\n";
    };
    int member = 0;
    for (int level = 0; level < levels; ++level) {
        const int base = level * 4;
        const std::string y = std::to_string(level * 3);
        joints += echo(std::to_string(base + 1) + " 0 " + y + " 0; " + std::to_string(base + 2) +
                       " 5 " + y + " 0; " + std::to_string(base + 3) + " 0 " + y + " 4; " +
                       std::to_string(base + 4) + " 5 " + y + " 4");
        if (level == 0) {
            continue;
        }
        for (const auto& [start, end] :
             {std::pair{1, 2}, std::pair{1, 3}, std::pair{2, 4}, std::pair{3, 4}}) {
            ++member;
            members += std::to_string(member) + " " + std::to_string(base + start) + " " +
                       std::to_string(base + end) + "; ";
            designs += "   B E A M  N O. " + std::to_string(member) + "\n   LENGTH:  " +
                       // Z beams join joints two apart and are 4 m long.
                       std::string(end - start == 2 ? "4000.0" : "5000.0") + "\n";
        }
    }
    // One echo line after another: the operands of a + may be worked out in any order, and
    // the echo's numbers must not jump.
    std::string text = "    1. UNIT METER KN\n    2. JOINT COORDINATES\n" + joints;
    for (const std::string& command :
         {std::string("MEMBER INCIDENCES"), members, std::string("SUPPORTS"),
          std::string("LOAD 1 LOADTYPE DEAD TITLE DL"), std::string("FLOOR LOAD")}) {
        text += echo(command);
    }
    for (int i = 1; i <= intensities; ++i) {
        text += echo("YRANGE 2.9 3.1 FLOAD -" + std::to_string(i) + " GY");
    }
    return text + echo("FINISH") + designs;
}

TemporaryListing::TemporaryListing(const std::string& text)
    : path_(QDir::temp()
                .filePath(QStringLiteral("frameplan-window-%1.anl")
                              .arg(QUuid::createUuid().toString(QUuid::Id128)))
                .toStdString()) {
    std::ofstream(path_) << text;
}

TemporaryListing::~TemporaryListing() {
    std::remove(path_.c_str());
    // The findings accepted in the window are kept beside the listing.
    std::remove((path_ + ".frameplan.json").c_str());
}

std::shared_ptr<const ListingDocument> readDocument(const std::string& path,
                                                    MessageSink& messages) {
    return std::make_shared<const ListingDocument>(openListing(path, messages));
}

}  // namespace fp::testing
