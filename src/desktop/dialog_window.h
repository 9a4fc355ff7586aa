// What the two dialogs share: a top-level window of fixed client size with a
// title bar and its close control only, centred on the screen when first shown,
// its labels and buttons at the boxes the shared layout gives. A caption that does not fit its
// box at the desktop's font grows the box, and the dialog with it, rather than
// being cut off. Esc does nothing inside it; the title bar's close only hides it.
// It belongs to the battlefield, so the window manager keeps it above the
// battlefield, and it is modeless: the battlefield still takes the keys and
// the mouse when it has the focus.
#pragma once

#include <QDialog>
#include <functional>
#include <string_view>
#include <vector>

#include "replay/dialog_clicks.h"
#include "ui/dialog_layout.h"

class QLabel;
class QPushButton;

class DialogWindow : public QDialog {
 public:
  // Every showing brings the dialog back whole, in whatever state the window
  // manager left it: neither minimised, maximised nor full-screen, on top and
  // active, with the focus on the control the layout gives it. Every hiding
  // gives the keys back to the battlefield.
  void setVisible(bool visible) override;

 protected:
  // Controls are placed in their tab order, each button running its click.
  // The dialog is a window of its own, kept above `battlefield`.
  DialogWindow(const dialog_layout::Dialog& layout, const DialogClicks& clicks, QWidget& battlefield);

  QLabel* label(std::string_view name) const;
  void setCaption(QLabel* label, const QString& caption);

  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  // The title bar's close rejects the dialog: it hides through the game.
  void reject() override;

 private:
  template <class Control>
  Control* place(Control* control, const dialog_layout::Control& tabled);
  void placeButton(const dialog_layout::Control& tabled, std::function<void()> click);
  void fitCaptions();
  void centreOnScreen();

  const dialog_layout::Dialog& layout_;
  std::function<void()> titleBarClose_;
  QWidget* focusOnShowing_ = nullptr;
  std::vector<QWidget*> controls_;  // in the table's order, which is the tab order
  bool placed_ = false;
};
