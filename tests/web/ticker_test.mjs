// The page's timer, on a clock the test moves by hand.
import assert from 'node:assert/strict';
import { test } from 'node:test';

import { Ticker } from '../../web/ticker.js';

const kPeriod = 25;

// A clock whose time passes only when the test says, firing what falls due.
class HandClock {
  time = 0;
  pending = new Map();
  next = 1;
  now() { return this.time; }
  setTimeout(run, ms) { this.pending.set(this.next, { run, at: this.time + ms }); return this.next++; }
  clearTimeout(id) { this.pending.delete(id); }
  // Moves to `to`; a timer the event loop could not serve on time (a busy or
  // background tab) fires late, at `to`, when `late` is set.
  advance(to, { late = false } = {}) {
    for (let due; (due = [...this.pending].filter(([, t]) => t.at <= to).sort(([, a], [, b]) => a.at - b.at)[0]);) {
      this.pending.delete(due[0]);
      this.time = late ? to : due[1].at;
      due[1].run();
    }
    this.time = to;
  }
}

// A ticker switched on at 0 that notes the time of each tick, and then runs `then(ticker)`.
function running(then = () => {}) {
  const clock = new HandClock();
  const ticks = [];
  const ticker = new Ticker(() => {
    ticks.push(clock.now());
    then(ticker);
  }, kPeriod, clock);
  ticker.setEnabled(true);
  return { clock, ticks, ticker };
}

test('a tick each period from one period after the timer comes on, none while it is off', () => {
  const { clock, ticks, ticker } = running();
  clock.advance(100);
  assert.deepEqual(ticks, [25, 50, 75, 100]);
  ticker.setEnabled(false);
  clock.advance(200);
  ticker.setEnabled(true);
  ticker.setEnabled(true);  // already on: changes nothing
  clock.advance(260);
  assert.deepEqual(ticks, [25, 50, 75, 100, 225, 250]);
});

test('a tick that comes a second late is one tick, and the next comes a whole period after it', () => {
  const { clock, ticks } = running();
  clock.advance(1025, { late: true });  // a tab back from the background
  assert.deepEqual(ticks, [1025]);
  clock.advance(1100);
  assert.deepEqual(ticks, [1025, 1050, 1075, 1100]);
});

test('a tick that switches the timer off through its caller is the last', () => {
  const { clock, ticks } = running((ticker) => ticker.setEnabled(false));
  clock.advance(500);
  assert.deepEqual(ticks, [25]);
});
