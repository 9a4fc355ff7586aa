// The browser edition played in headless Chromium, judged from the canvas and
// the DOM: the picture, driving and firing, the dialogs, pause, clearing,
// Quit, and a run-time error that the game survives.
import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';

import { centre, openBrowser, picture, sleep } from './browser.mjs';

const kWhite = '255,255,255';
const kBlack = '0,0,0';
const kBlue = '0,0,150';
const kShellRed = '200,0,0';
const kTrailPink = '255,225,225';
const kSettle = 400;  // ms: more than a dozen ticks

let chromium;
before(async () => {
  chromium = await openBrowser();
});
after(async () => chromium.close());

async function changes(page, ms = kSettle) {
  const first = await picture(page);
  await sleep(ms);
  return (await picture(page)).hash !== first.hash;
}

// A dialog's control by its name, as the player reads it.
const caption = (page, dialog, name) =>
  page.$eval(`#${dialog} [data-control="${name}"]`, (element) => element.textContent);
const isOpen = (page, dialog) => page.$eval(`#${dialog}`, (element) => element.open);

test('the page loads with no console error and shows a white field with black tanks and one blue one', async () => {
  const { page, errors } = await chromium.open();
  await sleep(kSettle);
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
  const { page, errors } = await chromium.open({ width: 640, height: 480 });  // a page that could scroll
  await sleep(kSettle);
  // The way the blue tank goes, step by step, counts: it may bounce off an
  // edge back to where it began. A wreck in its way is cleared first; a hit
  // stops it, and a tank destroyed meanwhile is replaced by the next level.
  let driven = 0;
  for (let attempt = 0; attempt < 3 && driven <= 20; ++attempt) {
    await page.keyboard.press('Enter');
    await page.keyboard.down('ArrowUp');
    const where = async () => {
      const { blue } = await picture(page);
      return blue.length > 0 ? centre(blue) : null;  // none while it shows grey, or is gone
    };
    let at = await where();
    for (let step = 0; step < 15; ++step) {
      await sleep(100);
      const now = await where();
      if (at !== null && now !== null) driven += Math.hypot(now[0] - at[0], now[1] - at[1]);
      at = now ?? at;
    }
    await page.keyboard.up('ArrowUp');
    if ((await picture(page)).blue.length === 0) await page.evaluate(() => brassmoor.resultNextLevel());
  }
  assert.ok(driven > 20, `drove ${driven} px with Up held`);
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
  const { page } = await chromium.open();
  await sleep(kSettle);
  const box = await page.$eval('#frm', (c) => c.getBoundingClientRect().toJSON());
  const [px, py] = centre((await picture(page)).blue);
  const aim = [px < 361 ? px + 200 : px - 200, py];  // 200 pixels across, within the field
  await page.mouse.move(box.x + aim[0], box.y + aim[1]);
  await page.mouse.down();
  let trail = 0, red = 0;
  for (let tries = 0; tries < 30 && !(trail > 3 && red > 0); ++tries) {
    await sleep(100);
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
  assert.ok(trail > 3, `pink trail pixels along the line of fire: ${trail}`);
  assert.ok(red > 0, 'a red shell');
  await page.close();
});

test('Esc shows the score and stops the field; Back resumes; Next level starts a new level', async () => {
  const { page } = await chromium.open();
  await sleep(kSettle);
  await page.keyboard.press('Escape');
  assert.ok(await isOpen(page, 'frm_winlose'));
  assert.equal(await caption(page, 'frm_winlose', 'Label1'), 'Wins:');
  assert.equal(await caption(page, 'frm_winlose', 'Label2'), 'Losses:');
  assert.deepEqual([await caption(page, 'frm_winlose', 'Label3'), await caption(page, 'frm_winlose', 'Label4')], ['0', '0']);
  assert.equal(await page.evaluate(() => document.activeElement.dataset.control), 'btn_quit', 'the first button has the focus');
  assert.ok(!(await changes(page)), 'the battlefield stands still');

  await page.keyboard.press('Escape');  // Esc inside the dialog does nothing
  assert.ok(await isOpen(page, 'frm_winlose'));

  await page.click('#frm_winlose [data-control="Command1"]');
  assert.ok(!(await isOpen(page, 'frm_winlose')));
  assert.ok(await changes(page), 'Back: the game runs on');

  await page.keyboard.press('Escape');
  await page.click('#frm_winlose [data-control="Command2"]');
  await sleep(kSettle);
  await page.keyboard.press('Escape');
  assert.equal(await caption(page, 'frm_winlose', 'Label4'), '1', 'the abandoned level is a loss');
  await page.close();
});

test('F1 shows the help with its five lines whole; Close resumes', async () => {
  const { page } = await chromium.open();
  await sleep(kSettle);
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
  assert.ok(!(await changes(page)), 'paused while the help is shown');
  await page.click('#frm_help [data-control="Command1"]');
  assert.ok(!(await isOpen(page, 'frm_help')));
  assert.ok(await changes(page));
  await page.close();
});

test('the title bar close only hides a dialog: the game stays paused until P', async () => {
  const { page } = await chromium.open();
  await sleep(kSettle);
  await page.keyboard.press('F1');
  await page.click('#frm_help .close');
  assert.ok(!(await isOpen(page, 'frm_help')));
  assert.ok(!(await changes(page)));
  await page.focus('#frm');
  await page.keyboard.press('p');
  assert.ok(await changes(page));
  await page.close();
});

test('P pauses and resumes; Enter, while paused, clears the field until the tanks come back', async () => {
  const { page } = await chromium.open();
  await sleep(kSettle);
  await page.keyboard.press('p');
  assert.ok(!(await changes(page)), 'paused');
  await page.keyboard.press('Enter');
  const cleared = await picture(page);
  assert.deepEqual(Object.keys(cleared.counts), [kWhite], 'everything cleared');
  await page.keyboard.press('P');
  await sleep(kSettle);
  const resumed = await picture(page);
  assert.ok(resumed.counts[kBlack] > 100 && resumed.blue.length > 20, 'the tanks are back');
  await page.close();
});

test('Quit ends the game for good and shows the final score', async () => {
  const { page } = await chromium.open();
  await sleep(kSettle);
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
  const { page, errors } = await chromium.open();
  await sleep(kSettle);
  await page.evaluate(() => brassmoor.test.setTarget(50, 99));  // slot 99 does not exist
  await sleep(kSettle);
  assert.deepEqual(errors, ['brassmoor: run-time error in tmr_Timer: Subscript out of range']);
  assert.ok(await changes(page), 'the tanks in the slots before it still move');
  await page.close();
});
