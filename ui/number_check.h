// Number fields of the dialogs: marked while the person types a text the number parser does not
// read, and checked on OK against the range a value must keep to describe a real connection.
#pragma once

#include <QString>

#include <optional>
#include <vector>

#include "calc/connection_record.h"

class QLineEdit;

namespace vx11 {

class Interaction;

// No typed value may reach this magnitude: beyond it a number is a typing error, not a design.
inline constexpr Real kLargestInput = 1e12L;

enum class NumberRange {
  Any,          // any number up to the largest magnitude
  NotNegative,  // 0 included
  Positive,     // 0 excluded
};

struct NumberField {
  QLineEdit* edit = nullptr;
  QString name;  // how the error box names the field
  NumberRange range = NumberRange::Any;
};

// The number the field holds as the parser reads it; nullopt for any other text.
std::optional<Real> field_number(const QLineEdit* edit);

// Marks the edit whenever its text is not a number (red text on a pale red ground, a tooltip);
// the mark follows every change of the text. The property "vx11_not_a_number" tells the state.
void mark_number_field(QLineEdit* edit);

// The error text for a typed value, or nothing when it lies in the range (code page 850).
std::optional<std::string> range_error(Real value, NumberRange range);

// Checks the fields in order; the first one that holds no number or a value out of its range is
// named in an error box, gets the focus with its text selected, and the check answers false.
bool check_number_fields(const std::vector<NumberField>& fields, Interaction& ui);

// The caption of the label that names an edit (its buddy), without the mnemonic marks.
QString buddy_caption(const QLineEdit* edit);

}  // namespace vx11
