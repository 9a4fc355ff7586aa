// The release ships no test hook: its WebAssembly exports none of the test
// page's hooks, and neither its page nor its scripts name one.
import assert from 'node:assert/strict';
import { readFileSync, readdirSync } from 'node:fs';
import path from 'node:path';
import { test } from 'node:test';

import { testPage, webBuild } from './browser.mjs';

// The hooks' names as the game's script names them; and every name by which a
// script reaches a hook.
const kHookExport = /\b_bm_test_\w+/g;
const kHookNames = /bm_test|globalThis\.brassmoor|setEnemyCount|setTarget|askNextLevel/;

const exportsOf = (folder) => WebAssembly.Module.exports(new WebAssembly.Module(readFileSync(path.join(folder, 'brassmoor.wasm'))));
const read = (folder, file) => readFileSync(path.join(folder, file), 'utf8');

test('the release\'s WebAssembly exports what the test page\'s does but its hooks, and its page and scripts name no hook', () => {
  // The build shortens the exports' names, so they are told apart by count:
  // the test page's script names each hook the release's WebAssembly lacks.
  const hooks = new Set(read(testPage, 'brassmoor.js').match(kHookExport));
  assert.ok(hooks.size > 0, 'the test page has hooks');
  assert.equal(exportsOf(webBuild).length, exportsOf(testPage).length - hooks.size);
  assert.ok(!readFileSync(path.join(webBuild, 'brassmoor.wasm')).includes('bm_test'), 'no hook named in the WebAssembly');
  for (const file of readdirSync(webBuild).filter((name) => /\.(js|html)$/.test(name))) {
    assert.doesNotMatch(read(webBuild, file), kHookNames, file);
  }
});
