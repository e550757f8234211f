#include "ui/tconfig.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QFileDialog>
#include <QFontDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>

#include "base/paths.h"
#include "project/program_state.h"
#include "base/format.h"
#include "base/text.h"
#include "ui/form_confzeichnr.h"
#include "ui/dialog_widgets.h"
#include "ui/generic_dialogs.h"
#include "ui/input_dialog.h"
#include "ui/screen_fit.h"

namespace vx11 {

namespace {

QPushButton* small_button(const QString& caption, QWidget* parent) {
  auto* b = side_button(caption, QString(), parent);
  b->setFixedWidth(b->fontMetrics().horizontalAdvance(caption) + 24);
  return b;
}

QString number_text(const FormatSettings& s, Real x) { return QString::fromStdString(trimBlanks(fmtSig(s, x))); }

constexpr Real kDegree = std::numbers::pi_v<Real> / 180;

// Defaults of the five named CAD layers, restored by their "<" buttons.
const Configuration kDefaults{};

}  // namespace

QColor colour_of(int value) { return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF); }
int colour_value(const QColor& c) { return c.red() | (c.green() << 8) | (c.blue() << 16); }

ConfigPickers qt_config_pickers(ProgramState& state, QWidget* parent) {
  ConfigPickers p;
  p.plot_line = [&state, parent](std::string& line) {
    QtPlotDialog dialog(state.format, state.config.temp_folder, state.ui, parent);
    const auto edited = dialog.edit(line);
    if (edited) line = *edited;
    return edited.has_value();
  };
  p.folder = [parent](const QString& current) -> std::optional<QString> {
    const QString f = QFileDialog::getExistingDirectory(parent, QString(), current);
    if (f.isEmpty()) return std::nullopt;
    return f;
  };
  p.font = [parent](const QFont& current) -> std::optional<QFont> {
    bool ok = false;
    const QFont f = QFontDialog::getFont(&ok, current, parent);
    if (!ok) return std::nullopt;
    return f;
  };
  p.colour = [parent](const QColor& current) -> std::optional<QColor> {
    const QColor c = QColorDialog::getColor(current, parent);
    if (!c.isValid()) return std::nullopt;
    return c;
  };
  return p;
}

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

QWidget* Tconfig::two_columns(QFormLayout*& left, QFormLayout*& right) {
  auto* page = new QWidget(this);
  auto* columns = new QHBoxLayout(page);
  left = new QFormLayout;
  right = new QFormLayout;
  columns->addLayout(left);
  columns->addLayout(right);
  return page;
}

QString Tconfig::shown(const std::string& cp850) const {
  return QString::fromStdString(toWindows(state_.format, cp850));
}
std::string Tconfig::typed(const QString& text) const { return toCodePage850(text.toStdString()); }

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

// ---- binding helpers ----

QPushButton* Tconfig::proposal_button(QLineEdit* edit, std::function<QString()> text) {
  auto* b = small_button(QStringLiteral("<"), this);
  b->setObjectName(QStringLiteral("Button_default_") + edit->objectName());
  connect(b, &QPushButton::clicked, this, [edit, text = std::move(text)] { edit->setText(text()); });
  return b;
}

QWidget* Tconfig::with_beside(QWidget* main, std::initializer_list<QWidget*> beside) {
  auto* box = new QWidget(this);
  auto* row = new QHBoxLayout(box);
  row->setContentsMargins(0, 0, 0, 0);
  // A narrow number edit keeps its buttons beside it; a wide text edit takes the room.
  const bool narrow = main->maximumWidth() < QWIDGETSIZE_MAX;
  row->addWidget(main, narrow ? 0 : 1);
  for (QWidget* w : beside) row->addWidget(w);
  if (narrow) row->addStretch();
  return box;
}

