// The browser edition in headless Chromium: the page's whole download, and the
// main thread's time a tick at 51 tanks (every task of the page's main thread:
// the tick, putting the pixels on the canvas, style, layout and paint), over
// a few seconds of play from a level start, in a window of the battlefield's
// size, at 1920 x 1080 with the battlefield scaled up, and on a phone.
// Goals: at most 150 KB gzip-compressed, at most 1 ms a tick.
import { readFileSync } from 'node:fs';
import { join } from 'node:path';
import { setTimeout as sleep } from 'node:timers/promises';
import { gzipSync } from 'node:zlib';

import { openBrowser, testPage, webBuild } from '../tests/web/browser.mjs';

const kMeasureMs = 4000;
const kProfiles = [
  ['900 x 760', { width: 900, height: 760 }],
  ['1920 x 1080, scaled up', { width: 1920, height: 1080 }],
  ['phone 390 x 844 at scale 3', { width: 390, height: 844, deviceScaleFactor: 3, isMobile: true, hasTouch: true }],
];
// Fetched by the browser besides what the page loads: to keep it offline and to install it.
const kAlsoFetched = ['sw.js', 'manifest.webmanifest', 'icon-192.png', 'icon-512.png'];

// The test page, whose hooks set the enemy count; it loads files of the
// release's names, and the download is counted in the release's own.
const chromium = await openBrowser({ folder: testPage });
try {
  for (const [name, viewport] of kProfiles) {
    const { page } = await chromium.open(viewport);
    if (name === kProfiles[0][0]) {
      const paths = await page.evaluate(() => performance.getEntriesByType('navigation').concat(performance.getEntriesByType('resource'))
        .map((entry) => new URL(entry.name).pathname));
      const files = [...new Set([...paths.map((path) => (path.endsWith('/') ? `${path}index.html` : path).slice(1)), ...kAlsoFetched])];
      const bodies = files.map((file) => readFileSync(join(webBuild, file)));
      const total = (sizes) => `${(sizes.reduce((sum, size) => sum + size, 0) / 1000).toFixed(1)} kB`;
      console.log(`page download, ${files.length} files: ${total(bodies.map((b) => b.length))} raw, ` +
        `${total(bodies.map((b) => gzipSync(b, { level: 6 }).length))} gzip -6, ${total(bodies.map((b) => gzipSync(b, { level: 9 }).length))} gzip -9`);
    }

    // The enemy count takes effect at the next level start, which Next level brings at once.
    await page.evaluate(() => {
      brassmoor.test.setEnemyCount(50);
      const tick = brassmoor.tick;
      globalThis.ticks = 0;
      brassmoor.tick = () => {
        ++globalThis.ticks;
        tick();
      };
    });
    await page.keyboard.press('Escape');
    await page.click('#frm_winlose [data-control="Command2"]');
    await sleep(100);

    const before = await page.metrics();
    const ticksBefore = await page.evaluate(() => globalThis.ticks);
    await sleep(kMeasureMs);
    const after = await page.metrics();
    const ticks = (await page.evaluate(() => globalThis.ticks)) - ticksBefore;
    const perTick = (seconds) => ((seconds * 1000) / ticks).toFixed(3);
    console.log(`main thread at 51 tanks, ${name}, ${ticks} ticks over ${kMeasureMs / 1000} s: ` +
      `${perTick(after.TaskDuration - before.TaskDuration)} ms a tick in all, ` +
      `${perTick(after.ScriptDuration - before.ScriptDuration)} ms of it script`);
    await page.close();
  }
} finally {
  await chromium.close();
}
