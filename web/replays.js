// The last games played, kept in the browser's IndexedDB: each as its
// replay's text, whether it ended or the page went away first, and when it
// was played. A game is kept again as it goes on, under the same number;
// beyond the newest twenty, the oldest go.
const kDatabase = 'brassmoor';
const kStore = 'replays';
export const kKeptGames = 20;

const done = (request) => new Promise((resolve, reject) => {
  request.onsuccess = () => resolve(request.result);
  request.onerror = () => reject(request.error);
});
const committed = (transaction) => new Promise((resolve, reject) => {
  transaction.oncomplete = () => resolve();
  transaction.onerror = () => reject(transaction.error);
  transaction.onabort = () => reject(transaction.error);
});

export async function openReplays(idb = globalThis.indexedDB) {
  const opening = idb.open(kDatabase, 1);
  // The numbers count up, so the lowest is the oldest game.
  opening.onupgradeneeded = () => opening.result.createObjectStore(kStore, { keyPath: 'id', autoIncrement: true });
  return new KeptReplays(await done(opening));
}

class KeptReplays {
  constructor(db) {
    this.db = db;
  }

  // game: { id (once kept), date, finished, text }; resolves with its number.
  async keep(game) {
    // Committed at once, as the page may be going away.
    const keeping = this.db.transaction(kStore, 'readwrite');
    const kept = done(keeping.objectStore(kStore).put(game));
    keeping.commit();
    await committed(keeping);
    const trimming = this.db.transaction(kStore, 'readwrite');
    const store = trimming.objectStore(kStore);
    const ids = await done(store.getAllKeys());
    for (const old of ids.slice(0, Math.max(0, ids.length - kKeptGames))) store.delete(old);
    await committed(trimming);
    return kept;
  }

  // Every game kept, the newest first.
  async all() {
    const games = await done(this.db.transaction(kStore).objectStore(kStore).getAll());
    return games.reverse();
  }
}
