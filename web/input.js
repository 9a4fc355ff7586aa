// The player's mouse and keys, turned into calls of the game's six handlers
// with the game's own codes, through one table. Only the keys the game uses
// are taken from the browser; every other key does what it always does.

// KeyboardEvent.key: a virtual-key code for Form_KeyDown and Form_KeyUp, or a
// character code for Form_KeyPress.
const kKeys = new Map([
  ['ArrowLeft', { keyCode: 37 }],
  ['ArrowUp', { keyCode: 38 }],
  ['ArrowRight', { keyCode: 39 }],
  ['ArrowDown', { keyCode: 40 }],
  ['F1', { keyCode: 112 }],
  ['Escape', { keyAscii: 27 }],
  ['Enter', { keyAscii: 13 }],
  ['p', { keyAscii: 112 }],
  ['P', { keyAscii: 80 }],
]);
const kArrowCodes = [37, 38, 39, 40];

// PointerEvent.button (0 left, 1 middle, 2 right) as the game numbers it:
// 1 left, 2 right, 4 middle, 0 any other. PointerEvent.buttons already adds
// up the held buttons the game's way.
const kButtonCodes = [1, 4, 2];
const buttonCode = (event) => kButtonCodes[event.button] ?? 0;
const kHeldButtons = 1 | 2 | 4;

// Keys typed into a dialog or the end screen are theirs, not the battlefield's.
const inDialog = (event) => event.target instanceof Element && event.target.closest('dialog, #end') !== null;

// after: runs once the game has had the event, to show what changed.
export function listenForInput(doc, canvas, game, after) {
  const send = (handler) => {
    if (game.ended()) return;
    handler();
    after();
  };

  doc.addEventListener('keydown', (event) => {
    const key = kKeys.get(event.key);
    if (key === undefined) return;
    if (key.keyCode === 112) event.preventDefault();  // never the browser's help
    if (inDialog(event)) return;
    event.preventDefault();  // no scrolling on an arrow
    send(() => {
      if (key.keyCode !== undefined) game.keyDown(key.keyCode);
      if (key.keyAscii !== undefined) game.keyPress(key.keyAscii);
    });
  });
  doc.addEventListener('keyup', (event) => {
    const key = kKeys.get(event.key);
    if (key === undefined || key.keyCode === undefined || inDialog(event)) return;
    event.preventDefault();
    send(() => game.keyUp(key.keyCode));
  });

  // Their key-ups now go elsewhere: the arrows count as released, or the
  // player's tank would drive on by itself.
  const releaseArrows = () => send(() => kArrowCodes.forEach((code) => game.keyUp(code)));
  canvas.addEventListener('blur', releaseArrows);
  doc.defaultView.addEventListener('blur', releaseArrows);
  doc.addEventListener('visibilitychange', () => {
    if (doc.visibilityState === 'hidden') releaseArrows();
  });

  // Battlefield pixels, also while a held button has taken the pointer outside.
  const at = (event) => {
    const box = canvas.getBoundingClientRect();
    return [(event.clientX - box.left) * (canvas.width / box.width), (event.clientY - box.top) * (canvas.height / box.height)];
  };
  canvas.addEventListener('pointerdown', (event) => {
    canvas.focus();
    canvas.setPointerCapture(event.pointerId);
    send(() => game.mouseDown(buttonCode(event), ...at(event)));
  });
  canvas.addEventListener('pointermove', (event) => {
    // A second button going down or up while another is held comes as a move.
    if (event.button >= 0) {
      const pressed = (event.buttons & buttonCode(event)) !== 0;
      send(() => (pressed ? game.mouseDown : game.mouseUp)(buttonCode(event), ...at(event)));
      return;
    }
    send(() => game.mouseMove(event.buttons & kHeldButtons, ...at(event)));
  });
  canvas.addEventListener('pointerup', (event) => send(() => game.mouseUp(buttonCode(event), ...at(event))));
  canvas.addEventListener('contextmenu', (event) => event.preventDefault());
}
