// The README's pictures of the browser edition, each after a few seconds of
// play in headless Chromium: with a mouse and keys, the player driving ahead
// and firing at the centre; and on a phone in portrait, the same by touch,
// a finger on the pad's Up and one on the battlefield.
// Usage: node scripts/web_screenshot.mjs [DESKTOP_PNG PHONE_PNG]
//        (default: docs/browser.png docs/browser-phone.png)
import { setTimeout as sleep } from 'node:timers/promises';

import { openBrowser } from '../tests/web/browser.mjs';

const [desktopPng = 'docs/browser.png', phonePng = 'docs/browser-phone.png'] = process.argv.slice(2);
const kPhone = { width: 390, height: 844, deviceScaleFactor: 3, isMobile: true, hasTouch: true };
const kPlayMs = 3000;

const middle = (box) => [box.x + box.width / 2, box.y + box.height / 2];
const box = (page, selector) => page.$eval(selector, (element) => element.getBoundingClientRect().toJSON());

const chromium = await openBrowser();
try {
  const desktop = (await chromium.open({ width: 900, height: 700 })).page;
  await desktop.mouse.move(...middle(await box(desktop, '#frm')));
  await desktop.mouse.down();
  await desktop.keyboard.down('ArrowUp');
  await sleep(kPlayMs);
  await desktop.screenshot({ path: desktopPng });

  const phone = (await chromium.open(kPhone)).page;
  await phone.touchscreen.touchStart(...middle(await box(phone, '#pad [data-key="ArrowUp"]')));
  await phone.touchscreen.touchStart(...middle(await box(phone, '#frm')));
  await sleep(kPlayMs);
  await phone.screenshot({ path: phonePng });
} finally {
  await chromium.close();
}
