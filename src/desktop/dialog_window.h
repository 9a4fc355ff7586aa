// What the two dialogs share: a top-level window of fixed client size with a
// title bar and its close control only, centred on the screen when first shown,
// its labels and buttons at fixed pixel boxes. Esc does nothing inside it;
// the title bar's close only hides it.
#pragma once

#include <QDialog>
#include <functional>

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

  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  bool placed_ = false;
};
