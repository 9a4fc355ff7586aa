// The page on any screen: on a touch phone, in portrait and in landscape, and
// with a mouse, at every size and pixel ratio.
import assert from 'node:assert/strict';
import { test } from 'node:test';

import { browserForFile, control, kPhone, middle, play, recorder, rect, showPng, testPage } from './browser.mjs';

// Each screen, and where the touch controls show on it: under the
// battlefield, beside it, or (with a mouse) none.
const kPhones = [
  { name: 'portrait', viewport: kPhone, touch: 'under' },
  { name: 'landscape', viewport: { ...kPhone, width: kPhone.height, height: kPhone.width, isLandscape: true }, touch: 'beside' },
];
const kScreens = [...kPhones, { name: 'small phone', viewport: { ...kPhone, width: 320, height: 568 }, touch: 'under' },
  ...[[1920, 1080], [800, 600], [901, 761]].map(([width, height]) => ({ name: `${width} x ${height}`, viewport: { width, height } }))];
const kTouchControls = ['Clear (Enter)', 'Down', 'Help (F1)', 'Left', 'Pause (P)', 'Right', 'Score (Esc)', 'Up'];
const kField = { width: 723, height: 651 };

const chromium = browserForFile({ folder: testPage });

const overlaps = (a, b) => a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
const inside = (r, viewport) => r.left >= 0 && r.top >= 0 && r.right <= viewport.width && r.bottom <= viewport.height;

// The touch controls that show, by their captions.
const touchControls = (page) => page.$$eval('#pad button, #commands .for-touch', (buttons) =>
  buttons.filter((b) => b.checkVisibility()).map((b) => [b.getAttribute('aria-label') ?? b.textContent, b.getBoundingClientRect().toJSON()]));

// The screen as shown, in device pixels, kept in the page as the 2D context `shown`.
const readScreen = async (page) => showPng(page, await page.screenshot({ encoding: 'base64' }));

// A battlefield pixel as a point of the page.
const onField = (field, [x, y]) => [field.x + (x + 0.5) * (field.width / kField.width), field.y + (y + 0.5) * (field.height / kField.height)];

test('on any screen the battlefield fits the window in its shape, sharply, on whole pixels, in the game\'s own colours only, with the page\'s controls beside or under it and none over it: on a phone every touch control, with a mouse none, and the battlefield as large as fits; both dialogs sit over its centre, inside the window, on whole pixels, with every caption whole', async () => {
  for (const { name, viewport, touch } of kScreens) {
    const opened = await chromium.open(viewport, { still: true });
    const { page, errors } = opened;
    await play(opened, [12, 'key p']);  // a still picture to compare
    const field = await rect(page, '#frm');
    assert.ok(Math.abs(field.width / field.height - kField.width / kField.height) < 0.01, `${name}: its shape kept`);
    const controls = await touchControls(page);
    assert.deepEqual(controls.map(([caption]) => caption).sort(), touch ? kTouchControls : [], name);
    for (const [caption, box] of controls) {
      assert.ok(inside(box, viewport) && !overlaps(box, field), `${name}: ${caption} inside the window and off the battlefield`);
      const placed = touch === 'under' ? box.top >= field.bottom : box.right <= field.left || box.left >= field.right;
      assert.ok(placed, `${name}: ${caption} ${touch} the battlefield`);
    }
    if (!touch) {
      const commands = await rect(page, '#commands');
      assert.ok(!overlaps(field, commands), `${name}: beside its controls`);
      // As large as fits, or nearly: the whole-pixel size may give up a little.
      const largest = Math.min((viewport.width - commands.width) / kField.width, viewport.height / kField.height);
      assert.ok(field.width >= 0.85 * largest * kField.width, `${name}: ${field.width} px wide`);
    }
    await readScreen(page);
    const strays = await page.evaluate(({ x, y, width, height }, dpr) => {
      const colours = (data) => new Set(Array.from({ length: data.length / 4 }, (_, i) => data.slice(4 * i, 4 * i + 3).join()));
      const field = document.getElementById('frm');
      const own = colours(field.getContext('2d').getImageData(0, 0, field.width, field.height).data);
      return [...colours(shown.getImageData(x * dpr, y * dpr, width * dpr, height * dpr).data)].filter((c) => !own.has(c));
    }, field, viewport.deviceScaleFactor ?? 1);
    assert.deepEqual(strays, [], `${name}: colours on screen that the battlefield does not have`);
    await play(opened, ['key F1', 'focus #frm', 'key Escape']);
    for (const id of ['frm', 'frm_winlose', 'frm_help']) {
      const box = await rect(page, `#${id}`);
      assert.ok(inside(box, viewport) && Number.isInteger(box.left) && Number.isInteger(box.top), `${name}: ${id} inside the window, at ${box.left}, ${box.top}`);
      if (id === 'frm') continue;
      if (box.width <= field.width && box.height <= field.height) {
        const [x, y] = middle(box), [fx, fy] = middle(field);
        assert.ok(Math.abs(x - fx) <= 1 && Math.abs(y - fy) <= 1, `${name}: ${id} centred over the battlefield`);
      }
      const cut = await page.$$eval(`#${id} [data-control]`, (controls) => controls.filter((control) => {
        const text = document.createRange();
        text.selectNodeContents(control);
        const [inner, outer] = [text.getBoundingClientRect(), control.getBoundingClientRect()];
        return inner.left < outer.left - 0.5 || inner.right > outer.right + 0.5 || inner.top < outer.top - 0.5 || inner.bottom > outer.bottom + 0.5;
      }).map((control) => control.textContent));
      assert.deepEqual(cut, [], `${name}: ${id}'s captions whole`);
    }
    assert.deepEqual(errors, [], name);
    await page.close();
  }
});

