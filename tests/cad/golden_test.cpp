// The exact text of small DXF, listing and IGES files made of one element of every kind.
#include "tests/cad/cad_fixture.h"

namespace vx11::test {
namespace {

TEST(CadGolden, SampleDrawingAsDxf) {
  CadWorld w(scratchFolder("golden_dxf"));
  const std::string text = w.render(kOutDxf, drawSample, "sample.dxf");
  write_file(exchangeFolder() / "sample.dxf", text);
  expectGolden("sample.dxf", text);
  EXPECT_FALSE(w.cancelled);
}

TEST(CadGolden, SampleDrawingAsListing) {
  CadWorld w(scratchFolder("golden_txt"));
  const std::string text = w.render(kOutListing, drawSample, "sample.txt");
  expectGolden("sample.txt", text);
}

TEST(CadGolden, SampleDrawingAsIges) {
  CadWorld w(scratchFolder("golden_igs"));
  const std::string text = w.render(kOutIges, drawSample, "sample.igs");
  write_file(exchangeFolder() / "sample.igs", text);
  expectGolden("sample.igs", text);
  EXPECT_EQ(w.messages.count(), 0);
}

TEST(CadGolden, DimensionsAsDxf) {
  CadWorld w(scratchFolder("golden_dim"));
  const std::string text = w.render(kOutDxf, drawDimensions, "dimensions.dxf");
  write_file(exchangeFolder() / "dimensions.dxf", text);
  expectGolden("dimensions.dxf", text);
}

TEST(CadGolden, SampleDrawingOnScreen) {
  CadWorld w(scratchFolder("golden_screen"));
  w.out.project_file = "probe.vxk";
  w.out.OpenOutput(kOutScreen);
  drawSample(w.out);
  w.out.CloseOutput();
  EXPECT_FALSE(w.cancelled);
  expectGolden("sample_screen.txt", w.displayList());
}

}  // namespace
}  // namespace vx11::test
