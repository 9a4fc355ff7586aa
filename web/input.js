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

// The game's codes for the keys of the table.
const keysOf = (game) => new Map([...kKeys].map(([key, { keyCode, keyAscii }]) => [key, {
  keyCode: keyCode && game.code(keyCode),
  keyAscii: keyAscii && game.code(keyAscii),
}]));

const press = (game, key) => {
  if (key.keyCode !== undefined) game.keyDown(key.keyCode);
  if (key.keyAscii !== undefined) game.keyPress(key.keyAscii);
};
const release = (game, key) => {
  if (key.keyCode !== undefined) game.keyUp(key.keyCode);
};

// after: runs once the game has had the event, to show what changed.
export function listenForInput(doc, canvas, game, after) {
  const keys = keysOf(game);
  const send = (handler) => {
    if (game.ended()) return;
    handler();
    after();
  };
  listenForKeys(doc, game, keys, send);
  releaseArrowsOnFocusLoss(doc, canvas, game, send);
  listenForPointers(doc.defaultView, canvas, game, send);

  // The keys of the table by their DOM names, for on-screen controls.
  return {
    keyDown: (name) => send(() => press(game, keys.get(name))),
    keyUp: (name) => send(() => release(game, keys.get(name))),
  };
}

function listenForKeys(doc, game, keys, send) {
  const helpKey = keys.get('F1').keyCode;
  doc.addEventListener('keydown', (event) => {
    const key = keys.get(event.key);
    if (key === undefined || forTheBrowser(event)) return;
    if (key.keyCode === helpKey) event.preventDefault();  // never the browser's help
    if (inDialog(event)) return;
    event.preventDefault();
    send(() => press(game, key));
  });
  // A release is the game's whatever else is held: an arrow let go with
  // Ctrl down must not drive on.
  doc.addEventListener('keyup', (event) => {
    const key = keys.get(event.key);
    if (key === undefined || key.keyCode === undefined || inDialog(event)) return;
    event.preventDefault();
    send(() => release(game, key));
  });
}

// Their key-ups now go elsewhere: the game counts the arrows as released.
function releaseArrowsOnFocusLoss(doc, canvas, game, send) {
  const releaseArrows = () => send(() => game.releaseArrows());
  canvas.addEventListener('blur', releaseArrows);
  doc.defaultView.addEventListener('blur', releaseArrows);
  doc.addEventListener('visibilitychange', () => {
    if (doc.visibilityState === 'hidden') releaseArrows();
  });
}

// The battlefield pixel shown where the event is: the screen pixel under it,
// taken at its centre, mapped back through the scaling from the screen pixels
// the battlefield covers. Also outside the battlefield, while a held button
// has taken the pointer there.
function battlefieldPixel(win, canvas, event) {
  const dpr = win.devicePixelRatio;
  const box = canvas.getBoundingClientRect();
  const shown = (client, start, end, pixels) => {
    const [first, last] = [Math.round(start * dpr), Math.round(end * dpr)];
    return Math.floor((Math.floor(client * dpr) + 0.5 - first) * (pixels / (last - first)));
  };
  return [shown(event.clientX, box.left, box.right, canvas.width), shown(event.clientY, box.top, box.bottom, canvas.height)];
}

function listenForPointers(win, canvas, game, send) {
  const pointers = new BattlefieldPointers(win, canvas, game, send);
  canvas.addEventListener('pointerdown', (event) => pointers.down(event));
  canvas.addEventListener('pointermove', (event) => pointers.move(event));
  canvas.addEventListener('pointerup', (event) => pointers.up(event));
  canvas.addEventListener('pointercancel', (event) => pointers.cancel(event));
  canvas.addEventListener('contextmenu', (event) => event.preventDefault());
}

