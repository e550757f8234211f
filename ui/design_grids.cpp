#include "ui/design_grids.h"

#include <QBrush>
#include <QColor>
#include <QHeaderView>
#include <QStringList>
#include <QTableWidget>

#include <string>

#include "base/format.h"
#include "base/text.h"

namespace vx11 {

namespace {

constexpr int kSortRole = Qt::UserRole;
constexpr int kVariantRole = Qt::UserRole + 1;

// A cell that sorts by the number it stands for, not by its text.
class NumberItem : public QTableWidgetItem {
 public:
  NumberItem(const QString& text, double value) : QTableWidgetItem(text) {
    setData(kSortRole, value);
    setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
  }
  bool operator<(const QTableWidgetItem& other) const override {
    return data(kSortRole).toDouble() < other.data(kSortRole).toDouble();
  }
};

QString text(const FormatSettings& format, const std::string& cp850) {
  return QString::fromStdString(toWindows(format, cp850));
}

QString safety_text(const FormatSettings& format, Real value) {
  return QString::fromStdString(trimBlanks(fmtFixed(format, 1, 3, value)));
}

QTableWidget* grid(QWidget* parent, const char* name, const QStringList& heads) {
  auto* g = new QTableWidget(0, static_cast<int>(heads.size()), parent);
  g->setObjectName(name);
  g->setHorizontalHeaderLabels(heads);
  g->setEditTriggers(QAbstractItemView::NoEditTriggers);
  g->setSelectionBehavior(QAbstractItemView::SelectRows);
  g->setSelectionMode(QAbstractItemView::SingleSelection);
  g->verticalHeader()->setVisible(false);
  // One line a row, so that many keys fit in view; the whole messages stand in the tooltip.
  g->verticalHeader()->setDefaultSectionSize(g->fontMetrics().height() + 6);
  g->setWordWrap(false);
  g->horizontalHeader()->setStretchLastSection(true);
  return g;
}

// A stopped variant has no safeties: its cells stay empty and sort below every number.
void put_safety(QTableWidget* g, int row, int column, const FormatSettings& format, const KeyVariant& v,
                const LimitingPart& least) {
  if (v.fatal) {
    g->setItem(row, column, new NumberItem(QStringLiteral("-"), -1));
    g->setItem(row, column + 1, new QTableWidgetItem);
    return;
  }
  g->setItem(row, column, new NumberItem(safety_text(format, least.value), static_cast<double>(least.value)));
  g->setItem(row, column + 1, new QTableWidgetItem(text(format, kPartNames[static_cast<std::size_t>(least.part)])));
}

QString messages_text(const FormatSettings& format, const std::vector<std::string>& messages) {
  QStringList list;
  for (const auto& m : messages) list << text(format, m);
  return list.join(QStringLiteral("; "));
}

}  // namespace

QTableWidget* key_search_grid(QWidget* parent) {
  return grid(parent, "Table_keys",
              {QStringLiteral("Rang"), QStringLiteral("Zeile"), QStringLiteral("b x h"), QStringLiteral("Reihe"),
               QStringLiteral("Anzahl"), QStringLiteral("min Seq"), QStringLiteral("Teil"), QStringLiteral("min Smax"),
               QStringLiteral("Teil"), QStringLiteral("Meldungen")});
}

void fill_key_search_grid(QTableWidget* g, const std::vector<KeyVariant>& ranked, const FormatSettings& format) {
  g->setSortingEnabled(false);
  g->clearContents();
  g->setRowCount(static_cast<int>(ranked.size()));
  const QBrush meets(QColor(214, 240, 214));
  const QBrush stopped(QColor(128, 128, 128));
  for (int r = 0; r < static_cast<int>(ranked.size()); ++r) {
    const KeyVariant& v = ranked[static_cast<std::size_t>(r)];
    auto* rank = new NumberItem(QString::number(r + 1), r + 1);
    rank->setData(kVariantRole, r);
    g->setItem(r, 0, rank);
    g->setItem(r, 1, new NumberItem(QString::number(v.row), v.row));
    auto* size = new NumberItem(QString::fromStdString(key_size_text(format, v.key)),
                                static_cast<double>(v.key.key_width_b * 1000 + v.key.key_height_h));
    size->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    g->setItem(r, 2, size);
    g->setItem(r, 3, new QTableWidgetItem(QString::fromLatin1(series_letter(v.series))));
    g->setItem(r, 4, new NumberItem(QString::number(v.key_count), v.key_count));
    put_safety(g, r, 5, format, v, v.min_seq);
    put_safety(g, r, 7, format, v, v.min_smax);
    const QString messages = messages_text(format, v.messages);
    auto* m = new QTableWidgetItem(messages);
    m->setToolTip(messages);
    g->setItem(r, 9, m);
    for (int c = 0; c < g->columnCount(); ++c) {
      if (v.meets_targets) g->item(r, c)->setBackground(meets);
      if (v.fatal) g->item(r, c)->setForeground(stopped);
    }
  }
  g->setSortingEnabled(true);
  g->sortByColumn(0, Qt::AscendingOrder);
  g->resizeColumnsToContents();
}

int variant_of_row(const QTableWidget* g, int row) {
  const QTableWidgetItem* item = row >= 0 ? g->item(row, 0) : nullptr;
  return item ? item->data(kVariantRole).toInt() : -1;
}

int row_of_variant(const QTableWidget* g, int index) {
  for (int r = 0; r < g->rowCount(); ++r)
    if (variant_of_row(g, r) == index) return r;
  return -1;
}

QTableWidget* sweep_grid(QWidget* parent) {
  return grid(parent, "Table_sweep",
              {QStringLiteral("d"), QStringLiteral("Vorschlag"), QStringLiteral("Reihe"), QStringLiteral("Anzahl"),
               QStringLiteral("Zeile"), QStringLiteral("min Seq"), QStringLiteral("min Smax"),
               QStringLiteral("Meldungen")});
}

void fill_sweep_grid(QTableWidget* g, const std::vector<SweepStep>& steps, const FormatSettings& format) {
  g->clearSpans();
  g->clearContents();
  g->setRowCount(static_cast<int>(steps.size()));
  for (int r = 0; r < static_cast<int>(steps.size()); ++r) {
    const SweepStep& s = steps[static_cast<std::size_t>(r)];
    g->setItem(r, 0, new NumberItem(QString::fromStdString(trimBlanks(fmtLength(format, s.diameter))),
                                    static_cast<double>(s.diameter)));
    if (!s.proposal) {
      g->setItem(r, 1, new QTableWidgetItem(QStringLiteral("keine Scheibenfeder erfüllt die Ziele")));
      g->setSpan(r, 1, 1, g->columnCount() - 1);
      continue;
    }
    const KeyVariant& v = *s.proposal;
    g->setItem(r, 1, new QTableWidgetItem(QString::fromStdString(key_size_text(format, v.key))));
    g->setItem(r, 2, new QTableWidgetItem(QString::fromLatin1(series_letter(v.series))));
    g->setItem(r, 3, new NumberItem(QString::number(v.key_count), v.key_count));
    g->setItem(r, 4, new NumberItem(QString::number(v.row), v.row));
    g->setItem(r, 5, new NumberItem(safety_text(format, v.min_seq.value), static_cast<double>(v.min_seq.value)));
    g->setItem(r, 6, new NumberItem(safety_text(format, v.min_smax.value), static_cast<double>(v.min_smax.value)));
    const QString messages = messages_text(format, v.messages);
    auto* m = new QTableWidgetItem(messages);
    m->setToolTip(messages);
    g->setItem(r, 7, m);
  }
  g->resizeColumnsToContents();
}

}  // namespace vx11
