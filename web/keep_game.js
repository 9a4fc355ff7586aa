// The game played, kept among the last games: once it has ended, and also
// as the page goes away before, as a game that did not end.
import { openReplays } from './replays.js';

// ended() keeps the ended game, once; it resolves once it is kept, or could not be.
export function keepGame(win, played) {
  const replays = openReplays(win.indexedDB);
  replays.catch(() => {});  // told at each keeping
  let id;
  let last = Promise.resolve();
  const keep = (finished) => {
    // The text as it stands now: the page may be going away.
    const game = { date: new Date().toISOString(), finished, text: played.recording() };
    last = last.then(async () => {
      id = await (await replays).keep(id === undefined ? game : { id, ...game });
    }).catch((error) => console.warn(`Brassmoor cannot keep this game: ${error.message}`));
    return last;
  };
  win.addEventListener('pagehide', () => {
    if (!played.ended()) keep(false);
  });
  let ended;
  return { ended: () => (ended ??= keep(true)) };
}
