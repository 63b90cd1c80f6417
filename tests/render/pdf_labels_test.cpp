// What the reader of a PDF page sees: every word read back from the file by a PDF reader
// (pdftotext), each panel's label found inside that panel, and no text over another, off the page
// or over the legend and title block. The panels are placed on the page through the grid bubbles
// the page draws, not through the drawing's own frame.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "document/listing_document.h"
#include "export_run.h"
#include "structure/grid_names.h"
#include "support/drawn_texts.h"
#include "support/generated_listings.h"
#include "support/panel_reading.h"

namespace fp {
namespace {

using test::DrawnText;

struct PdfPage {
    double width = 0;
    double height = 0;
    // Single words, as the reader found them.
    std::vector<DrawnText> words;
    // The reader's lines, cut where a gap is wider than a space or a callout's number starts:
    // each is one text the program drew.
    std::vector<DrawnText> texts;
};

double number(const std::string& tag, const std::string& name) {
    const std::size_t at = tag.find(name + "=\"");
    return at == std::string::npos ? 0 : std::stod(tag.substr(at + name.size() + 2));
}

DrawnText textOf(const std::string& text, const std::string& tag) {
    return {text, number(tag, "xMin"), number(tag, "yMin"), number(tag, "xMax"),
            number(tag, "yMax")};
}

std::string unescaped(std::string text) {
    for (const auto& [entity, character] : std::vector<std::pair<std::string, std::string>>{
             {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&apos;", "'"}, {"&amp;", "&"}}) {
        for (std::size_t at = text.find(entity); at != std::string::npos;
             at = text.find(entity, at + character.size())) {
            text.replace(at, entity.size(), character);
        }
    }
    return text;
}

// The words of a line joined into the texts drawn: a gap wider than a space at the line's height
// parts two texts, and so does a callout's number, which starts its own.
void addTexts(const std::vector<DrawnText>& words, std::vector<DrawnText>& texts) {
    for (std::size_t i = 0; i < words.size(); ++i) {
        const DrawnText& word = words[i];
        const bool joins = i > 0 && !test::isCalloutNumber(word.text) &&
                           word.left - words[i - 1].right < 0.35 * (word.bottom - word.top) &&
                           std::abs(word.top - words[i - 1].top) < 0.05;
        if (!joins) {
            texts.push_back(word);
            continue;
        }
        DrawnText& text = texts.back();
        text.text += " " + word.text;
        text.right = std::max(text.right, word.right);
        text.top = std::min(text.top, word.top);
        text.bottom = std::max(text.bottom, word.bottom);
    }
}

// Reads the first page of a PDF file with the reader's layout of lines and words.
PdfPage readPdf(const std::string& path, const std::string& pdftotext) {
    const std::string layout = path + ".html";
    const std::string command =
        "'" + pdftotext + "' -q -f 1 -l 1 -bbox-layout '" + path + "' '" + layout + "'";
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
    std::ifstream in(layout);
    std::stringstream whole;
    whole << in.rdbuf();
    const std::string html = whole.str();
    PdfPage page;
    static const std::regex pageTag(R"(<page ([^>]*)>)");
    std::smatch size;
    if (std::regex_search(html, size, pageTag)) {
        page.width = number(size[1], "width");
        page.height = number(size[1], "height");
    }
    static const std::regex element(R"(<(line|word) ([^>]*)>([^<]*))");
    std::vector<DrawnText> line;
    for (auto it = std::sregex_iterator(html.begin(), html.end(), element);
         it != std::sregex_iterator(); ++it) {
        if ((*it)[1] == "line") {
            addTexts(line, page.texts);
            line.clear();
            continue;
        }
        const DrawnText word = textOf(unescaped((*it)[3]), (*it)[2]);
        page.words.push_back(word);
        line.push_back(word);
    }
    addTexts(line, page.texts);
    return page;
}

// A hair of a point, for the reader's rounding and texts set flush with an edge.
constexpr double kHair = 0.05;

struct NoMessages : MessageSink {
    void show(const ListingMessage&) override {}
};

struct PageRequest {
    std::string paper;
    std::string scale;
    bool memberMode;
};

std::string describe(const PageRequest& request) {
    return request.paper + " at " + request.scale + (request.memberMode ? ", member" : ", floor");
}

// Checks the texts of one exported page of `level`: each on the page, none over another, none of
// the plan's over the legend and title block, and in floor mode each panel's label in its panel,
// with at least its spans where the plan, from its first grid line to its last, is `spansFrom`
// points wide or wider. Returns that width.
double checkPage(const ListingDocument& document, int level, const PdfPage& page,
                 const std::string& listingName, const PageRequest& request, double spansFrom,
                 const std::string& where) {
    const LevelModel& model = document.level(level);
    const GridLineSet lines = levelGridLines(document.grid, level);
    const std::vector<DrawnText> panels = test::panelsAlongBubbles(page.words, model, lines);
    if (panels.empty()) {
        ADD_FAILURE() << where << ": the grid lines' bubbles not found";
        return 0;
    }
    const std::vector<double> xBubbles = test::bubbleCentres(page.words, lines.xNames, false);
    const double planWidth = xBubbles.back() - xBubbles.front();

    double bandTop = page.height;
    for (const DrawnText& text : page.texts) {
        if (text.text == listingName || text.text.rfind("Load cases:", 0) == 0) {
            bandTop = std::min(bandTop, text.top);
        }
    }
    EXPECT_LT(bandTop, page.height) << where << ": no legend or title block";

    std::vector<DrawnText> plan;
    for (std::size_t i = 0; i < page.texts.size(); ++i) {
        const DrawnText& text = page.texts[i];
        EXPECT_TRUE(text.left >= -kHair && text.right <= page.width + kHair && text.top >= -kHair &&
                    text.bottom <= page.height + kHair)
            << where << ": \"" << text.text << "\" off the page";
        for (std::size_t j = 0; j < i; ++j) {
            EXPECT_FALSE(test::covers(text, page.texts[j], kHair))
                << where << ": \"" << text.text << "\" over \"" << page.texts[j].text << "\"";
        }
        EXPECT_FALSE(text.top < bandTop - kHair && text.bottom > bandTop + kHair)
            << where << ": \"" << text.text << "\" over the legend or title block";
        if (text.top < bandTop - kHair) {
            plan.push_back(text);
        }
    }
    if (request.memberMode) {
        return planWidth;
    }
    const test::PanelTexts sorted = test::sortIntoPanels(plan, panels, kHair);
    EXPECT_EQ(sorted.across, std::vector<std::string>{}) << where << ": across a panel's edge";
    const PlanView view = startUpView(document, '.');
    for (std::size_t p = 0; p < model.panels.size(); ++p) {
        EXPECT_EQ(test::judgeSortedPanel(sorted, p, model.panels[p], view,
                                         planWidth >= spansFrom - kHair),
                  "")
            << where << ": panel " << model.panels[p].bounds.x1 << "," << model.panels[p].bounds.z1
            << " shows " << ::testing::PrintToString(sorted.found[p]);
    }
    return planWidth;
}

// Exports `level` of the listing on A4 and A3 at every scale, in floor and member mode, and reads
// each page back; a scale the plan does not fit is refused with one that fits. Every plan drawn at
// least as large as on A4 fitted to the page shows each panel's spans in it; a smaller one, at a
// scale too small for them, may leave them to a callout's key or to the note of texts not shown.
void checkListing(const std::string& listing, const std::string& listingName, int level) {
    NoMessages messages;
    const ListingDocument document = openListing(listing, messages);
    QTemporaryDir dir;
    const std::string path = dir.filePath("plan.pdf").toStdString();
    int pagesRead = 0;
    double spansFrom = 0;
    for (const std::string paper : {"a4", "a3"}) {
        for (const std::string scale : {"fit", "1:50", "1:100", "1:200", "1:250", "1:500"}) {
            for (const bool memberMode : {false, true}) {
                const PageRequest request{paper, scale, memberMode};
                const std::string where =
                    listing + " level " + std::to_string(level) + " on " + describe(request);
                std::vector<std::string> arguments = {
                    listing,   "-o",  path,      "--level", std::to_string(level),
                    "--paper", paper, "--scale", scale};
                if (memberMode) {
                    arguments.insert(arguments.end(),
                                     {"--mode", "member", "--member-loads", "--beam-numbers"});
                }
                const auto outcome = testing::exportCommand(arguments);
                if (outcome.status != 0) {
                    EXPECT_NE(outcome.err.find("does not fit"), std::string::npos)
                        << where << ": " << outcome.err;
                    EXPECT_TRUE(std::regex_search(outcome.err, std::regex("1:[0-9]+ fits")))
                        << where << ": " << outcome.err;
                    continue;
                }
                const double width = checkPage(document, level, readPdf(path, PDFTOTEXT_PROGRAM),
                                               listingName, request, spansFrom, where);
                spansFrom = spansFrom == 0 ? width : spansFrom;
                ++pagesRead;
            }
        }
    }
    // Some scales fit each sheet: the test reads pages, not only refusals.
    EXPECT_GE(pagesRead, 8) << listing;
}

TEST(PdfLabels, EveryPanelOfTheSamplesLevel4_2ShowsItsOwnLabelOnEveryPage) {
    checkListing("samples/office-block.anl", "office-block.anl", 2);
}

#ifdef GEN_LISTING_PROGRAM
TEST(PdfLabels, EveryPanelOfADenseGeneratedLevelShowsItsOwnLabelOnEveryPage) {
    QTemporaryDir dir;
    const std::string path = dir.filePath("dense.anl").toStdString();
    ASSERT_TRUE(
        testing::writeGeneratedListing(GEN_LISTING_PROGRAM, testing::kDenseLevelArguments, path));
    checkListing(path, "dense.anl", 2);
}
#endif

}  // namespace
}  // namespace fp
