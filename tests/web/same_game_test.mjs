// The browser's game is the desktop's, tick for tick, and reads its input as
// the desktop's does, though their C++ libraries read numbers and files each
// their own way: the simulator built for Node runs the very code the page runs.
// Usage: node same_game_test.mjs NATIVE_SIM NODE_SIM_JS
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import { existsSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { test } from 'node:test';

const [nativeSim, nodeSim] = process.argv.slice(2);
const folder = mkdtempSync(join(tmpdir(), 'brassmoor-same-game-'));
process.on('exit', () => rmSync(folder, { recursive: true, force: true }));
const trace = join(folder, 'trace.jsonl');

// Each simulator's exit status, error output and trace's lines (none when
// refused before the run) for the same arguments.
const both = (args) => [[nativeSim], [process.execPath, '--no-experimental-fetch', nodeSim]].map(([command, ...before]) => {
  rmSync(trace, { force: true });
  const run = spawnSync(command, [...before, ...args, '--trace', trace], { encoding: 'utf8' });
  return { status: run.status, stderr: run.stderr, lines: existsSync(trace) ? readFileSync(trace, 'utf8').split('\n') : [] };
});

const runs = [
  ['seed 11, 2,000 ticks', ['--seed', '11', '--ticks', '2000']],
  ['seed 11, 1,500 ticks at 51 tanks', ['--seed', '11', '--enemies', '50', '--ticks', '1500']],
];

for (const [name, args] of runs) {
  test(`the desktop and the browser play the same game: ${name}`, () => {
    const runs = both(args);
    assert.deepEqual(runs.map(({ status, stderr }) => [status, stderr]), [[0, ''], [0, '']], 'both run to the end');
    const [desktop, browser] = runs.map(({ lines }) => lines);
    const first = desktop.findIndex((row, i) => row !== browser[i]);
    assert.equal(first === -1 && desktop.length === browser.length ? 'the same' : `first differ at tick ${first + 1}`,
      'the same');
  });
}

const script = join(folder, 'script.txt');
const words = [
  '0x10', '0x1p3', '1e-50', '1e-38', '1e-45', 'nan', 'inf', '1e39', '1e', '5.', '.5', '-0',
  '1.00000005960464477539062500000001', '3.4028235e38',
];
const cases = [
  ...words.map((word) => [`move ${word}`, `1 move ${word} 5\n`, ['--input', script]]),
  ['CR-only line ends', '1 move 1 2\r2 next\r', ['--input', script]],
  ['a folder for a script', '', ['--input', folder]],
  ['an endless line', '', ['--input', '/dev/zero']],
  ['an option for a value', '', ['--input', '--json']],
];

test('the desktop and the browser read a script and options alike', () => {
  const statuses = new Set();
  for (const [name, text, args] of cases) {
    writeFileSync(script, text);
    // The events of the first tick, or of none.
    const [desktop, browser] = both([...args, '--seed', '1', '--ticks', '1'])
      .map(({ lines, ...run }) => ({ ...run, events: lines[0] ? JSON.parse(lines[0]).events : null }));
    assert.deepEqual(browser, desktop, name);
    statuses.add(desktop.status);
  }
  assert.deepEqual([...statuses].sort(), [0, 2], 'some cases run and some are refused');
});
