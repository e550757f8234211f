#include "report/result_report_content.h"

#include "base/format.h"
#include "base/text.h"

namespace vx11 {

// Texts are code page 850: 0x84 "ä", 0x94 "ö", 0x81 "ü", 0x8E "Ä", 0xE1 "ß". A literal is split
// after an escape when the next letter could be read as a hex digit.
namespace {

std::string keySizeText(const FormatSettings& s, const ConnectionRecord& rec) {
  return "Scheibenfeder DIN 6888 - " + fmtSig(s, rec.key_row.key_width_b) + " x " +
         fmtSig(s, rec.key_row.key_height_h);
}

std::string reportTitle(const ProgramIdentity& id, std::string_view method) {
  std::string t = id.short_name + " V" + id.version + "  Scheibenfederberechnung nach DIN 6892 ";
  t += method;
  return t;
}

PageHeaderTexts headerWithTitle(std::string title, const ConnectionRecord& rec,
                                const std::array<std::string, 3>& info_text) {
  PageHeaderTexts h;
  h.title = std::move(title);
  h.lines = {partHeaderLine(rec.inner_part_name, rec.inner_part_number),
             partHeaderLine(rec.outer_part_name, rec.outer_part_number), info_text[0], info_text[1]};
  h.total_pages = 0;
  return h;
}

std::string stress(const FormatSettings& s, Real mpa) { return fmtStress(s, 6, 0, mpa); }
std::string factor(const FormatSettings& s, Real x) { return fmtFixed(s, 3, 2, x); }

const char* const kPermissiblePressure = "Zul\x84ssige Fl\x84" "chenpressung";
const char* const kEquivalentPressure = "\x8E" "quivalente wirks.Fl\x84" "chenpressung";
const char* const kYieldStress = "Streckgrenze";
const char* const kSupportFactor = "St\x81tzfaktor";
const char* const kHardnessFactor = "H\x84rteeinflu\xE1" "faktor";

PrintBlock keyBlock(const ConnectionRecord& rec, const FormatSettings& s) {
  const KeyRow& k = rec.key_row;
  const std::string mm = unitLength(s);
  const std::string mm2 = unitArea(s);
  const auto len = [&](Real x) { return fmtLength(s, x); };
  const auto area = [&](Real x) { return fmtArea(s, x); };
  PrintBlock b;
  b.lines = {
      emptyLine(),
      headingLine(keySizeText(s, rec)),
      valueLine("Breite", "b", mm, len(k.key_width_b) + " h9"),
      valueLine("H\x94he", "h", mm, len(k.key_height_h) + " h12"),
      valueLine("H\x94he min.", "h min", mm, len(k.key_height_h + rec.h_deviation)),
      valueLine("Durchmesser", "d2", mm, len(k.key_diameter_d2)),
      valueLine("L\x84nge", "l", mm, len(rec.key_length_l)),
      valueLine("Empfohlene Wellendurchmesser", "d1", mm,
                len(k.shaft_range_min_d1) + " .. " + len(k.shaft_range_max_d1)),
      valueLine("Reihe", "A/B", "", rec.key_series == 2 ? "B" : "A"),
      valueLine("Wellennut Breite", "b1", mm, len(k.key_width_b)),
      valueLine("Wellennut Tiefe", "t1", mm, len(rec.shaft_groove_depth_t1) + " +" + len(rec.t1_tolerance)),
      valueLine("Nabennut Breite", "b2", mm, len(k.key_width_b)),
      valueLine("Nabennut Tiefe", "t2", mm, len(rec.hub_groove_depth_t2) + " +" + len(rec.t2_tolerance)),
      valueLine("Rundung Scheibenfeder allseitig", "r1", mm,
                len(k.key_rounding_r1) + " +" + len(rec.r1_tolerance)),
      valueLine("Rundung Nutgrund Welle/Nabe", "r2", mm,
                len(rec.groove_rounding_r2) + " " + len(rec.r2_tolerance)),
      valueLine("Fl\x84" "che Scheibenfeder", "A3", mm2, area(rec.area_key_a3)),
      valueLine("Tragende Fl\x84" "che Scheibenfeder", "A3min", mm2, area(rec.area_key_min_a3min)),
      valueLine("Fl\x84" "che Nabennut", "A2", mm2, area(rec.area_hub_groove_a2)),
      valueLine("Tragende Fl\x84" "che Nabennut", "A2min", mm2, area(rec.area_hub_min_a2min)),
      valueLine("Fl\x84" "che Wellennut", "A1", mm2, area(rec.area_shaft_groove_a1)),
      valueLine("Tragende Fl\x84" "che Wellennut", "A1min", mm2, area(rec.area_shaft_min_a1min)),
  };
  b.page_end = true;
  return b;
}

// Dimensions, then the shaft and hub materials and the key material on the same page.
PrintBlock dimensionsAndMaterialsBlock(const ConnectionRecord& rec, const FormatSettings& s) {
  const std::string mm = unitLength(s);
  const std::string mpa = unitStress(s);
  const std::string r2 = fmtLengthFixed(s, 4, 2, rec.groove_rounding_r2);
  const std::string r2tol = fmtLengthFixed(s, 4, 2, rec.r2_tolerance);
  const auto& m = rec.material;
  PrintBlock b;
  b.lines = {
      headingLine("ABMESSUNGEN"),
      valueLine("Wellendurchmesser", "d1", mm, "   " + fmtLength(s, rec.shaft_diameter_d)),
      valueLine("ISO Passung Welle/Nabe", "", "", " " + rec.fit_shaft + " / " + rec.fit_hub),
      pairLine("45" + unitDegree(s) + " Schr\x84gung/Rundung an der Nut", "r2", mm, r2, r2),
      pairLine("Toleranz Schr\x84gung/Rundung", "r2tol", mm, r2tol, r2tol),
      emptyLine(),
      bodyLine("WERKSTOFF WELLE/NABE"),
      doubleRule(),
  };
  // The number line only for a shaft material with a number; the hub's number alone never brings it.
  if (!trimBlanks(m[kShaft].number).empty()) {
    b.lines.push_back(pairLine("Werkstoffnummer", "", "", m[kShaft].number, m[kHub].number));
  }
  const auto addPair = [&](const char* label, const char* symbol, const std::string& unit,
                           const std::string& shaft, const std::string& hub) {
    b.lines.push_back(pairLine(label, symbol, unit, shaft, hub));
  };
  b.lines.push_back(bodyLine("Werkstoffname 1/2:         " + padLeft(m[kShaft].name, 20) + " / " +
                             padLeft(m[kHub].name, 20)));
  b.lines.push_back(singleRule());
  addPair(kYieldStress, "Re", mpa, stress(s, m[kShaft].yield_re), stress(s, m[kHub].yield_re));
  addPair(kSupportFactor, "fS", "", factor(s, rec.support_factor_fs[kShaft]), factor(s, rec.support_factor_fs[kHub]));
  addPair(kHardnessFactor, "fH", "", factor(s, rec.hardness_factor_fh[kShaft]),
        factor(s, rec.hardness_factor_fh[kHub]));
  addPair(kPermissiblePressure, "pzul", mpa, stress(s, rec.plim[kShaft]), stress(s, rec.plim[kHub]));

  const auto key_lines = {
      emptyLine(),
      headingLine("WERKSTOFF SCHEIBENFEDER"),
      valueLine("Werkstoffname", "", "", m[kKey].name),
      valueLine(kYieldStress, "Re", mpa, stress(s, m[kKey].yield_re)),
      valueLine(kSupportFactor, "fS", "", factor(s, rec.support_factor_fs[kKey])),
      valueLine(kHardnessFactor, "fH", "", factor(s, rec.hardness_factor_fh[kKey])),
      valueLine(kPermissiblePressure, "pzul", mpa, stress(s, rec.plim[kKey])),
  };
  b.lines.insert(b.lines.end(), key_lines.begin(), key_lines.end());
  b.page_end = true;
  return b;
}

PrintBlock calculationBlock(const ConnectionRecord& rec, const FormatSettings& s) {
  const std::string nm = unitTorque(s);
  const std::string n = unitForce(s);
  const std::string mpa = unitStress(s);
  PrintBlock b;
  b.lines = {
      headingLine("BERECHNUNG NACH DIN 6892 Methode B (Ausgabe 11/98)"),
      valueLine("Nenndrehmoment", "Tnenn", nm, fmtTorque(s, rec.nominal_torque_tn)),
      valueLine("Maximales Drehmoment", "Tmax", nm, fmtTorque(s, rec.max_torque_tmax)),
      valueLine("Anwendungsfaktor", "KA", "", fmtFixed(s, 2, 2, rec.application_factor_ka)),
      valueLine("Lastrichtungswechselfaktor", "fW", "", fmtFixed(s, 2, 2, rec.load_reversal_factor_fw)),
      valueLine("\x8E" "quivalentes Drehmoment", "Teq", nm, fmtTorque(s, rec.equivalent_torque_teq)),
      valueLine("\x8E" "quivalente Umfangskraft", "Feq", n, fmtForce(s, rec.equivalent_force_feq)),
      valueLine("Maximale Umfangskraft", "Fmax", n, fmtForce(s, rec.max_force_fmax)),
      valueLine("Traganteilfaktor (\x84" "quiv.)", "K nue eq", "", factor(s, rec.bearing_factor_k_nu_eq)),
      valueLine("Traganteilfaktor (max.)", "K nue max", "", factor(s, rec.bearing_factor_k_nu_max)),
      valueLine("Lastverteilungsfaktor", "K lambda", "", factor(s, rec.load_distribution_factor_klambda)),
      valueLine("Reibschlu\xE1" "faktor", "KR", "", factor(s, rec.friction_factor_kr)),
      pairLine(kEquivalentPressure, "peq", mpa, stress(s, rec.peq[kShaft]), stress(s, rec.peq[kHub])),
      pairLine("Maximale wirks.Fl\x84" "chenpressung", "pmax", mpa, stress(s, rec.pmax[kShaft]),
               stress(s, rec.pmax[kHub])),
      pairLine("Max.Biegemoment auf die Welle", "Mbmax", nm,
               " " + fmtTorqueFixed(s, 4, 1, rec.bending_moment_mbmax), ""),
      pairLine("Spannungsformzahl Torsion", "alpha kt", "", factor(s, rec.alpha_kt), ""),
      pairLine("Spannungsformzahl Biegung", "alpha kb", "", factor(s, rec.alpha_kb), ""),
      pairLine("Max.Torsionsspannung", "taunmax", mpa, stress(s, rec.tau_max), ""),
      pairLine("Max.Biegespannung", "Sig.b.max", mpa, stress(s, rec.sigma_b_max), ""),
  };
  b.page_end = true;
  return b;
}

PrintBlock safetyBlock(const ConnectionRecord& rec, const FormatSettings& s) {
  const char* const seq = "Sicherheit   fW*pzul/peq";
  const char* const smax = "Sicherheit   fL*pzul/pmax";
  PrintBlock b;
  b.lines = {
      headingLine("LASTSPITZENFAKTOREN"),
      pairLine("Lastspitzenh\x84ufigkeitsfaktor W/N", "fL W/N", "", factor(s, rec.load_peak_factor_fl[kShaft]),
               factor(s, rec.load_peak_factor_fl[kHub])),
      valueLine("Lastspitzenh\x84ufigkeitsfaktor PF", "fL PF", "", factor(s, rec.load_peak_factor_fl[kKey])),
      emptyLine(),
      headingLine("SICHERHEIT WELLE NUT NABE"),
      pairLine(seq, "Seq", "", factor(s, rec.safety_seq[kShaft]), factor(s, rec.safety_seq[kHub])),
      pairLine(smax, "Smax", "", factor(s, rec.safety_smax[kShaft]), factor(s, rec.safety_smax[kHub])),
      emptyLine(),
      headingLine("SICHERHEIT SCHEIBENFEDER"),
      valueLine(seq, "Seq", "", factor(s, rec.safety_seq[kKey])),
      valueLine(smax, "Smax", "", factor(s, rec.safety_smax[kKey])),
  };
  b.page_end = true;
  return b;
}

}  // namespace

std::string partHeaderLine(std::string_view name, std::string_view number) {
  std::string line = padRight(name, 39) + "Nr.: ";
  line += number;
  return padRight(line, 72);
}

PageHeaderTexts resultReportHeader(const ConnectionRecord& rec, const std::array<std::string, 3>& info_text,
                                   const ProgramIdentity& id) {
  return headerWithTitle(reportTitle(id, "Meth.B"), rec, info_text);
}

PageHeaderTexts excerptHeader(const ConnectionRecord& rec, const std::array<std::string, 3>& info_text,
                              const ProgramIdentity& id) {
  return headerWithTitle(reportTitle(id, "Methode B"), rec, info_text);
}

std::vector<PrintBlock> resultReportBlocks(const ConnectionRecord& rec, const FormatSettings& s) {
  return {keyBlock(rec, s), dimensionsAndMaterialsBlock(rec, s), calculationBlock(rec, s), safetyBlock(rec, s)};
}

namespace {

// Both names are seen on a fixed-column page: each keeps to its half of the value columns
// (51 to 61 with a blank before 62, and 62 to 72).
PrintLine materialNames(const std::string& shaft, const std::string& hub) {
  PrintLine l = pairLine("Werkstoff", "", "", shaft, hub);
  l.first_width = 10;
  l.second_width = 11;
  return l;
}

}  // namespace

std::vector<PrintLine> excerptLines(const ConnectionRecord& rec, const FormatSettings& s) {
  const std::string mpa = unitStress(s);
  const std::string nm = unitTorque(s);
  const auto& m = rec.material;
  return {
      emptyLine(),
      bodyLine(keySizeText(s, rec)),
      singleRule(),
      valueLine("Wellendurchmesser", "d1", unitLength(s),
                fmtLength(s, rec.shaft_diameter_d) + " " + rec.fit_hub + "/" + rec.fit_shaft),
      materialNames(m[kShaft].name, m[kHub].name),
      pairLine(kYieldStress, "Re", mpa, stress(s, m[kShaft].yield_re), stress(s, m[kHub].yield_re)),
      pairLine(kPermissiblePressure, "pzul", mpa, stress(s, rec.plim[kShaft]), stress(s, rec.plim[kHub])),
      valueLine("Nenndrehmoment", "Tnenn", nm, "  " + fmtTorque(s, rec.nominal_torque_tn)),
      valueLine("Maximales Drehmoment", "Tmax", nm, "  " + fmtTorque(s, rec.max_torque_tmax)),
      valueLine("Anwendungsfaktor", "KA", "", factor(s, rec.application_factor_ka)),
      valueLine("Lastrichtungswechselfaktor", "fW", "", factor(s, rec.load_reversal_factor_fw)),
      pairLine(kEquivalentPressure, "peq", mpa, stress(s, rec.peq[kShaft]), stress(s, rec.peq[kHub])),
      pairLine("Sicherheit W/N  fW*pzul/peq", "", "", factor(s, rec.safety_seq[kShaft]),
               factor(s, rec.safety_seq[kHub])),
      pairLine("Sicherheit W/N  fL*pzul/pmax", "", "", factor(s, rec.safety_smax[kShaft]),
               factor(s, rec.safety_smax[kHub])),
      valueLine("Sicherheit PF  fW*pzul/peq", "", "", factor(s, rec.safety_seq[kKey])),
      valueLine("Sicherheit PF  fL*pzul/pmax", "", "", factor(s, rec.safety_smax[kKey])),
  };
}

}  // namespace vx11
