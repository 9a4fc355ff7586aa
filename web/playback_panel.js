// A replay watched on the page: the page's timer plays it at its pace, a
// period every tick's length whether or not the game's own timer is on, and
// the controls beside the battlefield pause it, step it, choose its speed or
// end it. What it shows: its status and, once it stops, why.
import { Ticker } from './ticker.js';

export function watchReplay(doc, game, view, periodMs) {
  const panel = doc.getElementById('playback');
  const status = doc.getElementById('playback_status');
  const sentence = doc.getElementById('playback_sentence');
  const controls = [...panel.querySelectorAll('button[data-control]')];
  const control = (name) => controls.find((button) => button.dataset.control === name);
  const speeds = ['Normal', 'Fast', 'Fastest'].map(control);

  const show = () => {
    view.show();
    const stopped = game.playback.stopped();
    const paused = game.playback.paused();
    if (status.textContent !== game.playback.status()) status.textContent = game.playback.status();
    control('Pause').textContent = paused ? 'Resume' : 'Pause';
    control('Step').disabled = !paused || stopped;
    if (!stopped) return;
    ticker.setEnabled(false);
    for (const button of controls) button.disabled = true;
    sentence.textContent = game.playback.sentence();
    doc.getElementById('play_new').focus({ preventScroll: true });
  };
  const ticker = new Ticker(() => {
    game.playback.period();
    show();
  }, periodMs);

  for (const button of controls) {
    button.addEventListener('click', () => {
      game.playback.control(button.dataset.control);
      if (speeds.includes(button)) speeds.forEach((speed) => speed.setAttribute('aria-pressed', String(speed === button)));
      show();
    });
  }
  panel.hidden = false;
  ticker.setEnabled(true);
  show();
}
