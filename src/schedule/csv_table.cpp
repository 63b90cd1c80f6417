// RFC 4180 text of a table.
#include "schedule/csv_table.h"

#include <charconv>

namespace fp {
namespace {

void writeField(std::ostream& out, const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) {
        out << text;
        return;
    }
    out << '"';
    for (const char c : text) {
        if (c == '"') {
            out << '"';
        }
        out << c;
    }
    out << '"';
}

// The shortest text that reads back as the same double, whatever the locale.
void writeNumber(std::ostream& out, double value) {
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, value);
    out.write(text, result.ptr - text);
}

}  // namespace

void writeCsvTable(std::ostream& out, const ScheduleTable& table) {
    for (std::size_t i = 0; i < table.headers.size(); ++i) {
        if (i > 0) {
            out << ',';
        }
        writeField(out, table.headers[i]);
    }
    out << "\r\n";
    table.forEachRow([&out](const ScheduleRow& row) {
        for (std::size_t i = 0; i < row.size(); ++i) {
            if (i > 0) {
                out << ',';
            }
            if (row[i].number()) {
                writeNumber(out, *row[i].number());
            } else {
                writeField(out, row[i].text());
            }
        }
        out << "\r\n";
    });
}

}  // namespace fp
