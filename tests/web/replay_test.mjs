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

import { failure, gameReady, kTickMs, openBrowser, play, showPng, testPage } from './browser.mjs';

const kSim = process.env.BRASSMOOR_SIM ?? new URL('../../build/default/tools/brassmoor-sim', import.meta.url).pathname;
const kOver = 'The replay is over.';
const kCorpus = new URL('../replays/', import.meta.url).pathname;
const kStepped = 3;  // ticks stepped while paused, before the battlefield is read
const sim = (...args) => promisify(execFile)(kSim, ['--replay', ...args]);  // fails unless every check holds

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
  // The ticks while paused do not run.
  await play(played, [
    [300, 200], 'keydown ArrowUp', 40, [500, 400], 'mousedown', 40, 'keyup ArrowUp', 'mouseup', 20,
    'key Escape', 'click frm_winlose.Command1', 5, 'key p', 5, 'key p', 5,
    'key F1', 'click frm_help.Command1', 30, 'key Escape', 'click frm_winlose.btn_quit',
  ]);
  await played.page.waitForSelector('#end:not([hidden])');
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

// A fresh page's game quit, so that its end screen offers the picker.
async function quitPage() {
  const opened = await chromium.open();
  await play(opened, ['key Escape', 'click frm_winlose.btn_quit']);
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
}

// The newest of the page's kept games.
const newestKept = (page) => page.evaluate(async () => {
  const { openReplays } = await import('./replays.js');
  return (await (await openReplays()).all())[0];
});

test('the game quit is kept among the last twenty, whole, and listed on the end screen', async () => {
  const { page } = played;
  // Listed once it is kept.
  await page.waitForSelector('#kept:not([hidden]) #kept_games button');
  assert.match(await page.$eval('#kept_games button', (b) => b.textContent), /^Watch the game of [^,]+, [^,]+$/);
  const game = await newestKept(page);
  assert.match(game.text, /\nedition the web\n[^]*end quit\n$/);
  assert.deepEqual([game.finished, game.text], [true, await page.evaluate(() => brassmoor.recording())], 'the ended game, as recorded');
  const [count, newest, kKeptGames] = await page.evaluate(async () => {
    const { openReplays, kKeptGames } = await import('./replays.js');
    const replays = await openReplays();
    for (let i = 0; i <= kKeptGames; ++i) await replays.keep({ date: '', finished: false, text: `${i}` });
    const all = await replays.all();
    return [all.length, all[0].text, kKeptGames];
  });
  assert.deepEqual([count, newest], [kKeptGames, String(kKeptGames)], 'the newest of the last twenty');
});

test('"Save replay" downloads a file named by date and time, which brassmoor-sim plays holding every check', async () => {
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
  await sim(file);
  // How the corpus's page.replay is renewed: BRASSMOOR_KEEP_REPLAY=PATH keeps this file there.
  if (process.env.BRASSMOOR_KEEP_REPLAY) await copyFile(file, process.env.BRASSMOOR_KEEP_REPLAY);
});

test('"Copy link" gives a link that plays the game to its end in a fresh page, the player\'s input refused', async () => {
  await played.page.click('#copy_link');
  await played.page.waitForFunction(() => document.getElementById('end_note').textContent !== '');
  const { link, copied } = await played.page.evaluate(() => ({ link: document.getElementById('replay_link').value, copied }));
  assert.equal(copied, link);
  assert.match(link, /#replay=[\w-]+$/);

  const opened = await chromium.open(undefined, { url: link, ready: false });
  await opened.page.waitForSelector('#playback:not([hidden])');
  await play(opened, ['key ArrowDown Escape', [100, 100], 'mouseclick']);
  // Every dialog's button too, shown or not: Next level or Quit would part the game from its replay.
  await opened.page.$$eval('dialog button', (buttons) => buttons.forEach((button) => button.click()));
  assert.equal(await watchedToTheEnd(opened.page), kOver);
  assert.deepEqual(opened.errors, []);
  await opened.page.close();
});

test('"Watch replay" plays the game just played', async () => {
  const { page } = played;
  await Promise.all([page.waitForNavigation(), page.click('#watch_replay')]);
  await gameReady(page);
  assert.equal(await watchedToTheEnd(page, played.wait), kOver);
});

test('a damaged link or a file that is no replay is told in one sentence, and plays nothing', async () => {
  const link = await chromium.open(undefined, { url: `${chromium.address}#replay=not-a-replay`, ready: false });
  assert.equal(await failure(link.page), 'Brassmoor cannot play this replay: the link is damaged: it holds no replay that can be read.');
  await link.page.close();

  const bad = path.join(folder, 'notes.replay');
  await writeFile(bad, 'my notes\n');
  const { page, uncaught } = await quitPage();
  await watchFile(page, bad);
  assert.match(await failure(page), /^Brassmoor cannot play this replay: notes\.replay line 1: not a replay of this version: [^.]*\.$/);
  assert.deepEqual(uncaught, []);
  await page.close();
});

test('a game the page leaves before it ends is kept as unfinished', async () => {
  const left = await chromium.open();
  await left.page.waitForFunction(() => brassmoor.recording().includes('\n40 check '));
  await left.page.goto('about:blank');
  const { page } = await chromium.open();
  const newest = await newestKept(page);
  await Promise.all([left.page.close(), page.close()]);
  assert.equal(newest.finished, false);
  assert.match(newest.text, /\n40 check /);
  assert.doesNotMatch(newest.text, / end /);
});

test('a replay the page saved, opened from the end screen, plays to its end; one opened from its controls, paused and stepped, shows the simulator\'s picture of that tick', async () => {
  const { page } = await quitPage();
  await watchFile(page, path.join(kCorpus, 'page.replay'));
  assert.equal(await watchedToTheEnd(page), kOver);
  await watchFile(page, path.join(kCorpus, 'desktop.replay'));
  await gameReady(page);
  await page.click('#playback [data-control="Pause"]');
  const paused = Number((await page.$eval('#playback_status', (p) => p.textContent)).match(/^Paused, tick (\d+)$/)[1]);
  for (let i = 0; i < kStepped; ++i) await page.click('#playback [data-control="Step"]');
  const tick = paused + kStepped;
  await page.waitForFunction((line) => document.getElementById('playback_status').textContent === line, {}, `Paused, tick ${tick}`);
  await sim(path.join(kCorpus, 'desktop.replay'), '--png', folder, '--every', String(tick));
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
