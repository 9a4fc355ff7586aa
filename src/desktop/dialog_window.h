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
#include <map>
#include <string_view>
#include <vector>

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
  // What each button runs when clicked, by the button's name.
  using Clicks = std::map<std::string_view, std::function<void()>>;

  // Controls are placed in their tab order.
  // The dialog is a window of its own, kept above `battlefield`.
  DialogWindow(const dialog_layout::Dialog& layout, const Clicks& clicks, QWidget& battlefield);

  QLabel* label(std::string_view name) const;
  void setCaption(QLabel* label, const QString& caption);

  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  struct TabledControl {
    QWidget* widget;
    dialog_layout::Box box;  // before any caption grew it
  };

  template <class Control>
  Control* place(Control* control, const dialog_layout::Control& tabled);
  void placeButton(const dialog_layout::Control& tabled, std::function<void()> click);
  void fitCaptions();
  void centreOnScreen();

  const QSize tabledClient_;
  QWidget* focusOnShowing_ = nullptr;
  std::vector<TabledControl> controls_;
  bool placed_ = false;
};
