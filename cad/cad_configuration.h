// Filling the CAD settings and the graphics state from the configuration, and storing edited plot
// command lines back into it.
#pragma once

#include "cad/cad_settings.h"
#include "draw/graphics_state.h"
#include "base/configuration_record.h"
#include "base/identity.h"

namespace vx11 {

// The temporary folder is taken as the configuration holds it after the folder check; with
// `private_folder`, temporary files go there and only the plot files stay in the configured folder.
CadSettings cadSettingsFrom(const Configuration& config, const ProgramIdentity& id,
                            const std::string& private_folder = {});

// The plot command lines, their count and nothing else go back into the configuration.
void storePlotCommandLines(const CadSettings& cad, Configuration& config);

// Size, zoom and pan factors, text factors, font and colour switches of the drawing surface.
void applyGraphicsConfiguration(const Configuration& config, GraphicsState& g);

}  // namespace vx11