QLineEdit* Tconfig::text_row(QFormLayout* form, const QString& label, const char* name, std::string& field,
                             QWidget* beside, std::function<QString()> proposal, bool is_name) {
  auto* e = new QLineEdit(this);
  e->setObjectName(name);
  e->setMinimumWidth(e->fontMetrics().averageCharWidth() * 30);
  std::string* f = &field;
  if (is_name) {
    fills_.push_back([e, f] { e->setText(QString::fromStdString(*f)); });
    stores_.push_back([e, f] { *f = e->text().toStdString(); });
  } else {
    fills_.push_back([this, e, f] { e->setText(shown(*f)); });
    stores_.push_back([this, e, f] { *f = typed(e->text()); });
  }
  QWidget* p = proposal ? proposal_button(e, std::move(proposal)) : nullptr;
  if (p && beside) form->addRow(label, with_beside(e, {p, beside}));
  else if (p || beside) form->addRow(label, with_beside(e, {p ? p : beside}));
  else form->addRow(label, e);
  return e;
}

QLineEdit* Tconfig::folder_row(QFormLayout* form, const QString& label, const char* name, std::string& field,
                               std::function<QString()> proposal) {
  auto* browse = small_button(QStringLiteral("..."), this);
  browse->setObjectName(QStringLiteral("Button_browse_") + name);
  auto* e = text_row(form, label, name, field, browse, std::move(proposal), true);
  connect(browse, &QPushButton::clicked, this, [this, e] {
    if (!pickers_.folder) return;
    if (auto f = pickers_.folder(e->text())) e->setText(*f);
  });
  return e;
}

QLineEdit* Tconfig::real_row(QFormLayout* form, const QString& label, const char* name, Real& field,
                             std::optional<QString> proposal, Real factor) {
  auto* e = new QLineEdit(this);
  e->setObjectName(name);
  e->setMaximumWidth(e->fontMetrics().averageCharWidth() * 14);
  Real* f = &field;
  numbers_.push_back({e, [f] { return *f; }, [f](Real v) { *f = v; },
                      [this, factor](Real v) {
                        // Converted values are shown without the last bits of the conversion.
                        const Real x = factor == 1 ? v : std::round(v / factor * 1e9L) / 1e9L;
                        return number_text(state_.format, x);
                      },
                      [factor](Real v) { return v * factor; }, {}, 0});
  QWidget* w = e;
  if (proposal) {
    const QString p = *proposal;
    w = with_beside(e, {proposal_button(e, [p] { return p; })});
  }
  form->addRow(label, w);
  return e;
}

QLineEdit* Tconfig::int_row(QFormLayout* form, const QString& label, const char* name, int& field,
                            std::function<QString()> proposal, int shown_offset) {
  int* f = &field;
  auto* e = new QLineEdit(this);
  e->setObjectName(name);
  e->setMaximumWidth(e->fontMetrics().averageCharWidth() * 14);
  numbers_.push_back({e, [f] { return static_cast<Real>(*f); }, [f](Real v) { *f = static_cast<int>(std::lround(v)); },
                      [shown_offset](Real v) { return QString::number(static_cast<long long>(v) + shown_offset); },
                      [shown_offset](Real v) { return v - shown_offset; }, {}, 0});
  form->addRow(label, proposal ? with_beside(e, {proposal_button(e, std::move(proposal))}) : e);
  return e;
}

QComboBox* Tconfig::choice_row(QFormLayout* form, const QString& label, const char* name, const QStringList& items,
                               int& field, int first_value) {
  auto* c = new QComboBox(this);
  c->setObjectName(name);
  c->addItems(items);
  int* f = &field;
  fills_.push_back([c, f, first_value] {
    const int i = *f - first_value;
    c->setCurrentIndex(i >= 0 && i < c->count() ? i : 0);
  });
  stores_.push_back([c, f, first_value] { *f = c->currentIndex() + first_value; });
  form->addRow(label, c);
  return c;
}

QComboBox* Tconfig::choice_row(QFormLayout* form, const QString& label, const char* name, const QStringList& items,
                               bool& field) {
  auto* c = new QComboBox(this);
  c->setObjectName(name);
  c->addItems(items);
  bool* f = &field;
  fills_.push_back([c, f] { c->setCurrentIndex(*f ? 0 : 1); });
  stores_.push_back([c, f] { *f = c->currentIndex() == 0; });
  form->addRow(label, c);
  return c;
}

