// A recorded game played in a real window at its pace. The window's own
// timer calls period() every tick's length; the player's input goes to
// control() and never to the game. The replay's inputs reach the game
// through its seam, so the dialogs open and close as they did.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "core/numeric.h"
#include "replay/game_seam.h"
#include "replay/replay_player.h"

enum class PlaybackControl { Pause, Step, Normal, Fast, Fastest, End };

// The keys of playback in the desktop editions, by virtual-key code: Space
// pauses and resumes, Right steps while paused, 1, 4 and 0 choose the speed,
// Esc ends the playback.
std::optional<PlaybackControl> playbackControlFor(Integer keyCode);

class Playback {
 public:
  enum class Speed { Normal, Fast, Fastest };
  static constexpr int kFastTicks = 4;             // ticks a period at 4x
  static constexpr int kFastestBudget = 20;        // ms a period at the fastest, leaving time to paint
  // A replay does not hold the time between inputs while the game's timer is
  // off (a dialog up, the game paused): each key or click then waits this
  // many periods, so that a dialog is seen before it closes.
  static constexpr int kHeldPeriods = 40;

  // runTick runs one tick as the window runs it, painting included. stopped
  // is told the one sentence that ends the playback: over, ended early or
  // parted from the game. ended is called when the player ends it.
  Playback(ReplayPlayer& player, GameSeam& seam, std::function<void()> runTick,
           std::function<void(const std::string&)> stopped, std::function<void()> ended);

  void period();
  void control(PlaybackControl control);

  bool paused() const { return paused_; }
  Speed speed() const { return speed_; }
  bool stopped() const { return stopped_; }
  // What the playback shows beside the battlefield: "Playing at 1x, tick 120" and the like.
  std::string status() const;

 private:
  void advance(bool holding);
  void stop(const std::string& sentence);
  std::string overSentence() const;

  ReplayPlayer& player_;
  GameSeam& seam_;
  std::function<void()> runTick_;
  std::function<void(const std::string&)> told_;
  std::function<void()> ended_;
  Speed speed_ = Speed::Normal;
  bool paused_ = false;
  bool stopped_ = false;
  int held_ = 0;
};
