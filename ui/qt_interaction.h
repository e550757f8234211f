// The interactive steps of the core in the window: the one-question dialogs, message boxes and file
// dialogs. Texts arrive in code page 850, are shown converted and typed texts go back converted.
#pragma once

#include <QString>

#include "base/identity.h"
#include "base/format_settings.h"
#include "base/interaction.h"
#include "ui/dialog_help.h"

class QWidget;

namespace vx11 {

class QtInteraction : public Interaction {
 public:
  // The interface carries no length for text questions; this one allows room for file names.
  static constexpr int kTextLength = 255;

  QtInteraction(const FormatSettings& settings, const ProgramIdentity& identity, QWidget* parent = nullptr);

  void message(const std::string& caption, const std::string& text) override;
  // Captioned with the program title unless a caption is given; Escape answers Cancel.
  Answer ask_yes_no_cancel(const std::string& caption, const std::string& text) override;
  // The caption is the prompt of the choice dialog; preset and result are indices from 0.
  std::optional<int> choose(const std::string& caption, const std::vector<std::string>& items,
                            int preset) override;
  std::optional<std::string> ask_text(const std::string& caption, const std::string& prompt,
                                      const std::string& text) override;
  std::optional<std::string> open_file(const std::string& title, const std::string& folder,
                                       const std::string& filter) override;
  std::optional<std::string> save_file(const std::string& title, const std::string& folder,
                                       const std::string& name, const std::string& filter) override;

  // An information box whose text keeps its columns: shown in a fixed-width font.
  void columns_message(const std::string& caption, const std::string& text);

  // The yes/no question of the one-question family ("J" or "N"); nullopt for Cancel.
  std::optional<std::string> ask_yes_no(const std::string& prompt, const std::string& answer);

  void set_parent(QWidget* parent) { parent_ = parent; }
  DialogHelp help;  // filled by the help system

 private:
  QString shown(const std::string& cp850) const;
  static std::string typed(const QString& text);

  const FormatSettings& settings_;
  const ProgramIdentity& identity_;
  QWidget* parent_;
};

}  // namespace vx11