QCheckBox* Tconfig::check(QFormLayout* form, const QString& label, const char* name, bool& field, bool inverted) {
  auto* c = new QCheckBox(label, this);
  c->setObjectName(name);
  bool* f = &field;
  fills_.push_back([c, f, inverted] { c->setChecked(*f != inverted); });
  stores_.push_back([c, f, inverted] { *f = c->isChecked() != inverted; });
  form->addRow(c);
  return c;
}

// ---- pages ----

QWidget* Tconfig::directories_page() {
  auto* page = new QWidget(this);
  auto* form = new QFormLayout(page);
  Configuration& c = work_;
  folder_row(form, QStringLiteral("Ordner für Datenbankdateien (dbf)"), "Edit_dbf", c.dbf_folder);
  folder_row(form, QStringLiteral("PLT Ordner"), "Edit_plt", c.plt_folder);
  folder_row(form, QStringLiteral("Temporärer Ordner"), "Edit_temp", c.temp_folder, [this] {
    const char* t = std::getenv("TEMP");
    return t && *t ? QString::fromLocal8Bit(t) : findChild<QLineEdit*>("Edit_temp")->text();
  });
  folder_row(form, QStringLiteral("Default Data Directory"), "Edit_defaultdata", c.default_data_directory);
  folder_row(form, QStringLiteral("CAD Ordner"), "Edit_cad", c.cad_folder);
  folder_row(form, QStringLiteral("KORVANT-Programm-Ordner"), "Edit_korvant", c.korvant_folder);
  folder_row(form, QStringLiteral("EDI Ordner"), "Edit_edi", c.edi_folder);
  auto* working = new QLineEdit(QString::fromStdString(current_folder()), this);
  working->setObjectName("Edit_workdir");
  working->setReadOnly(true);
  auto* why = small_button(QStringLiteral("?"), this);
  why->setObjectName("Button_workdirhelp");
  why->setEnabled(static_cast<bool>(help_.text));
  connect(why, &QPushButton::clicked, this, [this] {
    const int previous = state_.help_number;
    state_.help_number = kHelpWorkingFolder;
    if (help_.text) help_.text();
    state_.help_number = previous;
  });
  form->addRow(QStringLiteral("Arbeitsordner"), with_beside(working, {why}));
  const char* user = std::getenv("USERNAME");
  if (!user || !*user) user = std::getenv("USER");
  auto* who = new QLabel(QStringLiteral("User: ") + QString::fromLocal8Bit(user ? user : ""), this);
  who->setObjectName("Label_user");
  form->addRow(who);
  return page;
}

