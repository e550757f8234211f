// The help-picture list dialog `TForm_hilfebild`: the pictures and edit actions of the index.
#pragma once

#include <QDialog>
#include <QPoint>

#include <optional>
#include <string>
#include <vector>

#include "help/picture_list.h"
#include "base/format_settings.h"

class QComboBox;

namespace vx11 {

class TForm_hilfebild : public QDialog {
 public:
  // Entries in code page 850; `current` is preselected.
  TForm_hilfebild(const FormatSettings& format, const QString& caption, const std::vector<std::string>& entries,
                  int current, QWidget* parent = nullptr);
  // What closed the dialog; Cancel for Escape or the window's close box.
  PictureListAnswer answer() const { return answer_; }

 private:
  void finish(PictureListCommand command, int entry = 0);

  QComboBox* list_;
  PictureListAnswer answer_;
};

// The list dialog of the help-picture loop; the dialog comes back where the person left it.
class QtPictureListDialog : public PictureListDialog {
 public:
  QtPictureListDialog(const FormatSettings& format, QWidget* parent) : format_(format), parent_(parent) {}
  PictureListAnswer show(const std::string& caption, const std::vector<std::string>& entries, int current) override;

 private:
  const FormatSettings& format_;
  QWidget* parent_;
  std::optional<QPoint> position_;
};

}  // namespace vx11
