// The game module's calls under plain names: the six input handlers with the
// game's own codes, the tick, the dialog buttons, the reads the view needs,
// and the game's replay, recorded or watched.
// Every rule is in the compiled game; this only passes values across. The
// game's tables come with it: the battlefield's size, the tick's interval, the
// dialogs' layout and the input codes.

const kBytesPerPixel = 4;  // red, green, blue, alpha
const kNumbersPerRect = 4;  // left, top, width, height

const textAt = (module, pointer) => module.UTF8ToString(pointer);

export function gameOf(module) {
  const { battlefield: [width, height], tickMilliseconds, dialogs, codes, titleBarClose } =
    JSON.parse(textAt(module, module._bm_tables()));
  return {
    width,  // the battlefield, in pixels
    height,
    tickMilliseconds,  // while the timer is on
    // In the game's order, each with its name, title, client size, controls in
    // tab order, and the control that takes the focus at every showing.
    dialogs,
    // The code of that name in the game's table.
    code: (name) => {
      if (!Object.hasOwn(codes, name)) throw new Error(`the game has no input code ${name}`);
      return codes[name];
    },
    ...replayCalls(module),
    ...handlerCalls(module),
    ...dialogCalls(module, dialogs, titleBarClose),
    // The canvas's own memory, read in place: the view copies from it.
    pixels: () => new Uint8ClampedArray(module.HEAPU8.buffer, module._bm_pixels(), width * height * kBytesPerPixel),
    // put(left, top, width, height) for each rectangle painted since the last
    // call, read in place from the module's memory: nothing is made for it.
    takeDamage: (put) => {
      const count = module._bm_take_damage();
      const numbers = module.HEAP32;
      const first = module._bm_damage() / Int32Array.BYTES_PER_ELEMENT;
      for (let i = first; i < first + count * kNumbersPerRect; i += kNumbersPerRect) {
        put(numbers[i], numbers[i + 1], numbers[i + 2], numbers[i + 3]);
      }
    },
  };
}

const replayCalls = (module) => ({
  // Seeds the game as brassmoor-sim --seed does; returns why it cannot, or ''.
  seed: (written) => {
    const bytes = module.lengthBytesUTF8(written);
    module.stringToUTF8(written, module._bm_seed_text(bytes), bytes + 1);
    return textAt(module, module._bm_seed());
  },
  // Before the first tick, once seeded: the game is recorded from then on.
  record: () => module._bm_record(),
  // The replay's text so far, the end line last once the game has ended.
  recording: () => module.recording(),
  // Its file's name: the game's date and time.
  replayFileName: () => module.replayFileName(),
  // Before the first tick, in place of recording: the page watches the
  // replay of that text; returns why it cannot, naming the source's line, or ''.
  watch: (text, source) => module.watch(text, source),
  // While a replay is watched: the timer's period, the player's controls
  // (Pause, Step, Normal, Fast, Fastest, End) and what to show of it.
  playback: {
    period: () => module.playbackPeriod(),
    control: (name) => module.playbackControl(module.PlaybackControl[name]),
    paused: () => module.playbackPaused(),
    status: () => module.playbackStatus(),
    stopped: () => module.playbackStopped(),
    sentence: () => module.playbackSentence(),
  },
});

const handlerCalls = (module) => ({
  tick: () => module._bm_tick(),
  mouseDown: (button, x, y) => module._bm_mouse_down(button, x, y),
  mouseMove: (buttons, x, y) => module._bm_mouse_move(buttons, x, y),
  mouseUp: (button, x, y) => module._bm_mouse_up(button, x, y),
  keyPress: (keyAscii) => module._bm_key_press(keyAscii),
  keyDown: (keyCode) => module._bm_key_down(keyCode),
  keyUp: (keyCode) => module._bm_key_up(keyCode),
  releaseArrows: () => module._bm_release_arrows(),
  ended: () => module._bm_ended() !== 0,
  timerEnabled: () => module._bm_timer_enabled() !== 0,
});

const dialogCalls = (module, dialogs, titleBarClose) => ({
  // The player's click on a dialog's button, both by their names in the
  // game's tables, or on its title bar's close when no button is named: the
  // game's own table says what each does.
  click: (dialog, button = titleBarClose) => {
    const refusal = module.click(dialog, button);
    if (refusal !== '') throw new Error(refusal);
  },
  resultVisible: () => module._bm_result_visible() !== 0,
  helpVisible: () => module._bm_help_visible() !== 0,
  wins: () => textAt(module, module._bm_result_wins()),
  losses: () => textAt(module, module._bm_result_losses()),
  fitDialog: (index, needs) => fitDialog(module, dialogs, index, needs),
});

// The dialog's boxes fitted to its captions by the game's rule, with the
// page's own measures: needs.width(control) is the least width its caption
// fits in, needs.height(control, width) the height it then needs.
function fitDialog(module, dialogs, index, needs) {
  module.captionNeeds = {
    width: (dialog, control) => needs.width(control),
    height: (dialog, control, width) => needs.height(control, width),
  };
  try {
    const at = module._bm_fit_dialog(index);
    if (at === 0) throw new Error(`the game has no dialog ${index}`);
    const count = dialogs[index].controls.length;
    const [clientWidth, clientHeight, ...flat] = new Int32Array(module.HEAP32.buffer, at, 2 + count * kNumbersPerRect);
    const boxes = Array.from({ length: count }, (_, i) => flat.slice(i * kNumbersPerRect, (i + 1) * kNumbersPerRect));
    return { clientWidth, clientHeight, boxes };
  } finally {
    delete module.captionNeeds;
  }
}
