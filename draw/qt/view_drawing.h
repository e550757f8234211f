// The views of a rated connection drawn onto a recording surface (window and PNG renderer alike),
// and which view follows a rating.
#pragma once

#include <functional>
#include <optional>
#include <string_view>

#include "draw/graphics_surface.h"
#include "project/program_state.h"

namespace vx11 {

// What a surface shows besides the drawings 1..4 of the connection.
inline constexpr int kShownNothing = 0;
inline constexpr int kShownQuick = 10;
inline constexpr int kShownMessages = 11;  // the message dialog instead of a view

// The drawing surface's settings of the configuration, the window's background colour included.
void configure_graphics(const Configuration& config, GraphicsState& g);

// Draws drawing 1..4 or the quick view of the rated record onto the surface; after a fatal run the
// notice with the run's messages, whatever the view, and then `show_messages` (when given).
void draw_view(ProgramState& state, GraphicsSurface& surface, int view, const std::function<void()>& show_messages);

// The view after a rating: the configured result graphic, else with "Hilfegrad" the quick view
// (the messages after a fatal run), else the view already shown, drawn from the new values.
int view_after_rating(const Configuration& config, bool fatal_error, int shown);

// "assembly", "key", "shaft", "hub", "quick" to a view; nothing for other names.
std::optional<int> view_by_name(std::string_view name);

}  // namespace vx11