QWidget* Tconfig::graphics_page() {
  QFormLayout *left, *right;
  auto* page = two_columns(left, right);
  Configuration& c = work_;
  choice_row(left, QStringLiteral("Bildschirmgrafik"), "RadioGroup_farbe", {QStringLiteral("color"), QStringLiteral("monochrom")},
             c.colour_graphics);
  int_row(left, QStringLiteral("Auflösung horizontal"), "Edit_resx", work_.resolution_horizontal,
          [this] { return QString::number(screen_.width - 9 + 1); }, 1);
  int_row(left, QStringLiteral("Auflösung vertikal"), "Edit_resy", work_.resolution_vertical,
          [this] { return QString::number(screen_.height - 91 + 1); }, 1);
  auto* font = small_button(QStringLiteral("Font..."), this);
  font->setObjectName("Button_graphicsfont");
  auto* font_edit = text_row(left, QStringLiteral("Textstil Grafik"), "Edit_graphicsfont", c.graphics_text_style, font);
  connect(font, &QPushButton::clicked, this, [this, font_edit] {
    if (!pickers_.font) return;
    if (auto f = pickers_.font(QFont(font_edit->text()))) font_edit->setText(f->family());
  });
  real_row(left, QStringLiteral("Textbreitenfaktor"), "Edit_textwidth", c.graphics_text_width_factor, QStringLiteral("0.8"));
  real_row(left, QStringLiteral("Texthöhenfaktor"), "Edit_textheight", c.text_height_factor, QStringLiteral("1"));
  colour_sample_ = new QLabel(this);
  colour_sample_->setObjectName("Shape_background");
  colour_sample_->setFixedSize(40, 20);
  colour_sample_->setFrameShape(QFrame::Box);
  auto* colour = small_button(QStringLiteral("Hintergrundfarbe..."), this);
  colour->setObjectName("Button_background");
  fills_.push_back([this] {
    colour_sample_->setStyleSheet(QStringLiteral("background-color: %1").arg(colour_of(work_.background_colour).name()));
  });
  connect(colour, &QPushButton::clicked, this, [this] {
    if (!pickers_.colour) return;
    if (auto col = pickers_.colour(colour_of(work_.background_colour))) {
      work_.background_colour = colour_value(*col);
      colour_sample_->setStyleSheet(QStringLiteral("background-color: %1").arg(col->name()));
    }
  });
  left->addRow(colour, colour_sample_);
  real_row(right, QStringLiteral("Zoom-Faktor"), "Edit_zoom", c.zoom_factor, QStringLiteral("1.02"));
  real_row(right, QStringLiteral("Pan-Faktor"), "Edit_pan", c.pan_factor, QStringLiteral("0.02"));
  check(right, QStringLiteral("Umrandung"), "CheckBox_umrandung", c.screendump_border);
  int_row(right, QStringLiteral("Dialogfenster Größe %"), "Edit_dialogscale", work_.input_window_scale,
          [this] { return QString::number(proposed_input_window_scale(screen_)); });
  int_row(right, QStringLiteral("Dialogelemente Größe %"), "Edit_elementscale",
          work_.dialog_element_scale,
          [this] { return QString::number(std::lround(screen_.dpi_y * 100.0 / 96)); });
  check(right, QStringLiteral("3D Edit x,y,z"), "CheckBox_3d", c.edit_3d);
  const char* names[] = {"Edit_3dx", "Edit_3dy", "Edit_3dz"};
  const char* labels[] = {"x", "y", "z"};
  for (std::size_t i = 0; i < 3; ++i)
    real_row(right, QString::fromLatin1(labels[i]) + QStringLiteral(" (Grad)"), names[i], c.default_3d[i], std::nullopt,
             kDegree);
  return page;
}

QWidget* Tconfig::cad_page() {
  auto* page = new QWidget(this);
  auto* outer = new QVBoxLayout(page);
  layers_ = new QTableWidget(5, 4, this);
  layers_->setObjectName("StringGrid_layer");
  layers_->setHorizontalHeaderLabels({QStringLiteral("Name"), QStringLiteral("Farbe"), QStringLiteral("Strichstärke"), {}});
  for (int r = 0; r < 5; ++r) {
    layers_->setVerticalHeaderItem(r, new QTableWidgetItem(QStringLiteral("Layer %1").arg(r + 1)));
    auto* b = small_button(QStringLiteral("<"), this);
    b->setObjectName(QStringLiteral("Button_layer%1").arg(r + 1));
    connect(b, &QPushButton::clicked, this, [this, r] {
      const auto i = static_cast<std::size_t>(r);
      layers_->item(r, 0)->setText(QString::fromStdString(kDefaults.layer_name[i]));
      layers_->item(r, 1)->setText(QString::number(kDefaults.layer_colour[i]));
      layers_->item(r, 2)->setText(QString::number(kDefaults.line_thickness[i + 1]));
    });
    layers_->setCellWidget(r, 3, b);
  }
  layers_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  layers_->setMinimumHeight(layers_->verticalHeader()->defaultSectionSize() * 6 + 4);
  fills_.push_back([this] {
    for (int r = 0; r < 5; ++r) {
      const auto i = static_cast<std::size_t>(r);
      layers_->setItem(r, 0, new QTableWidgetItem(shown(work_.layer_name[i])));
      layers_->setItem(r, 1, new QTableWidgetItem(QString::number(work_.layer_colour[i])));
      layers_->setItem(r, 2, new QTableWidgetItem(QString::number(work_.line_thickness[i + 1])));
    }
  });
  stores_.push_back([this] {
    for (int r = 0; r < 5; ++r) {
      const auto i = static_cast<std::size_t>(r);
      work_.layer_name[i] = typed(layers_->item(r, 0)->text());
      work_.layer_colour[i] = static_cast<int>(parseInt(layers_->item(r, 1)->text().trimmed().toStdString()));
      work_.line_thickness[i + 1] = static_cast<int>(parseInt(layers_->item(r, 2)->text().trimmed().toStdString()));
    }
  });
  outer->addWidget(layers_);
  auto* form = new QFormLayout;
  outer->addLayout(form);
  Configuration& c = work_;
  check(form, QStringLiteral("Layer Monochrom ?"), "CheckBox_layermono", c.layer_monochrome);
  text_row(form, QStringLiteral("Textstil CAD"), "Edit_cadfont", c.cad_text_style);
  real_row(form, QStringLiteral("Textbreitenfaktor CAD"), "Edit_cadtextwidth", c.cad_text_width_factor, QStringLiteral("1"));
  real_row(form, QStringLiteral("Textwinkel"), "Edit_cadtextangle", c.cad_text_angle, QStringLiteral("0"));
  int_row(form, QStringLiteral("Decimals DXF,TXT"), "Edit_dxfdecimals", work_.dxf_decimals,
          [] { return QStringLiteral("6"); });
  choice_row(form, QStringLiteral("Text Type"), "RadioGroup_texttype",
             {QStringLiteral("OEM (ASCII)"), QStringLiteral("ANSI"), QString::fromUtf8("Ä->Ae, ß->ss...")},
             work_.cad_text_mode, 1);
  check(form, QStringLiteral("Diagrammgrenzen abfragen"), "CheckBox_diagram", c.enter_diagram_limits);
  return page;
}

