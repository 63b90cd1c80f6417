// "frameplan export --cases": the load labels read back from the files are exactly the loads of
// the chosen cases on the document's panels and beams, and the caption says which cases.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <fstream>
#include <regex>
#include <sstream>

#include "export_run.h"
#include "model/number_text.h"
#include "support/generated_listings.h"

namespace fp {
namespace {

// Generated listings are all the test reads; a build without the generator has nothing to run.
#ifdef GEN_LISTING_PROGRAM

using Texts = std::vector<std::string>;

// An SVG file's texts, or a DXF file's (the values of its groups of code 1).
Texts textsOf(const std::string& path) {
    std::stringstream file;
    file << std::ifstream(path).rdbuf();
    const std::string whole = file.str();
    const std::regex text(path.ends_with(".svg") ? R"(<text\s[^>]*>\s*([^<]*?)\s*</text>)"
                                                 : R"(\n\s*1\r?\n([^\r\n]*))");
    Texts texts;
    for (auto it = std::sregex_iterator(whole.begin(), whole.end(), text);
         it != std::sregex_iterator(); ++it) {
        texts.push_back((*it)[1]);
    }
    return texts;
}

// The load labels of a level, sorted: each panel's "4.5 (1)" lines, or each beam's "12.5 (1), 2
// (2)", of the `cases` (every case when none).
Texts expectedLoads(const ListingDocument& document, int level, bool beams, const Texts& cases) {
    const auto text = [&](float value, const CaseNumber& number) {
        return cases.empty() || std::find(cases.begin(), cases.end(), number.text()) != cases.end()
                   ? valueText(value) + " (" + number + ")"
                   : std::string();
    };
    Texts loads;
    for (const LevelPanel& panel : document.level(level).panels) {
        for (const ActingLoad& load : beams ? std::vector<ActingLoad>{} : panel.loads) {
            loads.push_back(text(load.intensity, load.caseNumber));
        }
    }
    for (const LevelBeam& beam : beams ? document.level(level).beams : std::vector<LevelBeam>{}) {
        std::string label;
        for (const MemberLoad& load : document.memberLoadsOn(beam.member)) {
            const std::string one = text(load.value, load.caseNumber);
            label += (label.empty() || one.empty() ? "" : ", ") + one;
        }
        loads.push_back(label);
    }
    std::erase(loads, std::string());
    std::sort(loads.begin(), loads.end());
    return loads;
}

// Cases 1 and 2 load the floors and the beams, the wind cases 3 and 4 neither.
TEST(ExportCases, EveryLevelShowsTheLoadsOfTheChosenCasesAndItsCaptionSaysWhich) {
    QTemporaryDir dir;
    const std::string listing = dir.filePath("frame.anl").toStdString();
    ASSERT_TRUE(testing::writeGeneratedListing(
        GEN_LISTING_PROGRAM, "--storeys 2 --bays-x 2 --bays-z 2 --load-cases 4", listing));
    struct : MessageSink {
        void show(const ListingMessage&) override {}
    } quiet;
    const ListingDocument document = openListing(listing, quiet);
    const struct {
        const char* file;
        const char* mode;
        const char* cases;
        Texts chosen;
        const char* caption;
    } rows[] = {
        {"all.svg", "floor", "", {}, ""},
        {"some.svg", "floor", "3,1", {"1", "3"}, ", cases 1, 3 of 4"},
        {"one.svg", "member", " 2 ", {"2"}, ", cases 2 of 4"},
        {"none.svg", "floor", "4", {"4"}, ", cases 4 of 4"},
        {"every.svg", "member", "4,3,2,1", {}, ""},
        {"one.dxf", "floor", "2", {"2"}, ", cases 2 of 4"},
        {"some.dxf", "member", "1,2", {"1", "2"}, ", cases 1, 2 of 4"},
    };
    for (const auto& row : rows) {
        std::vector<std::string> arguments{
            listing,   "-o",     dir.filePath(row.file).toStdString(),
            "--level", "all",    "--designed-labels",
            "--mode",  row.mode, "--member-loads"};
        if (*row.cases != '\0') {
            arguments.insert(arguments.end(), {"--cases", row.cases});
        }
        const testing::ExportOutcome outcome = testing::exportCommand(arguments);
        ASSERT_EQ(outcome.status, 0) << row.file << outcome.err;
        std::istringstream written(outcome.out);
        std::string line;
        int level = 1;
        for (; std::getline(written, line); ++level) {
            const Texts texts = textsOf(line.substr(std::string("Wrote ").size()));
            Texts loads;
            std::copy_if(texts.begin(), texts.end(), std::back_inserter(loads), [](auto& text) {
                return std::regex_match(text, std::regex(R"([0-9.]+ \(.*\))"));
            });
            std::sort(loads.begin(), loads.end());
            EXPECT_EQ(loads, expectedLoads(document, level, *row.mode == 'm', row.chosen)) << line;
            EXPECT_EQ(std::count_if(texts.begin(), texts.end(),
                                    [&](auto& text) {
                                        return text.starts_with("Level ") &&
                                               text.ends_with(std::string(" m") + row.caption);
                                    }),
                      1)
                << line;
        }
        EXPECT_EQ(level, document.levelCount() + 1) << row.file;
    }
}
#endif

}  // namespace
}  // namespace fp
