// The page's dialogs behave like windows, and a screen reader hears them as a
// player sees them.
import assert from 'node:assert/strict';
import { test } from 'node:test';

import { browserForFile, control, play, rect, testPage } from './browser.mjs';

const chromium = browserForFile({ folder: testPage });

// Where the keys are, as dialog.control; and whether that control shows
// whole, nothing over any of its corners.
const focused = (page) => page.evaluate(() => {
  const control = document.activeElement;
  const box = control.getBoundingClientRect();
  const corners = [[box.left + 1, box.top + 1], [box.right - 1, box.top + 1], [box.left + 1, box.bottom - 1], [box.right - 1, box.bottom - 1]];
  return [`${control.closest('dialog')?.id}.${control.dataset.control}`, corners.every(([x, y]) => document.elementFromPoint(x, y) === control)];
});

// Result over Help, as F1, a click on the battlefield and Esc leave them.
const kResultOverHelp = ['key F1', [10, 10], 'mouseclick', 'key Escape'];

test('the dialog shown or clicked last is in front with the keys, on its first button at every showing; Tab and Shift+Tab go round its own buttons', async () => {
  const opened = await chromium.open();
  // A click on Help's title bar, clear of Result.
  const helpTitleBar = async () => {
    const help = await rect(opened.page, '#frm_help');
    await opened.page.mouse.click(help.x + 5, help.y + 5);
  };
  const steps = [
    [kResultOverHelp, 'frm_winlose.btn_quit'],
    [['key Tab'], 'frm_winlose.Command1'], [['key Tab'], 'frm_winlose.Command2'], [['key Tab'], 'frm_winlose.btn_quit'],
    [['key Shift+Tab'], 'frm_winlose.Command2'],
    [[[10, 10], 'mouseclick', 'key Escape Escape'], 'frm_winlose.btn_quit'],  // Esc from the battlefield, twice
    [[helpTitleBar], 'frm_help.Command1'],
    [['key Tab'], 'frm_help.Command1'], [['key Shift+Tab'], 'frm_help.Command1'],
  ];
  for (const [step, keys] of steps) {
    await play(opened, step);
    assert.deepEqual(await focused(opened.page), [keys, true], `${step}: the keys on ${keys}, in front`);
  }
});

// What a screen reader is given: each dialog's name, the text it reads as the
// dialog opens, and its controls, by the accessibility tree.
test('a screen reader hears the score as one text when Result opens, and tells the help\'s two Close controls apart', async () => {
  const opened = await chromium.open();
  await opened.page.evaluate(() => brassmoor.tick());  // past the first level start: no losses yet
  await play(opened, kResultOverHelp);
  const heard = {};
  for (const id of ['frm_winlose', 'frm_help']) {
    const node = await opened.page.accessibility.snapshot({ root: await opened.page.$(`#${id}`) });
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
  const opened = await chromium.open();
  const ring = () => opened.page.$eval('#frm', (c) => c.matches(':focus') && getComputedStyle(c).outlineStyle !== 'none');
  await opened.page.click('#frm');
  assert.equal(await ring(), false, 'clicked');
  await play(opened, ['key Tab Shift+Tab']);  // onto Fullscreen and back
  assert.equal(await ring(), true, 'by the keyboard');
});

test('Quit ends the game for good, and the end screen shows the wins and losses as they stand then, not as the dialog opened', async () => {
  const opened = await chromium.open(undefined, { still: true });
  // The first level start; Result shown with the game running on behind it,
  // and a loss: one tick puts every tank out of play, the next starts the level.
  await play(opened, [1, 'key Escape', 'focus #frm', 'key p', () => opened.page.evaluate(() => brassmoor.test.askNextLevel()), 2]);
  assert.equal(await opened.page.$eval(control('frm_winlose.Label4'), (l) => l.textContent), '0', 'the dialog keeps what it opened with');
  await opened.page.click(control('frm_winlose.btn_quit'));
  const shown = await opened.page.evaluate(() => [document.getElementById('play').hidden, document.getElementById('end').hidden, brassmoor.timerEnabled()]);
  assert.deepEqual(shown, [true, false, false], 'the end screen in place of the battlefield, and no tick runs any more');
  assert.match(await opened.page.$eval('#end', (e) => e.innerText), /Wins:\s*0\s+Losses:\s*1[^]*Play again/);
});
