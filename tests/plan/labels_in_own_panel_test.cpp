// What the reader of a plan sees: each panel's label in that panel and nowhere else, read back from
// the texts drawn (not from the placement), for the sample and generated levels of several shapes
// at view sizes from a small window's plan area to a large screen's, with text measured as a
// screen measures it.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "document/listing_document.h"
#include "plan/level_drawing.h"
#include "plan/panel_labels.h"
#include "support/generated_listings.h"
#include "support/panel_reading.h"
#include "support/recording_surface.h"

namespace fp {
namespace {

using Call = test::RecordingSurface::Call;

// Measures text in pixels, as a screen does whatever the zoom, turned into plan units by the scale
// in force over a view `width` by `height` pixels.
class PixelSurface : public test::RecordingSurface {
  public:
    PixelSurface(double width, double height, double charPixels, double linePixels)
        : width_(width), height_(height), charPixels_(charPixels), linePixels_(linePixels) {}

    void setScale(double left, double top, double right, double bottom) override {
        RecordingSurface::setScale(left, top, right, bottom);
        perPixelX_ = (right - left) / width_;
        perPixelZ_ = (bottom - top) / height_;
    }
    double verticalPerHorizontal() override { return perPixelZ_ / perPixelX_; }
    double textWidth(std::string_view text) override {
        return charPixels_ * perPixelX_ * sizeOf(selectedFont()) * static_cast<double>(text.size());
    }
    double textHeight(std::string_view) override {
        return linePixels_ * perPixelZ_ * sizeOf(selectedFont());
    }

    // The box a recorded text covers on the view: upright, or turned a quarter upward about the
    // top-left of its cell.
    PlanRect boxOf(const Call& text) const {
        const double share = sizeOf(text.font);
        const double length = charPixels_ * share * static_cast<double>(text.text.size());
        const double thickness = linePixels_ * share;
        if (text.font && text.font->angleTenths == 900) {
            return {text.x1, text.z1 - length * perPixelZ_, text.x1 + thickness * perPixelX_,
                    text.z1};
        }
        return {text.x1, text.z1, text.x1 + length * perPixelX_, text.z1 + thickness * perPixelZ_};
    }

    // The calls of a kind of the last drawing: a fitted level may be drawn twice, the second time
    // with room for its key.
    std::vector<Call> last(Kind kind) const {
        const auto& all = calls();
        auto from = std::find_if(all.rbegin(), all.rend(),
                                 [](const Call& call) { return call.kind == Kind::Clear; });
        std::vector<Call> found;
        std::copy_if(from.base(), all.end(), std::back_inserter(found),
                     [kind](const Call& call) { return call.kind == kind; });
        return found;
    }
    std::vector<Call> lastTexts() const { return last(Kind::Text); }

    // Pixels of the view in plan units, across and down.
    double acrossPixels(double pixels) const { return pixels * perPixelX_; }
    double downPixels(double pixels) const { return pixels * perPixelZ_; }

    bool measuresAngle(const Call& text) const {
        return !text.font || text.font->angleTenths == 0 || text.font->angleTenths == 900;
    }

  private:
    static double sizeOf(const std::optional<FontDescription>& font) {
        return font ? font->shrink : 1;
    }