// The mouse and the fingers on the battlefield, as the game's mouse handlers.
class BattlefieldPointers {
  constructor(win, canvas, game, send) {
    Object.assign(this, { win, canvas, game, send });
    this.buttons = kButtons.map(({ bit, code }) => ({ bit, code: game.code(code) }));
    this.other = game.code('kOtherButton');
    [this.left, this.right] = [game.code('kLeftButton'), game.code('kRightButton')];
    // Each pointer's buttons and place as last seen: a cancelled pointer lets
    // go of what it held, where it was.
    this.pointers = new Map();
    // The battlefield follows one finger at a time; any other is ignored.
    this.finger = null;
  }

  button(event) {
    return this.buttons[event.button] ?? { bit: 0, code: this.other };
  }

  // The buttons held, added up the game's way.
  held(bits) {
    return this.buttons.reduce((sum, { bit, code }) => ((bits & bit) !== 0 ? sum | code : sum), 0);
  }

  ignored(event) {
    return event.pointerType === 'touch' && this.finger !== null && this.finger.id !== event.pointerId;
  }

  // The pixel under the event, kept as the pointer's last place if it holds a button.
  seen(event) {
    const point = battlefieldPixel(this.win, this.canvas, event);
    if (this.pointers.has(event.pointerId)) this.pointers.set(event.pointerId, { bits: event.buttons, point });
    return point;
  }

  forget(event) {
    this.pointers.delete(event.pointerId);
    if (this.finger?.id !== event.pointerId) return;
    clearTimeout(this.finger.timer);
    this.finger = null;
  }

  // Held still for long enough, a finger is a right-button release, and then
  // still the left button held, so that it fires on.
  holdStill(event) {
    clearTimeout(this.finger.timer);
    this.finger.from = [event.clientX, event.clientY];
    this.finger.timer = setTimeout(() => {
      const { point } = this.pointers.get(this.finger.id);
      this.send(() => {
        this.game.mouseUp(this.right, ...point);
        this.game.mouseDown(this.left, ...point);
      });
    }, kLongPressMs);
  }

  down(event) {
    if (this.ignored(event)) return;
    this.canvas.focus({ preventScroll: true, focusVisible: false });  // a ring only for the keyboard
    this.canvas.setPointerCapture(event.pointerId);
    const point = battlefieldPixel(this.win, this.canvas, event);
    this.pointers.set(event.pointerId, { bits: event.buttons, point });
    if (event.pointerType === 'touch') {
      this.fingerDown(event, point);
      return;
    }
    this.send(() => this.game.mouseDown(this.button(event).code, ...point));
  }

  // A finger, unlike a mouse, comes with no move to aim where it lands.
  fingerDown(event, point) {
    this.finger = { id: event.pointerId };
    this.holdStill(event);
    this.send(() => {
      this.game.mouseMove(this.held(event.buttons), ...point);
      this.game.mouseDown(this.button(event).code, ...point);
    });
  }

  move(event) {
    if (this.ignored(event)) return;
    const point = this.seen(event);
    const from = this.finger?.id === event.pointerId ? this.finger.from : null;
    if (from !== null && Math.hypot(event.clientX - from[0], event.clientY - from[1]) > kLongPressSlop) {
      this.holdStill(event);
    }
    // A second button going down or up while another is held comes as a move.
    if (event.button >= 0) {
      const { bit, code } = this.button(event);
      this.send(() => ((event.buttons & bit) !== 0 ? this.game.mouseDown : this.game.mouseUp)(code, ...point));
      return;
    }
    this.send(() => this.game.mouseMove(this.held(event.buttons), ...point));
  }

  up(event) {
    if (this.ignored(event)) return;
    const point = battlefieldPixel(this.win, this.canvas, event);
    this.forget(event);
    this.send(() => this.game.mouseUp(this.button(event).code, ...point));
  }

  cancel(event) {
    const last = this.pointers.get(event.pointerId);
    this.forget(event);
    if (last === undefined) return;
    this.send(() => this.buttons.forEach(({ bit, code }) => {
      if ((last.bits & bit) !== 0) this.game.mouseUp(code, ...last.point);
    }));
  }
}
