// vx11-render: the views of the shipped example as PNG pictures, and its refusals.
#include <QImage>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "tests/ui/qt_test_support.h"

namespace vx11 {
namespace {

struct RenderRun {
  int code = -1;
  QString err;
};

RenderRun render(const QStringList& args, const QString& config_home) {
  QProcess p;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("XDG_CONFIG_HOME", config_home);  // no configuration of the person running the tests
  env.insert("QT_QPA_PLATFORM", "offscreen");
  p.setProcessEnvironment(env);
  p.start(QStringLiteral(VX11_BIN_DIR "/vx11-render"), args);
  if (!p.waitForFinished(60000)) return {};
  return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromUtf8(p.readAllStandardError())};
}

const QString kExample = QStringLiteral(VX11_SOURCE_DIR "/examples/beispiel.vxk");

TEST(RenderProgram, EveryViewOfTheExampleBecomesAPicture) {
  test::ensure_application();
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  for (const char* view : {"assembly", "key", "shaft", "hub", "quick"}) {
    const QString png = dir.filePath(QString::fromLatin1(view) + ".png");
    const RenderRun r = render({kExample, view, png, "800x600"}, dir.path());
    ASSERT_EQ(r.code, 0) << view << ": " << r.err.toStdString();
    const QImage img(png);
    ASSERT_FALSE(img.isNull()) << view;
    EXPECT_EQ(img.size(), QSize(800, 600)) << view;
    // The configured background is the corner's colour; the drawing covers a good part.
    const QRgb background = img.pixel(0, 0);
    int drawn = 0;
    for (int y = 0; y < img.height(); ++y)
      for (int x = 0; x < img.width(); ++x) drawn += img.pixel(x, y) != background;
    EXPECT_GT(drawn, 3000) << view;
  }
}

TEST(RenderProgram, RefusesWhatItCannotDraw) {
  test::ensure_application();
  QTemporaryDir dir;
  const QString png = dir.filePath("x.png");
  struct Case {
    const char* name;
    QStringList args;
  };
  const Case cases[] = {
      {"unknown view", {kExample, "side", png}},
      {"too few arguments", {kExample, "key"}},
      {"bad size", {kExample, "key", png, "12x"}},
      {"missing file", {dir.filePath("fehlt.vxk"), "key", png}},
      {"unwritable picture", {kExample, "key", dir.filePath("no/such/folder/x.png")}},
  };
  for (const Case& c : cases) {
    const RenderRun r = render(c.args, dir.path());
    EXPECT_EQ(r.code, 1) << c.name;
    EXPECT_FALSE(r.err.isEmpty()) << c.name;
  }
  EXPECT_FALSE(QFileInfo::exists(png));
}

}  // namespace
}  // namespace vx11
