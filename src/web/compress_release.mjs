// Writes beside each named file of the page's folder its gzip (.gz) and
// Brotli (.br) copies, at each format's best, for any static server to send
// to a browser that accepts them. Node.js 18 or later.
// Usage: node compress_release.mjs FOLDER FILE...
import { readFileSync, writeFileSync } from 'node:fs';
import { join } from 'node:path';
import { brotliCompressSync, constants, gzipSync } from 'node:zlib';

const [folder, ...files] = process.argv.slice(2);
if (folder === undefined || files.length === 0) {
  console.error('usage: node compress_release.mjs FOLDER FILE...');
  process.exit(2);
}
for (const file of files) {
  const path = join(folder, file);
  const body = readFileSync(path);
  writeFileSync(`${path}.gz`, gzipSync(body, { level: 9 }));
  writeFileSync(`${path}.br`, brotliCompressSync(body, {
    params: { [constants.BROTLI_PARAM_QUALITY]: constants.BROTLI_MAX_QUALITY, [constants.BROTLI_PARAM_SIZE_HINT]: body.length },
  }));
}
