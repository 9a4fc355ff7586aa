// Lighthouse's audit of the browser edition as `make run-web` serves it, on
// its mobile profile and its desktop one, in Debian's headless Chromium:
// the four category scores of each, and the load's own figures.
// Usage: node bench/audit/audit_page.mjs [FOLDER]   (default: build/web)
import { execFile } from 'node:child_process';
import { mkdtempSync, readFileSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { promisify } from 'node:util';

import { serve } from '../../scripts/serve_web.mjs';

const kLighthouse = new URL('node_modules/lighthouse/cli/index.js', import.meta.url).pathname;
const kChromiumFlags = '--headless=new --no-sandbox --disable-gpu --no-first-run --disable-background-networking --disable-component-update --disable-sync';
const kCategories = ['performance', 'accessibility', 'best-practices', 'seo'];
const kProfiles = [['mobile', []], ['desktop', ['--preset=desktop']]];

const server = await serve(process.argv[2] ?? 'build/web');
const address = `http://127.0.0.1:${server.address().port}/`;
const work = mkdtempSync(join(tmpdir(), 'brassmoor-audit-'));
try {
  for (const [name, flags] of kProfiles) {
    const report = join(work, `${name}.json`);
    await promisify(execFile)(process.execPath, [kLighthouse, address, ...flags, '--quiet', '--output=json',
      `--output-path=${report}`, `--only-categories=${kCategories.join(',')}`, `--chrome-flags=${kChromiumFlags}`],
    { env: { ...process.env, CHROME_PATH: process.env.CHROME_PATH ?? '/usr/bin/chromium' } });
    const { categories, audits } = JSON.parse(readFileSync(report, 'utf8'));
    const scores = kCategories.map((id) => `${categories[id].title} ${Math.round(categories[id].score * 100)}`);
    const figures = ['largest-contentful-paint', 'first-contentful-paint', 'cumulative-layout-shift', 'total-blocking-time']
      .map((id) => `${audits[id].title} ${audits[id].displayValue}`);
    const failed = Object.values(audits).filter((audit) => audit.score !== null && audit.score < 1 &&
      audit.scoreDisplayMode !== 'informative' && audit.scoreDisplayMode !== 'manual').map((audit) => audit.id);
    console.log(`${name}: ${scores.join(', ')}`);
    console.log(`  ${figures.join(', ')}`);
    if (failed.length > 0) console.log(`  short of full marks: ${failed.join(', ')}`);
  }
} finally {
  rmSync(work, { recursive: true, force: true });
  server.close();
}
