// Serves the browser edition's folder on 127.0.0.1, for playing it
// (`make run-web`) and for its tests. Files only: no listing, nothing outside
// the folder, and a malformed address is answered 400.
// Usage: node scripts/serve_web.mjs [FOLDER] [PORT]   (defaults: build/web, 8723)
import { createServer } from 'node:http';
import { readFile } from 'node:fs/promises';
import { extname, join, normalize, resolve, sep } from 'node:path';
import { fileURLToPath } from 'node:url';

const kTypes = {
  '.html': 'text/html; charset=utf-8',
  '.js': 'text/javascript; charset=utf-8',
  '.mjs': 'text/javascript; charset=utf-8',
  '.css': 'text/css; charset=utf-8',
  '.wasm': 'application/wasm',
  '.png': 'image/png',
  '.svg': 'image/svg+xml',
  '.webmanifest': 'application/manifest+json',
};

// Resolves with the server once it listens; port 0 takes any free port.
export function serve(folder, port = 0) {
  const root = resolve(folder);
  const server = createServer(async (request, response) => {
    let path;
    try {
      path = decodeURIComponent(new URL(request.url, 'http://localhost').pathname);
    } catch {
      // A broken escape such as /%E0%A4%A: that request is refused, the server serves on.
      response.writeHead(400).end();
      return;
    }
    const file = normalize(join(root, path.endsWith('/') ? `${path}index.html` : path));
    const type = kTypes[extname(file)];
    if (!file.startsWith(root + sep) || type === undefined) {
      response.writeHead(404).end();
      return;
    }
    try {
      const body = await readFile(file);
      response.writeHead(200, { 'Content-Type': type, 'Cache-Control': 'no-store' }).end(body);
    } catch {
      response.writeHead(404).end();
    }
  });
  return new Promise((done, fail) => {
    server.once('error', fail);
    server.listen(port, '127.0.0.1', () => done(server));
  });
}

if (process.argv[1] === fileURLToPath(import.meta.url)) {
  const port = process.argv[3] ?? '8723';
  if (!/^[0-9]{1,5}$/.test(port) || Number(port) > 65535) {
    console.error(`serve_web: the port must be a whole number from 0 to 65535, not '${port}'`);
    process.exit(2);
  }
  const server = await serve(process.argv[2] ?? 'build/web', Number(port));
  console.log(`Brassmoor in the browser: open http://127.0.0.1:${server.address().port}/`);
}
