// One run of the game with no window: the same Game, Canvas and RandomSource as
// the window's, ticked as fast as the machine allows, with the scripted events
// applied before their ticks and the trace, pictures and summary kept on the way.
#pragma once

#include <memory>
#include <ostream>
#include <vector>

#include "core/game.h"
#include "core/random.h"
#include "input_script.h"
#include "options.h"
#include "picture_writer.h"
#include "replay/game_seam.h"
#include "replay/replay_player.h"
#include "sim_frame.h"
#include "summary.h"
#include "trace_writer.h"

class Simulation {
 public:
  // The trace, when given, gets one row per tick; pictures, when asked for,
  // are written by savePicture, and without one they are refused. With a
  // replay, the run is the replay's and the script is not read; with a
  // recording, the run is written to it as a replay.
  Simulation(const Options& options, std::vector<InputEvent> script, std::ostream* trace = nullptr,
             PictureSaver savePicture = {}, ReplayPlayer* replay = nullptr, ReplaySink* recording = nullptr);
  Simulation(const Simulation&) = delete;
  Simulation& operator=(const Simulation&) = delete;

  bool finished() const;
  // One tick, with the events scripted before it.
  void step();
  // Steps until finished, times it, and ends a recording.
  void run();

  long long ticksRun() const { return tick_; }
  const Game& game() const { return game_; }
  const SimFrame& frame() const { return frame_; }
  const Summary& summary() const { return summary_; }

 private:
  // Hears every draw and reseed for the trace.
  struct DrawLog final : RandomSource::Listener {
    void drawn(Single value) override { draws.push_back({false, value}); }
    void reseeded() override { draws.push_back({true, 0}); }
    std::vector<Draw> draws;
  };

  void applyEvents();
  void takeReplay();
  void runTick();
  void keepScore(Integer winsBefore, Integer lossesBefore);
  void writeTrace();

  Options options_;
  std::vector<InputEvent> script_;
  std::size_t nextEvent_ = 0;
  std::ostream* trace_;
  std::unique_ptr<PictureWriter> pictures_;

  SimFrame frame_;
  RandomSource random_;
  Game game_{frame_, random_};
  GameSeam seam_{game_};
  ReplayPlayer* replay_;
  DrawLog drawLog_;

  long long tick_ = 0;
  bool inTick_ = false;
  long long levelsEnded_ = 0;
  std::vector<InputEvent> events_;  // applied before this tick, for the trace
  Summary summary_;
};