const arrow = async (page, key) => middle(await rect(page, `#pad [data-key="${key}"]`));

// The arrows' key codes: 37 Left, 38 Up, 39 Right, 40 Down.
test('on a phone each finger on the pad holds the arrow under it, from its touch until it lifts or slides onto another, whatever the others do', async () => {
  const { page } = await chromium.open(kPhone, { still: true });
  const recorded = await recorder(page);
  const touch = async (key) => page.touchscreen.touchStart(...await arrow(page, key));
  const up = await touch('ArrowUp');
  const left = await touch('ArrowLeft');
  assert.deepEqual(await recorded(), ['keydown 38', 'keydown 37'], 'Up, then Left as well');
  await up.end();
  assert.deepEqual(await recorded(), ['keyup 38'], 'Up lifted, Left still held');
  const right = await touch('ArrowRight');
  await left.move(...await arrow(page, 'ArrowDown'));
  assert.deepEqual(await recorded(), ['keydown 39', 'keyup 37', 'keydown 40'], 'Right joins, and Left slides onto Down');
  await left.end();
  await right.end();
  assert.deepEqual(await recorded(), ['keyup 40', 'keyup 39'], 'each lifts');
});

test('on a phone a finger on the battlefield, while another holds an arrow, aims and fires there; held still for half a second it is a right-button release there, and fires on', async () => {
  const { page, wait } = await chromium.open(kPhone, { still: true });
  const recorded = await recorder(page);
  const drive = await page.touchscreen.touchStart(...await arrow(page, 'ArrowUp'));
  const finger = await page.touchscreen.touchStart(...onField(await rect(page, '#frm'), [300, 200]));
  const [, at] = (await recorded()).join().match(/^keydown 38,move 1 (\d+ \d+),down 1 \1$/) ?? [];
  const [x, y] = at?.split(' ').map(Number) ?? [];
  // A touch lands on a whole CSS pixel: on a phone, within a battlefield pixel of the aim.
  assert.ok(Math.abs(x - 300) <= 1 && Math.abs(y - 200) <= 1, `aimed at the finger: ${at}`);
  await wait(499);
  assert.deepEqual(await recorded(), [], 'no release yet');
  await wait(1);
  assert.deepEqual(await recorded(), [`up 2 ${at}`, `down 1 ${at}`]);
  await finger.end();
  await drive.end();
  assert.deepEqual(await recorded(), [`up 1 ${at}`, 'keyup 38']);
});

test('on a phone each command button sends its key, and Back and Close work by touch, while the page stays still', async () => {
  const letGo = ['keyup 37', 'keyup 38', 'keyup 39', 'keyup 40'];
  for (const { name, viewport } of kPhones) {
    const { page, wait } = await chromium.open(viewport, { still: true });
    const still = () => page.evaluate(() => [scrollX, scrollY, visualViewport.scale, visualViewport.offsetTop, getSelection().toString()]);
    assert.deepEqual(await still(), [0, 0, 1, 0, ''], `${name}: at rest`);
    const recorded = await recorder(page);
    const command = (key) => `#commands [data-key="${key}"]`;
    const taps = [
      [command('Escape'), ['key 27', ...letGo]], ['frm_winlose.Command1', ['back']], [command('F1'), ['keydown 112', ...letGo, 'keyup 112']],
      ['frm_help.Command1', ['close']], [command('p'), ['key 112']], [command('Enter'), ['key 13']],
    ];
    for (const [button, calls] of taps) {
      await page.tap(control(button));
      assert.deepEqual(await recorded(), calls, `${name}: ${button}`);
    }

    // A swipe over the battlefield, one over the pad, and a long press on a caption.
    const [field, pad, help] = await Promise.all(['#frm', '#pad', '#commands [data-key="F1"]'].map((at) => rect(page, at)));
    for (const [from, to, ms] of [[[field.x + 20, field.y + 20], [field.x + 20, field.bottom - 20], 0], [middle(pad), [5, 5], 0], [middle(help), middle(help), 700]]) {
      const finger = await page.touchscreen.touchStart(...from);
      await finger.move(...to);
      await wait(ms);
      await finger.end();
    }
    assert.deepEqual(await still(), [0, 0, 1, 0, ''], `${name}: no scroll, zoom or selection`);
    await page.close();
  }
});

