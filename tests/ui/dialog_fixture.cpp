#include "tests/ui/dialog_fixture.h"

#include <QApplication>
#include <QDir>
#include <QImage>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "calc/key_table.h"
#include "tests/ui/qt_test_support.h"
#include "tests/support/scratch_folder.h"

namespace vx11::test {

void DialogTest::SetUp() {
  ensure_application();
  root = test::make_unique_folder("/tmp/vx11_dialogs_XXXXXX").string();
  ASSERT_FALSE(root.empty());
  temp_folder = root + "/temp";
  std::filesystem::create_directories(root + "/dbf");
  std::filesystem::create_directories(temp_folder);
  for (const char* name : {"din6888", "dwelle", "wst1base", "vx3wstyp"})
    std::filesystem::copy_file(std::string(VX11_DATA_DIR) + "/" + name + ".dbf",
                               root + "/dbf/" + name + ".dbf");
  printer = std::make_unique<LpTextPrinter>(FormatSettings{}, temp_folder, starter, ui);
  state = std::make_unique<ProgramState>(Frontend{ui, browser, ReportOutlets{window, *printer, starter}});
  state->config.dbf_folder = root + "/dbf";
  state->config.temp_folder = temp_folder;
  state->config.input_window_scale = 100;
  state->apply_configuration();
  help.text = [this] { ++help_texts; };
  help.picture = [this] { ++help_pictures; };
}

void DialogTest::TearDown() {
  state.reset();
  std::error_code ec;
  std::filesystem::remove_all(root, ec);
}

bool DialogTest::drive(const std::function<bool()>& opener, const std::function<void(QWidget*)>& act, Qt::Key key) {
  ModalDriver driver({[&](QWidget* w) {
    act(w);
    press(w, key);
  }});
  const bool ok = opener();
  EXPECT_EQ(driver.unexpected(), 0);
  return ok;
}

void DialogTest::retype(QWidget* dialog, const char* edit, const QString& text) {
  auto* e = dialog->findChild<QLineEdit*>(edit);
  ASSERT_NE(e, nullptr) << edit;
  e->setFocus();
  e->selectAll();
  e->del();
  type_into(e, text);
}

QString DialogTest::text_of(QWidget* dialog, const char* edit) {
  auto* e = dialog->findChild<QLineEdit*>(edit);
  EXPECT_NE(e, nullptr) << edit;
  return e ? e->text() : QString();
}

void DialogTest::load_worked_example() {
  ConnectionRecord& r = state->rec;
  r.shaft_diameter_d = 20;
  r.key_row = KeyRow{17, 22, 5, 6.5L, 16, 0.25L, 5.0L, 0, 1.8L, 0, "", ""};
  r.key_row_number = 1;
}

void DialogTest::screenshot(QWidget* dialog, const std::string& name) {
  const char* dir = std::getenv("VX11_SCREENSHOT_DIR");
  if (!dir || !*dir) return;
  QDir().mkpath(QString::fromLocal8Bit(dir));
  dialog->show();
  dialog->adjustSize();
  QApplication::processEvents();
  const QString path = QString::fromLocal8Bit(dir) + "/" + QString::fromStdString(name) + ".png";
  EXPECT_TRUE(dialog->grab().save(path)) << path.toStdString();
  dialog->hide();
}

}  // namespace vx11::test
