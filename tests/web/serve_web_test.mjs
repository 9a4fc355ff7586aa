// The web server of `make run-web` and of the browser tests.
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import { request } from 'node:http';
import { mkdtempSync, readFileSync, rmSync, utimesSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { fileURLToPath } from 'node:url';
import { after, before, test } from 'node:test';
import { brotliCompressSync, brotliDecompressSync, gunzipSync } from 'node:zlib';

import { serve } from '../../scripts/serve_web.mjs';
import { webBuild } from './browser.mjs';

let server, folder;
before(async () => {
  folder = mkdtempSync(join(tmpdir(), 'brassmoor-serve-'));
  writeFileSync(join(folder, 'index.html'), '<!doctype html>');
  server = await serve(folder);
});
after(() => {
  server.close();
  rmSync(folder, { recursive: true, force: true });
});

// A GET of the path exactly as written, with no normalising: its status,
// headers and body as sent. A server that never answers fails it.
function get(path, headers = {}, from = server) {
  return new Promise((done, fail) => {
    request({ host: '127.0.0.1', port: from.address().port, path, headers, timeout: 5000 }, (response) => {
      const chunks = [];
      response.on('data', (chunk) => chunks.push(chunk));
      response.on('end', () => done({ status: response.statusCode, headers: response.headers, body: Buffer.concat(chunks) }));
    }).on('timeout', () => fail(new Error(`no answer to ${path}`))).on('error', fail).end();
  });
}
const kDecode = { br: brotliDecompressSync, gzip: gunzipSync, undefined: (body) => body };

test('each request gets its status, and a malformed one does not stop the server', async () => {
  const cases = [['/', 200], ['/index.html', 200], ['/%E0%A4%A', 400], ['/%', 400], ['/missing.html', 404],
    ['/..%2F..%2Fetc%2Fpasswd', 404], ['/index.html%00.html', 404], ['/', 200]];
  for (const [path, status] of cases) assert.equal((await get(path)).status, status, path);
});

test('a port that is no port is refused in one line with status 2, before anything listens', () => {
  const script = fileURLToPath(new URL('../../scripts/serve_web.mjs', import.meta.url));
  for (const port of ['abc', '80x', '-1', '65536', '']) {
    const run = spawnSync(process.execPath, [script, folder, port], { encoding: 'utf8', timeout: 10000 });
    assert.deepEqual([run.status, run.stderr, run.stdout], [2, `serve_web: the port must be a whole number from 0 to 65535, not '${port}'\n`, ''], port);
  }
});

test('each file goes out in the first coding the browser takes that the build wrote, and a browser that has it gets 304', async () => {
  const built = await serve(webBuild);
  try {
    const cases = [['gzip, deflate, br', 'br'], ['gzip', 'gzip'], ['br;q=0, gzip', 'gzip'], ['', undefined]];
    for (const file of ['index.html', 'brassmoor.wasm', 'icon-192.png']) {
      for (const [accept, coding] of cases) {
        const sent = await get(`/${file}`, { 'Accept-Encoding': accept }, built);
        const expected = file.endsWith('.png') ? undefined : coding;  // a picture is compressed already
        assert.equal(sent.headers['content-encoding'], expected, `${file} for ${accept}`);
        assert.ok(kDecode[expected](sent.body).equals(readFileSync(join(webBuild, file))), `${file} for ${accept}: its bytes`);
        assert.deepEqual([sent.headers.vary, sent.headers['cache-control']], ['Accept-Encoding', 'no-cache']);
        const again = await get(`/${file}`, { 'Accept-Encoding': accept, 'If-None-Match': sent.headers.etag }, built);
        assert.deepEqual([again.status, again.body.length], [304, 0], `${file} for ${accept}, again`);
      }
    }
    assert.equal((await get('/brassmoor.wasm', {}, built)).headers['content-type'], 'application/wasm');
  } finally {
    built.close();
  }
});

test('a compressed copy older than its file is not sent', async () => {
  writeFileSync(join(folder, 'changed.js'), 'new();');
  writeFileSync(join(folder, 'changed.js.br'), brotliCompressSync('old();'));
  utimesSync(join(folder, 'changed.js.br'), 0, 0);
  const sent = await get('/changed.js', { 'Accept-Encoding': 'br' });
  assert.deepEqual([sent.headers['content-encoding'], sent.body.toString()], [undefined, 'new();']);
});
