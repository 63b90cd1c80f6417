// A JSON value read from text: enough of JSON for the small files the program writes itself and
// reads back, strictly checked, so that a file edited by hand is refused with a message.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace fp {

// Text that is not JSON; the message says where.
class JsonError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

struct JsonMember;

struct JsonValue {
    enum class Type { Null, Boolean, Number, String, Array, Object };
    Type type = Type::Null;
    bool boolean = false;
    double number = 0;
    // A string's text, in UTF-8.
    std::string text;
    std::vector<JsonValue> items;
    // An object's members, in the order written.
    std::vector<JsonMember> members;

    // The member of an object by its name; null when there is none, or this is no object.
    const JsonValue* member(std::string_view name) const;
    // The string of a member; empty when it is missing or no string.
    std::string textOf(std::string_view name) const;
};

struct JsonMember {
    std::string name;
    JsonValue value;
};

// The one value the text holds, with nothing but blanks around it; throws JsonError.
JsonValue parseJson(std::string_view text);

}  // namespace fp
