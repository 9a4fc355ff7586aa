// A replay carried in a link: its text compressed (raw deflate) and written
// in base64url in the fragment, "#replay=...", which never goes to a server.
const kPrefix = '#replay=';
const kFormat = 'deflate-raw';
const kChunk = 0x8000;  // bytes given to String.fromCharCode at once

async function through(stream, bytes) {
  const piped = new Blob([bytes]).stream().pipeThrough(stream);
  return new Uint8Array(await new Response(piped).arrayBuffer());
}

function base64url(bytes) {
  let binary = '';
  for (let i = 0; i < bytes.length; i += kChunk) binary += String.fromCharCode(...bytes.subarray(i, i + kChunk));
  return btoa(binary).replaceAll('+', '-').replaceAll('/', '_').replace(/=+$/, '');
}

function fromBase64url(text) {
  const binary = atob(text.replaceAll('-', '+').replaceAll('_', '/'));
  return Uint8Array.from(binary, (c) => c.charCodeAt(0));
}

// The link to this page that plays the replay of that text.
export async function linkTo(text, location) {
  const packed = await through(new CompressionStream(kFormat), new TextEncoder().encode(text));
  return `${location.origin}${location.pathname}${kPrefix}${base64url(packed)}`;
}

// Whether the fragment carries a replay.
export const carriesReplay = (hash) => hash.startsWith(kPrefix);

// The replay's text in the fragment; an Error saying so when it is damaged.
export async function replayIn(hash) {
  try {
    const packed = fromBase64url(hash.slice(kPrefix.length));
    return new TextDecoder('utf-8', { fatal: true }).decode(await through(new DecompressionStream(kFormat), packed));
  } catch {
    throw new Error('the link is damaged: it holds no replay that can be read');
  }
}
