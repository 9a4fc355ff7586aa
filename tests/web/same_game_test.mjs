// The browser's game is the desktop's, tick for tick: the simulator built for
// Node runs the very code the page runs.
// Usage: node same_game_test.mjs NATIVE_SIM NODE_SIM_JS
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { mkdtempSync, readFileSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { test } from 'node:test';

const [nativeSim, nodeSim] = process.argv.slice(2);
const folder = mkdtempSync(join(tmpdir(), 'brassmoor-same-game-'));
process.on('exit', () => rmSync(folder, { recursive: true, force: true }));

function trace(command, args, name) {
  const file = join(folder, name);
  execFileSync(command, [...args, '--trace', file], { stdio: ['ignore', 'ignore', 'inherit'] });
  return readFileSync(file, 'utf8').split('\n');
}

const runs = [
  ['seed 11, 2,000 ticks', ['--seed', '11', '--ticks', '2000']],
  ['seed 11, 1,500 ticks at 51 tanks', ['--seed', '11', '--enemies', '50', '--ticks', '1500']],
];

for (const [name, args] of runs) {
  test(`the desktop and the browser play the same game: ${name}`, () => {
    const desktop = trace(nativeSim, args, 'desktop.jsonl');
    const browser = trace(process.execPath, ['--no-experimental-fetch', nodeSim, ...args], 'browser.jsonl');
    const first = desktop.findIndex((row, i) => row !== browser[i]);
    assert.equal(first === -1 && desktop.length === browser.length ? 'the same' : `first differ at tick ${first + 1}`,
      'the same');
  });
}
