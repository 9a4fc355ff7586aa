// The touch controls: a pad of four arrows, each finger on it holding the
// arrow under it, and the four commands as buttons, each sending the code of
// the key it names. They show only where the primary pointer is coarse, or
// from the first touch on: a mouse player sees none of them.

// Shows them from the start where the pointer is coarse, so that the page is
// placed with them before it is first shown. shown: runs once they show.
export function showTouchControls(win, shown) {
  const doc = win.document;
  const show = () => {
    if (doc.documentElement.classList.contains('touch')) return;
    doc.documentElement.classList.add('touch');
    shown();
  };
  const coarse = win.matchMedia('(pointer: coarse)');
  if (coarse.matches) show();
  coarse.addEventListener('change', () => coarse.matches && show());
  win.addEventListener('pointerdown', (event) => event.pointerType === 'touch' && show(), { capture: true });
}

// keys: input's keyDown(name) and keyUp(name).
export function listenForTouch(win, pad, commands, keys) {
  // A press here neither takes the focus from the battlefield nor makes
  // mouse events of its own, and no long press opens a menu.
  for (const controls of [pad, commands]) {
    controls.addEventListener('pointerdown', (event) => event.target.closest('.for-touch') && event.preventDefault());
    controls.addEventListener('contextmenu', (event) => event.preventDefault());
  }
  listenForPad(win.document, pad, keys);
  for (const button of commands.querySelectorAll('.for-touch[data-key]')) {
    button.addEventListener('click', () => {
      keys.keyDown(button.dataset.key);
      keys.keyUp(button.dataset.key);
    });
  }
}

// Each finger on the pad holds the arrow under it; hold(finger, key) moves
// it to that arrow, or lets go with no key. An arrow goes up when the last
// finger on it leaves.
function fingersOnArrows(keys) {
  const fingers = new Map();
  const holding = (key) => [...fingers.values()].includes(key);
  return (finger, key) => {
    const before = fingers.get(finger);
    if (before === key) return;
    fingers.delete(finger);
    if (before !== undefined && !holding(before)) keys.keyUp(before);
    if (key === undefined) return;
    if (!holding(key)) keys.keyDown(key);
    fingers.set(finger, key);
  };
}

function listenForPad(doc, pad, keys) {
  const hold = fingersOnArrows(keys);
  const arrowAt = (event) => doc.elementFromPoint(event.clientX, event.clientY)?.closest('#pad [data-key]')?.dataset.key;
  const down = new Set();
  pad.addEventListener('pointerdown', (event) => {
    pad.setPointerCapture(event.pointerId);
    down.add(event.pointerId);
    hold(event.pointerId, arrowAt(event));
  });
  // A finger slid onto another arrow holds that one instead.
  pad.addEventListener('pointermove', (event) => down.has(event.pointerId) && hold(event.pointerId, arrowAt(event)));
  for (const end of ['pointerup', 'pointercancel']) {
    pad.addEventListener(end, (event) => {
      down.delete(event.pointerId);
      hold(event.pointerId, undefined);
    });
  }
}