QWidget* Tconfig::colour_page() {
  auto* page = new QWidget(this);
  auto* outer = new QVBoxLayout(page);
  colours_ = new QTableWidget(16, 2, this);
  colours_->setObjectName("StringGrid_colour");
  colours_->setHorizontalHeaderLabels({QStringLiteral("Color Layer"), QStringLiteral("Strichstärke")});
  for (int r = 0; r < 16; ++r) colours_->setVerticalHeaderItem(r, new QTableWidgetItem(QString::number(r + 16)));
  colours_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  fills_.push_back([this] {
    for (int r = 0; r < 16; ++r) {
      const auto i = static_cast<std::size_t>(r);
      colours_->setItem(r, 0, new QTableWidgetItem(QString::number(work_.colour_layer[i])));
      colours_->setItem(r, 1, new QTableWidgetItem(QString::number(work_.line_thickness_16[i])));
    }
  });
  stores_.push_back([this] {
    for (int r = 0; r < 16; ++r) {
      const auto i = static_cast<std::size_t>(r);
      work_.colour_layer[i] = static_cast<int>(parseInt(colours_->item(r, 0)->text().trimmed().toStdString()));
      work_.line_thickness_16[i] = static_cast<int>(parseInt(colours_->item(r, 1)->text().trimmed().toStdString()));
    }
  });
  outer->addWidget(colours_);
  auto* row = new QHBoxLayout;
  for (int t = 1; t <= 3; ++t) {
    auto* b = new QPushButton(QStringLiteral("Strichstärke %1").arg(t), this);
    b->setObjectName(QStringLiteral("Button_thickness%1").arg(t));
    b->setAutoDefault(false);
    connect(b, &QPushButton::clicked, this, [this, t] {
      for (int r = 0; r < 16; ++r) colours_->item(r, 1)->setText(QString::number(t));
    });
    row->addWidget(b);
  }
  outer->addLayout(row);
  return page;
}

