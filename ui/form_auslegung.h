// The design aid: the torques the connection takes at target safeties, every key of the table
// ranked for the shaft and loads, and the proposal for each preferred diameter of a range.
// "Übernehmen" takes the chosen key, series and count into the inputs.
#pragma once

#include <optional>
#include <vector>

#include "calc/key_search.h"
#include "calc/permissible_torques.h"
#include "ui/input_dialog.h"

class QLabel;
class QLineEdit;
class QTableWidget;

namespace vx11 {

class Form_auslegung : public InputDialog {
 public:
  Form_auslegung(ProgramState& state, const DialogHelp& help, QWidget* parent = nullptr);

  // The ranked variants and the one the key table's current row shows (null without one).
  const std::vector<KeyVariant>& ranked() const { return ranked_; }
  const KeyVariant* chosen() const;

 protected:
  void fill_extra() override;
  bool confirm() override;

 private:
  // The targets as typed; empty when one is not above 0.
  std::optional<DesignTargets> targets() const;
  void recompute();
  void show_basis();
  void show_torques(const std::optional<DesignTargets>& targets);
  void show_keys();
  void show_sweep();
  void enable_take_over();

  QLabel* basis_;
  QLineEdit* seq_;
  QLineEdit* smax_;
  QLabel* torques_[3][3];  // TN, Tmax, Tmax at the tau limit: value, unit, limiting part
  QLabel* torque_note_;
  QTableWidget* keys_;
  QLineEdit* d_from_;
  QLineEdit* d_to_;
  QLabel* d_units_[2];
  QTableWidget* sweep_;

  bool filling_ = false;
  std::optional<std::vector<KeyTableRow>> rows_;  // the key table, read once
  std::optional<std::vector<Real>> series_;       // the preferred diameters, read once
  ConnectionRecord rated_;                        // the inputs rated as they stand
  MessageList rated_messages_;
  std::vector<KeyVariant> ranked_;
};

// Menu Edit > Design aid: true after "Übernehmen" (the caller then runs the rating).
bool edit_design(ProgramState& state, const DialogHelp& help, QWidget* parent);

}  // namespace vx11
