// The end screen's offer of the game just played: watched again, saved as a
// file, or carried in a link for someone else to watch.
import { linkTo } from './replay_link.js';
import { watchOnReload } from './replay_open.js';

// kept: resolves once the game is kept, so that watching it loses nothing.
// tell: says one sentence on the end screen.
export function offerReplay(win, game, kept, tell) {
  const doc = win.document;
  const byId = (id) => doc.getElementById(id);
  byId('watch_replay').addEventListener('click', async () => {
    await kept();
    watchOnReload(win, { text: game.recording(), source: 'the game just played' }, tell);
  });

  let file;
  byId('save_replay').addEventListener('click', () => {
    // The replay is whole once the game has ended: one file serves every save.
    file ??= URL.createObjectURL(new Blob([game.recording()], { type: 'text/plain' }));
    const link = Object.assign(doc.createElement('a'), { href: file, download: game.replayFileName() });
    link.click();
  });

  byId('copy_link').addEventListener('click', async () => {
    const box = byId('replay_link');
    box.value = await linkTo(game.recording(), win.location);
    byId('replay_link_row').hidden = false;
    box.select();
    try {
      await win.navigator.clipboard.writeText(box.value);
      tell('The link is copied.');
    } catch {
      tell('Copy the link from the box: the browser did not let the page copy it.');
    }
  });
}
