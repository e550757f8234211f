// Helpers shared by the fuzz targets: a failed invariant aborts with its text so libFuzzer keeps the input.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace vx11::fuzz {

inline void require(bool ok, const char* what) {
  if (ok) return;
  std::fprintf(stderr, "invariant broken: %s\n", what);
  std::abort();
}

inline std::string bytes(const std::uint8_t* data, std::size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

// Splits the input at the first byte of value `mark`: what comes before and what comes after.
inline std::pair<std::string_view, std::string_view> split_at(std::string_view in, char mark) {
  const auto at = in.find(mark);
  if (at == std::string_view::npos) return {in, {}};
  return {in.substr(0, at), in.substr(at + 1)};
}

}  // namespace vx11::fuzz
