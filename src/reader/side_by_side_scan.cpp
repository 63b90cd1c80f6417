// Passes 2, 3 and 4 of the reader in one scan of the listing.
#include "reader/side_by_side_scan.h"

#include <array>
#include <optional>
#include <vector>

#include "model/run_error.h"
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

// The number of the listing's last line, the line the design scan starts from.
long lastLineNumber(const std::string& path) {
    TextStream stream(path);
    while (!stream.AtEndOfStream()) {
        stream.readline();
    }
    return stream.lineNumber();
}

// The passes in their order, and the failure of the first of them to fail.
class PassesInTurn {
  public:
    explicit PassesInTurn(std::array<SideBySidePass*, 3> passes) : passes_(passes) {}

    // Runs `step` for pass i while it is running; a failure, tied to the line `lineOf` counts,
    // ends pass i and every later pass, which would never have run.
    template <typename Step, typename LineOf>
    void run(std::size_t i, Step step, LineOf lineOf) {
        if (ended_ <= i) {
            return;
        }
        try {
            step(*passes_[i]);
        } catch (const RunEndingError& failure) {
            failure_ = failure.atLine(lineOf());
            ended_ = i;
        }
    }

    std::size_t count() const { return passes_.size(); }
    bool running(std::size_t i) const { return i < ended_; }
    SideBySidePass& pass(std::size_t i) { return *passes_[i]; }

    // Shows the messages of the passes that ran, in order, then ends the run if one failed.
    void finish(PlatformServices& services) const {
        for (std::size_t i = 0; i < passes_.size() && i <= ended_; ++i) {
            for (const std::string& message : passes_[i]->messages()) {
                services.showMessage(message);
            }
        }
        if (failure_) {
            throw *failure_;
        }
    }

  private:
    std::array<SideBySidePass*, 3> passes_;
    std::size_t ended_ = 3;
    std::optional<RunEndingError> failure_;
};

}  // namespace

void ReadLoadsAndDesigns(ModelStore& model, ListingReading& reading, PlatformServices& services) {
    FloorLoadPass floorLoads(model);
    DesignScanPass designs(model, lastLineOf(reading.ListingFileName));
    MemberLoadPass memberLoads(model);
    PassesInTurn passes({&floorLoads, &designs, &memberLoads});

    reading.open();
    TextStream& stream = *reading.ListingStream;
    for (std::size_t i = 0; i < passes.count(); ++i) {
        passes.run(
            i, [](SideBySidePass& pass) { pass.start(); },
            [&reading] { return lastLineNumber(reading.ListingFileName); });
    }
    std::vector<std::string_view> keys;
    while (true) {
        keys.clear();
        for (std::size_t i = 0; i < passes.count(); ++i) {
            if (passes.running(i)) {
                const auto wanted = passes.pass(i).keys();
                keys.insert(keys.end(), wanted.begin(), wanted.end());
            }
        }
        if (keys.empty() || !stream.readlineContaining(keys)) {
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
    reading.CurrentLine.assign(stream.lastLine());
    reading.close();
    passes.finish(services);
}

}  // namespace fp
