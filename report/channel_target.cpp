#include "report/channel_target.h"

#include <unistd.h>

#include <filesystem>
#include <system_error>

#include "base/file_create.h"
#include "base/paths.h"
#include "base/safe_file.h"
#include "base/text.h"

namespace vx11 {

namespace {

constexpr const char* kEol = "\r\n";

// A file can be made under the name: its folder takes files and the name is not a folder.
bool can_create(const std::string& path) {
  const std::filesystem::path p(path);
  const std::string folder = p.has_parent_path() ? p.parent_path().string() : std::string(".");
  std::error_code ec;
  return !std::filesystem::is_directory(p, ec) && std::filesystem::is_directory(folder, ec) &&
         ::access(folder.c_str(), W_OK) == 0;
}

}  // namespace

std::string printer_port_device(int port) { return "/dev/lp" + std::to_string(port - 1); }

void ChannelTarget::reset(bool to_file) {
  if (file_.is_open()) file_.close();
  out_ = nullptr;
  to_file_ = to_file;
  stopped_ = false;
  kept_ = false;
  converted_path_.clear();
}

bool ChannelTarget::plain() const {
  return (channel_ >= kChannelScreen && channel_ <= kChannelTextProgram) || channel_ == kChannelDosFile;
}

bool ChannelTarget::keeps_code_page_850() const {
  return channel_ == kChannelTextPrinter || channel_ == kChannelFile || channel_ == kChannelTabFile ||
         channel_ == kChannelDosFile;
}

std::string ChannelTarget::temp_folder() const {
  if (context_.private_folder)
    if (const std::string folder = context_.private_folder(); !folder.empty()) return with_slash(folder);
  return configured_temp_folder();
}

std::string ChannelTarget::configured_temp_folder() const {
  const std::string& t = context_.config.temp_folder;
  return trimBlanks(t).empty() ? temporary_folder() : with_slash(t);
}

void ChannelTarget::gather_in_memory() {
  memory_.str({});
  memory_.clear();
  out_ = &memory_;
}

// The one place a stream file is created. A kept file is only checked here; finish writes it.
bool ChannelTarget::try_create(const std::string& path, bool kept) {
  stream_path_ = path;
  if (!to_file_) return true;
  if (kept) {
    if (!can_create(path)) return false;
    gather_in_memory();
    kept_ = true;
    return true;
  }
  file_.open(path, std::ios::binary | std::ios::trunc);
  if (!file_.is_open()) {
    file_.clear();
    return false;
  }
  out_ = &file_;
  return true;
}

bool ChannelTarget::create(const std::string& path, bool kept) {
  if (try_create(path, kept)) return true;
  context_.ui.message(kCaptionError, "Ung\x81" "ltiger Dateiname \"" + nameText(path) + "\" !");
  stop();
  return false;
}

bool ChannelTarget::create_temporary() {
  const std::string temp = temp_folder();
  for (int i = 1; i <= 10; ++i)
    if (try_create(temp + "$OUT" + std::to_string(i) + ".TMP", false)) return true;
  return create(stream_path_);  // the last name tried; reports the failure
}

void ChannelTarget::stop() {
  context_.cancelled = true;
  stopped_ = true;
}

void ChannelTarget::write_failed() {
  context_.ui.message(kCaptionError, "Schreibfehler: " + nameText(stream_path_));
  stop();
}

void ChannelTarget::put(std::string_view line, bool line_end) {
  if (!out_ || stopped_) return;
  // A marked file name stays marked in the stream files the program converts itself; a file the
  // person keeps in code page 850 gets the name in that code page.
  if (channel_ == kChannelHtml) *out_ << toWindows(context_.format, line);
  else if (keeps_code_page_850()) *out_ << namesInCodePage850(line);
  else *out_ << line;
  if (line_end) *out_ << kEol;
  if (!*out_) write_failed();
}

bool ChannelTarget::finish() {
  if (out_) out_->flush();
  if (out_ && !*out_ && !stopped_) write_failed();
  const bool hand = to_file_ && (file_.is_open() || in_memory());
  if (file_.is_open()) {
    file_.close();
    if (hand && file_.fail() && !stopped_) write_failed();
  }
  if (hand && kept_ && !stopped_) {
    if (const int err = replace_file(stream_path_, memory_.view()); err != 0) {
      context_.ui.message(kCaptionError, not_written_text(stream_path_, err));
      stop();
    }
  }
  out_ = nullptr;
  return hand && !stopped_;
}

}  // namespace vx11
