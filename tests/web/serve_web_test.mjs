// The web server of `make run-web` and of the browser tests: it serves the
// folder's files and nothing outside it, a request it cannot read gets 400
// while the server goes on serving, and a bad port is refused in one line.
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import { request } from 'node:http';
import { mkdtempSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { fileURLToPath } from 'node:url';
import { after, before, test } from 'node:test';

import { serve } from '../../scripts/serve_web.mjs';

let server;
let folder;
before(async () => {
  folder = mkdtempSync(join(tmpdir(), 'brassmoor-serve-'));
  writeFileSync(join(folder, 'index.html'), '<!doctype html>');
  server = await serve(folder);
});
after(() => {
  server.close();
  rmSync(folder, { recursive: true, force: true });
});

// The status of a GET of the path exactly as written, with no normalising;
// a server that never answers fails it.
function statusOf(path) {
  return new Promise((done, fail) => {
    request({ host: '127.0.0.1', port: server.address().port, path, timeout: 5000 }, (response) => {
      response.resume();
      done(response.statusCode);
    }).on('timeout', () => fail(new Error(`no answer to ${path}`))).on('error', fail).end();
  });
}

test('each request gets its status, and a malformed one does not stop the server', async () => {
  const cases = [
    ['/', 200],
    ['/index.html', 200],
    ['/%E0%A4%A', 400],
    ['/%', 400],
    ['/missing.html', 404],
    ['/..%2F..%2Fetc%2Fpasswd', 404],
    ['/index.html%00.html', 404],
    ['/', 200],
  ];
  for (const [path, status] of cases) assert.equal(await statusOf(path), status, path);
});

test('a port that is no port is refused in one line with status 2, before anything listens', () => {
  const script = fileURLToPath(new URL('../../scripts/serve_web.mjs', import.meta.url));
  for (const port of ['abc', '80x', '-1', '65536', '']) {
    const run = spawnSync(process.execPath, [script, folder, port], { encoding: 'utf8', timeout: 10000 });
    assert.equal(run.status, 2, port);
    assert.equal(run.stderr, `serve_web: the port must be a whole number from 0 to 65535, not '${port}'\n`);
    assert.equal(run.stdout, '');
  }
});
