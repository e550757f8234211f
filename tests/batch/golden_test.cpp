// Golden files through the real wvx11: every shipped example with /I, /CAD1:1..4, /CAD2:1..4 and
// /CAD5:1..4, compared byte for byte with reviewed files (date and time masked). VX11_REGENERATE=1
// rewrites them on purpose; review the difference before committing it (golden/README.md).
#include "tests/batch/batch_fixture.h"
#include "tests/support/golden.h"

namespace vx11::test {
namespace {

namespace fs = std::filesystem;

const fs::path kGolden = fs::path(VX11_TEST_DIR) / "batch" / "golden";

struct Switch {
  std::string argument;  // "/I", "/CAD1:2"
  std::string written;   // extension of the file it writes
  std::string golden;    // file name in the example's golden folder
};

std::vector<Switch> switches() {
  std::vector<Switch> list = {{"/I", "txt", "I.txt"}};
  for (const auto& [format, ext] : {std::pair{1, "dxf"}, {2, "igs"}, {5, "txt"}})
    for (int view = 1; view <= 4; ++view)
      list.push_back({"/CAD" + std::to_string(format) + ":" + std::to_string(view), ext,
                      "CAD" + std::to_string(format) + "-" + std::to_string(view) + "." + ext});
  return list;
}

class BatchGolden : public ::testing::TestWithParam<std::string> {};

TEST_P(BatchGolden, EveryOutputEqualsItsReviewedFile) {
  const std::string example = GetParam();
  const std::string stem = fs::path(example).stem().string();
  BatchFolder f("golden_" + stem);
  f.example(example);
  for (const Switch& s : switches()) {
    SCOPED_TRACE(example + " " + s.argument);
    const std::string written = stem + "." + s.written;
    // The report's header names the temporary folder: the system's own, as a user sees it.
    const Outcome r = f.run(example + " " + s.argument, "TEMP=/tmp TMPDIR=/tmp");
    ASSERT_EQ(r.exit_code, 0) << r.err;
    EXPECT_EQ(r.err, "");
    ASSERT_TRUE(f.exists(written));
    const std::string actual = masked(f.read(written));
    fs::remove(f.work / written);
    const fs::path golden = kGolden / stem / s.golden;
    test::expect_golden_file(golden, actual, golden.string());
    if (HasFatalFailure()) return;  // a missing golden file
  }
}

std::vector<std::string> shipped_examples() {
  std::vector<std::string> names;
  for (const auto& e : fs::directory_iterator(fs::path(VX11_SOURCE_DIR) / "examples"))
    if (e.path().extension() == ".vxk") names.push_back(e.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

INSTANTIATE_TEST_SUITE_P(ShippedExamples, BatchGolden, ::testing::ValuesIn(shipped_examples()),
                         [](const auto& info) { return fs::path(info.param).stem().string(); });

// The drawings the command line writes load in independent readers: ezdxf for DXF, OpenCASCADE
// (vx11_iges_check) for IGES.
class BatchReaders : public ::testing::Test {
 protected:
  // Writes views 1..4 of every example in `format` and returns the files, quoted for a shell.
  std::string write_all(BatchFolder& f, int format, const char* ext) {
    std::string files;
    for (const std::string& example : shipped_examples()) {
      f.example(example);
      const std::string stem = fs::path(example).stem().string();
      for (int view = 1; view <= 4; ++view) {
        const Outcome r = f.run(example + " /CAD" + std::to_string(format) + ":" + std::to_string(view));
        EXPECT_EQ(r.exit_code, 0) << example << " " << view << r.err;
        const std::string name = stem + "_" + std::to_string(view) + "." + ext;
        fs::rename(f.work / (stem + "." + ext), f.work / name);
        files += " '" + (f.work / name).string() + "'";
      }
    }
    return files;
  }
};

TEST_F(BatchReaders, EveryDxfLoadsInEzdxfWithoutAuditErrors) {
  BatchFolder f("readers_dxf");
  const std::string files = write_all(f, 1, "dxf");
  const Outcome r = f.script(python() + " '" VX11_TEST_DIR "/cad/check_dxf.py'" + files);
  EXPECT_EQ(r.exit_code, 0) << r.out << r.err;
  EXPECT_NE(r.out.find("beispiel_4.dxf: ok"), std::string::npos) << r.out;
}

TEST_F(BatchReaders, EveryIgesFileLoadsAndTransfersInOpenCascade) {
#ifndef VX11_IGES_CHECK
  GTEST_SKIP() << "OpenCASCADE's IGES reader is not installed (scripts/setup.sh installs it)";
#else
  BatchFolder f("readers_igs");
  const std::string files = write_all(f, 2, "igs");
  const Outcome r = f.script(std::string("'") + VX11_IGES_CHECK + "'" + files);
  EXPECT_EQ(r.exit_code, 0) << r.out << r.err;
  EXPECT_NE(r.out.find("beispiel_4.igs: ok"), std::string::npos) << r.out;
#endif
}

}  // namespace
}  // namespace vx11::test
