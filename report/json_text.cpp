#include "report/json_text.h"

#include <charconv>
#include <cmath>

namespace vx11 {

namespace {

bool is_flat(const JsonValue& v) {
  for (const auto& item : v) {
    if (item.is_object()) return false;
    if (item.is_array())
      for (const auto& inner : item)
        if (inner.is_structured()) return false;
  }
  return true;
}

void write_value(std::string& out, const JsonValue& v, int indent);

// Printable ASCII without quote or backslash stands in the file as it is; a folder of thousands of
// results is mostly such names and messages.
bool needs_no_escape(const std::string& text) {
  for (const char c : text) {
    const auto u = static_cast<unsigned char>(c);
    if (u < 0x20 || u > 0x7E || c == '"' || c == '\\') return false;
  }
  return true;
}

// Texts are escaped by the library; bytes that are not UTF-8 (a file name may hold any) become the
// replacement character instead of breaking the file.
void write_text(std::string& out, const std::string& text) {
  if (needs_no_escape(text)) {
    out += '"';
    out += text;
    out += '"';
  } else {
    out += JsonValue(text).dump(-1, ' ', false, JsonValue::error_handler_t::replace);
  }
}

void write_scalar(std::string& out, const JsonValue& v) {
  if (v.is_number_float())
    out += json_number(v.get<double>());
  else if (v.is_string())
    write_text(out, v.get_ref<const std::string&>());
  else
    out += v.dump();
}

void write_container(std::string& out, const JsonValue& v, int indent) {
  const bool object = v.is_object();
  const char open = object ? '{' : '[';
  const char close = object ? '}' : ']';
  if (v.empty()) {
    out += open;
    out += close;
    return;
  }
  const bool flat = is_flat(v);
  const std::string inner(flat ? 0 : static_cast<std::size_t>(indent + 2), ' ');
  out += open;
  bool first = true;
  for (auto it = v.begin(); it != v.end(); ++it) {
    if (!first) out += flat ? ", " : ",";
    first = false;
    if (!flat) {
      out += '\n';
      out += inner;
    }
    if (object) {
      write_text(out, it.key());
      out += ": ";
    }
    write_value(out, *it, indent + 2);
  }
  if (!flat) {
    out += '\n';
    out.append(static_cast<std::size_t>(indent), ' ');
  }
  out += close;
}

void write_value(std::string& out, const JsonValue& v, int indent) {
  if (v.is_structured())
    write_container(out, v, indent);
  else
    write_scalar(out, v);
}

}  // namespace

std::string json_number(double value) {
  if (!std::isfinite(value)) return "null";
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 17);
  return std::string(buffer, result.ptr);
}

std::string json_text(const JsonValue& document) {
  std::string out;
  write_value(out, document, 0);
  out += '\n';
  return out;
}

}  // namespace vx11
