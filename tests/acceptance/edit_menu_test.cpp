// The Edit menu: each input dialog changes what the quick view shows; every number field refuses
// what is no number or describes no real connection, naming the field; a fatal rating leaves no
// result of an earlier state on the screen.
#include <QLineEdit>
#include <QMessageBox>

#include <fstream>
#include <memory>

#include "draw/connection_drawing.h"
#include "draw/fatal_notice.h"
#include "draw/quick_view.h"
#include "base/text.h"
#include "tests/acceptance/window_fixture.h"
#include "ui/canvas.h"
#include "ui/main_window.h"

namespace vx11::test {
namespace {

class EditMenu : public WindowAcceptance {
 protected:
  // A dialog of the menu item: `act` types, then OK.
  void edit(Command c, const QString& dialog, const std::function<void(QWidget*)>& act, std::vector<Step> then = {}) {
    std::vector<Step> steps{{dialog, [act](QWidget* d) {
                               act(d);
                               press_ok(d);
                             }}};
    for (auto& s : then) steps.push_back(std::move(s));
    Person person(std::move(steps));
    menu(c);
  }
  // The value of a quick-view row: the text drawn right of its label on the same line.
  std::string row_value(const std::string& label) {
    const DisplayList& list = canvas().display_list();
    DisplayRecord r;
    Real y = -1;
    for (std::size_t i = 0; i < list.size(); ++i)
      if (parseDisplayRecord(list.record(i), r) && r.code == kRecText && r.text.find(label) != std::string::npos)
        y = r.v[1];
    for (std::size_t i = 0; i < list.size(); ++i)
      if (parseDisplayRecord(list.record(i), r) && r.code == kRecText && r.v[1] == y && r.text.find(label) == std::string::npos)
        return trimBlanks(r.text);
    return {};
  }
  bool shows_results() { return canvas_shows("Sicherheiten") || canvas_shows("WERKSTOFF"); }
};

TEST_F(EditMenu, EachInputDialogChangesWhatTheQuickViewShows) {
  start({example("beispiel.vxk")});
  ASSERT_EQ(row_value("Nenndrehmoment TN"), "60");

  edit(Command::EditLoad, "Form_vx3last", [](QWidget* d) {
    set_field(d, "Edit_tnenn", "75");
    set_field(d, "Edit_ka", "1,25");  // a comma counts as the decimal point
  });
  EXPECT_EQ(row_value("Nenndrehmoment TN"), "75");
  EXPECT_EQ(row_value("Anwendungsfaktor KA"), "1.25");

  edit(Command::EditMaterial, "Form_vxwst", [](QWidget* d) { set_field(d, "Edit_Re1", "400"); });
  EXPECT_EQ(row_value("Streckgrenze Re"), "400");

  // The dimensions dialog's OK shows the assembly drawing.
  edit(Command::EditDimensions, "Form_vx11wst", [](QWidget* d) { set_field(d, "Edit_d", "22"); });
  const GraphicsState& g = canvas().graphics();
  const ViewFrame assembly = viewFrame(state().rec, kViewAssembly);
  EXPECT_EQ(g.wx2 - g.wx1, assembly.x2 - assembly.x1);
  screenshot(&window(), QStringLiteral("main_window_assembly"));
  menu(Command::ViewQuick);
  EXPECT_EQ(row_value("Wellendurchmesser d1"), "22 H7/h6");

  // The predesign ends in the key table, on the key for the diameter.
  edit(Command::EditPredesign, "Form_vx11pre", [](QWidget* d) { set_field(d, "Edit_ka", "1,5"); },
       {{"", [](QWidget* browser) { press_ok(browser); }}});
  EXPECT_EQ(row_value("Anwendungsfaktor KA"), "1.50");

  edit(Command::EditText, "TForm_vxeingabetext", [](QWidget* d) { set_field(d, "Edit_zeichname1", "Antriebswelle"); });
  EXPECT_EQ(state().rec.inner_part_name, "Antriebswelle");
  EXPECT_TRUE(state().session.unsaved_changes);
}

}  // namespace
}  // namespace vx11::test

