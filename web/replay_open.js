// Where a replay to watch comes from: a link's fragment, or a text handed
// over to the page's next load by Watch replay, a dropped file or the file
// picker. The page loads afresh to watch one, so that its game starts from
// nothing, as the recorded one did.
import { carriesReplay, replayIn } from './replay_link.js';

const kHandedOver = 'brassmoor-watch';

// { text, source } to watch, or null to play. Rejects with an Error that says
// why the replay cannot be read.
export async function replayToWatch(win) {
  const handed = win.sessionStorage.getItem(kHandedOver);
  if (handed !== null) {
    win.sessionStorage.removeItem(kHandedOver);
    return JSON.parse(handed);
  }
  if (carriesReplay(win.location.hash)) return { text: await replayIn(win.location.hash), source: 'the link' };
  return null;
}

// Loads the page afresh to watch the replay of that text, named source in
// what cannot be read of it; tells `refused` in a sentence why it cannot.
export function watchOnReload(win, replay, refused) {
  try {
    win.sessionStorage.setItem(kHandedOver, JSON.stringify(replay));
  } catch (error) {
    refused(`The page cannot take this replay: ${error.message}.`);
    return;
  }
  win.location.reload();
}

// A replay file dropped anywhere on the page, or chosen with the picker that
// any of the buttons opens, is watched.
export function openReplayFiles(win, picker, buttons, refused) {
  const doc = win.document;
  const open = async (file) => {
    if (file === undefined) return;
    let text;
    try {
      text = await file.text();
    } catch (error) {
      refused(`${file.name} cannot be read: ${error.message}.`);
      return;
    }
    watchOnReload(win, { text, source: file.name }, refused);
  };
  for (const button of buttons) button.addEventListener('click', () => picker.click());
  picker.addEventListener('change', () => open(picker.files[0]));
  const carriesFiles = (event) => event.dataTransfer?.types.includes('Files');
  doc.addEventListener('dragover', (event) => {
    if (carriesFiles(event)) event.preventDefault();
  });
  doc.addEventListener('drop', (event) => {
    if (!carriesFiles(event)) return;
    event.preventDefault();
    open(event.dataTransfer.files[0]);
  });
  // A link pasted over this page's own differs in its fragment alone, which loads nothing by itself.
  win.addEventListener('hashchange', () => carriesReplay(win.location.hash) && win.location.reload());
}
