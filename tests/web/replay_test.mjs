// Replays on the page: a seeded game played with real input, quit, kept, saved
// and linked, then watched. BRASSMOOR_KEEP_REPLAY=PATH writes the saved file
// to PATH: so tests/replays/page.replay is recorded again.
import assert from 'node:assert/strict';
import { execFile } from 'node:child_process';
import { copyFile, mkdtemp, readFile, rename, rm, writeFile } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import path from 'node:path';
import { after, before, test } from 'node:test';
import { promisify } from 'node:util';

import { gameReady, kTickMs, openBrowser, rect, showPng, testPage } from './browser.mjs';

const kSim = process.env.BRASSMOOR_SIM ?? new URL('../../build/default/tools/brassmoor-sim', import.meta.url).pathname;
const kOver = 'The replay is over.';
const kCorpus = new URL('../replays/', import.meta.url).pathname;
const kStepped = 3;  // ticks stepped while paused, before the battlefield is read

let chromium, played, folder;
before(async () => {
  chromium = await openBrowser({ folder: testPage });
  folder = await mkdtemp(path.join(tmpdir(), 'brassmoor-replay-'));
  // Played on a still clock, so that the game is the same at every run, with
  // real input of every kind: the pointer, the fire button, an arrow key, both
  // dialogs each shown and left, and a pause.
  played = await chromium.open(undefined, {
    still: true,
    // The page's copy, as the clipboard was given it.
    prepare: (page) => page.evaluateOnNewDocument(() => {
      Object.defineProperty(navigator.clipboard, 'writeText', { value: async (text) => { globalThis.copied = text; } });
    }),
  });
  const { page, ticks } = played;
  const field = await rect(page, '#frm');
  const press = (key) => () => page.keyboard.press(key);
  const click = (dialog, control) => () => page.click(`#${dialog} [data-control="${control}"]`);
  // A number is so many ticks; paused, none of them runs.
  const steps = [
    () => page.mouse.move(field.x + 300, field.y + 200), () => page.keyboard.down('ArrowUp'), 40,
    () => page.mouse.move(field.x + 500, field.y + 400), () => page.mouse.down(), 40,
    () => page.keyboard.up('ArrowUp'), () => page.mouse.up(), 20,
    press('Escape'), click('frm_winlose', 'Command1'), 5, press('p'), 5, press('p'), 5,
    press('F1'), click('frm_help', 'Command1'), 30, press('Escape'), click('frm_winlose', 'btn_quit'),
  ];
  for (const step of steps) await (typeof step === 'number' ? ticks(step) : step());
  await page.waitForSelector('#end:not([hidden])');
});
after(async () => {
  await chromium.close();
  await rm(folder, { recursive: true, force: true });
});

// Watches to the end at the fastest, and tells the sentence it stops with.
// On a still clock, `wait` moves it on by one period, in which the fastest
// pace, which plays for as long as the clock allows, plays the whole replay.
async function watchedToTheEnd(page, wait) {
  await page.waitForSelector('#playback:not([hidden])');
  await page.click('#playback [data-control="Fastest"]');
  await wait?.(kTickMs);
  await page.waitForFunction(() => document.getElementById('playback_sentence').textContent !== '');
  return page.$eval('#playback_sentence', (p) => p.textContent);
}

test('the game quit is kept among the last twenty, whole, and listed on the end screen', async () => {
  const { page } = played;
  // Listed once it is kept.
  await page.waitForSelector('#kept:not([hidden]) #kept_games button');
  assert.match(await page.$eval('#kept_games button', (b) => b.textContent), /^Watch the game of [^,]+, [^,]+$/);
  const kept = await page.evaluate(async () => {
    const { openReplays, kKeptGames } = await import('./replays.js');
    const replays = await openReplays();
    const [game] = await replays.all();
    for (let i = 0; i <= kKeptGames; ++i) await replays.keep({ date: '', finished: false, text: `${i}` });
    const all = await replays.all();
    return { game, whole: game.text === brassmoor.recording(), count: all.length, kKeptGames, newest: all[0].text };
  });
  assert.match(kept.game.text, /\nedition the web\n[^]*end quit\n$/);
  assert.deepEqual([kept.game.finished, kept.whole, kept.count, kept.newest], [true, true, kept.kKeptGames, String(kept.kKeptGames)],
    'the ended game, as recorded, and the newest of the last twenty');
});

test('"Save replay" downloads a file named by date and time, which brassmoor-sim plays holding every check and the page to its end', async () => {
  const session = await chromium.browser.target().createCDPSession();
  await session.send('Browser.setDownloadBehavior', { behavior: 'allowAndName', downloadPath: folder, eventsEnabled: true });
  const begun = new Promise((done) => session.once('Browser.downloadWillBegin', done));
  const saved = new Promise((done) => session.on('Browser.downloadProgress', (event) => event.state === 'completed' && done(event)));
  await played.page.click('#save_replay');
  const { suggestedFilename, guid } = await begun;
  await saved;
  assert.match(suggestedFilename, /^\d{4}-\d\d-\d\d_\d{6}\.replay$/);
  const file = path.join(folder, suggestedFilename);
  await rename(path.join(folder, guid), file);
  // Exits 0 when every check holds.
  await promisify(execFile)(kSim, ['--replay', file]);
  const { page, errors } = await quitPage();
  await watchFile(page, file);
  assert.equal(await watchedToTheEnd(page), kOver);
  assert.deepEqual(errors, []);
  await page.close();
  // How the corpus's page.replay is renewed: BRASSMOOR_KEEP_REPLAY=PATH keeps this file there.
  if (process.env.BRASSMOOR_KEEP_REPLAY) await copyFile(file, process.env.BRASSMOOR_KEEP_REPLAY);
});

