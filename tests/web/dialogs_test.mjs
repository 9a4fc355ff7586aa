// The page's dialogs behave like windows, and a screen reader hears them as a
// player sees them.
import assert from 'node:assert/strict';
import { test } from 'node:test';

import { browserForFile, rect, testPage } from './browser.mjs';

const chromium = browserForFile({ folder: testPage });

// Where the keys are, as dialog.control; and whether that control shows
// whole, nothing over any of its corners.
const focused = (page) => page.evaluate(() => {
  const control = document.activeElement;
  const box = control.getBoundingClientRect();
  const corners = [[box.left + 1, box.top + 1], [box.right - 1, box.top + 1], [box.left + 1, box.bottom - 1], [box.right - 1, box.bottom - 1]];
  return [`${control.closest('dialog')?.id}.${control.dataset.control}`, corners.every(([x, y]) => document.elementFromPoint(x, y) === control)];
});

// Tab, or with `shift` Shift+Tab.
async function tabbing(page, shift) {
  if (shift) await page.keyboard.down('Shift');
  await page.keyboard.press('Tab');
  if (shift) await page.keyboard.up('Shift');
}

// Result over Help, as F1, a click on the battlefield and Esc leave them.
async function resultOverHelp(page) {
  const field = await rect(page, '#frm');
  await page.keyboard.press('F1');
  await page.mouse.click(field.x + 10, field.y + 10);
  await page.keyboard.press('Escape');
}

test('the dialog shown or clicked last is in front with the keys, on its first button at every showing; Tab and Shift+Tab go round its own buttons', async () => {
  const { page } = await chromium.open();
  const field = await rect(page, '#frm');
  const tab = (shift = false) => () => tabbing(page, shift);
  const steps = [
    ['Esc over Help', () => resultOverHelp(page), 'frm_winlose.btn_quit'],
    ['Tab', tab(), 'frm_winlose.Command1'], ['Tab', tab(), 'frm_winlose.Command2'], ['Tab', tab(), 'frm_winlose.btn_quit'],
    ['Shift+Tab', tab(true), 'frm_winlose.Command2'],
    ['Esc from the battlefield, twice', async () => {
      await page.mouse.click(field.x + 10, field.y + 10);
      await page.keyboard.press('Escape');
      await page.keyboard.press('Escape');
    }, 'frm_winlose.btn_quit'],
    // Its title bar, clear of Result.
    ['a click on Help behind', async () => {
      const help = await rect(page, '#frm_help');
      await page.mouse.click(help.x + 5, help.y + 5);
    }, 'frm_help.Command1'],
    ['Tab in Help', tab(), 'frm_help.Command1'], ['Shift+Tab in Help', tab(true), 'frm_help.Command1'],
  ];
  for (const [what, step, keys] of steps) {
    await step();
    assert.deepEqual(await focused(page), [keys, true], `${what}: the keys on ${keys}, in front`);
  }
});

// What a screen reader is given: each dialog's name, the text it reads as the
// dialog opens, and its controls, by the accessibility tree.
test('a screen reader hears the score as one text when Result opens, and tells the help\'s two Close controls apart', async () => {
  const { page } = await chromium.open();
  await page.evaluate(() => brassmoor.tick());  // past the first level start: no losses yet
  await resultOverHelp(page);
  const heard = {};
  for (const id of ['frm_winlose', 'frm_help']) {
    const node = await page.accessibility.snapshot({ root: await page.$(`#${id}`) });
    const buttons = [];
    const walk = (n) => (n.role === 'button' ? buttons.push(n.name) : n.children?.forEach(walk));
    walk(node);
    heard[id] = { role: node.role, name: node.name, description: node.description, buttons };
  }
  assert.deepEqual(heard.frm_winlose, { role: 'dialog', name: 'Result', description: 'Wins: 0, Losses: 0', buttons: ['Close Result', 'Quit', 'Back', 'Next level'] });
  assert.equal(heard.frm_help.description, 'Esc quits the game and show the score. Enter redraws the screen. Move your tank using the arrow keys. '
    + 'Fire using the left mouse button. When there are no tanks left slow down until you stop.');
  assert.deepEqual(heard.frm_help.buttons, ['Close Help', 'Close']);
});

test('the battlefield shows a focus ring when the keyboard reaches it, and none when clicked', async () => {
  const { page } = await chromium.open();
  const ring = () => page.$eval('#frm', (c) => c.matches(':focus') && getComputedStyle(c).outlineStyle !== 'none');
  await page.click('#frm');
  assert.equal(await ring(), false, 'clicked');
  await tabbing(page, false);  // onto Fullscreen
  await tabbing(page, true);
  assert.equal(await ring(), true, 'by the keyboard');
});

test('Quit ends the game for good, and the end screen shows the wins and losses as they stand then, not as the dialog opened', async () => {
  const { page, ticks } = await chromium.open(undefined, { still: true });
  await ticks(1);  // the first level start
  await page.keyboard.press('Escape');
  await page.focus('#frm');
  await page.keyboard.press('p');  // the game runs on behind the dialog
  await page.evaluate(() => brassmoor.test.askNextLevel());
  await ticks(2);  // one tick puts every tank out of play, the next starts the level
  assert.equal(await page.$eval('#frm_winlose [data-control="Label4"]', (l) => l.textContent), '0', 'the dialog keeps what it opened with');
  await page.click('#frm_winlose [data-control="btn_quit"]');
  const shown = await page.evaluate(() => [document.getElementById('play').hidden, document.getElementById('end').hidden, brassmoor.timerEnabled()]);
  assert.deepEqual(shown, [true, false, false], 'the end screen in place of the battlefield, and no tick runs any more');
  assert.match(await page.$eval('#end', (e) => e.innerText), /Wins:\s*0\s+Losses:\s*1[^]*Play again/);
});
