// The journal of a set of files put in place together. Each file is written under a temporary
// name and renamed into its place; a run killed, or a machine losing power, between two of the
// renames would leave files of two runs. So before its first rename a run writes, beside the
// files, the list of the renames it is about to make, and removes it after the last. The next run
// that finds a journal finishes the renames it lists, or, when the journal itself was cut short
// (the run was stopped before its first rename), leaves the files in place as they are and
// removes the ones that were waiting.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/locked_folder.h"

namespace fp {

// One file of a set, by its names inside the set's folder.
struct SetRename {
    std::string temporary;
    std::string name;

    bool operator==(const SetRename&) const = default;
};

// The journal's name in the folder of the set.
inline constexpr const char* kSetJournalName = ".frameplan-set-journal";

// The journal of `renames`, whose every name may hold any byte.
std::string journalText(const std::vector<SetRename>& renames);

struct ReadJournal {
    std::vector<SetRename> renames;
    // Whether the journal was written to its end; otherwise `renames` are those written before
    // it was cut short.
    bool whole = false;
};

ReadJournal readJournal(std::string_view text);

// Settles the set a run left half-done in `folder`, which the caller has locked: finishes its
// renames forward from a whole journal, or rolls it back from one cut short. Returns what it did,
// to tell the user, or nothing when there was nothing to do.
std::optional<std::string> settleInterruptedSet(const LockedFolder& folder);

// Settles a set left half-done in `folder` unless another run holds the folder (it is writing
// there now), and tells what it did as a file notice.
void settleInterruptedSetIn(const std::string& folder);

}  // namespace fp
