#include "ui/quick_input.h"

#include <QComboBox>

#include <sstream>

#include "docu/documentation.h"
#include "project/input_data.h"
#include "base/text.h"
#include "tests/ui/dialog_fixture.h"
#include "tests/ui/qt_test_support.h"
#include "ui/docu_dialogs.h"

namespace vx11 {
namespace {

using test::ModalDriver;
using test::press;

class QuickInput : public test::DialogTest {
 protected:
  void SetUp() override {
    DialogTest::SetUp();
    dialogs = std::make_unique<QtDocumentationDialogs>(state->format, state->identity.title, ui, help, 100);
    // New: the start-up record and fresh documentation.
    set_startup_defaults(state->rec);
    set_default_materials(state->rec);
    reset_documentation(state->doc, dateText(state->format));
    new_documentation(state->doc, dateText(state->format));
  }
  std::unique_ptr<QtDocumentationDialogs> dialogs;
};

TEST_F(QuickInput, NewQuickInputSaveOpenGivesTheSameRecord) {
  browser.confirm();  // the key table after the predesign's OK
  ModalDriver drive({
      [](QWidget* w) {
        retype(w, "Edit_zeichnr1", "4711-01");
        retype(w, "Edit_zeichname1", QString::fromUtf8("Antriebswelle Größe 2"));
        retype(w, "Edit_info1", "Beispiel");
        press(w, Qt::Key_Return);
      },
      [](QWidget* w) {
        retype(w, "Edit_tnenn", "80");
        retype(w, "Edit_d", "20");
        press(w, Qt::Key_Return);
      },
      [](QWidget* w) {
        w->findChild<QComboBox*>("ComboBox_anzahl")->setCurrentIndex(1);
        retype(w, "Edit_alphakb", "4,5");
        press(w, Qt::Key_Return);
      },
      [](QWidget* w) {
        retype(w, "Edit_fw", "0,7");
        retype(w, "Edit_mbmax", "15");
        press(w, Qt::Key_Return);
      },
  });
  EXPECT_TRUE(run_quick_input(*state, *dialogs, help, nullptr));
  EXPECT_EQ(drive.steps_run(), 4);
  EXPECT_EQ(drive.unexpected(), 0);
  const ConnectionRecord& r = state->rec;
  EXPECT_EQ(r.inner_part_number, "4711-01");
  EXPECT_EQ(r.inner_part_name, "Antriebswelle Gr\x94\xE1" "e 2");
  EXPECT_EQ(r.nominal_torque_tn, 80);
  EXPECT_EQ(r.max_torque_tmax, 90);  // within TN .. 3 TN: kept
  EXPECT_EQ(r.key_count, 2);
  EXPECT_GT(r.key_row_number, 0);

  std::stringstream file;
  write_input_data(file, state->rec, state->doc, state->format, state->identity, "");
  ConnectionRecord back;
  Documentation doc_back;
  const InputReadResult read = read_input_data(file, back, doc_back);
  EXPECT_TRUE(read.complete);
  EXPECT_EQ(back.inner_part_number, r.inner_part_number);
  EXPECT_EQ(back.inner_part_name, r.inner_part_name);
  EXPECT_EQ(doc_back.info_text[0], "Beispiel");
  EXPECT_EQ(back.nominal_torque_tn, r.nominal_torque_tn);
  EXPECT_EQ(back.max_torque_tmax, r.max_torque_tmax);
  EXPECT_EQ(back.shaft_diameter_d, r.shaft_diameter_d);
  EXPECT_EQ(back.key_count, r.key_count);
  EXPECT_EQ(back.key_row_number, r.key_row_number);
  EXPECT_EQ(back.alpha_kb, r.alpha_kb);
  EXPECT_EQ(back.load_reversal_factor_fw, r.load_reversal_factor_fw);
  EXPECT_EQ(back.bending_moment_mbmax, r.bending_moment_mbmax);
  EXPECT_EQ(back.material[kShaft].name, r.material[kShaft].name);
}

TEST_F(QuickInput, CancelStopsTheSequenceAndClearsTheFlag) {
  ModalDriver drive({
      [](QWidget* w) { press(w, Qt::Key_Return); },
      [](QWidget* w) { press(w, Qt::Key_Escape); },
  });
  EXPECT_FALSE(run_quick_input(*state, *dialogs, help, nullptr));
  EXPECT_EQ(drive.steps_run(), 2);
  EXPECT_EQ(drive.unexpected(), 0);  // dimensions and loads never opened
  EXPECT_FALSE(state->rec.cancelled);
}

}  // namespace
}  // namespace vx11