    double width_;
    double height_;
    double charPixels_;
    double linePixels_;
    double perPixelX_ = 1;
    double perPixelZ_ = 1;
};

// A hair of a pixel's worth, for sums that put a text flush with its panel's edge.
constexpr double kHair = 1e-3;

bool inside(const PlanRect& box, const PanelBounds& panel) {
    return box.left >= panel.x1 - kHair && box.right <= panel.x2 + kHair &&
           box.top >= panel.z1 - kHair && box.bottom <= panel.z2 + kHair;
}

bool meets(const PlanRect& box, const PanelBounds& panel) {
    return box.left < panel.x2 - kHair && box.right > panel.x1 + kHair &&
           box.top < panel.z2 - kHair && box.bottom > panel.z1 + kHair;
}

bool overlap(const PlanRect& a, const PlanRect& b) {
    return a.left < b.right - kHair && b.left < a.right - kHair && a.top < b.bottom - kHair &&
           b.top < a.bottom - kHair;
}

// The gap between two boxes along X, or along Z; negative where they overlap that way.
double gapAcross(const PlanRect& a, const PlanRect& b) {
    return std::max(a.left - b.right, b.left - a.right);
}
double gapDown(const PlanRect& a, const PlanRect& b) {
    return std::max(a.top - b.bottom, b.top - a.bottom);
}

// How far apart two boxes are; 0 where they meet.
double distance(const PlanRect& a, const PlanRect& b) {
    return std::hypot(std::max(0.0, gapAcross(a, b)), std::max(0.0, gapDown(a, b)));
}

// The line a beam is drawn along.
PlanRect drawnLine(const LevelBeam& beam) {
    const PlanPoint end = beam.drawnEnd();
    return {std::min<double>(beam.x, end.x), std::min<double>(beam.z, end.z),
            std::max<double>(beam.x, end.x), std::max<double>(beam.z, end.z)};
}

// Checks the texts that belong to a beam, a column or a grid line against it: a serial number
// alongside its own beam and nearer to it than to any beam beside it, a column's member number
// nearer to its column than to any other, a grid name inside a bubble, and a member number never
// run into another text on its line, where "B: 220" and "2" would read as member 2202.
void checkTextsBesideTheirOwn(const PixelSurface& surface, const LevelModel& level,
                              double linePixels, const std::string& where) {
    const double across = surface.acrossPixels(linePixels);
    const double down = surface.downPixels(linePixels);
    const std::vector<Call> texts = surface.lastTexts();
    const std::vector<Call> circles = surface.last(test::RecordingSurface::Kind::Circle);
    int serials = 0;
    int gridNames = 0;
    for (const Call& text : texts) {
        const PlanRect box = surface.boxOf(text);
        serials += text.part == PlanPart::BeamSerials ? 1 : 0;
        gridNames += text.part == PlanPart::Grid ? 1 : 0;
        if (text.part == PlanPart::BeamSerials) {
            const std::size_t serial = std::stoul(text.text);
            ASSERT_TRUE(serial >= 1 && serial <= level.beams.size()) << where << ": " << text.text;
            const PlanRect own = drawnLine(level.beams[serial - 1]);
            const bool alongX = own.bottom - own.top < own.right - own.left;
            const bool alongside = alongX ? gapAcross(box, own) < 0 : gapDown(box, own) < 0;
            // A beam across its own, at an end, may come nearer; a beam running beside it, which
            // the serial could be read as belonging to, may not.
            const bool nearest =
                std::none_of(level.beams.begin(), level.beams.end(), [&](const LevelBeam& beam) {
                    const PlanRect other = drawnLine(beam);
                    const bool parallel =
                        (other.bottom - other.top < other.right - other.left) == alongX;
                    return parallel && distance(box, other) < distance(box, own) - kHair;
                });
            EXPECT_TRUE(alongside && nearest)
                << where << ": serial " << text.text << " away from its beam";
        } else if (text.part == PlanPart::Columns) {
            const auto nearest = std::min_element(level.columns.begin(), level.columns.end(),
                                                  [&](const LevelColumn& a, const LevelColumn& b) {
                                                      return distance(box, {a.x, a.z, a.x, a.z}) <
                                                             distance(box, {b.x, b.z, b.x, b.z});
                                                  });
            EXPECT_TRUE(nearest != level.columns.end() &&
                        text.text == "C: " + std::to_string(nearest->member))
                << where << ": \"" << text.text << "\" away from its column";
        } else if (text.part == PlanPart::Grid) {
            const bool inBubble = std::any_of(circles.begin(), circles.end(), [&](const Call& c) {
                if (c.part != PlanPart::Grid) {
                    return false;
                }
                const double radiusDown = c.x2 * surface.downPixels(1) / surface.acrossPixels(1);
                const auto within = [&](double x, double z) {
                    const double dx = (x - c.x1) / c.x2;
                    const double dz = (z - c.z1) / radiusDown;
                    return dx * dx + dz * dz <= 1 + kHair;
                };
                return within(box.left, box.top) && within(box.right, box.top) &&
                       within(box.left, box.bottom) && within(box.right, box.bottom);
            });
            EXPECT_TRUE(inBubble) << where << ": grid name " << text.text << " outside its bubble";
        }
        if (text.part != PlanPart::MemberNumbers) {
            continue;
        }
        const bool upright = !text.font || text.font->angleTenths == 0;
        for (const Call& other : texts) {
            const PlanRect next = surface.boxOf(other);
            const bool otherUpright = !other.font || other.font->angleTenths == 0;
            if (&other == &text || upright != otherUpright) {
                continue;
            }
            // On one line, a space apart at least: a quarter of a line's height.
            if (upright && gapDown(box, next) < 0) {
                EXPECT_GE(gapAcross(box, next), across / 4 - kHair)
                    << where << ": \"" << text.text << "\" runs into \"" << other.text << "\"";
            } else if (!upright && gapAcross(box, next) < 0) {
                EXPECT_GE(gapDown(box, next), down / 4 - kHair)
                    << where << ": \"" << text.text << "\" runs into \"" << other.text << "\"";
            }
        }
    }
    // Every level drawn has beams and grid lines: the checks above met some of each.
    EXPECT_GT(serials, 0) << where;
    EXPECT_GT(gridNames, 0) << where;
}

// The texts drawn that the surface measures, each with its box, once each is checked to lie over
// no other and inside `visible`.
std::vector<std::pair<Call, PlanRect>> textsApartInView(const PixelSurface& surface,
                                                        const PlanRect& visible,
                                                        const std::string& where) {
    std::vector<std::pair<Call, PlanRect>> texts;
    for (const Call& text : surface.lastTexts()) {
        if (!surface.measuresAngle(text)) {
            continue;
        }
        const PlanRect box = surface.boxOf(text);
        for (const auto& [other, otherBox] : texts) {
            EXPECT_FALSE(overlap(box, otherBox))
                << where << ": \"" << text.text << "\" over \"" << other.text << "\"";
        }
        EXPECT_TRUE(box.left >= visible.left - kHair && box.right <= visible.right + kHair &&
                    box.top >= visible.top - kHair && box.bottom <= visible.bottom + kHair)
            << where << ": \"" << text.text << "\" off the view";
        texts.emplace_back(text, box);
    }
    return texts;
}

struct Reading {
    int panels = 0;
    int ownLabels = 0;
    int callouts = 0;
};

// Draws the level fitted to `width` by `height` pixels and checks what was drawn, returning how
// many panels show their label at home.
Reading checkLevel(const ListingDocument& document, PlanView view, double width, double height,
                   double charPixels, bool spansRequired, const std::string& where) {
    PixelSurface surface(width, height, charPixels, 2 * charPixels + 1);
    PlanFrame frame;
    drawLevelFitted(document, view, surface, width, height, {}, frame);
    const PlanRect visible{frame.left, frame.top, frame.right, frame.bottom};
    const std::vector<LevelPanel>& panels = document.level(view.level).panels;
    std::vector<std::vector<std::string>> found(panels.size());
    std::vector<std::string> key;
    bool noteDrawn = false;
    for (const auto& [text, box] : textsApartInView(surface, visible, where)) {
        if (text.part != PlanPart::PanelLabels) {
            continue;
        }
        const auto home = std::find_if(panels.begin(), panels.end(), [&](const LevelPanel& panel) {
            return inside(box, panel.bounds);
        });
        if (home != panels.end()) {
            found[static_cast<std::size_t>(home - panels.begin())].push_back(text.text);
            continue;
        }
        const bool inNoBay =
            std::none_of(panels.begin(), panels.end(),
                         [&](const LevelPanel& panel) { return meets(box, panel.bounds); });
        EXPECT_TRUE(inNoBay) << where << ": \"" << text.text << "\" across a panel's edge";
        noteDrawn = noteDrawn || text.text.find("not shown") != std::string::npos;
        key.push_back(text.text);
    }
    checkTextsBesideTheirOwn(surface, document.level(view.level), 2 * charPixels + 1, where);
    Reading reading;
    reading.panels = static_cast<int>(panels.size());
    for (std::size_t i = 0; i < panels.size(); ++i) {
        const std::string fault =
            test::judgePanel(panels[i], view, found[i], key, noteDrawn, spansRequired);
        EXPECT_EQ(fault, "") << where << ": panel " << panels[i].bounds.x1 << ","
                             << panels[i].bounds.z1 << " - " << panels[i].bounds.x2 << ","
                             << panels[i].bounds.z2 << " shows "
                             << ::testing::PrintToString(found[i]);
        const bool callout = std::any_of(found[i].begin(), found[i].end(), test::isCalloutNumber);
        reading.ownLabels += fault.empty() && !found[i].empty() ? 1 : 0;
        reading.callouts += callout ? 1 : 0;
    }
    return reading;
}

// Draws the level in member-load mode, with the member numbers and each beam's loads on it, and
// checks that no text lies over another or off the view and that each stands by its own.
void checkMemberLevel(const ListingDocument& document, PlanView view, double width, double height,
                      double charPixels, const std::string& where) {
    view.mode = LoadMode::Member;
    view.memberNumbers = true;
    view.memberLoadsOnBeams = true;
    PixelSurface surface(width, height, charPixels, 2 * charPixels + 1);
    PlanFrame frame;
    drawLevelFitted(document, view, surface, width, height, {}, frame);
    textsApartInView(surface, PlanRect{frame.left, frame.top, frame.right, frame.bottom}, where);
    checkTextsBesideTheirOwn(surface, document.level(view.level), 2 * charPixels + 1, where);
}

struct NoMessages : MessageSink {
    void show(const ListingMessage&) override {}
};

#ifdef GEN_LISTING_PROGRAM
ListingDocument generated(const std::string& arguments) {
    const std::string path =
        ::testing::TempDir() + "frameplan_labels_" + std::to_string(::getpid()) + ".anl";
    EXPECT_TRUE(testing::writeGeneratedListing(GEN_LISTING_PROGRAM, arguments, path));
    NoMessages messages;
    ListingDocument document = openListing(path, messages);
    std::remove(path.c_str());
    return document;
}
#endif

struct ViewSize {
    // In logical pixels.
    double width;
    double height;
    // Device pixels per logical pixel: the window at a scale factor of 2 measures its text, an
    // 8-point font of 6 pixels a digit, in twice as many device pixels.
    double scale;
};

constexpr ViewSize kSizes[] = {
    {600, 380, 1}, {800, 560, 1}, {960, 640, 1}, {1600, 900, 1}, {3200, 1800, 1}, {600, 380, 2},
};
constexpr double kDigitPixels = 6;

struct Listing {
    const char* arguments;  // to the generator; empty for the bundled sample
    // The smallest width at which every panel must show its spans at home.
    double spansFrom;
};

class LabelsInOwnPanel : public ::testing::TestWithParam<Listing> {};

TEST_P(LabelsInOwnPanel, EveryPanelShowsItsOwnLabelOrACalloutWithItsKey) {
    const Listing& listing = GetParam();
    NoMessages messages;
#ifdef GEN_LISTING_PROGRAM
    const ListingDocument document = *listing.arguments == '\0'
                                         ? openListing("samples/office-block.anl", messages)
                                         : generated(listing.arguments);
#else
    if (*listing.arguments != '\0') {
        GTEST_SKIP() << "built without the listing generator";
    }
    const ListingDocument document = openListing("samples/office-block.anl", messages);
#endif
    for (int level = 1; level <= document.levelCount(); ++level) {
        PlanView view = startUpView(document, '.');
        view.level = level;
        if (document.level(level).panelsError || document.level(level).panels.empty()) {
            continue;
        }
        for (const ViewSize& size : kSizes) {
            for (const bool caseNumbers : {true, false}) {
                view.loadCaseNumbers = caseNumbers;
                const std::string where =
                    std::string(listing.arguments) + " level " + std::to_string(level) + " at " +
                    std::to_string(int(size.width)) + "x" + std::to_string(int(size.height)) +
                    " scale " + std::to_string(int(size.scale));
                const Reading reading =
                    checkLevel(document, view, size.width * size.scale, size.height * size.scale,
                               kDigitPixels * size.scale, size.width >= listing.spansFrom, where);
                if (caseNumbers) {
                    checkMemberLevel(document, view, size.width * size.scale,
                                     size.height * size.scale, kDigitPixels * size.scale,
                                     where + " in member mode");
                    std::printf("%s: %d of %d panels labelled at home, %d callouts\n",
                                where.c_str(), reading.ownLabels, reading.panels, reading.callouts);
                }
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    SampleAndGenerated, LabelsInOwnPanel,
    ::testing::Values(Listing{"", 600}, Listing{testing::kDenseLevelArguments, 800},
                      Listing{"--storeys 2 --bays-x 1 --bays-z 1 --load-cases 1", 600},
                      Listing{"--storeys 2 --bays-x 4 --bays-z 3 --load-cases 6", 600},
                      Listing{"--storeys 2 --bays-x 12 --bays-z 10 --load-cases 3", 1e9},
                      Listing{"--storeys 2 --bays-x 6 --bays-z 2 --span 1.2", 1e9}));

}  // namespace
}  // namespace fp
