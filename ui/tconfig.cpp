// The frame of the configuration dialog: the tabs of its pages, OK, "&Speichern", "Abbrechen" and
// "Import..", and what they do with the working copy.
#include "ui/tconfig.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

#include "base/paths.h"
#include "project/program_state.h"
#include "ui/input_dialog.h"
#include "ui/number_check.h"
#include "ui/screen_fit.h"

namespace vx11 {

Tconfig::Tconfig(ProgramState& state, const ScreenMetrics& screen, const DialogHelp& help, ConfigPickers pickers,
                 QWidget* parent)
    : QDialog(parent), state_(state), screen_(screen), help_(help), pickers_(std::move(pickers)), work_(state.config) {
  setObjectName("Tconfig");
  setWindowTitle(QStringLiteral("Konfiguration"));
  setModal(true);
  apply_dialog_scale(this, state.config.input_window_scale);
  auto* outer = new QVBoxLayout(this);
  auto* tabs = new QTabWidget(this);
  tabs->setObjectName("PageControl");
  // Each page scrolls where the screen is too small for it; tab bar and buttons stay.
  const QSize reserve(40, fontMetrics().height() * 6);
  const auto add = [&](QWidget* page, const QString& title) {
    tabs->addTab(screen_sized_area(page, tabs, reserve), title);
  };
  add(directories_page(), QStringLiteral("Directories"));
  add(graphics_page(), QStringLiteral("Grafik"));
  add(cad_page(), QStringLiteral("CAD"));
  add(colour_page(), QStringLiteral("Farben"));
  add(printer_page(), QStringLiteral("Drucker"));
  add(text_page(), QStringLiteral("Textausdruck"));
  add(settings_page(), QStringLiteral("Einstellungen"));
  add(external_page(), QStringLiteral("Extern"));
  add(drawing_page(), QStringLiteral("Zeichnung"));
  outer->addWidget(tabs);
  auto* row = new QHBoxLayout;
  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setObjectName("Button_ok");
  ok->setDefault(true);
  auto* save = new QPushButton(QStringLiteral("&Speichern"), this);
  save->setObjectName("Button_save");
  auto* cancel = new QPushButton(QStringLiteral("Abbrechen"), this);
  cancel->setObjectName("Button_cancel");
  auto* import = new QPushButton(QStringLiteral("Import.."), this);
  import->setObjectName("Button_import");
  for (QPushButton* b : {ok, save, cancel, import}) {
    if (b != ok) b->setAutoDefault(false);
    row->addWidget(b);
  }
  row->addStretch();
  outer->addLayout(row);
  connect(ok, &QPushButton::clicked, this, [this] {
    if (!numbers_acceptable()) return;
    apply();
    accept();
  });
  connect(save, &QPushButton::clicked, this, [this] {
    if (numbers_acceptable()) this->save();
  });
  for (const BoundNumber& n : numbers_) mark_number_field(n.edit);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(import, &QPushButton::clicked, this, [this] { import_file(); });
  fill();
}

bool Tconfig::numbers_acceptable() {
  std::vector<NumberField> fields;
  for (const BoundNumber& n : numbers_) fields.push_back({n.edit, buddy_caption(n.edit), NumberRange::Any});
  return check_number_fields(fields, state_.ui);
}

void Tconfig::fill() {
  for (auto& n : numbers_) n.fill();
  for (auto& f : fills_) f();
}

void Tconfig::store() {
  for (auto& n : numbers_) n.store();
  for (auto& s : stores_) s();
}

void Tconfig::apply() {
  store();
  Configuration& c = work_;
  // The window size: the client area is one more than the stored value; 0 fills the screen.
  const auto window = [](int& v, int fill) {
    v = std::clamp(v, 0, 5000);
    if (v == 0) v = fill;
  };
  window(c.resolution_horizontal, screen_.width - 9);
  window(c.resolution_vertical, screen_.height - 91);
  for (Real* f : {&c.graphics_text_width_factor, &c.text_height_factor, &c.zoom_factor, &c.dimension_factor})
    if (*f == 0) *f = 1;
  for (int* p : {&c.input_window_scale, &c.dialog_element_scale})
    if (*p == 0) *p = 100;
  const bool resized = c.resolution_horizontal != state_.config.resolution_horizontal ||
                       c.resolution_vertical != state_.config.resolution_vertical;
  state_.config = c;
  state_.apply_configuration();
  if (resized && window_size_changed) window_size_changed(c.resolution_horizontal + 1, c.resolution_vertical + 1);
  fill();
}

void Tconfig::save() {
  apply();
  state_.rec.cancelled = !write_configuration(state_.config, state_.config_folder, state_.identity, state_.ui);
}

void Tconfig::import_file() {
  const auto path = state_.ui.open_file("Import", state_.config_folder, "*.cfg|*.cfg");
  if (!path) return;
  // A file that cannot be read has been reported; the page shows what it held before.
  import_configuration(*path, work_, screen_, current_folder(), state_.ui);
  fill();
}

bool edit_configuration(ProgramState& state, const ScreenMetrics& screen, const DialogHelp& help,
                        ConfigPickers pickers, QWidget* parent) {
  Tconfig d(state, screen, help, std::move(pickers), parent);
  return d.exec() == QDialog::Accepted;
}

}  // namespace vx11
