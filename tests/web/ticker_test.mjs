// The page's timer, on a clock the test moves by hand.
import assert from 'node:assert/strict';
import { test } from 'node:test';

import { Ticker } from '../../web/ticker.js';

import { stillClock } from './still_clock.mjs';

const kPeriod = 25;

// A ticker switched on at 0 that notes the time of each tick, and then runs `then(ticker)`.
function running(then = () => {}) {
  const clock = stillClock(globalThis);
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
  clock.moveOn(100);
  assert.deepEqual(ticks, [25, 50, 75, 100]);
  ticker.setEnabled(false);
  clock.moveOn(100);
  ticker.setEnabled(true);
  ticker.setEnabled(true);  // already on: changes nothing
  clock.moveOn(60);
  assert.deepEqual(ticks, [25, 50, 75, 100, 225, 250]);
});

test('a tick that comes a second late is one tick, and the next comes a whole period after it', () => {
  const { clock, ticks } = running();
  clock.moveOn(1025, { late: true });  // a tab back from the background
  assert.deepEqual(ticks, [1025]);
  clock.moveOn(75);
  assert.deepEqual(ticks, [1025, 1050, 1075, 1100]);
});

test('a tick that switches the timer off through its caller is the last', () => {
  const { clock, ticks } = running((ticker) => ticker.setEnabled(false));
  clock.moveOn(500);
  assert.deepEqual(ticks, [25]);
});
