// Wires the page together: the compiled game, its timer, the player's input,
// the dialogs' buttons and the view. Until the game is ready the page says
// "Loading…"; if it cannot load, the page says what failed.
import { gameOf } from './game.js';
import { listenForInput } from './input.js';
import { keepPlaced } from './layout.js';
import { loadGame } from './load.js';
import { Ticker } from './ticker.js';
import { View } from './view.js';

const kTickMilliseconds = 25;

const status = document.getElementById('status');
let view;
keepPlaced(window, document.getElementById('stage'), () => view?.placed());

let game;
try {
  // The game reports a handler's run-time error on stderr; the page's stderr is the console's error.
  game = gameOf(await loadGame({ printErr: (line) => console.error(line) }));
} catch (failure) {
  status.textContent = `Brassmoor could not load: ${failure.message}.`;
  status.className = 'failed';
}

if (game !== undefined) {
  view = new View(document, game);
  const ticker = new Ticker(() => {
    game.tick();
    view.show();
  }, kTickMilliseconds);

  // After anything the player did: show it, and follow the timer switch.
  const after = () => {
    view.show();
    ticker.setEnabled(game.timerEnabled());
  };

  listenForInput(document, view.canvas, game, after);

  const clicks = [
    [view.result, 'btn_quit', game.quit],
    [view.result, 'Command1', game.resultBack],
    [view.result, 'Command2', game.resultNextLevel],
    [view.help, 'Command1', game.helpClose],
  ];
  for (const [dialog, name, click] of clicks) {
    dialog.control(name).addEventListener('click', () => {
      click();
      after();
    });
  }
  // The title bar's close hides the dialog and nothing else; Esc does nothing in it.
  for (const [dialog, closed] of [[view.result, game.resultClosed], [view.help, game.helpClosed]]) {
    dialog.closeControl.addEventListener('click', () => {
      closed();
      after();
    });
    dialog.element.addEventListener('cancel', (event) => event.preventDefault());
  }
  document.getElementById('play_again').addEventListener('click', () => location.reload());

  // For the page's tests, and for a curious player at the console.
  globalThis.brassmoor = game;

  status.hidden = true;
  view.canvas.focus({ preventScroll: true });
  after();
}
