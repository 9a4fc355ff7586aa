// Creates the battlefield window and runs the event loop.
#include <QApplication>

#include "drawing/battlefield_window.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  BattlefieldWindow frm;
  frm.show();
  return QApplication::exec();
}
