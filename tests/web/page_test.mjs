// The browser edition played in headless Chromium, judged from the canvas and
// the DOM: the picture, driving and firing, the dialogs, pause, clearing,
// Quit, and a run-time error that the game survives.
import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';

import { kSeed, openBrowser, picture, playerAt, testPage } from './browser.mjs';

const kWhite = '255,255,255';
const kBlack = '0,0,0';
const kBlue = '0,0,150';
const kShellRed = '200,0,0';
const kTrailPink = '255,225,225';
const kSettle = 16;  // ticks

let chromium;
before(async () => {
  chromium = await openBrowser({ folder: testPage });
});
after(async () => chromium.close());

// Every page runs on the test's still clock: it plays the same game at every run.
const open = (viewport) => chromium.open(viewport, { still: true });

// Whether the battlefield changes while the clock moves on by `count` ticks.
async function changes({ page, ticks }, count = kSettle) {
  const first = await picture(page);
  await ticks(count);
  return (await picture(page)).hash !== first.hash;
}

// A dialog's control by its name, as the player reads it.
const caption = (page, dialog, name) =>
  page.$eval(`#${dialog} [data-control="${name}"]`, (element) => element.textContent);
const isOpen = (page, dialog) => page.$eval(`#${dialog}`, (element) => element.open);

test('the page loads with no console error and shows a white field with black tanks and one blue one', async () => {
  const { page, errors, ticks } = await open();
  await ticks(kSettle);
  assert.equal(await page.title(), 'Brassmoor');
  const box = await page.$eval('#frm', (c) => [c.width, c.height, c.getBoundingClientRect().width, c.getBoundingClientRect().height]);
  assert.deepEqual(box, [723, 651, 723, 651]);
  const { counts, blue } = await picture(page);
  assert.ok(counts[kWhite] > 0.9 * 723 * 651, 'white ground');
  assert.ok(counts[kBlack] > 100, 'black outlines');
  assert.ok(blue.length > 20, 'the blue tank');
  const xs = blue.map(([x]) => x), ys = blue.map(([, y]) => y);
  assert.ok(Math.max(...xs) - Math.min(...xs) <= 31 && Math.max(...ys) - Math.min(...ys) <= 31, 'one blue tank');
  assert.deepEqual(errors, []);
  await page.close();
});

test('Up drives the blue tank, and the page takes the arrows and F1 without scrolling or opening help', async () => {
  const { page, errors, ticks } = await open({ width: 640, height: 480 });  // a page that could scroll
  await ticks(kSettle);
  // The way the blue tank goes, tick by tick, counts: it may bounce off an
  // edge back to where it began.
  await page.keyboard.down('ArrowUp');
  let [at, driven] = [await playerAt(page), 0];
  for (let tick = 0; tick < 40; ++tick) {
    await ticks(1);
    const now = await playerAt(page);
    driven += Math.hypot(now[0] - at[0], now[1] - at[1]);
    at = now;
  }
  await page.keyboard.up('ArrowUp');
  assert.ok(driven > 20, `drove ${driven} px in 40 ticks with Up held, in the game of ?seed=${kSeed}`);
  assert.deepEqual(await page.evaluate(() => [scrollX, scrollY]), [0, 0]);

  const taken = await page.evaluate(() => ['F1', 'ArrowDown', 'x'].map((key) => {
    const event = new KeyboardEvent('keydown', { key, bubbles: true, cancelable: true });
    document.getElementById('frm').dispatchEvent(event);
    return event.defaultPrevented;
  }));
  assert.deepEqual(taken, [true, true, false], 'only the keys the game uses');
  const menu = await page.evaluate(() => {
    const event = new MouseEvent('contextmenu', { bubbles: true, cancelable: true });
    document.getElementById('frm').dispatchEvent(event);
    return event.defaultPrevented;
  });
  assert.ok(menu, 'no context menu over the battlefield');
  assert.deepEqual(errors, []);
  await page.close();
});

test('holding the left button fires: a pink trail runs from the blue tank towards the pointer', async () => {
  const { page, ticks } = await open();
  await ticks(kSettle);
  const box = await page.$eval('#frm', (c) => c.getBoundingClientRect().toJSON());
  const [px, py] = await playerAt(page);
  const aim = [px < 361 ? px + 200 : px - 200, py];  // 200 pixels across, within the field
  await page.mouse.move(box.x + aim[0], box.y + aim[1]);
  await page.mouse.down();
  let trail = 0, red = 0;
  for (let tick = 0; tick < 40 && !(trail > 3 && red > 0); ++tick) {
    await ticks(1);
    const shown = await page.evaluate(([fromX, fromY, toX, toY]) => {
      const canvas = document.getElementById('frm');
      const data = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height).data;
      let pink = 0, red = 0;
      for (let i = 0; i < data.length; i += 4) {
        const [r, g, b] = [data[i], data[i + 1], data[i + 2]];
        if (r === 200 && g === 0 && b === 0) ++red;
        if (r !== 255 || g !== 225 || b !== 225) continue;
        const x = (i / 4) % canvas.width, y = Math.floor(i / 4 / canvas.width);
        if (Math.abs(y - fromY) <= 3 && x >= Math.min(fromX, toX) && x <= Math.max(fromX, toX)) ++pink;
      }
      return [pink, red];
    }, [px, py, ...aim]);
    [trail, red] = shown;
  }
  await page.mouse.up();
  assert.ok(trail > 3, `pink trail pixels along the line of fire within 40 ticks, in the game of ?seed=${kSeed}: ${trail}`);
  assert.ok(red > 0, `a red shell, in the game of ?seed=${kSeed}`);
  await page.close();
});

