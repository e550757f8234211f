// The help settings of a run, taken from the configuration and the program identity.
#pragma once

#include "help/help_show.h"
#include "base/configuration_record.h"
#include "base/identity.h"

namespace vx11 {

inline HelpSettings helpSettingsOf(const Configuration& config, const ProgramIdentity& id) {
  return HelpSettings{config.plt_folder, id.lower_name, config.help_level};
}

}  // namespace vx11
