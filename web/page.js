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
  const status = byId('status');
  let view;
  const canvas = byId('frm');
  // The canvas keeps the battlefield's shape while the game loads, and takes its
  // size from the game once it has.
  const layout = new Layout(window, { stage: byId('stage'), pad: byId('pad'), commands: byId('commands') }, canvas,
    () => view?.placed());
  offerFullscreen(window, byId('fullscreen'), canvas);
  // Placed whole before anything shows, so that nothing moves once the game has come.
  showTouchControls(window, () => layout.place());
  layout.place();

  let game;
  try {
    // The game reports a handler's run-time error on stderr; the page's stderr is the console's error.
    game = makeGame(await loadGame({ printErr: (line) => console.error(line) }));
  } catch (failure) {
    status.textContent = `Brassmoor could not load: ${failure.message}.`;
    status.className = 'failed';
  }

  const refuse = (sentence) => {
    status.textContent = sentence;
    status.className = 'failed';
    game = undefined;
  };

  // A replay from a link, Watch replay or a file; one that cannot be read plays nothing.
  let watching = false;
  if (game !== undefined) {
    try {
      const replay = await replayToWatch(window);
      watching = replay !== null;
      const refusal = watching ? game.watch(replay.text, replay.source) : '';
      if (refusal !== '') refuse(`Brassmoor cannot play this replay: ${refusal}.`);
    } catch (failure) {
      refuse(`Brassmoor cannot play this replay: ${failure.message}.`);
    }
  }

  // ?seed=N plays the game that brassmoor-sim --seed N plays; a bad one starts none.
  const seed = new URLSearchParams(location.search).get('seed');
  const refusal = game === undefined || watching || seed === null ? '' : game.seed(seed);
  if (refusal !== '') refuse(`Brassmoor cannot start: ${refusal}.`);
  if (game !== undefined && !watching) game.record();

  // A sentence about a replay: on the end screen, beside the playback, or in
  // place of a game that did not start.
  const note = (sentence) => {
    const where = game === undefined ? status : byId(watching ? 'playback_sentence' : 'end_note');
    where.textContent = sentence;
  };
  openReplayFiles(window, byId('replay_file'), document.querySelectorAll('.open-replay'), note);

  if (game !== undefined) {
    [canvas.width, canvas.height] = [game.width, game.height];
    layout.place();
    view = new View(document, game);
    const ticker = new Ticker(() => {
      game.tick();
      view.show();
    }, game.tickMilliseconds);

    // After anything the player did: show it, and follow the timer switch.
    // A replay watched takes none of it, and has a timer of its own.
    const after = () => {
      view.show();
      if (!watching) ticker.setEnabled(game.timerEnabled());
    };

    const keys = listenForInput(document, view.canvas, game, after);
    listenForTouch(window, byId('pad'), byId('commands'), keys);

    // Every button of the game's dialog tables, run by the game's table of
    // what each does; one that ends the game (Quit) has it kept and listed.
    let ended = () => {};
    for (const dialog of view.dialogs) {
      for (const button of dialog.buttons()) {
        button.addEventListener('click', () => {
          game.click(dialog.name, button.dataset.control);
          after();
          if (game.ended()) ended();
        });
      }
    }
    // The title bar's close hides the dialog and nothing else; Esc does nothing in it.
    for (const [dialog, closed] of [[view.result, game.resultClosed], [view.help, game.helpClosed]]) {
      dialog.closeControl.addEventListener('click', () => {
        closed();
        after();
      });
      dialog.element.addEventListener('cancel', (event) => event.preventDefault());
    }
    byId('play_again').addEventListener('click', () => location.reload());
    // A new game, on this page without the link's replay.
    byId('play_new').addEventListener('click', () => location.assign(location.pathname + location.search));
    if (!watching) {
      const kept = keepGame(window, game);
      ended = async () => {
        await kept.ended();
        listKeptGames(window, byId('kept_games'), note);
      };
      offerReplay(window, game, kept.ended, note);
    }

    // The keys are the battlefield's from the start; its ring waits for the keyboard.
    view.canvas.focus({ preventScroll: true, focusVisible: false });
    after();
    if (watching) {
      document.documentElement.classList.add('watching');
      watchReplay(document, game, view, game.tickMilliseconds);
      layout.place();  // the playback's controls beside the battlefield
    }
    // Last, once all is wired: "Loading…" goes, which the page's tests wait for.
    status.hidden = true;

    // A service worker keeps this release's files, whole, for playing offline.
    // Only a secure origin (https, or this machine) has one.
    navigator.serviceWorker?.register('sw.js').catch((error) => console.warn(`Brassmoor cannot play offline: ${error.message}`));
  }
}
