// Fuzz target: any bytes as the file of accepted findings kept beside a listing, which people may
// edit by hand. Refusing it with a JsonError is an expected outcome; a crash, a sanitizer report
// or a hang is not, and what it reads must write back to the same findings (bytes that are not
// UTF-8 written as the Windows-1252 characters they are taken for).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "model/text_encoding.h"
#include "output/accepted_findings_file.h"
#include "output/json_value.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    fp::JsonValue root;
    try {
        root = fp::parseJson(text);
    } catch (const fp::JsonError&) {
        return 0;
    }
    const fp::JsonValue* items = root.member("accepted");
    if (items == nullptr) {
        return 0;
    }
    fp::AcceptedFindings accepted;
    for (const fp::JsonValue& item : items->items) {
        accepted.items.push_back(
            {item.textOf("id"), item.textOf("reason"), item.textOf("kind"), item.textOf("text")});
    }
    const fp::JsonValue again = fp::parseJson(fp::acceptedFindingsJson(accepted));
    const fp::JsonValue* written = again.member("accepted");
    if (written == nullptr || written->items.size() != accepted.items.size()) {
        std::abort();
    }
    for (std::size_t i = 0; i < accepted.items.size(); ++i) {
        if (written->items[i].textOf("reason") !=
            fp::utf8FromListingText(accepted.items[i].reason)) {
            std::abort();
        }
    }
    return 0;
}
