// The two dialogs, built from the game's table of their layout: a title bar
// with its close control over a client area of tabled boxes, each widened
// for its caption by the game's own rule. Modeless and centred over the
// battlefield on whole pixels; the one shown or clicked last comes to the
// front, and Tab goes round its own buttons only, as a desktop dialog's does.
// A screen reader hears its labels row by row as one text, when it opens
// too, and not label by label in tab order ("Wins:, Losses:, 0, 0").

// The dialog brought to the front goes above every other.
let topmost = 0;

export class DialogWindow {
  // layout: the game's table of this dialog; fit(needs): the game's rule.
  constructor(doc, stage, layout, fit) {
    this.stage = stage;
    this.fit = fit;
    this.name = layout.name;  // the game's
    this.element = doc.createElement('dialog');
    this.element.id = layout.name;
    this.element.className = 'window';
    this.element.setAttribute('aria-labelledby', `${layout.name}_title`);
    this.element.setAttribute('aria-describedby', `${layout.name}_text`);

    const bar = doc.createElement('header');
    bar.className = 'title-bar';
    const title = doc.createElement('span');
    title.id = `${layout.name}_title`;
    title.textContent = layout.title;
    this.closeControl = doc.createElement('button');
    Object.assign(this.closeControl, { type: 'button', className: 'close', tabIndex: -1, textContent: '×' });
    // Named apart from a Close button of the dialog's own, which does more.
    this.closeControl.setAttribute('aria-label', `Close ${layout.title}`);
    bar.append(title, this.closeControl);

    this.client = doc.createElement('div');
    this.client.className = 'client';
    // In tab order, which the page's order then follows.
    this.controls = layout.controls.map((control) => {
      const element = doc.createElement(control.kind === 'button' ? 'button' : 'span');
      if (control.kind === 'button') element.type = 'button';
      element.className = control.kind;
      element.dataset.control = control.name;
      element.textContent = control.caption;
      if (control.kind !== 'button') element.setAttribute('aria-hidden', 'true');  // read in the text below
      return element;
    });
    this.focusOnShowing = this.control(layout.focusOnShowing);
    this.rows = rowsOf(layout.controls);
    this.text = doc.createElement('p');
    this.text.id = `${layout.name}_text`;
    this.text.className = 'read-only-aloud';
    this.client.append(this.text, ...this.controls);
    this.element.append(bar, this.client);
    stage.append(this.element);
    this.readAloud();

    this.element.addEventListener('keydown', (event) => this.keepTabInside(event));
    // As a window manager raises the window clicked on, or given the focus,
    // and gives it the keys: to the button that had them last in it.
    this.lastFocused = this.focusOnShowing;
    this.element.addEventListener('pointerdown', () => this.toFront());
    this.element.addEventListener('focusin', (event) => {
      this.toFront();
      this.lastFocused = event.target;
    });
    this.element.addEventListener('mousedown', (event) => {
      if (event.target.closest('button') !== null) return;
      event.preventDefault();
      this.lastFocused.focus({ preventScroll: true });
    });
  }

  get shown() {
    return this.element.open;
  }

  control(name) {
    return this.controls.find((element) => element.dataset.control === name);
  }

  buttons() {
    return this.controls.filter((element) => element.localName === 'button');
  }

  // Shown in front, fitted, with the focus where the game puts it at every showing.
  show() {
    this.toFront();
    this.element.show();
    this.layOut();
    this.focusOnShowing.focus({ preventScroll: true });
  }

  toFront() {
    this.element.style.zIndex = String(++topmost);
  }

  hide() {
    this.element.close();
  }

  setCaption(name, caption) {
    const element = this.control(name);
    if (element.textContent === caption) return;
    element.textContent = caption;
    this.readAloud();
    if (this.shown) this.layOut();
  }

  // Each row's labels as one phrase ("Wins: 0"), the rows one after another:
  // after a sentence's stop as they stand, otherwise with a comma between.
  readAloud() {
    const phrases = this.rows.map((row) => row.map((name) => this.control(name).textContent).join(' '));
    this.text.textContent = phrases.reduce((text, phrase) => (text === '' ? phrase : `${text}${/[.!?]$/.test(text) ? ' ' : ', '}${phrase}`), '');
  }

  // Every box as the rule places it for captions measured in this page's
  // font, then the dialog centred over the battlefield.
  layOut() {
    const fitted = this.fit({
      width: (i) => this.measure(this.controls[i], this.controls[i].localName === 'button' ? 'min-content' : 'max-content').width,
      height: (i, width) => this.measure(this.controls[i], `${width}px`).height,
    });
    fitted.boxes.forEach(([left, top, width, height], i) => {
      Object.assign(this.controls[i].style, { left: `${left}px`, top: `${top}px`, width: `${width}px`, height: `${height}px` });
    });
    Object.assign(this.client.style, { width: `${fitted.clientWidth}px`, height: `${fitted.clientHeight}px` });
    this.centre();
  }

  // Over the battlefield's centre, on whole CSS pixels so that its 1-pixel
  // lines stay sharp, and inside the window: made smaller only where the
  // window is smaller than the dialog.
  centre() {
    if (!this.shown) return;
    const win = this.stage.ownerDocument.defaultView;
    const field = this.stage.getBoundingClientRect();
    const { offsetWidth: width, offsetHeight: height } = this.element;
    const scale = Math.min(1, win.innerWidth / width, win.innerHeight / height);
    const place = (start, extent, size, room) =>
      Math.max(0, Math.min(Math.floor(start + (extent - size * scale) / 2), Math.floor(room - size * scale)));
    Object.assign(this.element.style, {
      left: `${place(field.left, field.width, width, win.innerWidth) - field.left}px`,
      top: `${place(field.top, field.height, height, win.innerHeight) - field.top}px`,
      transform: scale < 1 ? `scale(${scale})` : '',
    });
  }

  // The size a caption takes at that width, in whole pixels rounded up.
  measure(element, width) {
    const style = element.style;
    const before = [style.width, style.height];
    Object.assign(style, { width, height: 'auto' });
    const box = element.getBoundingClientRect();
    [style.width, style.height] = before;
    return { width: Math.ceil(box.width), height: Math.ceil(box.height) };
  }

  keepTabInside(event) {
    if (event.key !== 'Tab' || event.ctrlKey || event.altKey || event.metaKey) return;
    event.preventDefault();
    const buttons = this.buttons();
    const at = buttons.indexOf(event.target);
    const step = event.shiftKey ? -1 : 1;
    const next = at < 0 ? (step > 0 ? 0 : buttons.length - 1) : (at + step + buttons.length) % buttons.length;
    buttons[next].focus({ preventScroll: true });
  }
}

// The names of the labels, row by row from the top and each row from the left,
// as the tabled boxes place them.
function rowsOf(controls) {
  const rows = new Map();
  const labels = controls.filter((control) => control.kind !== 'button');
  labels.sort((a, b) => a.box[1] - b.box[1] || a.box[0] - b.box[0]);
  for (const { name, box: [, top] } of labels) rows.set(top, [...(rows.get(top) ?? []), name]);
  return [...rows.values()];
}
