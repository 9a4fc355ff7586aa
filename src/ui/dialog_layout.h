// Places the dialogs' controls at fixed pixel positions, as the layout tables give them.
#pragma once

#include <QLabel>
#include <QPushButton>

struct ControlBox {
  int left, top, width, height;
};

template <class Control>
Control* placeControl(QWidget* dialog, const char* name, const char* caption, ControlBox box) {
  auto* control = new Control(caption, dialog);
  control->setObjectName(name);
  control->setGeometry(box.left, box.top, box.width, box.height);
  return control;
}
