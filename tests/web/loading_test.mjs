// A page that cannot load says what failed in one plain sentence, with no
// uncaught error.
import assert from 'node:assert/strict';
import { test } from 'node:test';

import { browserForFile, failure, webBuild } from './browser.mjs';

const chromium = browserForFile();

// Answers a request for `file` with `answer(request)` and lets every other
// one through, past any service worker's copy.
const intercepting = (file, answer) => async (page) => {
  await page.setBypassServiceWorker(true);
  await page.setRequestInterception(true);
  page.on('request', (request) => (new URL(request.url()).pathname === `/${file}` ? answer(request) : request.continue()));
};
const missing = (request) => request.respond({ status: 404, contentType: 'text/plain', body: 'Not found' });

test('a page that cannot load says what failed in one sentence, and nothing goes uncaught', async () => {
  const cases = [
    { name: 'no WebAssembly', open: { prepare: intercepting('brassmoor.wasm', missing) }, says: /^Brassmoor could not load: the server answered 404 .*brassmoor\.wasm\.$/ },
    { name: 'no game script', open: { prepare: intercepting('brassmoor.js', missing) }, says: /^Brassmoor could not load: its script brassmoor\.js did not load\.$/ },
    { name: 'no page script', open: { prepare: intercepting('main.js', missing) }, says: /^Brassmoor could not load its scripts\.$/ },
    { name: 'a bad seed', open: { url: `${chromium.address}?seed=-1` }, says: /^Brassmoor cannot start: \?seed= takes a whole number from 0 to 18446744073709551615, not '-1'\.$/ },
    { name: 'opened as a file', open: { url: `file://${webBuild}/index.html` }, says: /from a file: serve .*make run-web/ },
  ];
  for (const { name, open, says } of cases) {
    const { page, uncaught } = await chromium.open(undefined, { ...open, ready: false });
    assert.match(await failure(page), says, name);
    assert.deepEqual(uncaught, [], name);
    await page.close();
  }
});