QWidget* Tconfig::printer_page() {
  auto* page = new QWidget(this);
  auto* form = new QFormLayout(page);
  Configuration& c = work_;
  int_row(form, QStringLiteral("Ursprung x"), "Edit_originx", work_.screendump_origin_x,
          [] { return QStringLiteral("0"); });
  int_row(form, QStringLiteral("Ursprung y"), "Edit_originy", work_.screendump_origin_y,
          [] { return QStringLiteral("0"); });
  auto* scale_x = real_row(form, QStringLiteral("Maßstab x"), "Edit_scalex", c.screendump_scale, QStringLiteral("1.0"));
  auto* scale_y = new QLineEdit(this);
  scale_y->setObjectName("Edit_scaley");
  scale_y->setMaximumWidth(scale_x->maximumWidth());
  Real* f = &c.print_scale_vertical;
  numbers_.push_back({scale_y, [f] { return *f; }, [f](Real v) { *f = v; },
                      [this](Real v) { return number_text(state_.format, v); }, [](Real v) { return v; }, {}, 0});
  form->addRow(QStringLiteral("Maßstab y"), with_beside(scale_y, {proposal_button(scale_y, [scale_x] { return scale_x->text(); })}));
  choice_row(form, QStringLiteral("Schattierung"), "RadioGroup_shade", {QStringLiteral("monochrom"), QStringLiteral("color")},
             work_.windows_print_mode, 1);
  choice_row(form, QStringLiteral("Ausdruck"), "RadioGroup_orientation", {QStringLiteral("portrait"), QStringLiteral("landscape")},
             work_.printer_orientation, 1);
  choice_row(form, QStringLiteral("Schnittstelle"), "RadioGroup_port",
             {QStringLiteral("LPT1"), QStringLiteral("LPT2"), QStringLiteral("LPT3"), QStringLiteral("LPT4")},
             work_.printer_port, 1);
  check(form, QStringLiteral("Graphic Printout Dialog Box ?"), "CheckBox_printdialog", c.graphic_printout_dialog);
  return page;
}

QWidget* Tconfig::text_page() {
  QFormLayout *left, *right;
  auto* page = two_columns(left, right);
  Configuration& c = work_;
  choice_row(left, QStringLiteral("Trennzeichen"), "RadioGroup_separator",
             {QStringLiteral("***"), QStringLiteral("---"), QStringLiteral("blanks"), QStringLiteral("compressed")},
             work_.text_print_mode, 1);
  choice_row(left, QStringLiteral("Datum"), "RadioGroup_date",
             {QStringLiteral("DD.MM.YYYY"), QStringLiteral("MM/DD/YYYY"), QStringLiteral("YYYY/MM/DD"), QStringLiteral("DD/MM/YYY")},
             work_.date_code, 1);
  int_row(left, QStringLiteral("Textausgabe"), "Edit_textdevice", work_.text_device);
  check(left, QStringLiteral("Text Device Window ?"), "CheckBox_textdevice", c.text_device_window);
  int_row(left, QStringLiteral("Zeilen pro Seite"), "Edit_lines", work_.lines_per_page);
  int_row(left, QStringLiteral("Leerzeilen am Seitenanfang"), "Edit_spacelines", work_.header_space_lines);
  choice_row(left, QStringLiteral("Kopf"), "RadioGroup_header",
             {QStringLiteral("Ausdruck mit Kopf"), QStringLiteral("Nur 1.Seite mit Kopf")},
             work_.header_mode, 1);
  choice_row(left, QStringLiteral("Winkel"), "RadioGroup_angle",
             {QString::fromUtf8("15.1234°"), QString::fromUtf8("15° 7' 26\"")}, work_.angle_format, 1);
  auto* left_edit = int_row(right, QStringLiteral("Textfenster links"), "Edit_winleft", work_.text_window.left);
  auto* top_edit = int_row(right, QStringLiteral("oben"), "Edit_wintop", work_.text_window.top);
  auto* width_edit = int_row(right, QStringLiteral("Breite"), "Edit_winwidth", work_.text_window.width);
  auto* height_edit =
      int_row(right, QStringLiteral("Höhe"), "Edit_winheight", work_.text_window.height);
  auto* place = small_button(QStringLiteral("<"), this);
  place->setObjectName("Button_textwindow");
  connect(place, &QPushButton::clicked, this, [this, left_edit, top_edit, width_edit, height_edit] {
    left_edit->setText(QStringLiteral("10"));
    top_edit->setText(QStringLiteral("40"));
    width_edit->setText(QString::number(screen_.width - 20));
    height_edit->setText(QString::number(screen_.height - 80));
  });
  right->addRow(QString(), place);
  auto* font = small_button(QStringLiteral("Font.."), this);
  font->setObjectName("Button_printfont");
  auto* font_label = new QLabel(this);
  font_label->setObjectName("Label_printfont");
  fills_.push_back([this, font_label] {
    font_label->setText(shown(work_.printout_font) + QStringLiteral(", %1").arg(work_.printout_size));
  });
  connect(font, &QPushButton::clicked, this, [this, font_label] {
    if (!pickers_.font) return;
    QFont current(shown(work_.printout_font), work_.printout_size);
    current.setBold(work_.printout_style & 1);
    current.setItalic(work_.printout_style & 2);
    if (auto f = pickers_.font(current)) {
      work_.printout_font = typed(f->family());
      work_.printout_size = f->pointSize() > 0 ? f->pointSize() : work_.printout_size;
      work_.printout_style = (f->bold() ? 1 : 0) | (f->italic() ? 2 : 0);
      font_label->setText(f->family() + QStringLiteral(", %1").arg(work_.printout_size));
    }
  });
  right->addRow(font, font_label);
  return page;
}

