// Journals of sets of files: written, read back, and settled.
#include "files/set_journal.h"

#include <charconv>

#include "files/file_notices.h"

namespace fp {
namespace {

constexpr std::string_view kFirstLine = "frameplan set journal\n";
// More than the journal of any set the program writes (a file per level, a few hundred bytes
// each); a longer one was not written by it.
constexpr std::size_t kLongestJournal = std::size_t{16} << 20;

// Reads a decimal number ending in `end` from the front of `text`, and takes both off it.
std::optional<std::size_t> takeNumber(std::string_view& text, char end) {
    std::size_t number = 0;
    const auto [stop, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (error != std::errc() || stop == text.data() + text.size() || *stop != end) {
        return std::nullopt;
    }
    text.remove_prefix(static_cast<std::size_t>(stop - text.data()) + 1);
    return number;
}

std::string namesText(const std::vector<SetRename>& renames) {
    std::string text;
    for (std::size_t i = 0; i < renames.size(); ++i) {
        text += (i == 0 ? "" : i + 1 == renames.size() ? " and " : ", ") + renames[i].name;
    }
    return text;
}

}  // namespace

std::string journalText(const std::vector<SetRename>& renames) {
    std::string text(kFirstLine);
    for (const SetRename& rename : renames) {
        text += std::to_string(rename.temporary.size()) + " " + std::to_string(rename.name.size()) +
                "\n" + rename.temporary + rename.name + "\n";
    }
    return text + "end " + std::to_string(renames.size()) + "\n";
}

ReadJournal readJournal(std::string_view text) {
    ReadJournal journal;
    if (!text.starts_with(kFirstLine)) {
        return journal;
    }
    text.remove_prefix(kFirstLine.size());
    while (!text.empty()) {
        if (text.starts_with("end ")) {
            text.remove_prefix(4);
            const auto count = takeNumber(text, '\n');
            journal.whole = count == journal.renames.size() && text.empty();
            return journal;
        }
        const auto temporarySize = takeNumber(text, ' ');
        const auto nameSize = temporarySize ? takeNumber(text, '\n') : std::nullopt;
        if (!nameSize || text.size() < *temporarySize + *nameSize + 1 ||
            text[*temporarySize + *nameSize] != '\n') {
            return journal;
        }
        journal.renames.push_back({std::string(text.substr(0, *temporarySize)),
                                   std::string(text.substr(*temporarySize, *nameSize))});
        text.remove_prefix(*temporarySize + *nameSize + 1);
    }
    return journal;
}

std::optional<std::string> settleInterruptedSet(const LockedFolder& folder) {
    const std::optional<std::string> text = folder.readFile(kSetJournalName, kLongestJournal);
    if (!text) {
        return std::nullopt;
    }
    const ReadJournal journal = readJournal(*text);
    const std::string where = folder.path().empty() ? std::string(".") : folder.path();
    std::string told;
    if (journal.whole) {
        bool finished = false;
        std::string failed;
        for (const SetRename& rename : journal.renames) {
            if (!folder.exists(rename.temporary)) {
                continue;
            }
            if (const std::error_code error = folder.rename(rename.temporary, rename.name)) {
                failed +=
                    " " + rename.name + " could not be put in place: " + error.message() + ".";
            } else {
                finished = true;
            }
        }
        if (finished || !failed.empty()) {
            told = "An earlier run was stopped while it put " + namesText(journal.renames) +
                   " in place in " + where +
                   "; the set was finished from its journal, so the files are all that run's." +
                   failed;
        }
    } else {
        for (const SetRename& rename : journal.renames) {
            folder.remove(rename.temporary);
        }
        told = "An earlier run was stopped before it put its files in place in " + where +
               "; that was rolled back: the files there are as they were before it.";
    }
    folder.syncEntries();
    folder.remove(kSetJournalName);
    folder.syncEntries();
    if (told.empty()) {
        return std::nullopt;
    }
    return told;
}

void settleInterruptedSetIn(const std::string& folder) {
    const LockedFolder locked(folder, LockedFolder::Waiting::Not);
    if (!locked.held()) {
        return;
    }
    if (const std::optional<std::string> told = settleInterruptedSet(locked)) {
        tellFileNotice(*told);
    }
}

}  // namespace fp
