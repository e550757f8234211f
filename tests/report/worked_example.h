// The rating's worked example as a filled record: its inputs, rated by the rating itself.
#pragma once

#include <array>
#include <string>

#include "calc/connection_record.h"
#include "base/message_list.h"

namespace vx11::test {

// Inputs and key row, rated; the message list holds the run's three messages.
ConnectionRecord workedExample(MessageList& messages);

// The same connection with two keys (bearing factors 0.66 and 0.55), rated.
ConnectionRecord workedExampleTwoKeys(MessageList& messages);

// The information lines of the input data used in the report headers.
std::array<std::string, 3> exampleInfoText();

}  // namespace vx11::test
