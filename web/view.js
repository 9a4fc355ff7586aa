// What the player sees: the battlefield's pixels where the game drew, the
// dialogs as the game shows and hides them, and the end screen after Quit.
// It reads the game; it decides nothing.
import { DialogWindow } from './dialogs.js';

export class View {
  constructor(doc, game) {
    this.doc = doc;
    this.game = game;
    this.canvas = doc.getElementById('frm');
    // Desynchronized: the canvas goes to the screen without a copy of all of
    // it at every frame's commit, which cost the main thread more than the tick.
    this.context = this.canvas.getContext('2d', { alpha: false, desynchronized: true });
    this.picture = new ImageData(game.pixels(), game.width, game.height);
    this.context.putImageData(this.picture, 0, 0);  // an opaque canvas starts black
    // Made once: a tick's showing makes nothing for the collector to take.
    this.putBox = (left, top, width, height) => this.context.putImageData(this.picture, 0, 0, left, top, width, height);
    const stage = doc.getElementById('stage');
    const [result, help] = game.dialogs.map((layout, i) =>
      new DialogWindow(doc, stage, layout, (needs) => game.fitDialog(i, needs)));
    this.result = result;
    this.help = help;
  }

  // After every tick and every event the game took.
  show() {
    // Box by box: at 51 tanks one box around them all costs as much as it saves in calls.
    this.game.takeDamage(this.putBox);
    if (this.game.resultVisible()) {
      this.result.setCaption('Label3', this.game.wins());
      this.result.setCaption('Label4', this.game.losses());
    }
    this.showDialog(this.result, this.game.resultVisible());
    this.showDialog(this.help, this.game.helpVisible());
    if (this.game.ended()) this.showEnd();
  }

  // The battlefield has moved or changed its size.
  placed() {
    this.result.centre();
    this.help.centre();
  }

  showDialog(dialog, visible) {
    if (visible === dialog.shown) return;
    if (visible) {
      dialog.show();
    } else {
      dialog.hide();
      if (this.doc.activeElement === this.doc.body) this.canvas.focus({ preventScroll: true });
    }
  }

  showEnd() {
    this.doc.getElementById('play').hidden = true;
    this.doc.getElementById('end_wins').textContent = this.game.wins();
    this.doc.getElementById('end_losses').textContent = this.game.losses();
    this.doc.getElementById('end').hidden = false;
    this.doc.getElementById('play_again').focus({ preventScroll: true });
  }
}
