#include "windows/event_loop.h"

#include "windows/windows_error.h"

int runEventLoop(BattlefieldWindow& frm) {
  const HANDLE tick = frm.tickSignal();
  for (;;) {
    // A due tick comes before the messages that wait beside it.
    const DWORD woke = MsgWaitForMultipleObjectsEx(1, &tick, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    if (woke == WAIT_FAILED) throw WindowsError("wait for the next event");
    if (woke == WAIT_OBJECT_0) frm.timerDue();
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == WM_QUIT) return static_cast<int>(message.wParam);
      if (frm.heldFromGame(message) || frm.isDialogMessage(message)) continue;
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
}
