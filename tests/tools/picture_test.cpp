// Pictures: the battlefield as PNG every K ticks, pixel for pixel, and at each
// level end before the level start clears it.
#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sstream>

#include "core/colours.h"
#include "desktop/canvas_image.h"
#include "png_file.h"
#include "simulation.h"

namespace {

int pixelsOfColour(const QImage& image, QRgb rgb) {
  int n = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) n += image.pixel(x, y) == rgb ? 1 : 0;
  }
  return n;
}

std::vector<InputEvent> script(const std::string& text) {
  std::istringstream in(text);
  return readInputScript(in, "script");
}

}  // namespace

TEST(PictureTest, EveryKTicksThePictureIsTheBattlefieldPixelForPixel) {
  QTemporaryDir dir;
  Options options;
  options.seed = 3;
  options.ticks = 12;
  options.pngDir = dir.filePath("pictures").toStdString();  // made when missing
  options.every = 6;
  Simulation sim(options, {}, nullptr, savePng);
  for (int t = 0; t < 6; ++t) sim.step();
  const QImage atSix = canvasImage(sim.frame().picture()).copy();  // the view would follow the canvas
  sim.run();

  EXPECT_EQ(QDir(dir.filePath("pictures")).entryList(QDir::Files),
            (QStringList{"tick-0000006.png", "tick-0000012.png"}));
  QImage six(dir.filePath("pictures/tick-0000006.png"));
  ASSERT_EQ(six.size(), QSize(723, 651));
  EXPECT_EQ(six.convertToFormat(QImage::Format_RGB32), atSix);
  EXPECT_GT(pixelsOfColour(six, qRgb(0, 0, 150)), 20) << "the player's tank";
  EXPECT_EQ(QImage(dir.filePath("pictures/tick-0000012.png")).convertToFormat(QImage::Format_RGB32),
            canvasImage(sim.frame().picture()));
}

TEST(PictureTest, ALevelEndIsPicturedBeforeTheBattlefieldIsCleared) {
  QTemporaryDir dir;
  Options options;
  options.seed = 17;
  options.levels = 2;
  options.pngDir = dir.path().toStdString();
  Simulation sim(options, script("3 next\n9 next\n"), nullptr, savePng);
  sim.run();

  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), (QStringList{"level-0001.png", "level-0002.png"}));
  const QImage end(dir.filePath("level-0001.png"));
  EXPECT_GT(pixelsOfColour(end, qRgb(0, 0, 0)), 100) << "the tanks as the level ended";
  EXPECT_EQ(pixelsOfColour(canvasImage(sim.frame().picture()), qRgb(255, 255, 255)), 723 * 651) << "cleared after";
}

TEST(PictureTest, AFolderThatCannotBeMadeIsRefusedBeforeTheRun) {
  Options options;
  options.pngDir = "/proc/no/such/folder";
  EXPECT_THROW(Simulation(options, {}, nullptr, savePng), UsageError);
}
