// Fully populated inputs for the file tests and the benchmark: every change entry, drawing text and
// document used, multi-line descriptions and umlauts in code page 850.
#pragma once

#include <string>

#include "calc/connection_record.h"
#include "docu/documentation.h"

namespace vx11::test {

struct SampleInputs {
  ConnectionRecord rec;
  Documentation doc;
};

inline SampleInputs full_inputs() {
  SampleInputs s;
  ConnectionRecord& r = s.rec;
  set_startup_defaults(r);
  set_default_materials(r);
  r.shaft_diameter_d = 20;
  r.nominal_torque_tn = 60.5L;
  r.max_torque_tmax = 181.5L;
  r.application_factor_ka = 1.25L;
  r.key_row_number = 12;
  r.key_count = 2;
  r.key_length_l = 15.7162L;
  r.load_block_unused = {0, -2};
  r.load_distribution_factor_klambda = 1.1L;
  r.fit_shaft = "k6";
  r.fit_hub = "H7";
  r.bending_moment_mbmax = 12.5L;
  r.alpha_kb = 4.5L;
  r.friction_factor_kr = 1.3L;
  r.load_reversal_factor_fw = 0.7L;
  r.load_peak_factor_fl = {1.1L, 0.9L, 0.8L};
  r.hardness_factor_fh = {1.15L, 1.0L, 1.0L};
  r.support_factor_fs = {1.2L, 1.5L, 1.0L};
  r.material[kShaft].name = "16MnCr5";
  r.material[kShaft].number = "1.7131";
  r.material[kShaft].yield_re = 635;
  r.material[kShaft].table_int_7 = 9;
  r.material[kHub].name = "EN-GJS-400-15";
  r.material[kHub].number = "0.7040";
  r.material[kHub].yield_re = 250;
  r.material[kHub].table_int_7 = 15;
  r.material[kKey].name = "E335 (St 60)";
  r.material[kKey].number = "1.0060";
  r.material[kKey].yield_re = 335;
  r.material[kKey].table_int_7 = 16;
  r.material_row_number = {16, 27, 5};
  r.inner_part_name = "Welle \x81" "berarbeitet";  // "überarbeitet"
  r.inner_part_number = "4711-0815-001";
  r.outer_part_name = "Zahnrad Au\xE1" "en";  // "Außen"
  r.outer_part_number = "4711-0815-002";

  Documentation& d = s.doc;
  d.inner_part_name2 = "Antriebsseite, gro\xE1" "e Stufe";
  d.outer_part_name2 = "Stirnrad z=41, m=2";
  d.info_text = {"Pr\x81" "fstand \x8E" "nderung 3", "Kunde: M\x81ller & S\x94hne", "intern"};
  d.title.drawn = {"02.03.2024", "M\x81ller"};
  d.title.checked = {"05.03.2024", "Schr\x94" "der"};
  d.title.standards = {"06.03.2024", "Krau\xE1"};
  d.title.fourth = {"07.03.2024", "Freigabe"};
  d.title.replaces = "4711-0815-000";
  d.title.replaced_by = "";
  for (int i = 0; i < limits::kChangeEntries; ++i) {
    ChangeEntry& e = d.changes[i];
    e.change_text = "\x8E" "nderung Nr. " + std::to_string(i + 1);
    e.date = "1" + std::to_string(i % 10) + ".04.2024";
    e.editor = "mk" + std::to_string(i);
    e.description = "Zeile eins der \x8E" "nderung " + std::to_string(i + 1) + "\r\nZeile zwei: Ma\xE1" "e gepr\x81" "ft";
    if (i % 3 == 0) e.description += "\r\n\r\nNach einer Leerzeile.";
  }
  d.change_count = limits::kChangeEntries;
  for (int i = 0; i < limits::kDrawingTexts; ++i)
    d.drawing_texts[i] = {10.5L * i, -2.25L * i, 3.5L, 90.0L * (i % 4), "Text " + std::to_string(i + 1) + " \x84\x94\x81"};
  d.drawing_text_count = limits::kDrawingTexts;
  for (int k = 0; k < limits::kDocuments; ++k)
    d.documents[k] = {k % 2 ? "libreoffice --writer" : "xdg-open", "/home/konstrukteur/Dokumente/blatt" + std::to_string(k + 1) + ".pdf"};
  return s;
}

}  // namespace vx11::test
