// Tab-separated text of a facts table.
#include "inspect/facts_table.h"

namespace fp {
namespace {

void appendCell(std::string& text, const std::string& cell) {
    for (const char c : cell) {
        text += (c == '\t' || c == '\n' || c == '\r') ? ' ' : c;
    }
}

void appendRow(std::string& text, const std::vector<std::string>& cells) {
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (i > 0) {
            text += '\t';
        }
        appendCell(text, cells[i]);
    }
    text += '\n';
}

}  // namespace

std::string tabSeparated(const FactsTable& table) {
    std::string text;
    appendRow(text, table.headers);
    for (const std::vector<FactsCell>& row : table.rows) {
        std::vector<std::string> cells;
        cells.reserve(row.size());
        for (const FactsCell& cell : row) {
            cells.push_back(cell.text);
        }
        appendRow(text, cells);
    }
    return text;
}

}  // namespace fp
