// An incomplete listing is obvious at once: a banner above the plan says so and what the check
// finds about it, in the check's own words; a listing read whole shows none.
#include <gtest/gtest.h>

#include <QLabel>
#include <QToolButton>
#include <functional>

#include "checks/listing_checks.h"
#include "main_window_fixture.h"
#include "window/listing_banner.h"
#include "window_listings.h"

namespace fp::testing {
namespace {

std::string listingWith(const std::function<void(std::string&)>& change) {
    std::string text = threeLevelListing();
    change(text);
    return text;
}

TEST(ListingBanner, AnIncompleteListingSaysSoWithTheChecksOwnSentences) {
    const struct {
        const char* what;
        std::string listing;
        const char* headline;  // null: no banner
    } cases[] = {
        {"whole", threeLevelListing(), nullptr},
        {"without FINISH",
         listingWith([](std::string& text) { text.erase(text.find(". FINISH") - 5, 14); }),
         "it was cut short"},
        {"cut inside its last line",
         listingWith([](std::string& text) { text.resize(text.size() - 3); }), "it was cut short"},
        {"with echo lines missing", listingWith([](std::string& text) {
             const std::size_t line = text.rfind(". FINISH") - 2;
             text.replace(line, 2, "90");
         }),
         "lines are missing"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        OpenWindow open(c.listing);
        auto* banner = open.window().findChild<ListingBanner*>(QStringLiteral("listingBanner"));
        ASSERT_NE(banner, nullptr);
        EXPECT_EQ(banner->isVisibleTo(&open.window()), c.headline != nullptr);
        if (c.headline == nullptr) {
            continue;
        }
        EXPECT_TRUE(banner->headline->text().contains(QString::fromUtf8(c.headline)))
            << banner->headline->text().toStdString();
        // Every finding of the check about the listing being incomplete is told, word for word.
        int told = 0;
        for (const Finding& finding : checkDocument(*open.session().document())) {
            if (finding.kind == FindingKind::ListingCutShort ||
                finding.kind == FindingKind::EchoLinesMissing) {
                EXPECT_TRUE(
                    banner->details->text().contains(QString::fromStdString(finding.sentence)))
                    << finding.sentence;
                ++told;
            }
        }
        EXPECT_GT(told, 0);
        banner->dismissButton->click();
        EXPECT_FALSE(banner->isVisibleTo(&open.window()));
    }
}

}  // namespace
}  // namespace fp::testing
