// A clock that stands still until a test moves it on: a delay runs out only
// then, so that the same ticks run between the same inputs at every run,
// however busy the machine. A timer of no delay is the real clock's, and
// still runs at once. `real` holds the real setTimeout and clearTimeout.
export function stillClock(real) {
  const [realSetTimeout, realClearTimeout] = [real.setTimeout, real.clearTimeout];
  let now = 0;  // whole milliseconds, so that a move by ticks lands on each tick exactly
  let nextId = -1;  // apart from the real clock's timers, which count up from 1
  const waiting = new Map();
  return {
    now: () => now,
    setTimeout: (run, ms = 0, ...args) => {
      if (!(ms > 0)) return realSetTimeout(run, ms, ...args);
      waiting.set(nextId, { at: now + ms, run: () => run(...args) });
      return nextId--;
    },
    clearTimeout: (id) => (waiting.delete(id) || realClearTimeout(id)),
    // Runs every timer that falls due within the next `ms`, in order, each at
    // its time; of two due at once, the one set first, as a browser runs them.
    // With `late`, each runs at the end instead, as in a busy or background tab.
    moveOn(ms, { late = false } = {}) {
      const end = now + ms;
      for (;;) {
        const [id, first] = [...waiting].reduce((a, b) => (b[1].at < a[1].at ? b : a), [0, { at: Infinity }]);
        if (first.at > end) break;
        waiting.delete(id);
        now = late ? end : first.at;
        first.run();
      }
      now = end;
    },
  };
}
