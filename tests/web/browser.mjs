// Debian's Chromium, headless, on a page of the browser edition served from
// its build folder. As root it needs --no-sandbox; with no network, nothing
// of Google's may be looked up.
import puppeteer from 'puppeteer-core';

import { serve } from '../../scripts/serve_web.mjs';

const kChromiumFlags = [
  '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
  '--disable-component-update', '--disable-sync', '--disable-features=Translate,MediaRouter',
];

// Every page plays the game of this seed, one where the blue tank lives long
// enough for the tests to see it drive and fire; the log names it.
export const kSeed = 7;

export const webBuild = process.env.BRASSMOOR_WEB_BUILD ?? new URL('../../build/web', import.meta.url).pathname;

// folder: what the server serves; serve(folder) later serves another on the same address.
export async function openBrowser({ folder = webBuild } = {}) {
  // Every answer the server gave: its path, status and body's size in bytes.
  const served = [];
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
  return {
    browser,
    address,
    served,
    // A fresh page of the game; its console errors and uncaught faults are
    // kept, the uncaught ones also on their own. `prepare(page)` runs before
    // the page loads; unless `ready` is false, the game has started on return.
    async open(viewport = { width: 900, height: 760 }, { url = `${address}?seed=${kSeed}`, prepare, ready = true } = {}) {
      const page = await browser.newPage();
      await page.setViewport(viewport);
      const errors = [], uncaught = [];
      page.on('console', (message) => {
        if (message.type() !== 'error') return;
        errors.push(message.text());
      });
      page.on('pageerror', (error) => {
        errors.push(String(error));
        uncaught.push(String(error));
      });
      await prepare?.(page);
      await page.goto(url);
      if (ready) await page.waitForFunction(() => globalThis.brassmoor !== undefined);
      return { page, errors, uncaught };
    },
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

export const sleep = (ms) => new Promise((done) => setTimeout(done, ms));

// The canvas as the game drew it: how many pixels of each colour, a hash of
// the whole, and where the blue pixels (the player's tank) lie.
export function picture(page) {
  return page.evaluate(() => {
    const canvas = document.getElementById('frm');
    const data = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height).data;
    const counts = {};
    const blue = [];
    let hash = 0;
    for (let i = 0; i < data.length; i += 4) {
      const key = `${data[i]},${data[i + 1]},${data[i + 2]}`;
      counts[key] = (counts[key] ?? 0) + 1;
      hash = (Math.imul(hash, 31) + data[i] + (data[i + 1] << 8) + (data[i + 2] << 16)) | 0;
      if (key === '0,0,150') blue.push([(i / 4) % canvas.width, Math.floor(i / 4 / canvas.width)]);
    }
    return { counts, hash, blue };
  });
}

export const centre = (points) => points.reduce(([sx, sy], [x, y]) => [sx + x / points.length, sy + y / points.length], [0, 0]);
