// The player's mouse and keys, turned into calls of the game's six handlers
// with the game's own codes, through one table. Only the keys the game uses
// are taken from the browser; every other key, and any key pressed with
// Ctrl, Alt or Meta, does what it always does.

// KeyboardEvent.key: the name, in the game's table of input codes, of a
// virtual-key code for Form_KeyDown and Form_KeyUp or of a character code for
// Form_KeyPress.
const kKeys = new Map([
  ['ArrowLeft', { keyCode: 'kLeftKey' }],
  ['ArrowUp', { keyCode: 'kUpKey' }],
  ['ArrowRight', { keyCode: 'kRightKey' }],
  ['ArrowDown', { keyCode: 'kDownKey' }],
  ['F1', { keyCode: 'kF1Key' }],
  ['Escape', { keyAscii: 'kEscAscii' }],
  ['Enter', { keyAscii: 'kEnterAscii' }],
  ['p', { keyAscii: 'kLowerPAscii' }],
  ['P', { keyAscii: 'kUpperPAscii' }],
]);

// PointerEvent.button, by its number: its bit in PointerEvent.buttons, and
// the name of the game's code for it.
const kButtons = [
  { bit: 1, code: 'kLeftButton' },     // main
  { bit: 4, code: 'kMiddleButton' },   // auxiliary
  { bit: 2, code: 'kRightButton' },    // secondary
  { bit: 8, code: 'kOtherButton' },    // back
  { bit: 16, code: 'kOtherButton' },   // forward
  { bit: 32, code: 'kOtherButton' },   // a pen's eraser
];

// Keys typed into a dialog or the end screen are theirs, not the battlefield's.
const inDialog = (event) => event.target instanceof Element && event.target.closest('dialog, #end') !== null;
const forTheBrowser = (event) => event.ctrlKey || event.altKey || event.metaKey;

// after: runs once the game has had the event, to show what changed.
export function listenForInput(doc, canvas, game, after) {
  const keys = new Map([...kKeys].map(([key, { keyCode, keyAscii }]) => [key, {
    keyCode: keyCode && game.code(keyCode),
    keyAscii: keyAscii && game.code(keyAscii),
  }]));
  const arrows = [...keys].filter(([key]) => key.startsWith('Arrow')).map(([, { keyCode }]) => keyCode);
  const helpKey = keys.get('F1').keyCode;
  const buttons = kButtons.map(({ bit, code }) => ({ bit, code: game.code(code) }));
  const other = game.code('kOtherButton');
  const button = (event) => buttons[event.button] ?? { bit: 0, code: other };
  // The buttons held, added up the game's way.
  const held = (bits) => buttons.reduce((sum, { bit, code }) => ((bits & bit) !== 0 ? sum | code : sum), 0);

  const send = (handler) => {
    if (game.ended()) return;
    handler();
    after();
  };

  doc.addEventListener('keydown', (event) => {
    const key = keys.get(event.key);
    if (key === undefined || forTheBrowser(event)) return;
    if (key.keyCode === helpKey) event.preventDefault();  // never the browser's help
    if (inDialog(event)) return;
    event.preventDefault();
    send(() => {
      if (key.keyCode !== undefined) game.keyDown(key.keyCode);
      if (key.keyAscii !== undefined) game.keyPress(key.keyAscii);
    });
  });
  // A release is the game's whatever else is held: an arrow let go with
  // Ctrl down must not drive on.
  doc.addEventListener('keyup', (event) => {
    const key = keys.get(event.key);
    if (key === undefined || key.keyCode === undefined || inDialog(event)) return;
    event.preventDefault();
    send(() => game.keyUp(key.keyCode));
  });

  // Their key-ups now go elsewhere: the arrows count as released, or the
  // player's tank would drive on by itself.
  const releaseArrows = () => send(() => arrows.forEach((code) => game.keyUp(code)));
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
  // Each pointer's buttons and place as last seen: a cancelled pointer lets
  // go of what it held, where it was.
  const pointers = new Map();
  const seen = (event, point) => pointers.set(event.pointerId, { bits: event.buttons, point });

  canvas.addEventListener('pointerdown', (event) => {
    canvas.focus({ preventScroll: true });
    canvas.setPointerCapture(event.pointerId);
    const point = at(event);
    seen(event, point);
    send(() => game.mouseDown(button(event).code, ...point));
  });
  canvas.addEventListener('pointermove', (event) => {
    const point = at(event);
    seen(event, point);
    // A second button going down or up while another is held comes as a move.
    if (event.button >= 0) {
      const { bit, code } = button(event);
      send(() => ((event.buttons & bit) !== 0 ? game.mouseDown : game.mouseUp)(code, ...point));
      return;
    }
    send(() => game.mouseMove(held(event.buttons), ...point));
  });
  canvas.addEventListener('pointerup', (event) => {
    const point = at(event);
    pointers.delete(event.pointerId);
    send(() => game.mouseUp(button(event).code, ...point));
  });
  canvas.addEventListener('pointercancel', (event) => {
    const last = pointers.get(event.pointerId);
    pointers.delete(event.pointerId);
    if (last === undefined) return;
    send(() => buttons.forEach(({ bit, code }) => {
      if ((last.bits & bit) !== 0) game.mouseUp(code, ...last.point);
    }));
  });
  canvas.addEventListener('contextmenu', (event) => event.preventDefault());
}
