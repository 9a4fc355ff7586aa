// The page's dialogs behave like windows: the one shown last comes to the
// front with the focus on its first button, Tab goes round its own buttons,
// they sit on whole pixels, and the end screen shows the numbers at Quit.
import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';

import { openBrowser, sleep } from './browser.mjs';

let chromium;
before(async () => {
  chromium = await openBrowser();
});
after(async () => chromium.close());

const focused = (page) => page.evaluate(() => `${document.activeElement.closest('dialog')?.id}.${document.activeElement.dataset.control}`);

test('the dialog shown last is in front and has the focus; Tab and Shift+Tab go round its buttons only', async () => {
  const cases = [
    { keys: ['F1', 'Escape'], front: 'frm_winlose', first: 'btn_quit', tabs: ['Command1', 'Command2', 'btn_quit'], back: 'Command2' },
    { keys: ['Escape', 'F1'], front: 'frm_help', first: 'Command1', tabs: ['Command1', 'Command1'], back: 'Command1' },
  ];
  for (const { keys, front, first, tabs, back } of cases) {
    const { page } = await chromium.open();
    const field = await page.$eval('#frm', (c) => c.getBoundingClientRect().toJSON());
    await page.keyboard.press(keys[0]);
    await page.mouse.click(field.x + 10, field.y + 10);  // back to the battlefield
    await page.keyboard.press(keys[1]);
    const atFirst = await page.$eval(`#${front} [data-control="${first}"]`, (button) => {
      const box = button.getBoundingClientRect();
      return document.elementFromPoint(box.x + box.width / 2, box.y + box.height / 2) === button;
    });
    assert.ok(atFirst, `${keys}: ${front} is in front`);
    assert.equal(await focused(page), `${front}.${first}`);
    const seen = [];
    for (const _ of tabs) {
      await page.keyboard.press('Tab');
      seen.push((await focused(page)).split('.')[1]);
    }
    assert.deepEqual(seen, tabs, `${keys}: Tab`);
    await page.keyboard.down('Shift');
    await page.keyboard.press('Tab');
    await page.keyboard.up('Shift');
    assert.equal(await focused(page), `${front}.${back}`, `${keys}: Shift+Tab`);
    await page.close();
  }
});

test('the battlefield and both dialogs sit on whole pixels at any window size', async () => {
  for (const viewport of [{ width: 900, height: 760 }, { width: 901, height: 761 }, { width: 1000, height: 700 }]) {
    const { page } = await chromium.open(viewport);
    await page.keyboard.press('Escape');
    await page.focus('#frm');
    await page.keyboard.press('F1');
    const corners = await page.$$eval('#frm, dialog', (elements) => elements.map((e) => {
      const box = e.getBoundingClientRect();
      return [e.id, box.left, box.top];
    }));
    assert.equal(corners.length, 3);
    for (const [id, left, top] of corners) assert.ok(Number.isInteger(left) && Number.isInteger(top), `${viewport.width}: ${id} at ${left}, ${top}`);
    await page.close();
  }
});

test('the end screen shows the wins and losses as they stand at Quit, not as the dialog opened', async () => {
  const { page } = await chromium.open();
  await sleep(100);  // past the first level start
  await page.keyboard.press('Escape');
  await page.focus('#frm');
  await page.keyboard.press('p');  // the game runs on behind the dialog
  await page.evaluate(() => brassmoor.test.askNextLevel());
  await sleep(200);
  assert.equal(await page.$eval('#frm_winlose [data-control="Label4"]', (l) => l.textContent), '0', 'the dialog keeps what it opened with');
  await page.click('#frm_winlose [data-control="btn_quit"]');
  assert.match(await page.$eval('#end', (e) => e.innerText), /Wins:\s*0\s+Losses:\s*1/);
  await page.close();
});
