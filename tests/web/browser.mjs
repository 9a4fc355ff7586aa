// Debian's Chromium, headless, on a page of the browser edition served from
// its build folder. As root it needs --no-sandbox; with no network, nothing
// of Google's may be looked up.
import path from 'node:path';

import { after, afterEach, before } from 'node:test';

import puppeteer from 'puppeteer-core';

import { serve } from '../../scripts/serve_web.mjs';

import { stillClock } from './still_clock.mjs';

const kChromiumFlags = [
  '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
  '--disable-component-update', '--disable-sync', '--disable-features=Translate,MediaRouter',
];

// Every page plays the game of this seed, one where the blue tank stands in
// the open at the start and no shell hits it early, so that the tests see it;
// the log names it.
export const kSeed = 4;
export const kTickMs = 25;  // the tick's period, as the page times it
// A touch phone in portrait.
export const kPhone = { width: 390, height: 844, deviceScaleFactor: 3, isMobile: true, hasTouch: true };

// Installed in a page before its scripts run: its clock stands still, and
// only the test moves it on.
const kStillPage = `(() => {
  const clock = (${stillClock})(globalThis);
  [performance.now, globalThis.setTimeout, globalThis.clearTimeout] = [clock.now, clock.setTimeout, clock.clearTimeout];
  globalThis.moveClockOn = (ms) => clock.moveOn(ms);
})()`;

// The release's page; and the test page, the same page whose game also has
// the hooks that tests call as brassmoor.test, and is brassmoor at the console.
export const webBuild = process.env.BRASSMOOR_WEB_BUILD ?? new URL('../../build/web', import.meta.url).pathname;
export const testPage = path.join(webBuild, 'test');

// Resolves once the page's game is ready: "Loading…" has gone.
export const gameReady = (page) => page.waitForFunction(() => document.getElementById('status').hidden);
// The one sentence a page that cannot go on shows in place of the game.
export async function failure(page) {
  await page.waitForSelector('#status.failed', { visible: true });
  return page.$eval('#status', (p) => p.textContent);
}
// An element's box on the page, and its middle.
export const rect = (page, selector) => page.$eval(selector, (e) => e.getBoundingClientRect().toJSON());
export const middle = (r) => [r.x + r.width / 2, r.y + r.height / 2];

// A dialog's control by its name in the game's tables, as `dialog.control`;
// any other selector as it is.
export const control = (name) => name.replace(/^(\w+)\.(\w+)$/, '#$1 [data-control="$2"]');

// What a step of `play` does: a word, then what it acts on.
const kSteps = {
  // Each key in turn; 'Shift+Tab' holds Shift over the Tab.
  key: async (page, keys) => {
    for (const key of keys.split(' ')) {
      const [pressed, ...held] = key.split('+').reverse();
      for (const name of held) await page.keyboard.down(name);
      await page.keyboard.press(pressed);
      for (const name of held) await page.keyboard.up(name);
    }
  },
  keydown: (page, key) => page.keyboard.down(key),
  keyup: (page, key) => page.keyboard.up(key),
  mousedown: (page, button = 'left') => page.mouse.down({ button }),
  mouseup: (page, button = 'left') => page.mouse.up({ button }),
  mouseclick: async (page) => {
    await page.mouse.down();
    await page.mouse.up();
  },
  click: (page, name) => page.click(control(name)),
  focus: (page, selector) => page.focus(selector),
};

// Plays a list of steps on an opened page, as a player would: a number runs
// so many ticks of a still page; [x, y] moves the mouse to that point of the
// battlefield; a function is called; a string is a word of kSteps and what it
// acts on, such as 'key Escape', 'key p Shift+Tab' or 'click frm_winlose.Command1'.
export async function play({ page, ticks }, steps) {
  const field = await rect(page, '#frm');
  for (const step of steps) {
    if (typeof step === 'number') await ticks(step);
    else if (typeof step === 'function') await step();
    else if (Array.isArray(step)) await page.mouse.move(field.x + step[0], field.y + step[1]);
    else {
      const [, word, what] = step.match(/^(\w+) ?(.*)$/) ?? [];
      if (!Object.hasOwn(kSteps, word)) throw new Error(`no step "${step}": a step begins with one of ${Object.keys(kSteps)}`);
      await kSteps[word](page, what || undefined);
    }
  }
}