namespace vx11::test {
namespace {

struct NumberField {
  const char* edit;
  const char* named;     // part of the field's name in the error box
  const char* impossible;  // a number no real connection has
};

// For each field: "abc" (marked while typed, refused on OK), then the impossible number (refused),
// then its own text again; at the end Cancel. Returns the steps and counts the refusals seen.
std::vector<Step> refusals(const QString& dialog, const std::vector<NumberField>& fields, int& refused,
                           int& marked) {
  std::vector<Step> steps;
  auto previous = std::make_shared<std::pair<const char*, QString>>(nullptr, QString());
  for (const NumberField& f : fields) {
    for (const char* typed : {"abc", f.impossible}) {
      const bool letters = std::string(typed) == "abc";
      steps.push_back({dialog, [=, &marked](QWidget* d) {
                         if (previous->first) set_field(d, previous->first, previous->second);
                         auto* e = d->findChild<QLineEdit*>(f.edit);
                         ASSERT_NE(e, nullptr) << f.edit;
                         if (letters) *previous = {f.edit, e->text()};
                         set_field(d, f.edit, QString::fromLatin1(typed));
                         if (letters && e->property("vx11_not_a_number").toBool()) ++marked;
                         press_ok(d);
                       }});
      steps.push_back({"QMessageBox", [=, &refused](QWidget* box) {
                         const QString text = message_text(box);
                         EXPECT_TRUE(text.contains(QString::fromUtf8(f.named))) << text.toStdString();
                         EXPECT_TRUE(text.contains(letters ? QStringLiteral("Ungültige Eingabe")
                                                           : QStringLiteral("Gültiger Wertebereich")))
                             << text.toStdString();
                         ++refused;
                         answer(box, QMessageBox::Ok);
                       }});
    }
  }
  steps.push_back({dialog, [](QWidget* d) { close_dialog(d); }});
  return steps;
}

TEST_F(EditMenu, EveryNumberFieldRefusesWhatIsNoNumberAndWhatNoConnectionHas) {
  start({example("beispiel.vxk")});
  const ConnectionRecord before = state().rec;
  struct Dialog {
    Command command;
    QString name;
    std::vector<NumberField> fields;
  };
  const std::vector<Dialog> dialogs = {
      {Command::EditLoad, "Form_vx3last",
       {{"Edit_tnenn", "Nenndrehmoment TN", "-60"},
        {"Edit_tmax", "Maximales Drehmoment Tmax", "-1"},
        {"Edit_ka", "Anwendungsfaktor KA", "0"},
        {"Edit_klambda", "K lambda", "0"},
        {"Edit_kr", "Reibschlußfaktor KR", "-0,5"},
        {"Edit_mbmax", "Mbmax", "1e13"},
        {"Edit_fw", "Lastrichtungswechselfaktor fW", "0"},
        {"Edit_fl1", "fL Welle", "0"},
        {"Edit_fl2", "fL Nabe", "0"},
        {"Edit_fl3", "fL Scheibenfeder", "1e300"}}},
      {Command::EditMaterial, "Form_vxwst",
       {{"Edit_Re1", "Innenteil (Welle): Streckgrenze", "-355"},
        {"Edit_fs1", "Innenteil (Welle): Stützfaktor fS", "0"},
        {"Edit_fh1", "Innenteil (Welle): Härteeinflußfaktor fH", "0"},
        {"Edit_re2", "Außenteil (Nabe): Streckgrenze", "-1"},
        {"Edit_fs2", "Außenteil (Nabe): Stützfaktor fS", "-1"},
        {"Edit_fh2", "Außenteil (Nabe): Härteeinflußfaktor fH", "0"}}},
      {Command::EditDimensions, "Form_vx11wst",
       {{"Edit_d", "Wellendurchmesser d", "-20"},
        {"Edit_alphakb", "alpha kb", "1e13"},
        {"Edit_ReL1", "Werkstoff Scheibenfeder: Streckgrenze Re", "-1"},
        {"Edit_fs1", "Werkstoff Scheibenfeder: Stützfaktor fS", "0"},
        {"Edit_fh1", "Werkstoff Scheibenfeder: Härteeinflußfaktor fH", "0"}}},
      {Command::EditPredesign, "Form_vx11pre",
       {{"Edit_tnenn", "Nenndrehmoment TN", "0"}, {"Edit_ka", "Anwendungsfaktor KA", "-1"},
        {"Edit_d", "Wellendurchmesser d", "0"}}},
      {Command::FileConfig, "Tconfig", {{"Edit_lines", "Zeilen pro Seite", "1e13"}, {"Edit_zoom", "Zoom", "1e13"}}},
      {Command::FilePrint, "TForm_printconf",
       {{"Edit_scalex", "Maßstab x", "1e13"}, {"Edit_yorigin", "Ursprung y", "1e13"}}},
  };
  for (const Dialog& d : dialogs) {
    SCOPED_TRACE(d.name.toStdString());
    int refused = 0, marked = 0;
    {
      Person person(refusals(d.name, d.fields, refused, marked));
      menu(d.command);
    }
    EXPECT_EQ(refused, 2 * static_cast<int>(d.fields.size()));
    EXPECT_EQ(marked, static_cast<int>(d.fields.size()));
  }
  // Nothing of it reached the connection.
  EXPECT_EQ(state().rec.nominal_torque_tn, before.nominal_torque_tn);
  EXPECT_EQ(state().rec.shaft_diameter_d, before.shaft_diameter_d);
  EXPECT_EQ(state().rec.material[0].yield_re, before.material[0].yield_re);
}

TEST_F(EditMenu, AFatalRatingLeavesNoEarlierResultOnTheScreen) {
  start({example("beispiel.vxk")});
  ASSERT_TRUE(shows_results());
  // d = 2 mm is a number, but the groove of the key reaches past the shaft axis: the rating stops.
  edit(Command::EditDimensions, "Form_vx11wst", [](QWidget* d) { set_field(d, "Edit_d", "2"); },
       {{"", [](QWidget* messages) {
           screenshot(messages, QStringLiteral("message_dialog_fatal"));
           close_dialog(messages);
         }}});
  ASSERT_TRUE(state().rec.fatal_error);
  EXPECT_FALSE(shows_results());
  EXPECT_TRUE(canvas_shows(kFatalNoticeTitle));
  EXPECT_TRUE(canvas_shows("Fatal"));
  screenshot(&window(), QStringLiteral("main_window_fatal"));
  for (Command view : {Command::ViewQuick, Command::ViewShaft, Command::ViewAssembly}) {
    Person person({{"", [](QWidget* messages) { close_dialog(messages); }}});
    menu(view);
    EXPECT_FALSE(shows_results());
    EXPECT_TRUE(canvas_shows(kFatalNoticeTitle));
  }
  // A good rating brings the views back.
  edit(Command::EditDimensions, "Form_vx11wst", [](QWidget* d) { set_field(d, "Edit_d", "20"); });
  menu(Command::ViewQuick);
  EXPECT_TRUE(shows_results());
  EXPECT_FALSE(canvas_shows(kFatalNoticeTitle));
}

TEST_F(EditMenu, AFileWithoutTorqueOpensWithTheNoticeNotWithResults) {
  // The file readers keep their rule: what does not convert reads as 0, and TN = 0 stops the rating.
  std::string text = test::read_file(example("beispiel.vxk"));
  const auto at = text.find("60.0000000");
  ASSERT_NE(at, std::string::npos);
  text.replace(at, 10, "0.00000000");
  std::ofstream(data + "ohne_tn.vxk", std::ios::binary) << text;
  {
    Person person({{"", [](QWidget* messages) { close_dialog(messages); }}});
    start({data + "ohne_tn.vxk"});
  }
  ASSERT_TRUE(state().rec.fatal_error);
  EXPECT_TRUE(canvas_shows("Fatal  : TN = 0 !"));
  EXPECT_FALSE(shows_results());
}

}  // namespace
}  // namespace vx11::test
