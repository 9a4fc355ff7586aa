// The player's mouse, fingers and keys, turned into calls of the game's six
// handlers with the game's own codes, through one table. Only the keys the
// game uses are taken from the browser; every other key, and any key pressed
// with Ctrl, Alt or Meta, does what it always does. A finger on the
// battlefield is the left button held where it touches; held still for a
// while, it is also a right-button release there, which picks a tank.

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

const kLongPressMs = 500;
const kLongPressSlop = 10;  // CSS pixels a finger may wander and still be held still

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

  const send = (handler) => {
    if (game.ended()) return;
    handler();
    after();
  };

  const press = (key) => {
    if (key.keyCode !== undefined) game.keyDown(key.keyCode);
    if (key.keyAscii !== undefined) game.keyPress(key.keyAscii);
  };
  const release = (key) => {
    if (key.keyCode !== undefined) game.keyUp(key.keyCode);
  };

  doc.addEventListener('keydown', (event) => {
    const key = keys.get(event.key);
    if (key === undefined || forTheBrowser(event)) return;
    if (key.keyCode === helpKey) event.preventDefault();  // never the browser's help
    if (inDialog(event)) return;
    event.preventDefault();
    send(() => press(key));
  });
  // A release is the game's whatever else is held: an arrow let go with
  // Ctrl down must not drive on.
  doc.addEventListener('keyup', (event) => {
    const key = keys.get(event.key);
    if (key === undefined || key.keyCode === undefined || inDialog(event)) return;
    event.preventDefault();
    send(() => release(key));
  });

  // Their key-ups now go elsewhere: the arrows count as released, or the
  // player's tank would drive on by itself.
  const releaseArrows = () => send(() => arrows.forEach((code) => game.keyUp(code)));
  canvas.addEventListener('blur', releaseArrows);
  doc.defaultView.addEventListener('blur', releaseArrows);
  doc.addEventListener('visibilitychange', () => {
    if (doc.visibilityState === 'hidden') releaseArrows();
  });

  listenForPointers(doc.defaultView, canvas, game, send);

  // The keys of the table by their DOM names, for on-screen controls.
  return {
    keyDown: (name) => send(() => press(keys.get(name))),
    keyUp: (name) => send(() => release(keys.get(name))),
  };
}

function listenForPointers(win, canvas, game, send) {
  const buttons = kButtons.map(({ bit, code }) => ({ bit, code: game.code(code) }));
  const other = game.code('kOtherButton');
  const button = (event) => buttons[event.button] ?? { bit: 0, code: other };
  // The buttons held, added up the game's way.
  const held = (bits) => buttons.reduce((sum, { bit, code }) => ((bits & bit) !== 0 ? sum | code : sum), 0);
  const [left, right] = [game.code('kLeftButton'), game.code('kRightButton')];

  // The battlefield pixel shown where the event is: the screen pixel under
  // it, taken at its centre, mapped back through the scaling from the
  // screen pixels the battlefield covers. Also outside the battlefield,
  // while a held button has taken the pointer there.
  const at = (event) => {
    const dpr = win.devicePixelRatio;
    const box = canvas.getBoundingClientRect();
    const shown = (client, start, end, pixels) => {
      const [first, last] = [Math.round(start * dpr), Math.round(end * dpr)];
      return Math.floor((Math.floor(client * dpr) + 0.5 - first) * (pixels / (last - first)));
    };
    return [shown(event.clientX, box.left, box.right, canvas.width), shown(event.clientY, box.top, box.bottom, canvas.height)];
  };

  // Each pointer's buttons and place as last seen: a cancelled pointer lets
  // go of what it held, where it was.
  const pointers = new Map();
  // The battlefield follows one finger at a time; any other is ignored.
  let finger = null;
  const ignored = (event) => event.pointerType === 'touch' && finger !== null && finger.id !== event.pointerId;

  const forget = (event) => {
    pointers.delete(event.pointerId);
    if (finger?.id === event.pointerId) {
      clearTimeout(finger.timer);
      finger = null;
    }
  };
  // Held still for long enough, a finger is a right-button release, and then
  // still the left button held, so that it fires on.
  const holdStill = (event) => {
    clearTimeout(finger.timer);
    finger.from = [event.clientX, event.clientY];
    finger.timer = setTimeout(() => {
      const { point } = pointers.get(finger.id);
      send(() => {
        game.mouseUp(right, ...point);
        game.mouseDown(left, ...point);
      });
    }, kLongPressMs);
  };

  canvas.addEventListener('pointerdown', (event) => {
    if (ignored(event)) return;
    canvas.focus({ preventScroll: true, focusVisible: false });  // a ring only for the keyboard
    canvas.setPointerCapture(event.pointerId);
    const point = at(event);
    pointers.set(event.pointerId, { bits: event.buttons, point });
    if (event.pointerType === 'touch') {
      // A finger, unlike a mouse, comes with no move to aim where it lands.
      finger = { id: event.pointerId };
      holdStill(event);
      send(() => {
        game.mouseMove(held(event.buttons), ...point);
        game.mouseDown(button(event).code, ...point);
      });
      return;
    }
    send(() => game.mouseDown(button(event).code, ...point));
  });
  canvas.addEventListener('pointermove', (event) => {
    if (ignored(event)) return;
    const point = at(event);
    if (pointers.has(event.pointerId)) pointers.set(event.pointerId, { bits: event.buttons, point });
    if (finger?.id === event.pointerId && Math.hypot(event.clientX - finger.from[0], event.clientY - finger.from[1]) > kLongPressSlop) {
      holdStill(event);
    }
    // A second button going down or up while another is held comes as a move.
    if (event.button >= 0) {
      const { bit, code } = button(event);
      send(() => ((event.buttons & bit) !== 0 ? game.mouseDown : game.mouseUp)(code, ...point));
      return;
    }
    send(() => game.mouseMove(held(event.buttons), ...point));
  });
  canvas.addEventListener('pointerup', (event) => {
    if (ignored(event)) return;
    const point = at(event);
    forget(event);
    send(() => game.mouseUp(button(event).code, ...point));
  });
  canvas.addEventListener('pointercancel', (event) => {
    const last = pointers.get(event.pointerId);
    forget(event);
    if (last === undefined) return;
    send(() => buttons.forEach(({ bit, code }) => {
      if ((last.bits & bit) !== 0) game.mouseUp(code, ...last.point);
    }));
  });
  canvas.addEventListener('contextmenu', (event) => event.preventDefault());
}
