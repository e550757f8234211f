// JSON text of a document built with nlohmann::json: reals with 17 significant digits, so that a
// double reads back exactly whatever reader takes it, and never in the process locale's format.
#pragma once

#include <string>

#include <nlohmann/json.hpp>

namespace vx11 {

using JsonValue = nlohmann::ordered_json;

// Objects and arrays that hold only numbers, texts, flags and lists of them stand on one line;
// the others are indented by two blanks per level. Texts are UTF-8; a byte that is not becomes
// U+FFFD. The text ends in a newline.
std::string json_text(const JsonValue& document);

// A real as a JSON number with 17 significant digits ("null" when it is not finite).
std::string json_number(double value);

}  // namespace vx11
