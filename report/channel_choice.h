// Choosing a printout's channel and opening its target: the channel question, the output name,
// the printer's pause question, the file dialogs and the overwrite question.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "report/channel_target.h"
#include "report/report_context.h"

namespace vx11 {

// The seven names of the channel choice ("Ausgabe auf ..").
const std::vector<std::string>& channel_choice_names();

// The output name: `name` with ".txt" added when it has no "."; empty: named after the input, its
// name without extension (which may hold dots of its own) and ".txt".
std::string printout_output_name(const ReportSource& source, std::string_view name);

// Sets the target's channel: `channel`, or with 0 the configured one (asked when "Text Device
// Window ?" is set). False when the question was cancelled; the abort flag is then set.
bool choose_channel(const ReportContext& context, int channel, ChannelTarget& target);

// Creates the chosen channel's target. False when nothing is to be written; a cancel or failure
// also stops the target and sets the abort flag.
bool open_channel_target(const ReportContext& context, const ReportSource& source, ChannelTarget& target);

}  // namespace vx11
