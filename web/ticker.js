// The battlefield's timer: a tick every period while it is on. A tick that
// comes late is dropped, never queued: a tab back from the background runs
// one tick, not a burst of catch-up ticks, and the next comes a whole period
// after it. Turning the timer on brings the first tick one period later.
const kBrowserClock = {
  now: () => performance.now(),
  setTimeout: (run, ms) => setTimeout(run, ms),
  clearTimeout: (timer) => clearTimeout(timer),
};

export class Ticker {
  constructor(tick, periodMs, clock = kBrowserClock) {
    this.tick = tick;
    this.period = periodMs;
    this.clock = clock;
    this.timer = null;
    this.due = 0;
    this.fired = () => this.fire();  // one for every tick, not one made at each
  }

  setEnabled(enabled) {
    if (enabled && this.timer === null) {
      this.due = this.clock.now() + this.period;
      this.arm();
    } else if (!enabled && this.timer !== null) {
      this.clock.clearTimeout(this.timer);
      this.timer = null;
    }
  }

  arm() {
    this.timer = this.clock.setTimeout(this.fired, Math.max(0, this.due - this.clock.now()));
  }

  fire() {
    const now = this.clock.now();
    this.due += this.period;
    if (this.due <= now) this.due = now + this.period;
    this.arm();
    this.tick();  // last: the tick's caller may switch the timer off
  }
}
