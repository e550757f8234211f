// Converted copies: code page 850 text files turned into the window's text (UTF-8).
#pragma once

#include <string>
#include <string_view>

#include "base/format_settings.h"

namespace vx11 {

// Writes a converted copy of `source` to `target`, line by line, lines ended by LF. False when
// either file fails.
bool write_window_copy(const FormatSettings& format, const std::string& source, const std::string& target);

// The same for a code page 850 text held in memory.
bool write_window_copy_of_text(const FormatSettings& format, std::string_view text, const std::string& target);

// The same, replacing `target` only once the copy is complete: 0, or the system's error number (an
// older file of that name is then unchanged).
int replace_with_window_copy(const FormatSettings& format, std::string_view text, const std::string& target);

}  // namespace vx11
