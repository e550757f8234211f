// The rating's worked example as a filled record: inputs and the results the rating lists for it.
#pragma once

#include <array>
#include <string>

#include "calc/connection_record.h"
#include "report/message_list.h"

namespace vx11::test {

// Inputs, key row and the listed results; the message list gets the run's three messages.
ConnectionRecord workedExample(MessageList& messages);

// The same connection with two keys: bearing factors 0.66 and 0.55 and the pressures that follow.
ConnectionRecord workedExampleTwoKeys(MessageList& messages);

// The information lines of the input data used in the report headers.
std::array<std::string, 3> exampleInfoText();

}  // namespace vx11::test
