// The page installed and offline: one whole release of its files kept by its
// service worker, and replaced whole by the next.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { appendFileSync, cpSync, mkdtempSync, readFileSync, rmSync, statSync, unlinkSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { test } from 'node:test';

import { changes, gameReady, kSeed, webBuild, withBrowser } from './browser.mjs';

const kSource = new URL('../../', import.meta.url).pathname;
const work = mkdtempSync(join(tmpdir(), 'brassmoor-offline-'));
process.on('exit', () => rmSync(work, { recursive: true, force: true }));

// A copy of the page's folder (its files only), changed by `change`, then
// named anew as the build names a release.
function release(name, change = () => {}) {
  const folder = join(work, name);
  cpSync(webBuild, folder, { recursive: true, filter: (path) => path === webBuild || statSync(path).isFile() });
  change(folder);
  execFileSync('cmake', [`-DFOLDER=${folder}`, `-DINDEX=${kSource}web/index.html`, `-DWORKER=${kSource}web/sw.js`,
    '-P', `${kSource}src/web/stamp_release.cmake`]);
  return { folder, name: readFileSync(join(folder, 'index.html'), 'utf8').match(/brassmoor-release" content="(\w+)"/)[1] };
}

const releaseShown = (page) => page.evaluate(() => document.querySelector('meta[name="brassmoor-release"]').content);
// Waits, as the browser reports its service workers' every change, until a
// worker other than those of `before` has taken over (activated, the caches
// of other releases gone); returns its version. Fails after 30 s.
async function takenOver(browser, before = []) {
  const watcher = await browser.newPage();  // about:blank, no worker's client
  const cdp = await watcher.createCDPSession();
  try {
    return await new Promise((done, failed) => {
      const timer = setTimeout(() => failed(new Error('no new service worker took over within 30 s')), 30000);
      cdp.on('ServiceWorker.workerVersionUpdated', ({ versions }) => {
        const taking = versions.find((version) => version.status === 'activated' && !before.includes(version.versionId));
        if (taking === undefined) return;
        clearTimeout(timer);
        done(taking.versionId);
      });
      cdp.send('ServiceWorker.enable').catch(failed);
    });
  } finally {
    await watcher.close();
  }
}
const cacheNames = (page) => page.evaluate(() => caches.keys());

test('the page can be installed, with the icon at 192 and 512 pixels', async () => {
  const manifest = JSON.parse(readFileSync(join(webBuild, 'manifest.webmanifest'), 'utf8'));
  for (const size of [192, 512]) {
    const icon = manifest.icons.find((i) => i.sizes === `${size}x${size}`);
    const png = readFileSync(join(webBuild, icon.src));
    assert.deepEqual([png.readUInt32BE(16), png.readUInt32BE(20)], [size, size], icon.src);
  }
  await withBrowser({}, async (chromium) => {
    const { page } = await chromium.open();
    const cdp = await page.createCDPSession();
    assert.deepEqual((await cdp.send('Page.getInstallabilityErrors')).installabilityErrors, []);
  });
});

test('after one visit the page plays offline; a new release is served whole at the next visit, then replaces the old', async () => {
  const first = release('first');
  const second = release('second', (folder) => {
    appendFileSync(join(folder, 'style.css'), ':root { --release: "second"; }\n');
    appendFileSync(join(folder, 'main.js'), "globalThis.release = 'second';\n");
  });
  assert.notEqual(first.name, second.name, 'a changed file makes a new release');

  await withBrowser({ folder: first.folder }, async (chromium) => {
    const played = await chromium.open(undefined, { still: true });
    let { page } = played;
    const firstWorker = await takenOver(chromium.browser);
    assert.deepEqual(await cacheNames(page), [`brassmoor-${first.name}`]);
    const kept = await page.evaluate(async (name) => (await (await caches.open(name)).keys()).map((r) => new URL(r.url).pathname),
      `brassmoor-${first.name}`);
    for (const file of ['/manifest.webmanifest', '/icon-192.png', '/icon-512.png']) assert.ok(kept.includes(file), `${file} kept`);

    // Offline, also at an address with a query, as a home screen's may be.
    await chromium.stopServing();
    await page.setOfflineMode(true);
    await page.goto(`${chromium.address}?seed=${kSeed}&from=home`);
    await gameReady(page);
    assert.equal(await releaseShown(page), first.name, 'offline');
    assert.ok(await changes(played, 12), 'and plays');
    assert.deepEqual(played.errors, [], 'no error, online or offline');
    await page.setOfflineMode(false);
    await page.close();

    await chromium.serve(second.folder);
    ({ page } = await chromium.open());
    const shown = await page.evaluate(() => [document.querySelector('meta[name="brassmoor-release"]').content,
      getComputedStyle(document.documentElement).getPropertyValue('--release').trim(), globalThis.release]);
    assert.deepEqual(shown, [second.name, '"second"', 'second'], 'the new release, whole');
    // The page has asked for the new worker; it takes over once the page is gone.
    await page.waitForFunction(async () => {
      const registration = await navigator.serviceWorker.getRegistration();
      return registration?.installing !== null || registration?.waiting !== null;
    }, { polling: 100 });
    await page.close();

    await takenOver(chromium.browser, [firstWorker]);
    ({ page } = await chromium.open());
    assert.deepEqual(await cacheNames(page), [`brassmoor-${second.name}`], 'the old one gone');
  });
});

test('a release one of whose files fails to load is never kept', async () => {
  const broken = release('broken');
  unlinkSync(join(broken.folder, 'ticker.js'));
  await withBrowser({ folder: broken.folder }, async (chromium) => {
    const { page } = await chromium.open(undefined, { ready: false });
    const outcome = await page.evaluate(async () => {
      const registration = await navigator.serviceWorker.register('sw.js');
      const worker = registration.installing;
      await new Promise((done) => worker.addEventListener('statechange', () => worker.state === 'redundant' && done()));
      return caches.keys();
    });
    assert.deepEqual(outcome, []);
  });
});
