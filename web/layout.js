// The battlefield fitted to the window beside the page's own controls: the
// largest size that keeps its shape, in portrait with the controls under it,
// in landscape with the pad on its left and the commands on its right. A
// whole number of device pixels to each battlefield pixel keeps its lines
// even, so that is taken wherever it loses little size. Everything sits on
// whole CSS pixels, which browsers snap a picture to, some to whole device
// pixels instead: both agree where the two meet. It is all placed again
// whenever the window changes.

const kGap = 8;  // CSS pixels between the battlefield, the controls and the window's edge
// A whole number of device pixels to the battlefield pixel is taken when it
// keeps at least this share of the largest size that fits.
const kWholeKeeps = 0.9;

// The battlefield's size in CSS pixels, for at most `fits` device pixels to
// each of its pixels: a whole number of them where that loses little and
// comes to whole CSS pixels, else as near `fits` as whole CSS pixels come.
export function fieldSize(field, fits, dpr) {
  const whole = Math.floor(fits);
  const [width, height] = [field.width * whole / dpr, field.height * whole / dpr];
  if (whole >= 1 && whole >= kWholeKeeps * fits && Number.isInteger(width) && Number.isInteger(height)) return { width, height };
  const across = Math.floor(field.width * fits / dpr);
  return { width: across, height: Math.round(across * field.height / field.width) };
}

export class Layout {
  constructor(win, { stage, pad, commands }, field) {
    this.win = win;
    this.stage = stage;
    this.pad = pad;
    this.commands = commands;
    this.field = field;  // the battlefield's width and height in its own pixels
    // Runs after every placing, for what sits over the battlefield once the game has come.
    this.placed = () => {};
    win.addEventListener('resize', () => this.place());
  }

  place() {
    const { innerWidth: width, innerHeight: height, devicePixelRatio: dpr } = this.win;
    const root = this.win.document.documentElement;
    const landscape = width > height;
    root.classList.toggle('landscape', landscape);
    root.classList.toggle('portrait', !landscape);
    // The controls take their own size; one that is not shown takes none.
    const pad = { width: this.pad.offsetWidth, height: this.pad.offsetHeight };
    const commands = { width: this.commands.offsetWidth, height: this.commands.offsetHeight };
    const beside = (size) => (size > 0 ? size + kGap : 0);
    const row = Math.max(pad.height, commands.height);
    const room = landscape
      ? { width: width - kGap - beside(pad.width) - beside(commands.width), height: height - 2 * kGap }
      : { width: width - 2 * kGap, height: height - kGap - beside(row) };

    const field = fieldSize(this.field, Math.min(room.width / this.field.width, room.height / this.field.height) * dpr, dpr);
    let at, padAt, commandsAt;
    if (landscape) {
      const left = (width - beside(pad.width) - field.width - (commands.width > 0 ? kGap + commands.width : 0)) / 2;
      at = { left: Math.floor(left + beside(pad.width)), top: Math.floor((height - field.height) / 2) };
      padAt = { left: Math.floor(left), top: Math.floor(Math.max(at.top + field.height - pad.height, (height - pad.height) / 2)) };
      commandsAt = { left: at.left + field.width + kGap, top: at.top };
    } else {
      const top = (height - field.height - beside(row)) / 2;
      at = { left: Math.floor((width - field.width) / 2), top: Math.floor(top) };
      padAt = { left: kGap, top: Math.floor(at.top + field.height + kGap) };
      commandsAt = { left: Math.floor(width - kGap - commands.width), top: padAt.top };
    }
    Object.assign(this.stage.style, {
      left: `${at.left}px`, top: `${at.top}px`, width: `${field.width}px`, height: `${field.height}px`,
    });
    Object.assign(this.pad.style, { left: `${padAt.left}px`, top: `${padAt.top}px` });
    Object.assign(this.commands.style, { left: `${commandsAt.left}px`, top: `${commandsAt.top}px` });
    // The page shows from its first placing on.
    root.classList.add('placed');
    this.placed();
  }
}
