// Creates the battlefield window and runs the event loop. Qt reads its own
// options (-platform, -display, ...); the rest is the game's command line.
#include <QApplication>
#include <QStringList>
#include <iostream>
#include <string>
#include <vector>

#include "core/seeded_random.h"
#include "desktop/battlefield_window.h"
#include "ui/game_options.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  // Lets the desktop match the window to its entry and icon.
  QGuiApplication::setDesktopFileName(BRASSMOOR_APP_ID);
  GameOptions options;
  try {
    std::vector<std::string> args;
    for (const QString& arg : QCoreApplication::arguments().mid(1)) args.push_back(arg.toStdString());
    options = parseGameOptions(args);
  } catch (const OptionError& error) {
    std::cerr << "brassmoor: " << error.what() << std::endl;
    return kOptionErrorStatus;
  }
  BattlefieldWindow frm(endProcessAtOnce, randomSourceFor(options.seed));
  frm.show();
  return QApplication::exec();
}
