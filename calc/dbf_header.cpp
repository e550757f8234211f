#include "calc/dbf_header.h"

#include <algorithm>
#include <fstream>
#include <string_view>

namespace vx11 {

namespace {

constexpr std::size_t kPrefix = 32;      // fixed header before the field descriptors
constexpr std::size_t kDescriptor = 32;  // one field descriptor
constexpr char kTerminator = 0x0D;

std::uint32_t le(std::string_view b, std::size_t at, int bytes) {
  std::uint32_t v = 0;
  for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(b[at + i]);
  return v;
}

DbfCheck fail(std::string problem) {
  DbfCheck c;
  c.readable = true;
  c.problem = std::move(problem);
  return c;
}

bool valid_name(std::string_view name) {
  // Eleven bytes, NUL padded; letters, digits and "_" as every dBase writer produces.
  const auto end = name.find('\0');
  if (end == 0 || end == std::string_view::npos) return false;
  for (std::size_t i = 0; i < end; ++i) {
    const unsigned char c = name[i];
    if (c < 0x21 || c > 0x7E) return false;
  }
  return true;
}

bool valid_field(char type, unsigned width, unsigned decimals) {
  switch (type) {
    case 'C': return width >= 1 && width <= 254 && decimals == 0;
    case 'N':
    case 'F': return width >= 1 && width <= 20 && (decimals == 0 || decimals + 2 <= width);
    case 'L': return width == 1;
    case 'D': return width == 8;
    default: return false;
  }
}

}  // namespace

DbfCheck check_dbf_bytes(std::string_view head, std::uint64_t file_size) {
  if (head.size() < kPrefix + 1) return fail("Dateikopf unvollst\x84ndig");
  const auto version = static_cast<unsigned char>(head[0]);
  const unsigned month = static_cast<unsigned char>(head[2]);
  const unsigned day = static_cast<unsigned char>(head[3]);
  // dBase III and its successors keep 3 in the low bits; the date is a plain day and month.
  if ((version & 0x07) != 0x03 || month > 12 || day > 31) return fail("kein dBase-Format");

  DbfLayout l;
  l.record_count = le(head, 4, 4);
  l.header_length = static_cast<std::uint16_t>(le(head, 8, 2));
  l.record_length = static_cast<std::uint16_t>(le(head, 10, 2));
  if (l.header_length < kPrefix + kDescriptor + 1) return fail("kein dBase-Format");
  if (file_size < l.header_length || head.size() < l.header_length)
    return fail("Dateikopf unvollst\x84ndig");

  unsigned widths = 1;  // the deletion flag
  std::size_t at = kPrefix;
  for (;; at += kDescriptor) {
    if (at >= l.header_length) return fail("Feldbeschreibung ohne Abschluss");
    if (head[at] == kTerminator) break;
    if (at + kDescriptor >= l.header_length) return fail("Feldbeschreibung ohne Abschluss");
    const std::string_view d = head.substr(at, kDescriptor);
    const char type = d[11];
    const unsigned width = static_cast<unsigned char>(d[16]);
    const unsigned decimals = static_cast<unsigned char>(d[17]);
    if (!valid_name(d.substr(0, 11)) || !valid_field(type, width, decimals))
      return fail("Feldbeschreibung " + std::to_string(l.field_count + 1) + " fehlerhaft");
    widths += width;
    ++l.field_count;
  }
  if (l.field_count == 0) return fail("keine Felder");
  if (widths != l.record_length)
    return fail("Satzl\x84nge " + std::to_string(l.record_length) + " passt nicht zu den Feldern (" +
                std::to_string(widths) + ")");
  const std::uint64_t needed =
      std::uint64_t{l.header_length} + std::uint64_t{l.record_count} * l.record_length;
  if (file_size < needed)
    return fail("Datei zu kurz f\x81r " + std::to_string(l.record_count) + " S\x84tze");

  DbfCheck c;
  c.ok = c.readable = true;
  c.layout = l;
  return c;
}

DbfCheck check_dbf_file(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return {};
  in.seekg(0, std::ios::end);
  const auto end = in.tellg();
  if (end < 0) return {};
  const auto size = static_cast<std::uint64_t>(end);
  in.seekg(0);
  // The header length field is 16 bits, so 64 KiB always holds the whole header.
  std::string head(static_cast<std::size_t>(std::min<std::uint64_t>(size, 65535)), '\0');
  if (!in.read(head.data(), static_cast<std::streamsize>(head.size()))) return {};
  return check_dbf_bytes(head, size);
}

}  // namespace vx11
