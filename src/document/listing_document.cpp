// Reading a listing into a document: structure, grid, loads, designs and echo.
#include "document/listing_document.h"

#include <algorithm>
#include <filesystem>

#include "files/set_journal.h"
#include "model/listing_error.h"
#include "model/number_text.h"
#include "reader/loads_reader.h"
#include "reader/structure_reader.h"

namespace fp {

ListingDocument readListing(ListingSource& listing, MessageSink& messages) {
    try {
        ListingDocument document;
        document.name = listing.name();
        document.version = listing.version();
        Structure structure = readStructure(listing);
        listing.checkUnchanged();
        document.grid = buildGrid(structure.joints);
        const Grid& grid = document.grid;
        const PlanExtent extent{grid.x.first(), grid.x.last(), grid.z.first(), grid.z.last()};
        LoadsAndDesigns loads = readLoadsAndDesigns(listing, extent, messages);
        orientMembers(structure.members, structure.joints);

        document.joints = std::move(structure.joints);
        document.members = std::move(structure.members);
        document.designRows = std::move(loads.designRows);
        document.cutDesignHeaderLine = loads.cutDesignHeaderLine;
        document.loadCases = std::move(loads.loadCases);
        document.floorLoads = std::move(loads.floorLoads);
        document.floorIntensities = std::move(loads.floorIntensities);
        document.memberLoadValues = std::move(loads.memberLoadValues);
        document.floorIntensities.sortAscending();
        document.memberLoadValues.sortAscending();
        document.memberLoadsByMember = std::move(loads.memberLoadsByMember);
        std::stable_sort(
            document.memberLoadsByMember.begin(), document.memberLoadsByMember.end(),
            [](const MemberLoad& a, const MemberLoad& b) { return a.member < b.member; });
        document.unshownLoads = std::move(loads.unshownLoads);
        document.echo = std::move(loads.echo);
        document.deriveStructure();
        return document;
    } catch (const ListingError& failure) {
        // A listing cut short or rewritten part-way fails in ways of its own; the change is
        // the cause to report.
        listing.checkUnchanged();
        throw failure.inListing(listing.name());
    }
}

ListingDocument::ListingDocument()
    : structure_(std::make_unique<StructureModel>(0)),
      derived_(std::make_unique<DerivedResults>()) {}
ListingDocument::~ListingDocument() = default;
ListingDocument::ListingDocument(ListingDocument&&) noexcept = default;
ListingDocument& ListingDocument::operator=(ListingDocument&&) noexcept = default;

void ListingDocument::deriveStructure() {
    structure_ = std::make_unique<StructureModel>(grid.levelCount());
    derived_ = std::make_unique<DerivedResults>();
    caseByNumber_.clear();
    for (std::size_t i = 0; i < loadCases.size(); ++i) {
        caseByNumber_.emplace(loadCases[i].number.text(), i);
    }
}

StructureRecords ListingDocument::records() const {
    return StructureRecords{grid, joints, members, designRows, floorLoads};
}

const Joint* ListingDocument::joint(int32_t number) const {
    return structure_->joints(records()).find(number);
}

MemberFacts ListingDocument::member(int32_t number) const {
    return structure_->member(records(), number);
}

const LevelModel& ListingDocument::level(int level) const {
    return structure_->level(records(), level);
}

std::span<const MemberLoad> ListingDocument::memberLoadsOn(int32_t member) const {
    struct ByMember {
        bool operator()(const MemberLoad& load, int32_t number) const {
            return load.member < number;
        }
        bool operator()(int32_t number, const MemberLoad& load) const {
            return number < load.member;
        }
    };
    const auto [first, last] = std::equal_range(memberLoadsByMember.begin(),
                                                memberLoadsByMember.end(), member, ByMember{});
    return {first, last};
}

int ListingDocument::levelAtHeight(float hundredths) const {
    return grid.y.lineOf(hundredths);
}

int ListingDocument::levelAtMetres(float metres) const {
    const std::optional<float> hundredths = exactHundredths(metres);
    return hundredths ? levelAtHeight(*hundredths) : 0;
}

int startLevel(const ListingDocument& document) {
    constexpr int kFirstLevelShown = 3;
    return std::min(kFirstLevelShown, document.levelCount());
}

const LoadCase* ListingDocument::loadCase(std::string_view number) const {
    const auto found = caseByNumber_.find(number);
    return found != caseByNumber_.end() ? &loadCases[found->second] : nullptr;
}

std::string ListingDocument::loadCaseText(const std::string& number) const {
    const LoadCase* header = loadCase(number);
    return header != nullptr ? number + " " + header->title : number;
}

ListingDocument openListing(const std::string& path, MessageSink& messages,
                            const ReadProgress& progress) {
    // Outputs are most often written beside their listing: a set a killed run left half-done
    // there is settled before the listing is shown.
    settleInterruptedSetIn(std::filesystem::path(path).parent_path().string());
    const auto listing = openListingFile(path);
    if (!progress) {
        return readListing(*listing, messages);
    }
    const auto followed = withProgress(*listing, progress);
    return readListing(*followed, messages);
}

}  // namespace fp
