// The table browser's grid model: the open table's records in the active order, one column per
// field, texts converted from code page 850 for display and back for edits.
#pragma once

#include <QAbstractTableModel>

#include <vector>

#include "calc/calc_context.h"

namespace vx11 {

class Tdbf4Model : public QAbstractTableModel {
 public:
  // `editable`: cells take edits and records marked as deleted are shown (greyed, struck out).
  Tdbf4Model(CalcContext& ctx, bool editable, QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  // Writes the field of that record into the file; a value that does not fit is refused with an
  // error box and the cell keeps its old text.
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;

  // Record number of a grid row (0 for none) and the row of a record (-1 when it is not shown).
  int record_at(int row) const;
  int row_of(int record) const;
  // After the order or a record's values or deletion mark changed: rows move, the view stays on
  // its records.
  void reorder();
  // After records were added or removed (append, pack): everything is read again.
  void reload();

 private:
  std::vector<int> read_rows() const;

  CalcContext& ctx_;
  bool editable_;
  std::vector<int> rows_;
};

}  // namespace vx11
