// The test page's entry: the page as it ships, its game at the console as
// globalThis.brassmoor, with hooks that put the world where play seldom takes
// it, so that a test can watch the game handle it. The release has none of this.
import { gameOf } from './game.js';
import { playPage } from './page.js';

await playPage((module) => {
  const game = gameOf(module);
  game.test = {
    setEnemyCount: (count) => module._bm_test_set_enemy_count(count),
    setTarget: (slot, target) => module._bm_test_set_target(slot, target),
    askNextLevel: () => module._bm_test_ask_next_level(),
    // fireHeld and the aim point, as the mouse handlers left them.
    mouse: () => {
      const [fireHeld, x, y] = new Int32Array(module.HEAP32.buffer, module._bm_test_mouse(), 3);
      return { fireHeld, x, y };
    },
  };
  // The very object the page calls, so that a test may wrap its calls.
  globalThis.brassmoor = game;
  return game;
});
