// The page, wired together: the compiled game, its timer, the player's input,
// the dialogs' buttons, the view and the page's layout. Until the game is
// ready the page says "Loading…"; if it cannot load, the page says what
// failed; once it is ready, "Loading…" goes. Once it has played, it keeps
// its files for playing offline. Every game played is recorded and kept; or
// the page watches a replay instead.
import { offerFullscreen } from './fullscreen.js';
import { listenForInput } from './input.js';
import { keepGame } from './keep_game.js';
import { listKeptGames } from './kept_games.js';
import { Layout } from './layout.js';
import { loadGame } from './load.js';
import { watchReplay } from './playback_panel.js';
import { offerReplay } from './replay_end.js';
import { openReplayFiles, replayToWatch } from './replay_open.js';
import { Ticker } from './ticker.js';
import { listenForTouch, showTouchControls } from './touch.js';
import { View } from './view.js';

const byId = (id) => document.getElementById(id);

// makeGame(module) gives the game's calls from the compiled module.
export async function playPage(makeGame) {
  const canvas = byId('frm');
  const layout = placePage(canvas);
  const started = await startGame(makeGame);
  const note = noteOn(started);
  openReplayFiles(window, byId('replay_file'), document.querySelectorAll('.open-replay'), note);
  if (started !== null) play(started, canvas, layout, note);
}

// The canvas keeps the battlefield's shape while the game loads, and takes its
// size from the game once it has. Placed whole before anything shows, so that
// nothing moves once the game has come.
function placePage(canvas) {
  const layout = new Layout(window, { stage: byId('stage'), pad: byId('pad'), commands: byId('commands') }, canvas);
  offerFullscreen(window, byId('fullscreen'), canvas);
  showTouchControls(window, () => layout.place());
  layout.place();
  return layout;
}

// The game loaded and started, { game, watching }: a replay watched, or a game
// played and recorded; or null, once the page has said why neither.
async function startGame(makeGame) {
  const game = await loadedGame(makeGame);
  if (game === null) return null;
  // A replay from a link, Watch replay or a file; one that cannot be read plays nothing.
  try {
    const replay = await replayToWatch(window);
    const refusal = replay === null ? '' : game.watch(replay.text, replay.source);
    if (refusal !== '') return refuse(`Brassmoor cannot play this replay: ${refusal}.`);
    if (replay !== null) return { game, watching: true };
  } catch (failure) {
    return refuse(`Brassmoor cannot play this replay: ${failure.message}.`);
  }
  // ?seed=N plays the game that brassmoor-sim --seed N plays; a bad one starts none.
  const seed = new URLSearchParams(location.search).get('seed');
  const refusal = seed === null ? '' : game.seed(seed);
  if (refusal !== '') return refuse(`Brassmoor cannot start: ${refusal}.`);
  game.record();
  return { game, watching: false };
}

async function loadedGame(makeGame) {
  try {
    // The game reports a handler's run-time error on stderr; the page's stderr is the console's error.
    return makeGame(await loadGame({ printErr: (line) => console.error(line) }));
  } catch (failure) {
    return refuse(`Brassmoor could not load: ${failure.message}.`);
  }
}

// Says, in place of the game, why it did not start.
function refuse(sentence) {
  const status = byId('status');
  status.textContent = sentence;
  status.className = 'failed';
  return null;
}

// A sentence about a replay: on the end screen, beside the playback, or in
// place of a game that did not start.
function noteOn(started) {
  const where = started === null ? byId('status') : byId(started.watching ? 'playback_sentence' : 'end_note');
  return (sentence) => {
    where.textContent = sentence;
  };
}

// The game on the page, shown at every tick and after the player's every
// input and click; a replay watched takes none of them.
function play({ game, watching }, canvas, layout, note) {
  [canvas.width, canvas.height] = [game.width, game.height];
  layout.place();
  const view = new View(document, game);
  layout.placed = () => view.placed();
  const ticker = new Ticker(() => {
    game.tick();
    view.show();
  }, game.tickMilliseconds);
  // After anything the player did: show it, and follow the timer switch.
  // A replay watched has a timer of its own.
  const after = () => {
    view.show();
    if (!watching) ticker.setEnabled(game.timerEnabled());
  };
  const keys = listenForInput(document, view.canvas, game, after);
  listenForTouch(window, byId('pad'), byId('commands'), keys);
  listenForClicks(view, game, after, offerEnd(game, watching, note));
  // The keys are the battlefield's from the start; its ring waits for the keyboard.
  view.canvas.focus({ preventScroll: true, focusVisible: false });
  after();
  if (watching) watch(game, view, layout);
  // Last, once all is wired: "Loading…" goes, which the page's tests wait for.
  byId('status').hidden = true;
  keepOffline();
}

// Every button that the game's tables give a dialog, run by the game's table
// of what each does; ended runs once one has ended the game (Quit). The title
// bar's close hides the dialog and nothing else; Esc does nothing in it.
function listenForClicks(view, game, after, ended) {
  for (const dialog of [view.result, view.help]) {
    for (const button of dialog.buttons()) {
      button.addEventListener('click', () => {
        game.click(dialog.name, button.dataset.control);
        after();
        if (game.ended()) ended();
      });
    }
    dialog.closeControl.addEventListener('click', () => {
      game.click(dialog.name);
      after();
    });
    dialog.element.addEventListener('cancel', (event) => event.preventDefault());
  }
}

// The buttons of the end screen and of a replay stopped; a game played is
// kept as it goes, and offered once it ends. Returns what runs once it has.
function offerEnd(game, watching, note) {
  byId('play_again').addEventListener('click', () => location.reload());
  // A new game, on this page without the link's replay.
  byId('play_new').addEventListener('click', () => location.assign(location.pathname + location.search));
  if (watching) return () => {};
  const kept = keepGame(window, game);
  offerReplay(window, game, kept.ended, note);
  return async () => {
    await kept.ended();
    listKeptGames(window, byId('kept_games'), note);
  };
}

// A replay watched, its controls beside the battlefield.
function watch(game, view, layout) {
  document.documentElement.classList.add('watching');
  watchReplay(document, game, view, game.tickMilliseconds);
  layout.place();
}

// A service worker keeps this release's files, whole, for playing offline.
// Only a secure origin (https, or this machine) has one.
function keepOffline() {
  navigator.serviceWorker?.register('sw.js').catch((error) => console.warn(`Brassmoor cannot play offline: ${error.message}`));
}
