#include "ui/form_auslegung.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

#include "calc/rating.h"
#include "base/format.h"
#include "report/json_text.h"
#include "project/result_json.h"
#include "tests/ui/dialog_fixture.h"
#include "tests/ui/qt_test_support.h"

namespace vx11 {
namespace {

using test::click;

class DesignAid : public test::DialogTest {
 protected:
  void SetUp() override {
    DialogTest::SetUp();
    // The main example: the worked example's loads and materials with one 6 x 7.5 key (record 15).
    ConnectionRecord& r = state->rec;
    r.shaft_diameter_d = 20;
    r.nominal_torque_tn = 60;
    r.max_torque_tmax = 90;
    r.key_row_number = 15;
    r.material[kHub].yield_re = 230;
    r.material[kKey].yield_re = 340;
    r.support_factor_fs = {1.2L, 2.0L, 1.0L};
    auto ctx = state->calc();
    run_rating(ctx);
    ASSERT_FALSE(state->rec.fatal_error);
    ASSERT_EQ(state->rec.key_row.key_height_h, 7.5L);
  }
  bool open(const std::function<void(QWidget*)>& act, Qt::Key key = Qt::Key_Return) {
    return drive([&] { return edit_design(*state, help, nullptr); }, act, key);
  }
  static QTableWidget* keys(QWidget* w) { return w->findChild<QTableWidget*>("Table_keys"); }
  static QString label(QWidget* w, const char* name) { return w->findChild<QLabel*>(name)->text(); }
  // "9A2" for the key row, series and count a grid row shows.
  static std::string code(QTableWidget* g, int row) {
    return g->item(row, 1)->text().toStdString() + g->item(row, 3)->text().toStdString() +
           g->item(row, 4)->text().toStdString();
  }
  static void choose(QWidget* w, const std::string& wanted) {
    QTableWidget* g = keys(w);
    for (int r = 0; r < g->rowCount(); ++r)
      if (code(g, r) == wanted) {
        g->selectRow(r);
        return;
      }
    ADD_FAILURE() << "no row " << wanted;
  }
  std::string record_text() const { return json_text(record_json(state->rec)); }
};

// Seq 3.762, 2.492, 1.842 and Smax 2.508, 1.662, 1.228: the key limits both torques, 60 x 1.842
// and 90 x 1.228 Nm; tau max / Re 1.166 gives 90 x 0.7 / 1.166 Nm for the shaft.
TEST_F(DesignAid, ShowsThePermissibleTorquesAndTheRankedKeys) {
  QString tn, tmax, tau, tn_part, tau_part, basis;
  int rows = 0;
  std::string first, selected;
  bool take_over = false;
  EXPECT_FALSE(open(
      [&](QWidget* w) {
        tn = label(w, "Label_tnperm");
        tmax = label(w, "Label_tmaxperm");
        tau = label(w, "Label_tmaxtau");
        tn_part = label(w, "Label_tnpermteil");
        tau_part = label(w, "Label_tmaxtauteil");
        basis = label(w, "Label_basis");
        rows = keys(w)->rowCount();
        first = code(keys(w), 0);
        const auto sel = keys(w)->selectedItems();
        selected = sel.isEmpty() ? "" : code(keys(w), sel.front()->row());
        take_over = w->findChild<QPushButton*>("Button_ok")->isEnabled();
      },
      Qt::Key_Escape));
  EXPECT_NEAR(parseReal(tn.toStdString()), 60 * 1.842, 0.1);
  EXPECT_NEAR(parseReal(tmax.toStdString()), 90 * 1.228, 0.1);
  EXPECT_NEAR(parseReal(tau.toStdString()), 90 * 0.7 / 1.166, 0.1);
  EXPECT_EQ(tn_part, QStringLiteral("(Scheibenfeder)"));
  EXPECT_EQ(tau_part, QStringLiteral("(Welle)"));
  EXPECT_TRUE(basis.startsWith(QStringLiteral("d = 20 mm,  TN = 60 Nm,  Tmax = 90 Nm"))) << basis.toStdString();
  EXPECT_EQ(rows, 96);
  // The proposal: two 4 x 5 keys in series A (record 9), chosen to begin with.
  EXPECT_EQ(first, "9A2");
  EXPECT_EQ(selected, "9A2");
  EXPECT_TRUE(take_over);
}

TEST_F(DesignAid, TakingOverChangesTheDesignAsTheDimensionDialogWould) {
  ASSERT_TRUE(open([](QWidget*) {}));  // Enter: the proposal
  EXPECT_EQ(state->rec.key_row_number, 9);
  EXPECT_EQ(state->rec.key_series, 1);
  EXPECT_EQ(state->rec.key_count, 2);
  EXPECT_EQ(state->rec.key_row.key_width_b, 4);
  EXPECT_EQ(state->rec.key_row.key_height_h, 5);
  EXPECT_EQ(state->rec.shaft_diameter_d, 20);
  EXPECT_FALSE(state->rec.cancelled);

  // Sorted by the least Smax, the row chosen is still the variant it shows.
  ASSERT_TRUE(open([](QWidget* w) {
    keys(w)->sortByColumn(7, Qt::DescendingOrder);
    choose(w, "15B2");
  }));
  EXPECT_EQ(state->rec.key_row_number, 15);
  EXPECT_EQ(state->rec.key_series, 2);
  EXPECT_EQ(state->rec.key_count, 2);
  EXPECT_EQ(state->rec.key_row.key_diameter_d2, 19);
}

TEST_F(DesignAid, CancelChangesNothing) {
  const std::string before = record_text();
  const int messages = state->messages.count();
  EXPECT_FALSE(open(
      [](QWidget* w) {
        retype(w, "Edit_seq", "2");
        choose(w, "24B2");
      },
      Qt::Key_Escape));
  EXPECT_TRUE(state->rec.cancelled);
  state->rec.cancelled = false;
  EXPECT_EQ(record_text(), before);
  EXPECT_EQ(state->messages.count(), messages);  // the dialog's own ratings leave the program's list alone
}

TEST_F(DesignAid, TargetsRankAgain) {
  std::string at_two, note;
  int rows_at_zero = -1;
  bool take_over_at_zero = true;
  EXPECT_FALSE(open(
      [&](QWidget* w) {
        retype(w, "Edit_seq", "2");  // Seq >= 2 first holds with two 5 x 6.5 keys (2.243)
        at_two = code(keys(w), 0);
        retype(w, "Edit_smax", "0");
        note = label(w, "Label_fatal").toStdString();
        rows_at_zero = keys(w)->rowCount();
        take_over_at_zero = w->findChild<QPushButton*>("Button_ok")->isEnabled();
        click(w, "Button_default_Edit_smax");
      },
      Qt::Key_Escape));
  EXPECT_EQ(at_two, "12A2");
  EXPECT_EQ(note, "Zielsicherheiten gr\xC3\xB6\xC3\x9F" "er als 0 eingeben.");
  EXPECT_EQ(rows_at_zero, 0);
  EXPECT_FALSE(take_over_at_zero);
}

// Without a key the rating stops: the torques give way to its message, and the search is what helps.
TEST_F(DesignAid, WithoutAKeyTheSearchStillRanks) {
  state->rec.key_row_number = 0;
  state->rec.key_row = KeyRow{};
  std::string note, first;
  EXPECT_TRUE(open([&](QWidget* w) {
    note = label(w, "Label_fatal").toStdString();
    first = code(keys(w), 0);
  }));
  EXPECT_EQ(note, "Fatal  : d2 = 0 !");
  EXPECT_EQ(first, "9A2");
  EXPECT_EQ(state->rec.key_row_number, 9);
}

TEST_F(DesignAid, SweepOverThePreferredDiameters) {
  QStringList diameters;
  QString at20;
  int rows_at_one = 0;
  EXPECT_FALSE(open(
      [&](QWidget* w) {
        auto* sweep = w->findChild<QTableWidget*>("Table_sweep");
        for (int r = 0; r < sweep->rowCount(); ++r) {
          diameters << sweep->item(r, 0)->text();
          if (sweep->item(r, 0)->text() == QStringLiteral("20"))
            at20 = sweep->item(r, 1)->text() + " " + sweep->item(r, 2)->text() + " " + sweep->item(r, 3)->text();
        }
        retype(w, "Edit_dvon", "20");
        retype(w, "Edit_dbis", "20,5");
        rows_at_one = sweep->rowCount();
      },
      Qt::Key_Escape));
  // From two thirds to one and a half times d: 13 to 30 mm of the series.
  EXPECT_EQ(diameters.join(' '), QStringLiteral("13 14 15 16 17 18 19 20 21 22 24 25 26 28 30"));
  EXPECT_EQ(at20, QStringLiteral("4 x 5 A 2"));
  EXPECT_EQ(rows_at_one, 1);
}

TEST_F(DesignAid, HelpButtonShowsItsText) {
  int number_while_open = 0;
  EXPECT_FALSE(open(
      [&](QWidget* w) {
        number_while_open = state->help_number;
        click(w, "Button_help");
      },
      Qt::Key_Escape));
  EXPECT_EQ(number_while_open, 5050);
  EXPECT_EQ(help_texts, 1);
  EXPECT_EQ(state->help_number, 5050);
  EXPECT_EQ(state->rec.key_row_number, 15);
}

TEST_F(DesignAid, Screenshot) {
  Form_auslegung d(*state, help);
  d.prepare();
  d.resize(1000, 760);
  screenshot(&d, "form_auslegung");
}

}  // namespace
}  // namespace vx11
