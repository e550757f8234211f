// HP-GL pictures from any bytes: every call the viewer makes carries finite values, a radius is never
// negative, the same bytes draw the same picture, and a drawing cancelled part way is the start of
// the whole one.
#include <cmath>
#include <sstream>

#include "fuzz/fuzz_check.h"
#include "help/hpgl_reader.h"

using namespace vx11;

namespace {

// Writes every call as a line; sets `cancelled` after `stop_after` calls (0: never), as the
// window does when the person closes it.
class RecordingSink : public HpglSink {
 public:
  RecordingSink(bool& cancelled, int stop_after) : cancelled_(cancelled), stop_after_(stop_after) {}
  void clear() override { call("clear", {}); }
  void moveTo(Real x, Real y) override { call("move", {x, y}); }
  void lineTo(Real x, Real y) override { call("line", {x, y}); }
  void selectPen(int pen, int colour) override { call("pen", {Real(pen), Real(colour)}); }
  void circle(Real cx, Real cy, Real r) override {
    fuzz::require(r >= 0, "a circle's radius is not negative");
    call("circle", {cx, cy, r});
  }
  void arc(Real cx, Real cy, Real r, Real start, Real sweep) override {
    fuzz::require(r >= 0, "an arc's radius is not negative");
    call("arc", {cx, cy, r, start, sweep});
  }
  void text(Real x, Real y, std::string_view text, Real width, Real height, Real angle) override {
    call("text", {x, y, width, height, angle});
    log_ << text << '\n';
  }
  std::string log() const { return log_.str(); }
  int calls() const { return calls_; }

 private:
  void call(const char* what, std::initializer_list<Real> values) {
    log_ << what;
    for (const Real v : values) {
      fuzz::require(std::isfinite(v), "values drawn are finite");
      log_ << ' ' << static_cast<double>(v);
    }
    log_ << '\n';
    if (++calls_ == stop_after_) cancelled_ = true;
  }
  bool& cancelled_;
  int stop_after_;
  int calls_ = 0;
  std::ostringstream log_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string plot = fuzz::bytes(data, size);
  bool cancelled = false;
  RecordingSink first(cancelled, 0);
  readHpgl(plot, first, cancelled);
  bool again_cancelled = false;
  RecordingSink again(again_cancelled, 0);
  readHpgl(plot, again, again_cancelled);
  fuzz::require(again.log() == first.log(), "the same bytes draw the same picture");
  if (first.calls() > 1) {
    bool stop = false;
    const int stop_after = 1 + static_cast<int>(size % static_cast<std::size_t>(first.calls()));
    RecordingSink cut(stop, stop_after);
    readHpgl(plot, cut, stop);
    fuzz::require(cut.calls() >= stop_after && first.log().starts_with(cut.log()),
                  "a cancelled drawing is the start of the whole one");
  }
  return 0;
}
