#include "draw/quick_view.h"

#include <algorithm>

#include "base/format.h"
#include "base/text.h"

namespace vx11 {

namespace {

constexpr Real kH = kQuickTextHeight;

// fmtFixed with one decimal and the integer width fmtSig would give.
std::string oneDecimal(const FormatSettings& f, Real x) {
  const std::string s = fmtSig(f, x);
  const auto point = s.find_first_of(".,");
  const int w = static_cast<int>(point == std::string::npos ? s.size() : point);
  return fmtFixed(f, w, 1, x);
}

std::vector<std::string> three(const FormatSettings& f, int w, int d, const std::array<Real, 3>& v) {
  return {fmtFixed(f, w, d, v[0]), fmtFixed(f, w, d, v[1]), fmtFixed(f, w, d, v[2])};
}

std::string padded12(std::string_view s) { return padRight(leftPart(s, 12), 12); }

}  // namespace

Real QuickBlock::width() const {
  Real w = 0;
  for (std::size_t i = 0; i < widths.size(); ++i) w += columnWidth(i);
  return w;
}

std::vector<QuickBlock> quickViewBlocks(const ConnectionRecord& rec, const MessageList& messages,
                                        const FormatSettings& f) {
  const std::vector<std::string> parts = {"Welle", "Nabe", "Scheibenfeder"};
  std::vector<QuickBlock> blocks;

  QuickBlock size{5, 115, {25, 10}, "Scheibenfeder DIN 6888 - " + fmtSig(f, rec.key_row.key_width_b) + " x " +
                                        fmtSig(f, rec.key_row.key_height_h), {}, {}};
  size.rows.push_back({"Wellendurchmesser d1", {fmtSig(f, rec.shaft_diameter_d) + " " + rec.fit_hub + "/" + rec.fit_shaft}});
  blocks.push_back(size);

  if (messages.count() > 0) {
    QuickBlock m{86, 115, {30}, "Fehlermeldungen:", {}, {}};
    for (int i = 1; i <= messages.count(); ++i) m.rows.push_back({messages.entry(i), {}});
    blocks.push_back(m);
  }

  QuickBlock load{5, 100, {25, 10}, "Last", {}, {}};
  load.rows.push_back({"Nenndrehmoment TN", {fmtSigWidth(f, 7, rec.nominal_torque_tn)}});
  load.rows.push_back({"Maximales Drehmoment Tmax", {fmtSigWidth(f, 7, rec.max_torque_tmax)}});
  if (rec.bending_moment_mbmax != 0)
    load.rows.push_back({"Zus\x84tzl. Biegemoment Mbmax", {fmtSigWidth(f, 7, rec.bending_moment_mbmax)}});
  load.rows.push_back({"Anwendungsfaktor KA", {fmtFixed(f, 4, 2, rec.application_factor_ka)}});
  load.rows.push_back({"Lastrichtungswechselfaktor fW", {fmtFixed(f, 4, 2, rec.load_reversal_factor_fw)}});
  blocks.push_back(load);

  QuickBlock mat{5, 66, {30, 12, 12, 12}, "WERKSTOFF", parts, {}};
  QuickRow names{"Werkstoff", {}};
  const bool by_number = !trimBlanks(rec.material[kShaft].number).empty();
  for (const Material& m : rec.material) names.values.push_back(padded12(by_number ? m.number : m.name));
  mat.rows.push_back(names);
  mat.rows.push_back({"Streckgrenze Re",
                      {fmtFixed(f, 6, 0, rec.material[kShaft].yield_re), fmtFixed(f, 6, 0, rec.material[kHub].yield_re),
                       fmtFixed(f, 6, 0, rec.material[kKey].yield_re)}});
  mat.rows.push_back({"Zul\x84ssige Fl\x84" "chenpressung pzul", three(f, 6, 0, rec.plim)});
  blocks.push_back(mat);

  QuickBlock calc{5, 42, {30, 12, 12, 12}, "Berechnung", parts, {}};
  calc.rows.push_back({"\x8E" "quivalente wirks.Fl\x84" "chenpressung peq", three(f, 6, 0, rec.peq)});
  calc.rows.push_back({"Max.wirks.Fl\x84" "chenpressung pmax", three(f, 6, 0, rec.pmax)});
  calc.rows.push_back({"Min.Tragende Fl\x84" "che  A tr",
                       {fmtFixed(f, 4, 1, rec.area_shaft_min_a1min), fmtFixed(f, 4, 1, rec.area_hub_min_a2min),
                        oneDecimal(f, rec.area_key_min_a3min) + " (" +
                            oneDecimal(f, std::min(rec.area_hub_min_a2min, rec.area_shaft_min_a1min)) + ")"}});
  blocks.push_back(calc);

  QuickBlock safe{5, 18, {30, 12, 12, 12}, "Sicherheiten", parts, {}};
  safe.rows.push_back({"Sicherheit fW*pzul/peq", three(f, 3, 2, rec.safety_seq)});
  safe.rows.push_back({"Sicherheit fL*pzul/pmax", three(f, 3, 2, rec.safety_smax)});
  blocks.push_back(safe);
  return blocks;
}

void drawQuickBlock(EntitySink& out, const QuickBlock& b) {
  out.SetPen(kQuickTextPen);
  out.SetCadTextStyle(2, 0, 0.75L * kH, 0.5L * kH);
  auto cells = [&](std::size_t row, const std::string& first, const std::vector<std::string>& rest) {
    const Real y = b.top - 1.5L * kH - 2 * kH * static_cast<Real>(row);
    Real x = b.x;
    for (std::size_t i = 0; i < b.widths.size(); ++i) {
      const std::string& s = i == 0 ? first : (i - 1 < rest.size() ? rest[i - 1] : std::string());
      if (!trimBlanks(s).empty()) out.DrawText(" " + s, x, y);
      x += b.columnWidth(i);
    }
  };
  cells(0, b.title, b.heads);
  for (std::size_t r = 0; r < b.rows.size(); ++r) cells(r + 1, b.rows[r].label, b.rows[r].values);

  // A frame round the block, a rule under the title row and rules between the value columns.
  out.SetPen(kQuickLinePen);
  const Real right = b.x + b.width(), bottom = b.bottom(), head = b.top - 2 * kH;
  out.DrawRect(b.x, bottom, right, b.top);
  out.DrawLine(b.x, head, right, head);
  Real x = b.x;
  for (std::size_t i = 0; i + 1 < b.widths.size(); ++i) {
    x += b.columnWidth(i);
    out.DrawLine(x, b.heads.empty() ? head : b.top, x, bottom);
  }
}

bool openQuickOutput(DrawingContext& c, int output_code) {
  EntitySink& out = c.out;
  out.OpenOutput(output_code);
  if (c.cancelled) return false;
  out.SetPen(0);
  out.DrawingHeader(0, 0, kQuickViewWidth, kQuickViewHeight);
  out.BeginBlocks();
  out.EndBlocks();
  out.BeginEntities();
  return true;
}

void DrawQuickView(DrawingContext& c, int output_code) {
  if (c.rec.fatal_error) {
    if (c.show_messages) c.show_messages();
    return;
  }
  if (!openQuickOutput(c, output_code)) return;
  EntitySink& out = c.out;
  for (const QuickBlock& b : quickViewBlocks(c.rec, c.messages, c.format)) drawQuickBlock(out, b);
  out.CloseOutput();
}

}  // namespace vx11
