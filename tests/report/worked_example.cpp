#include "worked_example.h"

#include "calc/rating.h"
#include "tests/support/worked_example.h"

namespace vx11::test {

namespace {

// The rating's own computation, with the h9 deviation of the ISO tables.
void rate(ConnectionRecord& rec, MessageList& messages) {
  const FormatSettings format;
  if (begin_rating(rec, messages)) compute_rating(rec, messages, format, key_height_deviation(rec));
}

}  // namespace

ConnectionRecord workedExample(MessageList& messages) {
  ConnectionRecord rec = worked_example_inputs();
  rec.key_row_number = 13;
  rate(rec, messages);
  return rec;
}

ConnectionRecord workedExampleTwoKeys(MessageList& messages) {
  ConnectionRecord rec = workedExample(messages);
  rec.key_count = 2;
  rate(rec, messages);
  return rec;
}

std::array<std::string, 3> exampleInfoText() {
  return {"Beispiel: Scheibenfeder 5 x 6,5 auf Welle 20", "Pr\x81" "fstand Getriebe", ""};
}

}  // namespace vx11::test
