// The Fullscreen control, where the browser can show the page fullscreen.
// Esc is the result dialog's key, and a browser leaves fullscreen on Esc:
// where Keyboard Lock lets the page have Esc, the game takes it while
// fullscreen; where not, Esc only leaves fullscreen and opens no dialog.
// Once pressed, the control hands the keys back to the battlefield: Space
// there would otherwise press it again and leave fullscreen.
export function offerFullscreen(win, button, battlefield) {
  const doc = win.document;
  if (!doc.fullscreenEnabled) return;
  const keyboard = win.navigator.keyboard;
  let escTaken = false;
  button.hidden = false;

  button.addEventListener('click', async () => {
    battlefield.focus({ preventScroll: true });
    try {
      if (doc.fullscreenElement !== null) {
        await doc.exitFullscreen();
        return;
      }
      await doc.documentElement.requestFullscreen({ navigationUI: 'hide' });
    } catch (refused) {
      console.warn(`Brassmoor: the browser refused fullscreen: ${refused.message}`);
      return;
    }
    if (typeof keyboard?.lock !== 'function') return;
    try {
      await keyboard.lock(['Escape']);
      escTaken = doc.fullscreenElement !== null;
    } catch {
      // Without the lock, Esc is the browser's while fullscreen.
    }
  });
  doc.addEventListener('fullscreenchange', () => {
    const fullscreen = doc.fullscreenElement !== null;
    button.textContent = fullscreen ? 'Leave fullscreen' : 'Fullscreen';
    if (!fullscreen) {
      escTaken = false;
      keyboard?.unlock?.();
    }
  });
  // Before the game's own listener: an Esc the browser leaves fullscreen on
  // is not also the game's.
  win.addEventListener('keydown', (event) => {
    if (event.key === 'Escape' && doc.fullscreenElement !== null && !escTaken) event.stopImmediatePropagation();
  }, { capture: true });
}