test('a pointer at the centre of a screen pixel reaches the game at the battlefield pixel shown there', async () => {
  const viewports = [{ width: 900, height: 760 }, { width: 1920, height: 1080 }, { width: 1300, height: 1000, deviceScaleFactor: 2 },
    { width: 1000, height: 700, deviceScaleFactor: 1.5 }, kPhone];
  for (const viewport of viewports) {
    const { page } = await chromium.open(viewport);
    await page.keyboard.press('p');
    // Each battlefield pixel painted with its own coordinates, then read back off the screen.
    await page.evaluate(() => {
      const canvas = document.getElementById('frm');
      const picture = new ImageData(canvas.width, canvas.height);
      for (let y = 0; y < canvas.height; ++y) {
        for (let x = 0; x < canvas.width; ++x) picture.data.set([x & 255, y & 255, (x >> 8) * 16 + (y >> 8), 255], 4 * (y * canvas.width + x));
      }
      canvas.getContext('2d').putImageData(picture, 0, 0);
    });
    const dpr = viewport.deviceScaleFactor ?? 1;
    await readScreen(page);
    const field = await rect(page, '#frm');
    const samples = await page.evaluate((field, dpr) => [0, 0.013, 0.25, 0.5, 0.77, 0.999].flatMap((fx) => [0, 0.02, 0.5, 0.61, 0.999].map((fy) => {
      const [dx, dy] = [Math.round(field.x * dpr) + Math.floor(fx * field.width * dpr), Math.round(field.y * dpr) + Math.floor(fy * field.height * dpr)];
      const [r, g, b] = shown.getImageData(dx, dy, 1, 1).data;
      return { at: [(dx + 0.5) / dpr, (dy + 0.5) / dpr], shows: [r + 256 * (b >> 4), g + 256 * (b & 15)] };
    })), field, dpr);
    for (const { at, shows } of samples) {
      await page.mouse.move(...at);
      assert.deepEqual(await page.evaluate(() => [brassmoor.test.mouse().x, brassmoor.test.mouse().y]), shows, `${JSON.stringify(viewport)}: the pointer at ${at}`);
    }
    await page.close();
  }
});

test('a press of Fullscreen hands the keys back to the battlefield, so Space does not leave fullscreen; Esc there opens the result dialog where Keyboard Lock gives it to the page, and otherwise leaves the game running', async () => {
  const answered = (page) => page.evaluateOnNewDocument(() => {
    const lock = Keyboard.prototype.lock;
    Keyboard.prototype.lock = function (...keys) {
      return lock.apply(this, keys).finally(() => { globalThis.lockAnswered = true; });
    };
  });
  const cases = [
    { lock: true, dialog: true, prepare: answered },
    { lock: false, dialog: false, prepare: (page) => page.evaluateOnNewDocument(() => delete Navigator.prototype.keyboard) },
  ];
  for (const { lock, dialog, prepare } of cases) {
    const { page } = await chromium.open(undefined, { prepare });
    await page.click('#fullscreen');
    // Fullscreen, and the page's ask for Esc answered where it can ask.
    await page.waitForFunction(() => document.fullscreenElement !== null && (navigator.keyboard === undefined || globalThis.lockAnswered));
    await page.keyboard.press('Space');
    assert.deepEqual(await page.evaluate(() => [document.activeElement.id, document.fullscreenElement !== null]), ['frm', true], `lock ${lock}: Space`);
    await page.keyboard.press('Escape');
    const [x, y] = middle(await rect(page, '#frm_winlose'));
    const [running, seen] = await page.evaluate((x, y) => [brassmoor.timerEnabled(), document.elementFromPoint(x, y)?.closest('dialog')?.id === 'frm_winlose'], x, y);
    assert.ok(running || seen, `lock ${lock}: never paused with no dialog in sight`);
    assert.equal(seen, dialog, `lock ${lock}`);
    await page.close();
  }
});