QWidget* Tconfig::settings_page() {
  auto* page = new QWidget(this);
  auto* form = new QFormLayout(page);
  Configuration& c = work_;
  choice_row(form, QStringLiteral("Dezimalzeichen"), "RadioGroup_decimal", {QStringLiteral("x.xx"), QStringLiteral("x,xx")},
             work_.decimal_separator, 1);
  int_row(form, QStringLiteral("Anzahl der Dezimalstellen"), "Edit_decimals", work_.decimals);
  choice_row(form, QStringLiteral("Hilfegrad"), "RadioGroup_helplevel",
             {QStringLiteral("0 : Keine Info nach Eingabe"), QStringLiteral("1 : Normale Einstellung"),
              QStringLiteral("2 : Erweiterte Hilfe, Einzeleingabe")},
             work_.help_level, 0);
  check(form, QStringLiteral("Usereingabe"), "CheckBox_password", c.enter_password);
  check(form, QStringLiteral("Archivierungsmodus ?"), "CheckBox_archive", c.archive_flag);
  choice_row(form, QStringLiteral("Tabellenkalkulation"), "RadioGroup_sheetdecimal",
             {QStringLiteral("English x.xx"), QStringLiteral("German x,xx")},
             work_.tab_file_separator, 1);
  choice_row(form, QStringLiteral("Sonderzeichen"), "RadioGroup_ascii", {QString::fromUtf8("²  µ  °"), QStringLiteral("2 u  deg")},
             work_.ascii_mode, 0);
  choice_row(form, QStringLiteral("Einheit"), "RadioGroup_units", {QStringLiteral("Metric"), QStringLiteral("English")},
             work_.unit_system, 0);
  choice_row(form, QStringLiteral("Ergebnisgrafik"), "RadioGroup_resultgraphic",
             {QStringLiteral("egal"), QStringLiteral("Quick 1"), QStringLiteral("Quick 2"), QStringLiteral("Fertigungszeichnung"),
              QStringLiteral("Diagramm"), QStringLiteral("Zeichnung")},
             work_.result_graphic, 0);
  return page;
}

