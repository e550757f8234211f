// The Document menu and New: a change entered and shown in the change log, the title block
// opened and cancelled; New walks the quick input sequence to the rated connection.
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>

#include "tests/acceptance/window_fixture.h"
#include "ui/main_window.h"
#include "ui/text_window.h"

namespace vx11::test {
namespace {

class DocumentMenu : public WindowAcceptance {};

TEST_F(DocumentMenu, ANewChangeIsEnteredAndShownInTheChangeLog) {
  start({example("beispiel.vxk")});
  QString log;
  {
    Person person({{"TForm_EinAend", [](QWidget* d) {
                      set_field(d, "Edit_aenderung", QStringLiteral("Nut tiefer"));
                      set_field(d, "Edit_bearbeiter", QStringLiteral("MM"));
                      d->findChild<QPlainTextEdit*>("Memo_beschreibung")->setPlainText(QStringLiteral("Tiefe t1 geändert"));
                      press_ok(d);
                    }},
                   {"Form_showtextfile", [&](QWidget* w) {
                      log = static_cast<TForm_showtextfile*>(w)->text();
                      close_dialog(w);
                    }}});
    menu(Command::DocNewChange);
  }
  EXPECT_TRUE(log.contains(QStringLiteral("Nut tiefer"))) << log.toStdString();
  EXPECT_TRUE(log.contains(QStringLiteral("Tiefe t1 geändert")));
  EXPECT_TRUE(state().session.unsaved_changes);
  {
    Person person({{"TForm_zeichInfo", [](QWidget* d) { close_dialog(d); }}});
    menu(Command::DocDrawingInfo);
  }
  // Closing asks about the unsaved change; No keeps the file as it was.
  const std::string before = test::read_file(data + "beispiel.vxk");
  close_window({{"QMessageBox", [](QWidget* box) { answer(box, QMessageBox::No); }}});
  EXPECT_EQ(test::read_file(data + "beispiel.vxk"), before);
}

TEST_F(DocumentMenu, NewWalksTheQuickInputSequenceToARatedConnection) {
  start({example("beispiel.vxk")});
  {
    Person person({{"TForm_vxeingabetext", [](QWidget* d) {
                      set_field(d, "Edit_zeichname1", QStringLiteral("Ritzelwelle"));
                      press_ok(d);
                    }},
                   {"Form_vx11pre", [](QWidget* d) {
                      set_field(d, "Edit_tnenn", QStringLiteral("40"));
                      set_field(d, "Edit_d", QStringLiteral("18"));
                      press_ok(d);
                    }},
                   {"dbf4", [](QWidget* keys) { press_ok(keys); }},
                   {"Form_vx11wst", [](QWidget* d) { press_ok(d); }},
                   {"Form_vx3last", [](QWidget* d) { press_ok(d); }},
                   {"", [](QWidget* messages) { close_dialog(messages); }}});
    menu(Command::FileNew);
  }
  EXPECT_EQ(state().rec.inner_part_name, "Ritzelwelle");
  EXPECT_EQ(state().rec.nominal_torque_tn, 40);
  EXPECT_EQ(state().rec.shaft_diameter_d, 18);
  EXPECT_FALSE(state().rec.fatal_error);
  EXPECT_TRUE(canvas_shows("WERKSTOFF"));
  EXPECT_TRUE(state().session.unsaved_changes);
}

}  // namespace
}  // namespace vx11::test
