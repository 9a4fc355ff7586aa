// Creates the battlefield window and runs the event loop. The game takes no
// command line: Qt reads its own options (-platform, -display, ...) and
// every other argument is ignored.
#include <QApplication>

#include "desktop/battlefield_window.h"

int main(int argc, char* argv[]) {
  // With shared memory, Qt's X11 backing store waits for a round trip to the
  // X server before each paint that overlaps the last one's, which is every
  // tick; the battlefield's few small boxes cost less sent in the request
  // stream. Measured with scripts/measure_play.sh: 2 wake-ups a tick fewer in
  // the game and 1 fewer in the X server. A player may still set it.
  if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM")) qputenv("QT_XCB_NO_MITSHM", "1");
  QApplication app(argc, argv);
  // Lets the desktop match the window to its entry and icon.
  QGuiApplication::setDesktopFileName(BRASSMOOR_APP_ID);
  BattlefieldWindow frm;
  frm.show();
  return QApplication::exec();
}
