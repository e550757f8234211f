// The CAD menu: every view written as DXF and as IGES through the window's dialogs; the file names
// are the ones the person saw and the files load in independent readers.
#include <QFileDialog>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include <filesystem>

#include "tests/acceptance/window_fixture.h"
#include "ui/main_window.h"

namespace vx11::test {
namespace {

namespace fs = std::filesystem;

class CadMenu : public WindowAcceptance {
 protected:
  // Chooses the format in the CAD dialog, then takes `typed` (the proposal when empty) in the file
  // dialog; returns the name filters and the default suffix the file dialog offered.
  std::pair<QStringList, QString> write(Command c, const QString& format, const QString& typed) {
    QStringList filters;
    QString suffix;
    Person person({{"", [&](QWidget* d) {
                      // The output format: one radio button per choice.
                      for (QRadioButton* b : d->findChildren<QRadioButton*>())
                        if (b->text() == format) b->setChecked(true);
                      press_ok(d);
                    }},
                   {"QFileDialog", [&](QWidget* d) {
                      auto* f = qobject_cast<QFileDialog*>(d);
                      filters = f->nameFilters();
                      suffix = f->defaultSuffix();
                      screenshot(d, QStringLiteral("cad_save_dialog"));
                      if (typed.isEmpty())
                        QTest::keyClick(d->findChild<QLineEdit*>("fileNameEdit"), Qt::Key_Return);
                      else
                        choose_file(d, typed);
                    }}});
    menu(c);
    return {filters, suffix};
  }
};

TEST_F(CadMenu, EveryViewAsDxfAndIgesUnderTheNameTheDialogShowed) {
  start({example("beispiel.vxk")});
  struct Case {
    Command command;
    const char* name;  // typed without an extension
  };
  const Case cases[] = {{Command::CadKey, "feder"},
                        {Command::CadShaft, "welle"},
                        {Command::CadHub, "nabe"},
                        {Command::CadAssembly, "zusammenbau"},
                        {Command::CadQuick, "quick"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const auto [dxf_filters, dxf_suffix] = write(c.command, "DXF", QString::fromLatin1(c.name));
    EXPECT_EQ(dxf_filters, (QStringList{"DXF (*.dxf)", "Alle Dateien (*)"}));
    EXPECT_EQ(dxf_suffix, QStringLiteral("dxf"));
    const std::string dxf = cad + c.name + ".dxf";
    ASSERT_TRUE(fs::exists(dxf)) << dxf;
    std::string out;
    EXPECT_EQ(run_program("/usr/bin/python3",
                          {"-c", "import sys, ezdxf; d = ezdxf.readfile(sys.argv[1]); print(len(d.modelspace()))", dxf},
                          &out),
              0)
        << out;
    EXPECT_GT(std::atoi(out.c_str()), 0) << out;

    const auto [iges_filters, iges_suffix] = write(c.command, "IGES", QString::fromLatin1(c.name));
    EXPECT_EQ(iges_filters, (QStringList{"IGS (*.igs)", "Alle Dateien (*)"}));
    EXPECT_EQ(iges_suffix, QStringLiteral("igs"));
    const std::string igs = cad + c.name + ".igs";
    ASSERT_TRUE(fs::exists(igs)) << igs;
#ifdef VX11_IGES_CHECK
    EXPECT_EQ(run_program(VX11_IGES_CHECK, {igs}, &out), 0) << out;
#endif
  }
  // The proposed name taken as it stands: the input file's name with the format's extension.
  write(Command::CadShaft, "DXF", QString());
  EXPECT_TRUE(fs::exists(cad + "beispiel.dxf"));
  for (const auto& entry : fs::directory_iterator(cad))
    EXPECT_EQ(entry.path().filename().string().find('|'), std::string::npos) << entry.path();
}

}  // namespace
}  // namespace vx11::test
