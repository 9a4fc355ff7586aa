// Wires the page together: the compiled game, its timer, the player's input,
// the dialogs' buttons and the view.
import createBrassmoor from './brassmoor.js';
import { gameOf } from './game.js';
import { listenForInput } from './input.js';
import { Ticker } from './ticker.js';
import { View } from './view.js';

const kTickMilliseconds = 25;

// The game reports a handler's run-time error on stderr; the page's stderr is the console's error.
const game = gameOf(await createBrassmoor({ printErr: (line) => console.error(line) }));
const view = new View(document, game);
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

const buttons = [
  ['frm_winlose', 'btn_quit', game.quit],
  ['frm_winlose', 'Command1', game.resultBack],
  ['frm_winlose', 'Command2', game.resultNextLevel],
  ['frm_help', 'Command1', game.helpClose],
];
for (const [dialog, name, click] of buttons) {
  document.querySelector(`#${dialog} [data-control="${name}"]`).addEventListener('click', () => {
    click();
    after();
  });
}
// The title bar's close hides the dialog and nothing else; Esc does nothing in it.
for (const [dialog, closed] of [['frm_winlose', game.resultClosed], ['frm_help', game.helpClosed]]) {
  const element = document.getElementById(dialog);
  element.querySelector('.close').addEventListener('click', () => {
    closed();
    after();
  });
  element.addEventListener('cancel', (event) => event.preventDefault());
}
document.getElementById('play_again').addEventListener('click', () => location.reload());

// For the page's tests, and for a curious player at the console.
globalThis.brassmoor = game;

view.canvas.focus();
after();
