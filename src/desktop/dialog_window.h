// What the two dialogs share: a top-level window of fixed client size with a
// title bar and its close control only, centred on the screen when first shown,
// its labels and buttons at fixed pixel boxes. A caption that does not fit its
// box at the desktop's font grows the box, and the dialog with it, rather than
// being cut off. Esc does nothing inside it; the title bar's close only hides it.
#pragma once

#include <QDialog>
#include <functional>
#include <vector>

class QLabel;
class QPushButton;

class DialogWindow : public QDialog {
 public:
  struct Box {
    int left, top, width, height;  // pixels of the client area
  };

 protected:
  DialogWindow(const char* name, const char* title, QSize clientSize);

  // Controls are placed in their tab order; the first button takes the focus.
  QLabel* placeLabel(const char* name, const char* caption, Box box);
  QPushButton* placeButton(const char* name, const char* caption, Box box, const char* clickHandler,
                           std::function<void()> click);
  void setCaption(QLabel* label, const QString& caption);

  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  struct TabledControl {
    QWidget* widget;
    QRect box;  // before any caption grew it
  };

  template <class Control>
  Control* place(Control* control, const char* name, Box box);
  void fitCaptions();

  const QSize tabledClient_;
  std::vector<TabledControl> controls_;
  bool placed_ = false;
};
