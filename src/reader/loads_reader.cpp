// The floor loads, the beam designs and the member loads, read side by side in one scan.
#include "reader/loads_reader.h"

#include <array>
#include <optional>
#include <vector>

#include "model/listing_error.h"
#include "reader/design_scan_pass.h"
#include "reader/floor_load_pass.h"
#include "reader/member_load_pass.h"

namespace fp {
namespace {

bool holdsAny(std::string_view line, std::span<const std::string_view> keys) {
    for (const std::string_view key : keys) {
        if (line.find(key) != std::string_view::npos) {
            return true;
        }
    }
    return false;
}

// The passes in their order, the messages each has shown with their lines, and the failure of
// the first of them to fail.
class PassesInTurn {
  public:
    explicit PassesInTurn(std::array<SideBySidePass*, 3> passes) : passes_(passes) {}

    // Runs `step` for pass i while it is running. The messages it shows, and a failure, are
    // about the line `lineOf` counts; a failure ends pass i and every later pass, which would
    // never have run.
    template <typename Step, typename LineOf>
    void run(std::size_t i, Step step, LineOf lineOf) {
        if (ended_ <= i) {
            return;
        }
        const std::size_t shownBefore = passes_[i]->messages().size();
        try {
            step(*passes_[i]);
        } catch (const ListingError& failure) {
            failure_ = failure.atLine(lineOf());
            ended_ = i;
        }
        if (passes_[i]->messages().size() > shownBefore) {
            const long line = lineOf();
            for (std::size_t m = shownBefore; m < passes_[i]->messages().size(); ++m) {
                lines_[i].push_back(line);
            }
        }
    }

    std::size_t count() const { return passes_.size(); }
    bool running(std::size_t i) const { return i < ended_; }
    SideBySidePass& pass(std::size_t i) { return *passes_[i]; }

    // Shows the messages of the passes that ran, in order, then ends the run if one failed.
    void finish(MessageSink& sink, const std::string& listing) const {
        for (std::size_t i = 0; i < passes_.size() && i <= ended_; ++i) {
            const std::vector<std::string>& texts = passes_[i]->messages();
            for (std::size_t m = 0; m < texts.size(); ++m) {
                sink.show(ListingMessage{texts[m], listing, lines_[i][m]});
            }
        }
        if (failure_) {
            throw *failure_;
        }
    }

  private:
    std::array<SideBySidePass*, 3> passes_;
    std::array<std::vector<long>, 3> lines_;
    std::size_t ended_ = 3;
    std::optional<ListingError> failure_;
};

}  // namespace

LoadsAndDesigns readLoadsAndDesigns(ListingSource& listing, const PlanExtent& extent,
                                    MessageSink& messages) {
    LoadsAndDesigns read;
    LoadCaseNumbers caseNumbers;
    FloorLoadPass floorLoads(read.loadCases, read.floorLoads, read.floorIntensities,
                             read.unshownLoads.floorLoads, extent, caseNumbers);
    DesignScanPass designs(read.designRows, read.cutDesignHeaderLine);
    MemberLoadPass memberLoads(read.memberLoadValues, read.memberLoadsByMember,
                               read.unshownLoads.memberLoads, caseNumbers);
    PassesInTurn passes({&floorLoads, &designs, &memberLoads});

    TextStream stream(listing);
    EchoScan echo;
    stream.watchBlocks([&echo](std::string_view text) { echo.take(text); });
    std::vector<std::string_view> keys;
    while (true) {
        keys.clear();
        for (std::size_t i = 0; i < passes.count(); ++i) {
            if (passes.running(i)) {
                const auto wanted = passes.pass(i).keys();
                keys.insert(keys.end(), wanted.begin(), wanted.end());
            }
        }
        if (keys.empty() || !stream.readLineContaining(keys)) {
            break;
        }
        const std::string_view line = stream.lastLine();
        for (std::size_t i = 0; i < passes.count(); ++i) {
            if (passes.running(i) && holdsAny(line, passes.pass(i).keys())) {
                passes.run(
                    i, [&](SideBySidePass& pass) { pass.take(line, stream); },
                    [&stream] { return stream.lineNumber(); });
            }
        }
    }
    stream.readToEnd();
    for (std::size_t i = 0; i < passes.count(); ++i) {
        passes.run(
            i, [](SideBySidePass& pass) { pass.finish(); },
            [&stream] { return stream.lineNumber(); });
    }
    read.echo = echo.finish();
    // Nothing read from a listing that changed meanwhile is shown.
    listing.checkUnchanged();
    passes.finish(messages, listing.name());
    return read;
}

}  // namespace fp
