// The documentation dialogs in the window: drawing names, title block with the drawing texts,
// change entry and linked documents. Forms cross in code page 850 and are shown converted.
#pragma once

#include <QString>

#include "docu/documentation_dialogs.h"
#include "base/format_settings.h"
#include "base/interaction.h"
#include "ui/dialog_help.h"

class QWidget;

namespace vx11 {

class QtDocumentationDialogs : public DocumentationDialogs {
 public:
  // `title` is the program title (the drawing-name dialog's caption); `ui` serves the browse buttons.
  QtDocumentationDialogs(const FormatSettings& format, const std::string& title, Interaction& ui,
                         const DialogHelp& help, int input_window_scale, QWidget* parent = nullptr);

  bool change_entry(int number, ChangeEntry& entry) override;
  bool title_block(TitleBlockForm& form) override;
  bool drawing_names(DrawingNamesForm& form) override;
  bool linked_documents(std::array<LinkedDocument, limits::kDocuments>& docs) override;

  void set_parent(QWidget* parent) { parent_ = parent; }

 private:
  QString shown(const std::string& cp850) const;
  QString today() const;

  const FormatSettings& format_;
  std::string title_;
  Interaction& ui_;
  DialogHelp help_;
  int scale_;
  QWidget* parent_;
};

}  // namespace vx11
