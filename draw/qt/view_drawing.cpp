#include "draw/qt/view_drawing.h"

#include "cad/cad_configuration.h"
#include "cad/drawing_output.h"
#include "draw/connection_drawing.h"
#include "draw/fatal_notice.h"
#include "draw/quick_view.h"
#include "project/input_file.h"

namespace vx11 {

void configure_graphics(const Configuration& config, GraphicsState& g) {
  applyGraphicsConfiguration(config, g);
  // "Hintergrundfarbe": red in the low byte, then green, then blue.
  const int v = config.background_colour;
  g.background = {static_cast<std::uint8_t>(v & 0xFF), static_cast<std::uint8_t>((v >> 8) & 0xFF),
                  static_cast<std::uint8_t>((v >> 16) & 0xFF)};
}

void draw_view(ProgramState& st, GraphicsSurface& surface, int view, const std::function<void()>& show_messages) {
  CadSettings cad = cadSettingsFrom(st.config, st.identity, st.temp_folder());
  cad.print_frame = st.config.screendump_border;
  CommandLineStarter starter(st.outlets.starter);  // the screen starts no plot program
  DrawingOutput out(CadContext{cad, st.format, st.messages, st.ui, st.rec.cancelled, surface, starter, nullptr});
  if (!st.session.current_file.empty()) out.project_file = resolve_input_path(st.session, st.session.current_file);
  DrawingContext c{st.rec, st.messages, st.format, st.ui, st.rec.cancelled, st.help_number, out, show_messages};
  if (st.rec.fatal_error) {
    // No view may show the results of an earlier state: the notice replaces it, then the messages.
    DrawFatalNotice(c, kOutScreen);
    if (show_messages) show_messages();
    return;
  }
  if (view == kShownQuick)
    DrawQuickView(c, kOutScreen);
  else if (view >= kViewKey && view <= kViewAssembly)
    DrawConnection(c, view, kOutScreen);
}

int view_after_rating(const Configuration& config, bool fatal_error, int shown) {
  switch (config.result_graphic) {
    case 1:
    case 2:
      return kShownQuick;
    case 3:
      return kViewKey;
    case 4:
      return kViewShaft;
    case 5:
      return kViewAssembly;
    default:
      break;
  }
  if (config.help_level != 0) return fatal_error ? kShownMessages : kShownQuick;
  return shown == kShownMessages ? kShownNothing : shown;
}

std::optional<int> view_by_name(std::string_view name) {
  if (name == "key") return kViewKey;
  if (name == "shaft") return kViewShaft;
  if (name == "hub") return kViewHub;
  if (name == "assembly") return kViewAssembly;
  if (name == "quick") return kShownQuick;
  return std::nullopt;
}

}  // namespace vx11
