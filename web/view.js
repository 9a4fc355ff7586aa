// What the player sees: the battlefield's pixels where the game drew, the
// dialogs as the game shows and hides them, and the end screen after Quit.
// It reads the game; it decides nothing.

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
    this.result = doc.getElementById('frm_winlose');
    this.help = doc.getElementById('frm_help');
  }

  // After every tick and every event the game took.
  show() {
    const damage = this.game.takeDamage();
    for (let i = 0; i < damage.length; i += 4) {
      this.context.putImageData(this.picture, 0, 0, damage[i], damage[i + 1], damage[i + 2], damage[i + 3]);
    }
    if (this.game.resultVisible()) {
      this.control(this.result, 'Label3').textContent = this.game.wins();
      this.control(this.result, 'Label4').textContent = this.game.losses();
    }
    this.showDialog(this.result, this.game.resultVisible());
    this.showDialog(this.help, this.game.helpVisible());
    if (this.game.ended()) this.showEnd();
  }

  control(dialog, name) {
    return dialog.querySelector(`[data-control="${name}"]`);
  }

  // Modeless; the first button in tab order takes the focus.
  showDialog(dialog, visible) {
    if (visible === dialog.open) return;
    if (visible) {
      dialog.show();
      dialog.querySelector('.client button').focus();
    } else {
      dialog.close();
      if (this.doc.activeElement === this.doc.body) this.canvas.focus();
    }
  }

  showEnd() {
    this.doc.getElementById('stage').hidden = true;
    this.doc.getElementById('end_wins').textContent = this.game.wins();
    this.doc.getElementById('end_losses').textContent = this.game.losses();
    this.doc.getElementById('end').hidden = false;
    this.doc.getElementById('play_again').focus();
  }
}
