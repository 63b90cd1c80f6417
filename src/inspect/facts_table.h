// A table of facts for the Properties dock and the clipboard: text cells, some of them links to
// a line of the listing.
#pragma once

#include <string>
#include <vector>

namespace fp {

struct FactsCell {
    std::string text;  // UTF-8
    // The listing line the cell leads to; 0 when it leads nowhere.
    long line = 0;
    bool number = false;
};

struct FactsTable {
    std::vector<std::string> headers;
    std::vector<std::vector<FactsCell>> rows;
};

// The table as tab-separated text, the header row first and every row ended by a line feed, as
// spreadsheets paste into cells. A tab or line end inside a cell becomes a blank, so that it
// stays in its cell.
std::string tabSeparated(const FactsTable& table);

}  // namespace fp