QWidget* Tconfig::external_page() {
  auto* page = new QWidget(this);
  auto* outer = new QVBoxLayout(page);
  auto* form = new QFormLayout;
  outer->addLayout(form);
  Configuration& c = work_;
  const auto program_row = [&](const QString& label, const char* name, std::string& field) {
    auto* b = small_button(QStringLiteral("..."), this);
    b->setObjectName(QStringLiteral("Button_browse_") + name);
    auto* e = text_row(form, label, name, field, b, {}, true);
    connect(b, &QPushButton::clicked, this, [this, e] {
      if (auto f = state_.ui.open_file("Programm", "", "*|*")) e->setText(QString::fromStdString(*f));
    });
  };
  program_row(QStringLiteral("HTML Browser"), "Edit_html", c.html_browser);
  program_row(QStringLiteral("Textprogramm"), "Edit_textprogram", c.text_program);
  auto* box = new QGroupBox(QStringLiteral("ZEICHNR-Kommandozeilen"), this);
  auto* box_layout = new QVBoxLayout(box);
  plot_lines_ = new QListWidget(box);
  plot_lines_->setObjectName("ListBox_plot");
  box_layout->addWidget(plot_lines_);
  auto* row = new QHBoxLayout;
  auto* config = new QPushButton(QStringLiteral("Config"), box);
  config->setObjectName("Button_plotconfig");
  config->setAutoDefault(false);
  config->setEnabled(static_cast<bool>(pickers_.plot_line));
  auto* edit = new QPushButton(QStringLiteral("Edit"), box);
  edit->setObjectName("Button_plotedit");
  edit->setAutoDefault(false);
  row->addWidget(config);
  row->addWidget(edit);
  row->addStretch();
  box_layout->addLayout(row);
  outer->addWidget(box);
  fills_.push_back([this] { refill_plot_lines(); });
  connect(edit, &QPushButton::clicked, this, [this] { edit_plot_line(plot_lines_->currentRow()); });
  connect(plot_lines_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
    edit_plot_line(plot_lines_->row(item));
  });
  connect(config, &QPushButton::clicked, this, [this] {
    const int row = std::max(plot_lines_->currentRow(), 0);
    std::string line = work_.plot_command_lines[static_cast<std::size_t>(row)];
    if (pickers_.plot_line && pickers_.plot_line(line)) {
      work_.plot_command_lines[static_cast<std::size_t>(row)] = line;
      work_.plot_command_count = std::max(work_.plot_command_count, row + 1);
      refill_plot_lines();
      plot_lines_->setCurrentRow(row);
    }
  });
  return page;
}

void Tconfig::refill_plot_lines() {
  const int current = plot_lines_->currentRow();
  plot_lines_->clear();
  for (std::size_t i = 0; i < work_.plot_command_lines.size(); ++i)
    plot_lines_->addItem(QStringLiteral("%1: ").arg(i + 1) + QString::fromStdString(work_.plot_command_lines[i]));
  plot_lines_->setCurrentRow(current >= 0 ? current : 0);
}

void Tconfig::edit_plot_line(int row) {
  if (row < 0 || row >= kPlotCommandSlots) return;
  auto& line = work_.plot_command_lines[static_cast<std::size_t>(row)];
  // A command line of program and folder names, kept as typed.
  const auto text = ask_text(this, help_, QStringLiteral("ZEICHNR-Kommandozeile %1").arg(row + 1), 0,
                             QString::fromStdString(line));
  if (!text) return;
  line = text->toStdString();
  work_.plot_command_count = std::max(work_.plot_command_count, row + 1);
  refill_plot_lines();
  plot_lines_->setCurrentRow(row);
}

QWidget* Tconfig::drawing_page() {
  auto* page = new QWidget(this);
  auto* form = new QFormLayout(page);
  Configuration& c = work_;
  text_row(form, QStringLiteral("Freigabefeld"), "Edit_freigabe", c.title_row4_label, nullptr,
           [] { return QStringLiteral("Frei"); });
  real_row(form, QStringLiteral("Maßfaktor"), "Edit_dimfactor", c.dimension_factor, QStringLiteral("1.0"));
  choice_row(form, QStringLiteral("Index"), "RadioGroup_index",
             {QStringLiteral("a,b,c..."), QStringLiteral("1,2,3..."), QStringLiteral("A,B,C..."), QStringLiteral("......")},
             c.change_index_style, 0);
  check(form, QStringLiteral("Titel des Herstellers zeigen"), "CheckBox_maker", c.hide_maker_title, true);
  check(form, QStringLiteral("Dateiname zeigen"), "CheckBox_filename", c.hide_file_name, true);
  check(form, QStringLiteral("Datum zeigen"), "CheckBox_date", c.hide_date, true);
  check(form, QStringLiteral("Logo zeigen"), "CheckBox_logo", c.hide_logo, true);
  return page;
}

bool edit_configuration(ProgramState& state, const ScreenMetrics& screen, const DialogHelp& help,
                        ConfigPickers pickers, QWidget* parent) {
  Tconfig d(state, screen, help, std::move(pickers), parent);
  return d.exec() == QDialog::Accepted;
}

}  // namespace vx11
