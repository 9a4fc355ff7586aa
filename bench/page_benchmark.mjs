// The browser edition in headless Chromium: the page's whole download, and the
// main thread's time a tick at 51 tanks (every task of the page's main thread:
// the tick, putting the pixels on the canvas, style, layout and paint), over
// a few seconds of play from a level start. Goals: at most 1 MB, at most 1 ms
// a tick.
import { openBrowser, sleep } from '../tests/web/browser.mjs';

const kMeasureMs = 4000;

const chromium = await openBrowser();
try {
  const { page } = await chromium.open();
  const bytes = await page.evaluate(() =>
    performance.getEntriesByType('navigation').concat(performance.getEntriesByType('resource'))
      .reduce((sum, entry) => sum + entry.encodedBodySize, 0));

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

  console.log(`page download: ${(bytes / 1024).toFixed(0)} KiB`);
  console.log(`main thread at 51 tanks, ${ticks} ticks over ${kMeasureMs / 1000} s: ` +
    `${perTick(after.TaskDuration - before.TaskDuration)} ms a tick in all, ` +
    `${perTick(after.ScriptDuration - before.ScriptDuration)} ms of it script`);
} finally {
  await chromium.close();
}
