// The page's glue: each input reaches the game's handler with the game's code,
// as the recording shows it, and only the game's own keys are taken from the
// browser. What the handlers do is the game's, tested there.
import assert from 'node:assert/strict';
import { test } from 'node:test';

import { browserForFile, changes, play, recorder, testPage } from './browser.mjs';

const kSettle = 16;  // ticks

const chromium = browserForFile({ folder: testPage });

// Every page runs on the test's still clock: it plays the same game at every run.
const open = (viewport) => chromium.open(viewport, { still: true });

test('each key, button and dialog click reaches its handler with the game\'s code', async () => {
  const played = await open();
  await played.ticks(kSettle);
  const recorded = await recorder(played.page);
  // A dialog takes the keys, and the battlefield losing them lets go of every arrow.
  const letGo = 'keyup 37,keyup 38,keyup 39,keyup 40';
  const cases = [
    ['the arrows and F1', ['key ArrowLeft ArrowUp ArrowRight ArrowDown', 'keydown F1'],
      `keydown 37,keyup 37,keydown 38,keyup 38,keydown 39,keyup 39,keydown 40,keyup 40,keydown 112,${letGo}`],
    ['the help\'s Close', ['click frm_help.Command1'], 'close'],
    ['the characters', ['focus #frm', 'key p P Enter x'], 'key 112,key 80,key 13'],
    ['the buttons, in battlefield pixels', [[100.5, 120.5], 'mouseclick', 'mousedown right', 'mouseup right'],
      'move 100 120,down 1 100 120,up 1 100 120,down 2 100 120,up 2 100 120'],
    ['the result\'s Back and Next level', ['key Escape', 'click frm_winlose.Command1', 'key Escape', 'click frm_winlose.Command2'],
      `key 27,${letGo},back,key 27,${letGo},next`],
    ['Esc inside a dialog is the dialog\'s', ['key Escape Escape', 'click frm_winlose.Command1'], `key 27,${letGo},back`],
    ['the title bar\'s close only hides the dialog', ['key Escape', 'click #frm_winlose .close'], `key 27,${letGo},hideresult`],
  ];
  for (const [what, steps, calls] of cases) {
    await play(played, steps);
    assert.deepEqual(await recorded(), calls.split(','), what);
  }
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

test('only the game\'s own keys and the battlefield\'s context menu are taken from the browser, and no key pressed with Ctrl, Alt or Meta, which the game does not see', async () => {
  const { page } = await open();
  const recorded = await recorder(page);
  // Each event, whether the page takes it, and whether the game sees it.
  const cases = [
    [{ key: 'p', ctrlKey: true }, false], [{ key: 'p', altKey: true }, false], [{ key: 'P', ctrlKey: true, shiftKey: true }, false],
    [{ key: 'Enter', ctrlKey: true }, false], [{ key: 'Escape', metaKey: true }, false], [{ key: 'F1', altKey: true }, false],
    [{ key: 'x' }, false], [{ key: 'p' }, true], [{ key: 'ArrowDown' }, true], [{ key: 'F1' }, true], [{ type: 'contextmenu' }, true, false],
  ];
  for (const [init, taken, seen = taken] of cases) {
    const took = await page.evaluate(({ type = 'keydown', ...init }) => {
      const event = new (type === 'keydown' ? KeyboardEvent : MouseEvent)(type, { ...init, bubbles: true, cancelable: true });
      document.getElementById('frm').dispatchEvent(event);
      return event.defaultPrevented;
    }, init);
    assert.deepEqual([took, (await recorded()).length > 0], [taken, seen], JSON.stringify(init));
  }
});

test('the page never scrolls, whatever has the focus, in a window smaller than the battlefield', async () => {
  const played = await open({ width: 640, height: 480 });
  const where = () => played.page.evaluate(() => [scrollX, scrollY, document.getElementById('frm').getBoundingClientRect().top]);
  const start = await where();
  // With the focus in Result, then back on the battlefield.
  const places = [['key Escape ArrowDown ArrowDown PageDown End ArrowRight'], ['click frm_winlose.Command1', 'key Space PageDown End ArrowDown']];
  for (const steps of places) {
    await play(played, steps);
    await played.page.mouse.wheel({ deltaY: 400 });
    assert.deepEqual(await where(), start, `${steps}`);
  }
  assert.deepEqual(start.slice(0, 2), [0, 0]);
});

test('back and forward leave the held left button firing; a cancelled pointer lets go', async () => {
  const played = await open();
  const { page } = played;
  await page.evaluate(() => document.getElementById('frm').addEventListener('pointerdown', (e) => { globalThis.lastPointer = e.pointerId; }));
  const fireHeld = () => page.evaluate(() => brassmoor.test.mouse().fireHeld);
  await play(played, [[300, 200]]);
  for (const step of ['mousedown', 'mousedown back', 'mousedown forward']) {
    await play(played, [step]);
    assert.equal(await fireHeld(), -1, step);
  }
  await page.evaluate(() => document.getElementById('frm').dispatchEvent(new PointerEvent('pointercancel', { pointerId: lastPointer, bubbles: true })));
  assert.equal(await fireHeld(), 0, 'cancelled');
});
