// The page's first load: still as it loads, each file asked for at once and
// downloaded once, and kept in the back/forward cache; and a page that cannot
// load says what failed in one plain sentence, with no uncaught error.
import assert from 'node:assert/strict';
import { test } from 'node:test';

import { failure, gameReady, kPhone, webBuild, withBrowser } from './browser.mjs';

const kDesktop = { width: 1350, height: 940 };

// Answers a request for `file` with `answer(request)` and lets every other
// one through, past any service worker's copy.
const intercepting = (file, answer) => async (page) => {
  await page.setBypassServiceWorker(true);
  await page.setRequestInterception(true);
  page.on('request', (request) => (new URL(request.url()).pathname === `/${file}` ? answer(request) : request.continue()));
};

const frames = (page) => page.evaluate(() => new Promise((done) => requestAnimationFrame(() => requestAnimationFrame(done))));

test('"Loading…" shows until the game is ready, and nothing moves as the page loads, on a phone and with a mouse: the layout shifts sum to 0', async () => {
  await withBrowser({}, async (chromium) => {
    for (const viewport of [kPhone, kDesktop]) {
      // The WebAssembly is held until the page has been shown, so that the game arrives on a page already painted;
      // past the service worker the first page leaves, whose copy no request of the page's would hold.
      let release;
      const held = new Promise((done) => { release = done; });
      const { page, errors } = await chromium.open(viewport, {
        ready: false,
        prepare: async (page) => {
          await page.evaluateOnNewDocument(() => {
            globalThis.shifted = [];
            globalThis.shifts = new PerformanceObserver((list) => shifted.push(...list.getEntries().map((e) => e.value)));
            shifts.observe({ type: 'layout-shift', buffered: true });
          });
          await intercepting('brassmoor.wasm', async (request) => request.continue(await held))(page);
        },
      });
      await page.waitForFunction(() => performance.getEntriesByName('first-contentful-paint').length > 0);
      const status = () => page.$eval('#status', (p) => [p.textContent, p.checkVisibility(), p.className]);
      assert.deepEqual(await status(), ['Loading…', true, ''], 'while the WebAssembly is on its way');
      release();
      await gameReady(page);
      await frames(page);
      assert.equal((await status())[1], false, 'gone once the game is ready');
      const shifted = await page.evaluate(() => [...shifted, ...shifts.takeRecords().map((e) => e.value)]);
      assert.deepEqual(shifted, [], `${viewport.width} x ${viewport.height}`);
      assert.deepEqual(errors, []);
      await page.close();
    }
  });
});

test('the first visit asks for every module and the WebAssembly at once, downloads each file once, the service worker\'s copies included, and compiles the WebAssembly as it streams; the back/forward cache keeps the page', async (t) => {
  await withBrowser({}, async (chromium) => {
    // The bare address: a visit to ?seed=N would download the page once more, as "/", for the offline copy.
    const { page } = await chromium.open(undefined, {
      url: chromium.address,
      prepare: (page) => page.evaluateOnNewDocument(() => {
        globalThis.compiled = [];
        for (const name of ['instantiate', 'instantiateStreaming', 'compile', 'compileStreaming']) {
          const own = WebAssembly[name];
          WebAssembly[name] = (...args) => {
            compiled.push(name);
            return own(...args);
          };
        }
      }),
    });
    const loaded = await page.evaluate(async () => {
      await navigator.serviceWorker.ready;
      const [name] = await caches.keys();
      return {
        announced: [...document.querySelectorAll('link[rel="modulepreload"], link[rel="preload"]')].map((l) => new URL(l.href).pathname).sort(),
        fetched: performance.getEntriesByType('resource').map((e) => new URL(e.name).pathname)
          .filter((path) => /\.(js|wasm)$/.test(path) && path !== '/sw.js').sort(),
        compiled,
        kept: (await (await caches.open(name)).keys()).map((request) => new URL(request.url).pathname),
      };
    });
    assert.deepEqual(loaded.fetched, loaded.announced, 'each announced, and each preload used: one request each');
    assert.ok(loaded.announced.includes('/brassmoor.wasm') && loaded.announced.includes('/main.js'));
    assert.deepEqual(loaded.compiled, ['instantiateStreaming']);
    const downloads = chromium.served.filter(({ status }) => status === 200);
    const times = (path) => downloads.filter((d) => d.path === path).length;
    assert.deepEqual(loaded.kept.filter((path) => times(path) !== 1), [], 'kept files not downloaded exactly once');
    assert.deepEqual(downloads.filter((d) => times(d.path) !== 1), [], 'files downloaded more than once');
    const bytes = downloads.reduce((sum, d) => sum + d.bytes, 0);
    t.diagnostic(`first visit: ${chromium.served.length} requests, ${downloads.length} downloads, ${(bytes / 1000).toFixed(1)} kB`);

    await page.evaluate(() => addEventListener('pageshow', (event) => { globalThis.restored = event.persisted; }));
    await page.goto(`${chromium.address}manifest.webmanifest`);
    await page.goBack();
    assert.equal(await page.evaluate(() => globalThis.restored), true, 'back from the back/forward cache');
  });
});

test('a page that cannot load says what failed in one sentence, and nothing goes uncaught', async () => {
  const missing = (request) => request.respond({ status: 404, contentType: 'text/plain', body: 'Not found' });
  await withBrowser({}, async (chromium) => {
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
});