// folder: what the server serves; serve(folder) later serves another on the same address.
export async function openBrowser({ folder = webBuild } = {}) {
  const served = [];  // every answer the server gave: its path, status and body's size in bytes
  const logged = (server) => server.on('request', (request, response) => response.on('finish', () => served.push({
    path: new URL(request.url, 'http://localhost').pathname, status: response.statusCode,
    bytes: Number(response.getHeader('Content-Length') ?? 0),
  })));
  let server = logged(await serve(folder));
  const port = server.address().port;
  const address = `http://127.0.0.1:${port}/`;
  console.log(`# the pages play the game of ?seed=${kSeed}`);
  const browser = await puppeteer.launch({ executablePath: '/usr/bin/chromium', headless: true, args: kChromiumFlags });
  const stopServing = async () => {
    server.closeAllConnections();
    await new Promise((done) => server.close(done));
  };
  const pages = [];
  return {
    browser,
    address,
    served,
    // A fresh page of the game; its console errors and uncaught faults are
    // kept, the uncaught ones also on their own. `prepare(page)` runs before
    // the page loads; unless `ready` is false, the game has started on return.
    // With `still`, the page's clock moves only by `wait(ms)` and `ticks(n)`:
    // the game stands at its start until the test runs its ticks.
    async open(viewport = { width: 900, height: 760 }, { url = `${address}?seed=${kSeed}`, prepare, ready = true, still = false } = {}) {
      const page = await browser.newPage();
      pages.push(page);
      await page.setViewport(viewport);
      const errors = [], uncaught = [];
      page.on('console', (message) => message.type() === 'error' && errors.push(message.text()));
      page.on('pageerror', (error) => [errors, uncaught].forEach((list) => list.push(String(error))));
      if (still) await page.evaluateOnNewDocument(kStillPage);
      await prepare?.(page);
      await page.goto(url);
      if (ready) await gameReady(page);
      const wait = (ms) => page.evaluate((ms) => moveClockOn(ms), ms);
      return { page, errors, uncaught, ...(still && { wait, ticks: (count) => wait(count * kTickMs) }) };
    },
    // Closes every page opened so far.
    closePages: () => Promise.all(pages.splice(0).filter((page) => !page.isClosed()).map((page) => page.close())),
    stopServing,
    async serve(other) {
      await stopServing();
      server = logged(await serve(other, port));
    },
    async close() {
      await browser.close();
      await stopServing();
    },
  };
}

// One browser for all the tests of a file: open before the first, closed
// after the last; the pages of each test closed after it.
export function browserForFile(options) {
  const chromium = {};
  before(async () => Object.assign(chromium, await openBrowser(options)));
  afterEach(() => chromium.closePages());
  after(() => chromium.close());
  return chromium;
}

// Runs `use(chromium)` on a browser of its own, closed however it ends.
export async function withBrowser(options, use) {
  const chromium = await openBrowser(options);
  try {
    return await use(chromium);
  } finally {
    await chromium.close();
  }
}

// Whether the battlefield changes while a still page's clock moves on by `count` ticks.
export async function changes({ page, ticks }, count) {
  const hash = () => page.$eval('#frm', (canvas) => canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height).data
    .reduce((sum, value) => (Math.imul(sum, 31) + value) | 0, 0));
  const before = await hash();
  await ticks(count);
  return (await hash()) !== before;
}

// What the game's handlers have been given from now on, one call a line
// without its tick: each call of the returned function tells the new ones.
// The lines the ticks themselves record (reseed, check) are left out.
export async function recorder(page) {
  const recording = () => page.evaluate(() => brassmoor.recording());
  let seen = (await recording()).length;
  return async () => {
    const text = await recording();
    const lines = text.slice(seen).split('\n').map((line) => line.replace(/^\d+ /, ''));
    seen = text.length;
    return lines.filter((line) => line !== '' && !/^(reseed|check) /.test(line));
  };
}

// A PNG's pixels as they are, with no colour conversion, kept in the page as
// the 2D context `shown`.
export const showPng = (page, png) => page.evaluate(async (png) => {
  const bytes = Uint8Array.from(atob(png), (c) => c.charCodeAt(0));
  const image = await createImageBitmap(new Blob([bytes]), { colorSpaceConversion: 'none', premultiplyAlpha: 'none' });
  globalThis.shown = new OffscreenCanvas(image.width, image.height).getContext('2d');
  shown.drawImage(image, 0, 0);
}, png);
