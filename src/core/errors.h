// The game's run-time errors, and the one place an event handler ends at them.
// A rule raises the typed error where the fault arises; nothing in the rules
// catches it. The edge of each event handler reports it and lets the game run on.
#pragma once

#include <stdexcept>
#include <string>

class RuntimeError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// An Integer result outside -32768..32767.
class OverflowError : public RuntimeError {
 public:
  OverflowError() : RuntimeError("Overflow") {}
};

// A slot index outside 0..50.
class SubscriptOutOfRange : public RuntimeError {
 public:
  SubscriptOutOfRange() : RuntimeError("Subscript out of range") {}
};

// An invalid operation, a division by zero or an overflow in floating point.
class FloatingPointError : public RuntimeError {
 public:
  FloatingPointError() : RuntimeError("Floating-point error") {}
};

// Tells the process's error report of the error that ended a handler.
void reportRuntimeError(const char* handler, const RuntimeError& error);

// Runs one event handler. The first run-time error ends it; it is reported
// and the event loop carries on with the next event. Tells whether the
// handler ran to its end.
template <class Handler>
bool runHandler(const char* name, Handler&& handler) {
  try {
    handler();
    return true;
  } catch (const RuntimeError& error) {
    reportRuntimeError(name, error);
    return false;
  }
}
