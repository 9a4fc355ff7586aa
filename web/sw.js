// Keeps one release of the page's files for playing offline. Each release
// has a cache of its own, filled whole or not at all, and a response that
// failed is never kept. A page loads wholly from one release: from this
// cache, or, when the server has a release this worker does not keep, from
// the network, until that release's own worker takes over.
const kRelease = '@RELEASE@';  // the build's hash of the release's files
const kFiles = [/* @FILES@ */];  // the release's files, the page first
const kCache = `brassmoor-${kRelease}`;
const kReleaseMark = /<meta name="brassmoor-release" content="([^"]*)">/;

const page = new URL(kFiles[0], location).href;
// The page by any address the server takes for it, with or without a query (/?from=home).
const isPage = (url) => url.origin === location.origin &&
  [page, `${page}index.html`].includes(`${url.origin}${url.pathname}`);

self.addEventListener('install', (event) => event.waitUntil(keep()));

// Every file fetched, whole, before any is kept, so a failure keeps none;
// and the page fetched must be this release's, in case the server has
// moved on. Each is revalidated, so what the page has just downloaded is
// taken from the browser's cache and not downloaded again. A body is read
// at once: unread, it would hold its connection. Of its headers only its
// type is kept: the body is kept decoded, whatever coding it came in.
async function keep() {
  const fetched = await Promise.all(kFiles.map(async (file) => {
    const response = await fetch(file, { cache: 'no-cache' });
    if (!response.ok) throw new Error(`${file}: ${response.status}`);
    return { body: await response.blob(), type: response.headers.get('Content-Type') };
  }));
  const release = (await fetched[0].body.text()).match(kReleaseMark)?.[1];
  if (release !== kRelease) throw new Error(`the server has release ${release}, not ${kRelease}`);
  const cache = await caches.open(kCache);
  await Promise.all(kFiles.map((file, i) =>
    cache.put(file, new Response(fetched[i].body, { headers: { 'Content-Type': fetched[i].type } }))));
}

// The releases before this one go once it takes over.
self.addEventListener('activate', (event) => event.waitUntil((async () => {
  const names = await caches.keys();
  await Promise.all(names.filter((name) => name.startsWith('brassmoor-') && name !== kCache).map((name) => caches.delete(name)));
})()));

// The pages that came from the network because the server has another
// release: everything they load comes from the network too.
const fromNetwork = new Set();

self.addEventListener('fetch', (event) => {
  const { request } = event;
  if (request.method !== 'GET') return;
  const url = new URL(request.url);
  if (request.mode === 'navigate' && isPage(url)) {
    event.respondWith(navigate(event));
  } else if (url.origin === location.origin && !fromNetwork.has(event.clientId)) {
    event.respondWith(caches.match(request, { cacheName: kCache }).then((kept) => kept ?? fetch(request)));
  }
});

// The server's page if it is another release; else this release's, also
// when there is no network at all.
async function navigate(event) {
  let response = null;
  try {
    response = await fetch(event.request, { cache: 'no-cache' });
  } catch {
    // offline: this release's page
  }
  if (response?.ok && (await response.clone().text()).match(kReleaseMark)?.[1] !== kRelease) {
    for (const id of fromNetwork) if ((await self.clients.get(id)) === undefined) fromNetwork.delete(id);
    fromNetwork.add(event.resultingClientId);
    return response;
  }
  return (await caches.match(page, { cacheName: kCache })) ?? response ?? Response.error();
}
