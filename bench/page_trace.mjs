// Where the page's main thread spends a tick at 51 tanks: the release page in
// headless Chromium, a seeded game brought to 51 tanks by Next level (each
// level start from 10 tanks on adds one), then a Chromium performance trace of
// some seconds of play. Prints the main thread's time a tick, busy and idle,
// and its CPU time split into script (WebAssembly and JavaScript), putting
// pixels on the canvas (putImageData, drawImage), style, layout, paint and
// compositing (the canvas's frames included) and other work; then the trace's
// events by their own CPU time.
// Usage: node bench/page_trace.mjs [SECONDS [KEEP]]   (KEEP: a file for the raw trace)
import { writeFileSync } from 'node:fs';
import { setTimeout as sleep } from 'node:timers/promises';

import { kSeed, kTickMs, openBrowser } from '../tests/web/browser.mjs';

const seconds = Number(process.argv[2] ?? 5);
const keep = process.argv[3];
const kTopEntries = 12;
// A size below 10 is drawn afresh at a level start, a third of the time 10 or
// 11; from then on 40 more level starts reach 50 enemies, which stays. This
// many leaves the 51 unreached once in about a hundred thousand games, or
// where a busy machine lets a few requests go unserved.
const kLevelStarts = 80;
const kViewport = { width: 900, height: 760 };
// Left out of the figures: the start of tracing, which stalls the thread once.
const kSettleMicroseconds = 500_000;

const kCategories = ['devtools.timeline', 'disabled-by-default-devtools.timeline', 'v8.execute', 'blink', 'toplevel'];
// Each event of the page's main thread counts its own CPU time (less that of
// the events nested in it; CPU time, not the clock's, which a busy machine
// stretches) to the share of its name, or, if its name has none, to that of
// the event it is nested in; a task's own time that no share takes is "other
// work" (mostly messages from other processes).
const kShares = [
  ['script (WebAssembly and JavaScript)', /^(FunctionCall|EvaluateScript|TimerFire|FireAnimationFrame|EventDispatch|RunMicrotasks|v8\.|V8\.|MinorGC|MajorGC)/],
  ['putImageData, drawImage', /^(Canvas2DResourceProvider::WritePixels|.*DrawImage)/],
  ['style, layout, paint, compositing', /^(CanvasResourceDispatcher::DispatchFrame|CanvasRenderingContext2D::FinalizeFrame|Canvas2DResourceProvider::ProduceCanvasResource|ProxyMain::BeginMainFrame|BeginMainThreadFrame|UpdateLayoutTree|Layout|PrePaint|Paint|Layerize|Commit|CompositeLayers|LocalFrameView::)/],
];
const kTasks = /^(RunTask|ThreadControllerImpl::RunTask)$/;

const chromium = await openBrowser();
try {
  const { page } = await chromium.open(kViewport, { url: `${chromium.address}?seed=${kSeed}` });
  for (let i = 0; i < kLevelStarts; ++i) {
    await page.keyboard.press('Escape');
    await page.click('#frm_winlose [data-control="Command2"]');
    await sleep(3 * kTickMs);  // the next tick serves the request
  }
  await sleep(200);
  await page.tracing.start({ categories: kCategories });
  await sleep(seconds * 1000);
  const trace = JSON.parse(new TextDecoder().decode(await page.tracing.stop()));
  if (keep !== undefined) writeFileSync(keep, JSON.stringify(trace));
  report(trace.traceEvents);
} finally {
  await chromium.close();
}

function report(events) {
  // The page's main thread: the renderer's main thread that fired the timers.
  const names = new Map(events.filter((e) => e.ph === 'M' && e.name === 'thread_name')
    .map((e) => [`${e.pid}:${e.tid}`, e.args.name]));
  const fires = new Map();
  for (const e of events) {
    const thread = `${e.pid}:${e.tid}`;
    if (e.name === 'TimerFire' && names.get(thread) === 'CrRendererMain') fires.set(thread, (fires.get(thread) ?? 0) + 1);
  }
  const [main] = [...fires].sort((a, b) => b[1] - a[1])[0];
  const own = events.filter((e) => `${e.pid}:${e.tid}` === main && e.ph === 'X' && e.dur !== undefined && e.tdur !== undefined);
  const from = Math.min(...own.map((e) => e.ts)) + kSettleMicroseconds;
  const to = Math.max(...own.map((e) => e.ts + e.dur));

  // Nesting, from the events' spans on the one thread; only whole tasks in the window count.
  own.sort((a, b) => a.ts - b.ts || b.dur - a.dur);
  const shares = new Map([...kShares.map(([name]) => [name, 0]), ['other work', 0]]);
  const byName = new Map();
  const stack = [];
  let busy = 0, cpu = 0, ticks = 0, counting = false;
  for (const e of own) {
    while (stack.length > 0 && stack.at(-1).ts + stack.at(-1).dur <= e.ts) stack.pop();
    if (stack.length === 0) {
      counting = kTasks.test(e.name) && e.ts >= from && e.ts + e.dur <= to;
      if (counting) [busy, cpu] = [busy + e.dur, cpu + e.tdur];
    } else {
      stack.at(-1).self -= e.tdur;
    }
    e.self = e.tdur;
    e.share = kShares.find(([, pattern]) => pattern.test(e.name))?.[0] ?? stack.at(-1)?.share ?? 'other work';
    e.counted = counting;
    if (counting && e.name === 'TimerFire') ++ticks;
    stack.push(e);
  }
  for (const e of own.filter((e) => e.counted)) {
    shares.set(e.share, shares.get(e.share) + e.self);
    byName.set(e.name, (byName.get(e.name) ?? 0) + e.self);
  }

  const span = to - from;
  const perTick = (us) => `${(us / 1000 / ticks).toFixed(3)} ms`;
  const percent = (us) => `${((100 * us) / span).toFixed(1)} %`;
  console.log(`main thread over ${(span / 1e6).toFixed(2)} s, ${ticks} ticks: ${perTick(busy)} a tick busy ` +
    `(${perTick(span - busy)} idle, ${percent(span - busy)} of the time), of which ${perTick(cpu)} on the CPU:`);
  for (const [name, us] of shares) console.log(`  ${name}: ${perTick(us)} a tick, ${((100 * us) / cpu).toFixed(1)} %`);
  console.log('events by their own CPU time, a tick:');
  for (const [name, us] of [...byName].sort((a, b) => b[1] - a[1]).slice(0, kTopEntries)) {
    console.log(`  ${perTick(us).padStart(10)}  ${name}`);
  }
}
