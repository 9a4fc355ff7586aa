// Creates the battlefield window and runs the event loop. The game takes no
// command line: Qt reads its own options (-platform, -display, ...) and
// every other argument is ignored.
#include <QApplication>

#include "desktop/battlefield_window.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  // Lets the desktop match the window to its entry and icon.
  QGuiApplication::setDesktopFileName(BRASSMOOR_APP_ID);
  BattlefieldWindow frm;
  frm.show();
  return QApplication::exec();
}
