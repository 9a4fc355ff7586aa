// The README's picture of the browser edition: a few seconds of play in
// headless Chromium, the player driving ahead and firing at the centre.
// Usage: node scripts/web_screenshot.mjs [PNG]   (default: docs/browser.png)
import { openBrowser, sleep } from '../tests/web/browser.mjs';

const chromium = await openBrowser();
try {
  const { page } = await chromium.open({ width: 780, height: 700 });
  const box = await page.$eval('#frm', (canvas) => canvas.getBoundingClientRect().toJSON());
  await page.mouse.move(box.x + 361, box.y + 325);
  await page.mouse.down();
  await page.keyboard.down('ArrowUp');
  await sleep(3000);
  await page.screenshot({ path: process.argv[2] ?? 'docs/browser.png' });
} finally {
  await chromium.close();
}
