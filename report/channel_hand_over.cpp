#include "report/channel_hand_over.h"

#include <cerrno>
#include <filesystem>
#include <system_error>

#include "base/file_create.h"
#include "base/text.h"
#include "report/process_starter.h"
#include "report/window_copy.h"

namespace vx11 {

namespace {

void remove_file(const std::string& path) {
  std::error_code ec;
  std::filesystem::remove(path, ec);
}

void start_program(const ReportContext& context, const std::string& program, const std::string& file) {
  start_with_file(context.outlets.starter, context.ui, program, file);
}

}  // namespace

void hand_over_printout(const ReportContext& context, ChannelTarget& target, bool clipboard_mode) {
  const auto temp = [&target] { return target.temp_folder(); };
  const std::string& stream_path = target.path();
  // The copy the window and programs read; a failure is reported and sets the abort flag.
  const auto convert = [&](const std::string& copy) {
    target.set_converted_path(copy);
    const int err = target.in_memory() ? replace_with_window_copy(context.format, target.gathered(), copy)
                                       : (write_window_copy(context.format, stream_path, copy) ? 0 : EIO);
    if (err == 0) return true;
    context.ui.message(kCaptionError, not_written_text(copy, err));
    context.cancelled = true;
    return false;
  };
  switch (target.channel()) {
    case kChannelScreen:
      if (convert(temp() + "outwin.txt"))
        context.outlets.window.show({target.converted_path(), stream_path, clipboard_mode});
      remove_file(stream_path);
      break;
    case kChannelFile:
      if (convert(temp() + "outwin.txt"))
        context.ui.message(kCaptionInfo, nameText(stream_path) + " " + "und Windows-Datei" + " outwin.txt " +
                                             "wurden angelegt.");
      break;
    case kChannelPrinter:
      context.outlets.printer.print(stream_path);
      remove_file(stream_path);
      break;
    case kChannelTextProgram:
      if (convert(temp() + "outwin.txt")) start_program(context, context.config.text_program, target.converted_path());
      break;
    case kChannelTabFile:
      target.count_txt();
      convert(temp() + "$$" + std::to_string(target.txt_counter()) + ".txt");
      break;
    case kChannelHtml:
      if (!trimBlanks(context.config.html_browser).empty())
        start_program(context, context.config.html_browser, stream_path);
      break;
    case kChannelDosFile:
      convert(temp() + "outwin.txt");
      break;
    case kChannelBatchTabFile:
      target.count_txt();
      convert(target.output_name());
      break;
    default:
      break;
  }
}

}  // namespace vx11
