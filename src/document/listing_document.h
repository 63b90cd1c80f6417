// The listing document: everything read from one analysis listing in one reading, the grid of its
// joints, and the structure worked out from them. It is built whole by openListing and never
// changes afterwards; the facts of the structure are worked out on first use and kept.
#pragma once

#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>

#include "document/derived_results.h"
#include "grid/grid.h"
#include "model/records.h"
#include "platform/file_version.h"
#include "reader/listing_echo.h"
#include "reader/listing_source.h"
#include "reader/message_sink.h"
#include "reader/read_progress.h"
#include "reader/unshown_loads.h"
#include "structure/structure_model.h"

namespace fp {

struct ListingDocument {
    ListingDocument();
    ~ListingDocument();
    // A document moves, and is never copied: its structure's facts point into its records.
    ListingDocument(ListingDocument&&) noexcept;
    ListingDocument& operator=(ListingDocument&&) noexcept;
    ListingDocument(const ListingDocument&) = delete;
    ListingDocument& operator=(const ListingDocument&) = delete;

    // The listing's path (or name) as it was given.
    std::string name;
    // The version of the file read; none for a listing read from memory.
    std::optional<FileVersion> version;

    JointList joints{"joints"};
    // Oriented: every member runs from its lower joint to its higher one.
    MemberList members{"members"};
    DesignRowList designRows{"beam design blocks"};
    // The line of a beam design header the listing ends after, before the block's length: that
    // beam has no design row. 0 when none.
    long cutDesignHeaderLine = 0;
    // The first header of each load-case number, in the order they appear.
    LoadCaseList loadCases{"load cases"};
    FloorLoadList floorLoads{"floor loads"};
    // Both ascending.
    LoadValueList floorIntensities{"distinct floor-load intensities"};
    LoadValueList memberLoadValues{"distinct member-load values"};
    // Every accepted member load, one per member it acts on: by member number, and for one
    // member in the order read.
    MemberLoadList memberLoadsByMember{"member loads by member"};
    // The floor and member loads the analysis applies that no plan shows.
    UnshownLoads unshownLoads;
    // What the input echo tells, the job information among it.
    ListingEcho echo;

    Grid grid;

    // Makes the structure ready to be asked; called once the records and the grid are whole.
    void deriveStructure();

    const DesignRow& designRow(DesignRowNumber number) const {
        return designRows[static_cast<std::size_t>(number - 1)];
    }
    int levelCount() const { return grid.levelCount(); }
    // The height of a level (1 .. levelCount()) in hundredths of a metre.
    float levelHeight(int level) const { return grid.y.at(level); }
    // The level at a height in hundredths of a metre; 0 when no level is there.
    int levelAtHeight(float hundredths) const;
    // The level at a height in metres as the user writes it (7.8); 0 when no level is there.
    int levelAtMetres(float metres) const;
    // The member loads acting on a member, in the order read; empty for a member without any.
    std::span<const MemberLoad> memberLoadsOn(int32_t member) const;
    // The load case of a number as written, or null when the listing has no header for it.
    const LoadCase* loadCase(std::string_view number) const;
    // "1 DEAD LOAD": the number and its header's title, or the number alone without a header;
    // as the listing writes it.
    std::string loadCaseText(const std::string& number) const;

    // The joint a number names (the first written of that number); null when there is none.
    const Joint* joint(int32_t number) const;
    // What a member is to the plans.
    MemberFacts member(int32_t number) const;
    // A level's beams, panels and columns, with the drawing limits it passes (1 .. levelCount();
    // an empty level for any other number).
    const LevelModel& level(int level) const;
    // What the layers above work out from the whole document, kept with it.
    const DerivedResults& derived() const { return *derived_; }

  private:
    StructureRecords records() const;

    std::unique_ptr<StructureModel> structure_;
    std::unique_ptr<DerivedResults> derived_;
    // Each header of loadCases by its number (views of the numbers' own shared texts), so that
    // naming a case costs the same with ten cases or ten thousand.
    std::unordered_map<std::string_view, std::size_t> caseByNumber_;
};

// The level a plan opens on: level 3, the highest level when there are fewer, 0 when none.
int startLevel(const ListingDocument& document);

// Reads the listing at `path`, once: its structure, its loads and beam designs, and its input
// echo, all of one version of the file. Messages shown while reading go to `messages` and the
// reading goes on. A listing that cannot be read or held throws ListingError, whose message
// names the listing and, where there is one, the line; no document is made then. `progress`,
// when given, is told how far the reading has come and may stop it (ReadCancelled).
// A set of files an earlier run left half-done in the listing's folder is settled first (see
// settleInterruptedSetIn()).
ListingDocument openListing(const std::string& path, MessageSink& messages,
                            const ReadProgress& progress = {});

// The same for a listing already open as a source (a file, or bytes in memory).
ListingDocument readListing(ListingSource& listing, MessageSink& messages);

}  // namespace fp
