// Serves the browser edition's folder on 127.0.0.1, for playing it
// (`make run-web`) and for its tests. Files only: no listing, nothing outside
// the folder, and a malformed address is answered 400. Each file goes out as
// the build compressed it (its .br or .gz beside it) where the browser
// accepts that, and is revalidated at every use: its ETag is a hash of the
// bytes sent, and a browser that has them gets 304.
// Usage: node scripts/serve_web.mjs [FOLDER] [PORT]   (defaults: build/web, 8723)
import { createHash } from 'node:crypto';
import { createServer } from 'node:http';
import { readFile, stat } from 'node:fs/promises';
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
// The compressed copies the build writes beside a file, the smaller first.
const kEncodings = [['br', '.br'], ['gzip', '.gz']];

// Whether an Accept-Encoding header takes the coding: named or by *, with a
// weight above 0.
function accepts(header = '', coding) {
  return header.split(',').some((part) => {
    const [name, ...parameters] = part.trim().toLowerCase().split(';').map((s) => s.trim());
    const weight = parameters.find((p) => p.startsWith('q='));
    return (name === coding || name === '*') && (weight === undefined || Number(weight.slice(2)) > 0);
  });
}

// The file's bytes in the first coding the browser takes that the build
// wrote, else as they are; rejects if the file is not there. A copy older
// than its file is stale: the file has changed since it was compressed.
async function representation(file, acceptEncoding) {
  const { mtimeMs } = await stat(file);
  for (const [coding, suffix] of kEncodings) {
    if (!accepts(acceptEncoding, coding)) continue;
    const copy = await stat(file + suffix).catch(() => null);
    if (copy !== null && copy.mtimeMs >= mtimeMs) return { body: await readFile(file + suffix), coding };
  }
  return { body: await readFile(file), coding: undefined };
}

const isCurrent = (ifNoneMatch, tag) =>
  ifNoneMatch !== undefined && ifNoneMatch.split(',').some((t) => [tag, `W/${tag}`, '*'].includes(t.trim()));

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
    let sent;
    try {
      sent = await representation(file, request.headers['accept-encoding']);
    } catch {
      response.writeHead(404).end();
      return;
    }
    const tag = `"${createHash('sha256').update(sent.body).digest('base64url').slice(0, 22)}"`;
    response.setHeader('Cache-Control', 'no-cache');
    response.setHeader('ETag', tag);
    response.setHeader('Vary', 'Accept-Encoding');
    if (isCurrent(request.headers['if-none-match'], tag)) {
      response.writeHead(304).end();
      return;
    }
    if (sent.coding !== undefined) response.setHeader('Content-Encoding', sent.coding);
    response.setHeader('Content-Type', type);
    response.setHeader('Content-Length', sent.body.length);
    response.writeHead(200).end(sent.body);
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