test('Esc shows the score and stops the field; Back resumes; Next level starts a new level', async () => {
  const played = await open();
  const { page, ticks } = played;
  await ticks(kSettle);
  await page.keyboard.press('Escape');
  assert.ok(await isOpen(page, 'frm_winlose'));
  assert.equal(await caption(page, 'frm_winlose', 'Label1'), 'Wins:');
  assert.equal(await caption(page, 'frm_winlose', 'Label2'), 'Losses:');
  assert.deepEqual([await caption(page, 'frm_winlose', 'Label3'), await caption(page, 'frm_winlose', 'Label4')], ['0', '0']);
  assert.equal(await page.evaluate(() => document.activeElement.dataset.control), 'btn_quit', 'the first button has the focus');
  assert.ok(!(await changes(played)), 'the battlefield stands still');

  await page.keyboard.press('Escape');  // Esc inside the dialog does nothing
  assert.ok(await isOpen(page, 'frm_winlose'));

  await page.click('#frm_winlose [data-control="Command1"]');
  assert.ok(!(await isOpen(page, 'frm_winlose')));
  assert.ok(await changes(played), 'Back: the game runs on');

  await page.keyboard.press('Escape');
  await page.click('#frm_winlose [data-control="Command2"]');
  await ticks(2);  // one tick puts every tank out of play, the next starts the level
  await page.keyboard.press('Escape');
  assert.equal(await caption(page, 'frm_winlose', 'Label4'), '1', 'the abandoned level is a loss');
  await page.close();
});

test('F1 shows the help with its five lines whole; Close resumes', async () => {
  const played = await open();
  const { page, ticks } = played;
  await ticks(kSettle);
  await page.keyboard.press('F1');
  assert.ok(await isOpen(page, 'frm_help'));
  const lines = await page.$$eval('#frm_help .label', (labels) => labels.map((label) => {
    const text = document.createRange();
    text.selectNodeContents(label);
    const [inner, box, dialog] = [text.getBoundingClientRect(), label.getBoundingClientRect(),
      label.closest('dialog').getBoundingClientRect()];
    const whole = inner.width <= box.width + 0.5 && box.left >= dialog.left && box.right <= dialog.right;
    return [label.textContent, whole];
  }));
  assert.deepEqual(lines, [
    ['Esc quits the game and show the score.', true],
    ['Enter redraws the screen.', true],
    ['Move your tank using the arrow keys.', true],
    ['Fire using the left mouse button.', true],
    ['When there are no tanks left slow down until you stop.', true],
  ]);
  assert.ok(!(await changes(played)), 'paused while the help is shown');
  await page.click('#frm_help [data-control="Command1"]');
  assert.ok(!(await isOpen(page, 'frm_help')));
  assert.ok(await changes(played));
  await page.close();
});

test('the title bar close only hides a dialog: the game stays paused until P', async () => {
  const played = await open();
  const { page, ticks } = played;
  await ticks(kSettle);
  await page.keyboard.press('F1');
  await page.click('#frm_help .close');
  assert.ok(!(await isOpen(page, 'frm_help')));
  assert.ok(!(await changes(played)));
  await page.focus('#frm');
  await page.keyboard.press('p');
  assert.ok(await changes(played));
  await page.close();
});

test('P pauses and resumes; Enter, while paused, clears the field until the tanks come back', async () => {
  const played = await open();
  const { page, ticks } = played;
  await ticks(kSettle);
  await page.keyboard.press('p');
  assert.ok(!(await changes(played)), 'paused');
  await page.keyboard.press('Enter');
  const cleared = await picture(page);
  assert.deepEqual(Object.keys(cleared.counts), [kWhite], 'everything cleared');
  await page.keyboard.press('P');
  await ticks(1);  // each tank redraws itself as its slot's turn comes
  const resumed = await picture(page);
  assert.ok(resumed.counts[kBlack] > 100 && resumed.blue.length > 20, 'the tanks are back');
  await page.close();
});

test('Quit ends the game for good and shows the final score', async () => {
  const { page, ticks } = await open();
  await ticks(kSettle);
  await page.keyboard.press('Escape');
  await page.click('#frm_winlose [data-control="btn_quit"]');
  assert.ok(await page.$eval('#play', (play) => play.hidden));
  const end = await page.$eval('#end', (section) => [section.hidden, section.innerText]);
  assert.equal(end[0], false);
  assert.match(end[1], /Wins:\s*0/);
  assert.match(end[1], /Losses:\s*0/);
  assert.match(end[1], /Play again/);
  assert.ok(!(await page.evaluate(() => brassmoor.timerEnabled())), 'no tick runs any more');
  await page.close();
});

test('a run-time error ends its tick, is reported once on the console, and the next tick still runs', async () => {
  const played = await open();
  const { page, errors, ticks } = played;
  await ticks(kSettle);
  await page.evaluate(() => brassmoor.test.setTarget(50, 99));  // slot 99 does not exist
  await ticks(kSettle);
  assert.deepEqual(errors, ['brassmoor: run-time error in tmr_Timer: Subscript out of range']);
  assert.ok(await changes(played), 'the tanks in the slots before it still move');
  await page.close();
});
