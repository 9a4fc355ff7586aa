// The page's glue: each input reaches the game's handler with the game's code,
// as the recording shows it, and only the game's own keys are taken from the
// browser. What the handlers do is the game's, tested there.
import assert from 'node:assert/strict';
import { test } from 'node:test';

import { browserForFile, changes, rect, recorder, testPage } from './browser.mjs';

const kSettle = 16;  // ticks

const chromium = browserForFile({ folder: testPage });

// Every page runs on the test's still clock: it plays the same game at every run.
const open = (viewport) => chromium.open(viewport, { still: true });

test('each key, button and dialog click reaches its handler with the game\'s code, and no context menu opens', async () => {
  const { page, ticks } = await open();
  await ticks(kSettle);
  const recorded = await recorder(page);
  const box = await rect(page, '#frm');
  const control = (dialog, name) => `#${dialog} [data-control="${name}"]`;
  // A dialog takes the keys, and the battlefield losing them lets go of every arrow.
  const letGo = 'keyup 37,keyup 38,keyup 39,keyup 40';
  const cases = [
    ['the arrows and F1', async () => {
      for (const key of ['ArrowLeft', 'ArrowUp', 'ArrowRight', 'ArrowDown']) await page.keyboard.press(key);
      await page.keyboard.down('F1');
    }, `keydown 37,keyup 37,keydown 38,keyup 38,keydown 39,keyup 39,keydown 40,keyup 40,keydown 112,${letGo}`],
    ['the help\'s Close', () => page.click(control('frm_help', 'Command1')), 'close'],
    ['the characters', async () => {
      await page.focus('#frm');
      for (const key of ['p', 'P', 'Enter', 'x']) await page.keyboard.press(key);
    }, 'key 112,key 80,key 13'],
    ['the buttons, in battlefield pixels', async () => {
      await page.mouse.move(box.x + 100.5, box.y + 120.5);
      await page.mouse.down();
      await page.mouse.up();
      await page.mouse.down({ button: 'right' });
      await page.mouse.up({ button: 'right' });
    }, 'move 100 120,down 1 100 120,up 1 100 120,down 2 100 120,up 2 100 120'],
    ['the result\'s Back and Next level', async () => {
      await page.keyboard.press('Escape');
      await page.click(control('frm_winlose', 'Command1'));
      await page.keyboard.press('Escape');
      await page.click(control('frm_winlose', 'Command2'));
    }, `key 27,${letGo},back,key 27,${letGo},next`],
    ['Esc inside a dialog is the dialog\'s', async () => {
      await page.keyboard.press('Escape');
      await page.keyboard.press('Escape');
      await page.click(control('frm_winlose', 'Command1'));
    }, `key 27,${letGo},back`],
    ['the title bar\'s close only hides the dialog', async () => {
      await page.keyboard.press('Escape');
      await page.click('#frm_winlose .close');
    }, `key 27,${letGo},hideresult`],
  ];
  for (const [what, input, calls] of cases) {
    await input();
    assert.deepEqual(await recorded(), calls.split(','), what);
  }
  const menu = await page.evaluate(() => {
    const event = new MouseEvent('contextmenu', { bubbles: true, cancelable: true });
    document.getElementById('frm').dispatchEvent(event);
    return event.defaultPrevented;
  });
  assert.ok(menu, 'no context menu over the battlefield');
});

test('a click on a button that the game\'s tables do not hold is one clear error', async () => {
  const { page } = await open();
  const told = await page.evaluate(() => [['frm_main', 'Command1'], ['frm_help', 'Command2']].map(([dialog, button]) => {
    try { return brassmoor.click(dialog, button); } catch (error) { return error.message; }
  }));
  assert.deepEqual(told, ['the game has no dialog frm_main', 'the dialog frm_help has no button Command2']);
});

test('a run-time error ends its tick, is reported once on the console, and the next tick still runs', async () => {
  const played = await open();
  const { page, errors, ticks } = played;
  await ticks(kSettle);
  await page.evaluate(() => brassmoor.test.setTarget(50, 99));  // slot 99 does not exist
  await ticks(kSettle);
  assert.deepEqual(errors, ['brassmoor: run-time error in tmr_Timer: Subscript out of range']);
  assert.ok(await changes(played, kSettle), 'the tanks in the slots before it still move');
});

test('only the game\'s own keys are taken from the browser, and none pressed with Ctrl, Alt or Meta, which the game does not see', async () => {
  const { page } = await open();
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
});

test('the page never scrolls, whatever has the focus, in a window smaller than the battlefield', async () => {
  const { page } = await open({ width: 640, height: 480 });
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
});

test('back and forward leave the held left button firing; a cancelled pointer lets go', async () => {
  const { page } = await open();
  const box = await rect(page, '#frm');
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
});
