// The page takes only the game's own keys and never scrolls; pointers
// follow the DOM's own button bits, and a cancelled pointer lets go.
import assert from 'node:assert/strict';
import { test } from 'node:test';

import { browserForFile, recorder, testPage } from './browser.mjs';

const chromium = browserForFile({ folder: testPage });

test('only the game\'s own keys are taken from the browser, and none pressed with Ctrl, Alt or Meta, which the game does not see', async () => {
  const { page } = await chromium.open();
  const recorded = await recorder(page);
  const cases = [
    [{ key: 'p', ctrlKey: true }, false], [{ key: 'p', altKey: true }, false], [{ key: 'P', ctrlKey: true, shiftKey: true }, false],
    [{ key: 'Enter', ctrlKey: true }, false], [{ key: 'Escape', metaKey: true }, false], [{ key: 'F1', altKey: true }, false],
    [{ key: 'x' }, false], [{ key: 'p' }, true], [{ key: 'ArrowDown' }, true], [{ key: 'F1' }, true],
  ];
  for (const [init, game] of cases) {
    const taken = await page.evaluate((init) => {
      const event = new KeyboardEvent('keydown', { ...init, bubbles: true, cancelable: true });
      document.getElementById('frm').dispatchEvent(event);
      return event.defaultPrevented;
    }, init);
    assert.deepEqual([taken, (await recorded()).length > 0], [game, game], JSON.stringify(init));
  }
  await page.close();
});

test('the page never scrolls, whatever has the focus, in a window smaller than the battlefield', async () => {
  const { page } = await chromium.open({ width: 640, height: 480 });
  const where = () => page.evaluate(() => [scrollX, scrollY, document.getElementById('frm').getBoundingClientRect().top]);
  const start = await where();
  const places = [
    { focus: () => page.keyboard.press('Escape'), keys: ['ArrowDown', 'ArrowDown', 'PageDown', 'End', 'ArrowRight'] },
    { focus: () => page.click('#frm_winlose [data-control="Command1"]'), keys: ['Space', 'PageDown', 'End', 'ArrowDown'] },
  ];
  for (const { focus, keys } of places) {
    await focus();
    for (const key of keys) await page.keyboard.press(key);
    await page.mouse.wheel({ deltaY: 400 });
    assert.deepEqual(await where(), start, `keys ${keys} with the focus on ${await page.evaluate(() => document.activeElement.id || document.activeElement.dataset.control)}`);
  }
  assert.deepEqual(start.slice(0, 2), [0, 0]);
  await page.close();
});

test('back and forward leave the held left button firing; a cancelled pointer lets go', async () => {
  const { page } = await chromium.open();
  const box = await page.$eval('#frm', (c) => c.getBoundingClientRect().toJSON());
  await page.evaluate(() => document.getElementById('frm').addEventListener('pointerdown', (e) => { globalThis.lastPointer = e.pointerId; }));
  const fireHeld = () => page.evaluate(() => brassmoor.test.mouse().fireHeld);
  await page.mouse.move(box.x + 300, box.y + 200);
  await page.mouse.down();
  assert.equal(await fireHeld(), -1);
  for (const button of ['back', 'forward']) {
    await page.mouse.down({ button });
    assert.equal(await fireHeld(), -1, `${button} pressed`);
  }
  await page.evaluate(() => document.getElementById('frm').dispatchEvent(new PointerEvent('pointercancel', { pointerId: lastPointer, bubbles: true })));
  assert.equal(await fireHeld(), 0, 'cancelled');
  await page.close();
});
