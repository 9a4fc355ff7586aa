// The battlefield's place in the window: centred on whole pixels, so that
// its lines and the dialogs' borders stay sharp, and placed again whenever
// the window changes.
export function keepPlaced(win, stage, placed) {
  const place = () => {
    const left = Math.max(0, Math.floor((win.innerWidth - stage.offsetWidth) / 2));
    const top = Math.max(0, Math.floor((win.innerHeight - stage.offsetHeight) / 2));
    Object.assign(stage.style, { left: `${left}px`, top: `${top}px`, transform: 'none' });
    placed();
  };
  win.addEventListener('resize', place);
  place();
}
