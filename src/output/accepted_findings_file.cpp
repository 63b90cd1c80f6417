// Reading and writing LISTING.frameplan.json.
#include "output/accepted_findings_file.h"

#include <filesystem>
#include <fstream>
#include <sstream>

#include "files/pending_file.h"
#include "output/json_text.h"
#include "output/json_value.h"

namespace fp {
namespace {

constexpr const char* kSchema = "frameplan-accepted 1";

AcceptedFileError notAccepted(const std::string& path, const std::string& why) {
    return AcceptedFileError("The accepted findings in " + path + " cannot be read: " + why +
                             ". Correct or remove the file.");
}

}  // namespace

std::string acceptedFindingsPath(const std::string& listing) {
    return listing + ".frameplan.json";
}

AcceptedFindings readAcceptedFindings(const std::string& listing) {
    const std::string path = acceptedFindingsPath(listing);
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(path, error);
    if (!std::filesystem::exists(status)) {
        return {};
    }
    if (!std::filesystem::is_regular_file(status)) {
        throw notAccepted(path, "it is not a regular file");
    }
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    if (!in && !in.eof()) {
        throw notAccepted(path, "it could not be read");
    }
    JsonValue root;
    try {
        root = parseJson(text.str());
    } catch (const JsonError& failure) {
        throw notAccepted(path, failure.what());
    }
    if (root.type != JsonValue::Type::Object || root.textOf("schema") != kSchema) {
        throw notAccepted(path,
                          std::string("it does not start with {\"schema\": \"") + kSchema + "\"");
    }
    const JsonValue* items = root.member("accepted");
    if (items == nullptr || items->type != JsonValue::Type::Array) {
        throw notAccepted(path, "it has no list \"accepted\"");
    }
    AcceptedFindings accepted;
    for (const JsonValue& item : items->items) {
        AcceptedFinding finding{item.textOf("id"), item.textOf("reason"), item.textOf("kind"),
                                item.textOf("text")};
        if (finding.id.empty()) {
            throw notAccepted(path, "an accepted finding has no \"id\"");
        }
        accepted.items.push_back(std::move(finding));
    }
    return accepted;
}

std::string acceptedFindingsJson(const AcceptedFindings& accepted) {
    std::string json = std::string("{\n  \"schema\": \"") + kSchema + "\",\n  \"accepted\": [";
    for (std::size_t i = 0; i < accepted.items.size(); ++i) {
        const AcceptedFinding& item = accepted.items[i];
        json += (i > 0 ? ",\n" : "\n");
        json += "    {\"id\": " + jsonString(item.id) + ", \"kind\": " + jsonString(item.kind) +
                ",\n     \"reason\": " + jsonString(item.reason) +
                ",\n     \"text\": " + jsonString(item.sentence) + "}";
    }
    json += accepted.items.empty() ? "]\n}\n" : "\n  ]\n}\n";
    return json;
}

void writeAcceptedFindings(const std::string& listing, const AcceptedFindings& accepted) {
    writeWhole({{acceptedFindingsPath(listing), acceptedFindingsJson(accepted)}});
}

}  // namespace fp
