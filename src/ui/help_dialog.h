// The help dialog frm_help: five lines of help and a Close button.
#pragma once

#include <QDialog>

#include "core/dialogs.h"

class QPushButton;

class HelpDialogWindow : public QDialog, public HelpDialog {
  Q_OBJECT

 public:
  explicit HelpDialogWindow(QWidget* parent = nullptr);

  bool Visible() const override { return isVisible(); }
  void setVisible(bool visible) override { QDialog::setVisible(visible); }

  QPushButton* Command1;  // Close
};
