// Code page 850 <-> UTF-8 conversion and the plain-letter transliteration.
#include <array>
#include <cstdint>

#include "base/text.h"

namespace vx11 {

namespace {

// Unicode code points of the code page 850 bytes 128..255.
constexpr std::array<std::uint16_t, 128> kCp850High = {
    0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x00E0, 0x00E5, 0x00E7,
    0x00EA, 0x00EB, 0x00E8, 0x00EF, 0x00EE, 0x00EC, 0x00C4, 0x00C5,
    0x00C9, 0x00E6, 0x00C6, 0x00F4, 0x00F6, 0x00F2, 0x00FB, 0x00F9,
    0x00FF, 0x00D6, 0x00DC, 0x00F8, 0x00A3, 0x00D8, 0x00D7, 0x0192,
    0x00E1, 0x00ED, 0x00F3, 0x00FA, 0x00F1, 0x00D1, 0x00AA, 0x00BA,
    0x00BF, 0x00AE, 0x00AC, 0x00BD, 0x00BC, 0x00A1, 0x00AB, 0x00BB,
    0x2591, 0x2592, 0x2593, 0x2502, 0x2524, 0x00C1, 0x00C2, 0x00C0,
    0x00A9, 0x2563, 0x2551, 0x2557, 0x255D, 0x00A2, 0x00A5, 0x2510,
    0x2514, 0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x00E3, 0x00C3,
    0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550, 0x256C, 0x00A4,
    0x00F0, 0x00D0, 0x00CA, 0x00CB, 0x00C8, 0x0131, 0x00CD, 0x00CE,
    0x00CF, 0x2518, 0x250C, 0x2588, 0x2584, 0x00A6, 0x00CC, 0x2580,
    0x00D3, 0x00DF, 0x00D4, 0x00D2, 0x00F5, 0x00D5, 0x00B5, 0x00FE,
    0x00DE, 0x00DA, 0x00DB, 0x00D9, 0x00FD, 0x00DD, 0x00AF, 0x00B4,
    0x00AD, 0x00B1, 0x2017, 0x00BE, 0x00B6, 0x00A7, 0x00F7, 0x00B8,
    0x00B0, 0x00A8, 0x00B7, 0x00B9, 0x00B3, 0x00B2, 0x25A0, 0x00A0,};

std::string cp850_to_utf8(std::string_view s) {
  std::string out;
  out.reserve(s.size() + s.size() / 4);
  // Reports are mostly ASCII: copy runs of it at once.
  for (std::size_t at = 0; at < s.size();) {
    std::size_t end = at;
    while (end < s.size() && static_cast<unsigned char>(s[end]) < 0x80) ++end;
    out.append(s.data() + at, end - at);
    if (end == s.size()) break;
    append_utf8(out, kCp850High[static_cast<unsigned char>(s[end]) - 0x80]);
    at = end + 1;
  }
  return out;
}

// The program's own table of ASCII mode: box drawing to plain strokes, a few letters kept.
// The code numbers are those of the classic box-drawing set.
std::uint32_t own_table(unsigned char b) {
  switch (b) {
    case 179: case 180: case 181: case 182: case 185: case 186: case 195: case 197:
    case 198: case 199: case 204: case 209: case 215:
      return '|';
    case 184: case 187: case 188: case 190: case 191: case 192: case 200: case 201:
    case 206: case 211: case 214: case 217: case 218:
      return '+';
    case 196: case 205:
      return '-';
    case 124:
      return 0xE3;  // "ã"
    default:
      return b < 0x80 ? b : kCp850High[b - 0x80];
  }
}

unsigned char from_unicode(std::uint32_t cp) {
  if (cp < 0x80) return static_cast<unsigned char>(cp);
  for (std::size_t i = 0; i < kCp850High.size(); ++i)
    if (kCp850High[i] == cp) return static_cast<unsigned char>(0x80 + i);
  return '?';
}

// Converts the parts of a text outside name marks with `convert` and copies the marked names as
// they are, marks dropped. A name whose closing mark is missing (a cut text) runs to the end.
template <typename Convert>
std::string around_names(std::string_view text, Convert&& convert) {
  if (text.find(kNameStart) == std::string_view::npos) return convert(text);
  std::string out;
  out.reserve(text.size());
  while (!text.empty()) {
    const auto start = text.find(kNameStart);
    out += convert(text.substr(0, start));
    if (start == std::string_view::npos) break;
    text.remove_prefix(start + 1);
    const auto end = text.find(kNameEnd);
    out.append(text.substr(0, end));
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
  }
  return out;
}

}  // namespace

void append_utf8(std::string& out, std::uint32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

std::string nameText(std::string_view name) {
  std::string out;
  out.reserve(name.size() + 2);
  out += kNameStart;
  // Control characters would end the mark early or move the cursor of a terminal: shown as "?".
  for (const char c : name) out += static_cast<unsigned char>(c) < 0x20 || c == 0x7F ? '?' : c;
  out += kNameEnd;
  return out;
}

std::string plainNames(std::string_view text) {
  return around_names(text, [](std::string_view part) { return std::string(part); });
}

std::string namesInCodePage850(std::string_view text) {
  if (text.find(kNameStart) == std::string_view::npos) return std::string(text);
  std::string out;
  while (!text.empty()) {
    const auto start = text.find(kNameStart);
    out.append(text.substr(0, start));
    if (start == std::string_view::npos) break;
    text.remove_prefix(start + 1);
    const auto end = text.find(kNameEnd);
    out += toCodePage850(text.substr(0, end));
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
  }
  return out;
}

std::string cp850ToUtf8(std::string_view cp850) { return around_names(cp850, cp850_to_utf8); }

std::string transliterate(std::string_view s) {
  std::string out;
  out.reserve(s.size());
  for (const char ch : s) {
    switch (static_cast<unsigned char>(ch)) {
      case 0x81: out += "ue"; break;   // ü
      case 0x82: out += 'e'; break;    // é
      case 0x84: out += "ae"; break;   // ä
      case 0x8E: out += "Ae"; break;   // Ä
      case 0x94: out += "oe"; break;   // ö
      case 0x99: out += "Oe"; break;   // Ö
      case 0x9A: out += "Ue"; break;   // Ü
      case 0xA0: out += 'a'; break;    // á
      case 0xA3: out += 'u'; break;    // ú
      case 0xA4: out += 'n'; break;    // ñ
      case 0xC4: case 0xCD: out += '-'; break;  // single and double horizontal lines
      case 0xE1: out += "ss"; break;   // ß
      case 0xE6: out += 'u'; break;    // µ
      case 0xF1: out += "+/-"; break;  // ±
      case 0xF8: out += "deg"; break;  // °
      case 0xFD: out += '2'; break;    // ²
      default: out += ch;
    }
  }
  return out;
}

std::string toWindows(const FormatSettings& s, std::string_view cp850) {
  if (!s.ascii_mode) return around_names(cp850, cp850_to_utf8);
  return around_names(cp850, [](std::string_view part) {
    const std::string plain = transliterate(part);
    std::string out;
    out.reserve(plain.size());
    for (const char ch : plain) append_utf8(out, own_table(static_cast<unsigned char>(ch)));
    return out;
  });
}

std::string toCodePage850(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) {
    const auto b = static_cast<unsigned char>(utf8[i]);
    std::uint32_t cp = b;
    std::size_t len = 1;
    if (b >= 0xC0 && b < 0xE0) len = 2, cp = b & 0x1F;
    else if (b >= 0xE0 && b < 0xF0) len = 3, cp = b & 0x0F;
    else if (b >= 0xF0 && b < 0xF8) len = 4, cp = b & 0x07;
    bool valid = b < 0x80 || (len > 1 && i + len <= utf8.size());
    for (std::size_t k = 1; valid && k < len; ++k) {
      const auto c = static_cast<unsigned char>(utf8[i + k]);
      if ((c & 0xC0) != 0x80) valid = false;
      cp = (cp << 6) | (c & 0x3F);
    }
    if (!valid) {
      // A byte that is not UTF-8 is read as Latin-1, so no input is lost.
      out += static_cast<char>(from_unicode(b));
      ++i;
      continue;
    }
    out += static_cast<char>(from_unicode(cp));
    i += len;
  }
  return out;
}

}  // namespace vx11