test('"Copy link" gives a link that plays the game to its end in a fresh page, the player\'s input refused', async () => {
  await played.page.click('#copy_link');
  await played.page.waitForFunction(() => document.getElementById('end_note').textContent !== '');
  const { link, copied } = await played.page.evaluate(() => ({ link: document.getElementById('replay_link').value, copied }));
  assert.equal(copied, link);
  assert.match(link, /#replay=[\w-]+$/);

  const { page, errors } = await chromium.open(undefined, { url: link });
  await page.waitForSelector('#playback:not([hidden])');
  const field = await rect(page, '#frm');
  await page.keyboard.press('ArrowDown');
  await page.keyboard.press('Escape');
  await page.mouse.click(field.x + 100, field.y + 100);
  assert.equal(await watchedToTheEnd(page), kOver);
  assert.deepEqual(errors, []);
  await page.close();
});

test('"Watch replay" plays the game just played', async () => {
  const { page } = played;
  await Promise.all([page.waitForNavigation(), page.click('#watch_replay')]);
  await gameReady(page);
  assert.equal(await watchedToTheEnd(page, played.wait), kOver);
});

test('a damaged link or a file that is no replay is told in one sentence, and plays nothing', async () => {
  const told = async (page) => {
    await page.waitForSelector('#status.failed');
    return page.$eval('#status', (p) => p.textContent);
  };
  const link = await chromium.open(undefined, { url: `${chromium.address}#replay=not-a-replay`, ready: false });
  assert.equal(await told(link.page), 'Brassmoor cannot play this replay: the link is damaged: it holds no replay that can be read.');
  await link.page.close();

  const bad = path.join(folder, 'notes.replay');
  await writeFile(bad, 'my notes\n');
  const { page, uncaught } = await quitPage();
  const [chooser] = await Promise.all([page.waitForFileChooser(), page.click('#end .open-replay')]);
  await Promise.all([page.waitForNavigation(), chooser.accept([bad])]);
  assert.match(await told(page), /^Brassmoor cannot play this replay: notes\.replay line 1: not a replay of this version: [^.]*\.$/);
  assert.deepEqual(uncaught, []);
  await page.close();
});

test('a game the page leaves before it ends is kept as unfinished', async () => {
  const left = await chromium.open();
  await left.page.waitForFunction(() => brassmoor.recording().includes('\n40 check '));
  await left.page.goto('about:blank');
  const { page } = await chromium.open();
  const newest = await page.evaluate(async () => {
    const { openReplays } = await import('./replays.js');
    return (await (await openReplays()).all())[0];
  });
  assert.equal(newest.finished, false);
  assert.match(newest.text, /\n40 check /);
  assert.doesNotMatch(newest.text, / end /);
  await Promise.all([left.page.close(), page.close()]);
});

// A fresh page's game quit, so that its end screen offers the picker.
async function quitPage() {
  const opened = await chromium.open();
  await opened.page.keyboard.press('Escape');
  await opened.page.click('#frm_winlose [data-control="btn_quit"]');
  await opened.page.waitForSelector('#end:not([hidden])');
  return opened;
}

// Opens the file with the picker of whichever screen is shown: the end
// screen, or the playback's controls of a replay that stopped before its end.
async function watchFile(page, file) {
  const [chooser] = await Promise.all([
    page.waitForFileChooser(),
    page.click('#end:not([hidden]) .open-replay, #play:not([hidden]) #playback .open-replay'),
  ]);
  await Promise.all([page.waitForNavigation(), chooser.accept([file])]);
  await gameReady(page);
}

test('a replay opened from the controls of one at its end, paused and stepped, shows the simulator\'s picture of that tick', async () => {
  const { page } = await quitPage();
  // Opened from the end screen, then from the controls of a replay at its end.
  await watchFile(page, path.join(kCorpus, 'page.replay'));
  assert.equal(await watchedToTheEnd(page), kOver);
  await watchFile(page, path.join(kCorpus, 'desktop.replay'));
  await page.click('#playback [data-control="Pause"]');
  const paused = Number((await page.$eval('#playback_status', (p) => p.textContent)).match(/^Paused, tick (\d+)$/)[1]);
  for (let i = 0; i < kStepped; ++i) await page.click('#playback [data-control="Step"]');
  const tick = paused + kStepped;
  await page.waitForFunction((line) => document.getElementById('playback_status').textContent === line, {}, `Paused, tick ${tick}`);
  await promisify(execFile)(kSim, ['--replay', path.join(kCorpus, 'desktop.replay'), '--png', folder, '--every', String(tick)]);
  await showPng(page, await readFile(path.join(folder, `tick-${String(tick).padStart(7, '0')}.png`), 'base64'));
  const [sizes, differing] = await page.evaluate(() => {
    const canvas = document.getElementById('frm');
    const pictures = [canvas.getContext('2d'), shown].map((c) => c.getImageData(0, 0, c.canvas.width, c.canvas.height));
    const [own, simulated] = pictures;
    return [pictures.map((p) => [p.width, p.height]), own.data.filter((value, i) => i % 4 !== 3 && value !== simulated.data[i]).length];
  });
  assert.deepEqual(sizes[0], sizes[1], 'the page\'s picture and the simulator\'s, of one size');
  assert.equal(differing, 0, `${differing} colour components of the page's picture at tick ${tick} differ from the simulator's`);
  await page.close();
});
