// Where an open channel's lines go: the printer port, a scratch or chosen file, memory or the
// caller's stream. The target writes each line in the channel's code page, stops at the first
// failed write and, at close, completes the file it wrote.
#pragma once

#include <fstream>
#include <ostream>
#include <sstream>
#include <string>
#include <string_view>

#include "report/line_formatter.h"
#include "report/report_context.h"

namespace vx11 {

// The device of a printer port number: 1..4 are /dev/lp0../dev/lp3.
std::string printer_port_device(int port);

class ChannelTarget final : public LineSink {
 public:
  explicit ChannelTarget(const ReportContext& context) : context_(context) {}

  // Forgets the last target; without `to_file` the lines go to the caller's stream, which close
  // hands nothing over from.
  void reset(bool to_file);
  void set_channel(int channel) { channel_ = channel; }
  int channel() const { return channel_; }
  bool plain() const;                // channels 1 to 5 and 8
  bool keeps_code_page_850() const;  // the stream file is the code page 850 output itself
  bool tab_separated() const { return channel_ == kChannelTabFile || channel_ == kChannelBatchTabFile; }

  // The lines go to `out` (the caller's stream; none while nothing is open).
  void write_to(std::ostream* out) { out_ = out; }
  std::ostream* out() const { return out_; }
  // Creates the stream file under `path`, reporting a failure; a kept file (one the person chose) is
  // only checked here and gathered in memory until close.
  bool create(const std::string& path, bool kept = false);
  // Creates the first free "$OUTi.TMP" of the temporary folder.
  bool create_temporary();
  // The batch channel's text stays in memory: only its converted copy is a file, so runs side by
  // side never share a scratch file.
  void gather_in_memory();
  bool in_memory() const { return to_file_ && (channel_ == kChannelBatchTabFile || kept_); }
  std::string_view gathered() const { return memory_.view(); }

  void set_path(std::string path) { stream_path_ = std::move(path); }
  void set_output_name(std::string name) { output_name_ = std::move(name); }
  const std::string& output_name() const { return output_name_; }
  void set_pause(bool on) { pause_ = on; }
  bool pause() const { return pause_; }
  void set_converted_path(std::string path) { converted_path_ = std::move(path); }
  const std::string& converted_path() const { return converted_path_; }
  int txt_counter() const { return txt_counter_; }
  void count_txt() { ++txt_counter_; }

  // The run's private folder, or the configured temporary folder without one; with "/".
  std::string temp_folder() const;
  std::string configured_temp_folder() const;

  void put(std::string_view line, bool line_end = true) override;
  bool stopped() const override { return stopped_; }
  void stop() override;
  const std::string& path() const override { return stream_path_; }

  // Flushes and closes the stream file and writes a kept file. True when the result is to be
  // handed over: a file was written and nothing stopped.
  bool finish();

 private:
  bool try_create(const std::string& path, bool kept);
  void write_failed();

  const ReportContext& context_;
  int channel_ = 0;
  std::ofstream file_;
  // A file the person keeps is gathered in memory too and replaces an older file of its name only
  // once it is complete.
  std::ostringstream memory_;
  bool kept_ = false;
  std::ostream* out_ = nullptr;
  bool to_file_ = false;
  bool stopped_ = false;
  bool pause_ = false;
  int txt_counter_ = 0;
  std::string stream_path_ = "$out.tmp";
  std::string output_name_;
  std::string converted_path_;
};

}  // namespace vx11
