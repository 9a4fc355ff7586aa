// The last games kept, listed on the end screen, the newest first: each a
// button that watches it.
import { openReplays } from './replays.js';
import { watchOnReload } from './replay_open.js';

export async function listKeptGames(win, list, tell) {
  const doc = win.document;
  let games;
  try {
    games = await (await openReplays(win.indexedDB)).all();
  } catch (error) {
    tell(`The games kept cannot be read: ${error.message}.`);
    return;
  }
  list.replaceChildren(...games.map((game) => {
    const name = `the game of ${new Date(game.date).toLocaleString()}${game.finished ? '' : ', unfinished'}`;
    const button = Object.assign(doc.createElement('button'), { type: 'button', textContent: `Watch ${name}` });
    button.addEventListener('click', () => watchOnReload(win, { text: game.text, source: name }, tell));
    const item = doc.createElement('li');
    item.append(button);
    return item;
  }));
  list.closest('[hidden]')?.removeAttribute('hidden');
}
