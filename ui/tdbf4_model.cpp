#include "ui/tdbf4_model.h"

#include <QFont>
#include <QPalette>
#include <QGuiApplication>

#include <algorithm>
#include <utility>

#include "calc/table_object.h"
#include "base/text.h"

namespace vx11 {

Tdbf4Model::Tdbf4Model(CalcContext& ctx, bool editable, QObject* parent)
    : QAbstractTableModel(parent), ctx_(ctx), editable_(editable), rows_(read_rows()) {}

std::vector<int> Tdbf4Model::read_rows() const { return ctx_.tables.records_in_order(editable_); }

int Tdbf4Model::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int Tdbf4Model::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : ctx_.tables.field_count();
}

int Tdbf4Model::record_at(int row) const {
  return row >= 0 && row < rowCount() ? rows_[static_cast<std::size_t>(row)] : 0;
}

int Tdbf4Model::row_of(int record) const {
  const auto at = std::find(rows_.begin(), rows_.end(), record);
  return at == rows_.end() ? -1 : static_cast<int>(at - rows_.begin());
}

QVariant Tdbf4Model::data(const QModelIndex& index, int role) const {
  const int record = record_at(index.row());
  if (record == 0) return {};
  const int field = index.column() + 1;
  const TableObject& t = ctx_.tables;
  switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
      return QString::fromStdString(toWindows(ctx_.format, t.field_text(record, field)));
    case Qt::TextAlignmentRole:
      return t.fields()[static_cast<std::size_t>(index.column())].numeric()
                 ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                 : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    case Qt::FontRole:
      if (t.is_deleted(record)) {
        QFont f;
        f.setStrikeOut(true);
        return f;
      }
      return {};
    case Qt::ForegroundRole:
      if (t.is_deleted(record)) return QGuiApplication::palette().brush(QPalette::Disabled, QPalette::Text);
      return {};
    default:
      return {};
  }
}

QVariant Tdbf4Model::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole) return QAbstractTableModel::headerData(section, orientation, role);
  if (orientation == Qt::Horizontal)
    return QString::fromStdString(toWindows(ctx_.format, ctx_.tables.field_name(section + 1)));
  const int record = record_at(section);
  if (record == 0) return {};
  // A mark before the number tells the deleted records apart where they are shown.
  return (ctx_.tables.is_deleted(record) ? QStringLiteral("* ") : QString()) + QString::number(record);
}

Qt::ItemFlags Tdbf4Model::flags(const QModelIndex& index) const {
  Qt::ItemFlags f = QAbstractTableModel::flags(index);
  if (editable_ && index.isValid()) f |= Qt::ItemIsEditable;
  return f;
}

bool Tdbf4Model::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (!editable_ || role != Qt::EditRole) return false;
  const int record = record_at(index.row());
  if (record == 0) return false;
  const std::string text = toCodePage850(value.toString().toStdString());
  if (text == ctx_.tables.field_text(record, index.column() + 1)) return true;
  ctx_.tables.go_to_record(ctx_, record);
  if (!ctx_.tables.set_field_text(ctx_, index.column() + 1, text)) return false;
  // Numbers are stored with the field's decimals: the cells show what the file holds now.
  reorder();
  return true;
}

void Tdbf4Model::reorder() {
  std::vector<int> rows = read_rows();
  if (rows == rows_) {
    if (rows_.empty()) return;
    emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
    emit headerDataChanged(Qt::Vertical, 0, rowCount() - 1);
    return;
  }
  emit layoutAboutToBeChanged();
  const std::vector<int> old = std::exchange(rows_, std::move(rows));
  for (const QModelIndex& p : persistentIndexList()) {
    const int row = p.row() < static_cast<int>(old.size()) ? row_of(old[static_cast<std::size_t>(p.row())]) : -1;
    changePersistentIndex(p, row < 0 ? QModelIndex() : index(row, p.column()));
  }
  emit layoutChanged();
}

void Tdbf4Model::reload() {
  beginResetModel();
  rows_ = read_rows();
  endResetModel();
}

}  // namespace vx11
