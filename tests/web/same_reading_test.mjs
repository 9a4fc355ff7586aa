// The browser's simulator reads its input as the desktop's does, though their
// C++ libraries read numbers and files each their own way.
// Usage: node same_reading_test.mjs NATIVE_SIM NODE_SIM_JS
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import { mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { test } from 'node:test';

const [nativeSim, nodeSim] = process.argv.slice(2);
const folder = mkdtempSync(join(tmpdir(), 'brassmoor-same-reading-'));
process.on('exit', () => rmSync(folder, { recursive: true, force: true }));

// Exit status, error output and the events of the first tick, or of none.
function reading(command, args, name) {
  const trace = join(folder, `${name}.jsonl`);
  rmSync(trace, { force: true });
  const run = spawnSync(command, [...args, '--seed', '1', '--ticks', '1', '--trace', trace], { encoding: 'utf8' });
  let events = null;
  try {
    events = JSON.parse(readFileSync(trace, 'utf8').split('\n')[0]).events;
  } catch {
    // refused before the run: no trace
  }
  return { status: run.status, stderr: run.stderr, events };
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
    const desktop = reading(nativeSim, args, 'desktop');
    const browser = reading(process.execPath, ['--no-experimental-fetch', nodeSim, ...args], 'browser');
    assert.deepEqual(browser, desktop, name);
    statuses.add(desktop.status);
  }
  assert.deepEqual([...statuses].sort(), [0, 2], 'some cases run and some are refused');
});
