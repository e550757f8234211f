// The messages of one calculation run: at most 11 distinct texts of at most 36 characters.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace vx11 {

class MessageList {
 public:
  static constexpr std::uint16_t kMaxEntries = 11;
  static constexpr std::size_t kMaxLength = 36;

  // Stores the first 36 characters; repeats (by those characters) and entries past 11 are dropped.
  void add(std::string_view text);
  // Empties the list and clears the run's fatal flag.
  void clear(bool& fatal_error);
  std::uint16_t count() const { return count_; }
  // Entry n, numbered from 1 in order of arrival; empty for n outside 1..count().
  const std::string& entry(int n) const;

 private:
  std::array<std::string, kMaxEntries> entries_;
  std::uint16_t count_ = 0;
};

// Message classes by the first nine characters of a text.
inline constexpr std::string_view kFatalPrefix = "Fatal  : ";
inline constexpr std::string_view kErrorPrefix = "Fehler : ";
inline constexpr std::string_view kWarningPrefix = "Warnung: ";

// The first "Fatal" message of a run; empty when there is none.
std::string first_fatal_message(const MessageList& messages);

}  // namespace vx11
