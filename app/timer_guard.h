// The game clock stands while a dialog is open: the timer stops when a guard
// is made and runs again when it goes, on every way out of the handler.
#pragma once

#include <QTimer>

namespace blivo {

class TimerStopped {
 public:
  explicit TimerStopped(QTimer& timer) : timer_(timer) { timer_.stop(); }
  ~TimerStopped() { timer_.start(); }
  TimerStopped(const TimerStopped&) = delete;
  TimerStopped& operator=(const TimerStopped&) = delete;

 private:
  QTimer& timer_;
};

}  // namespace blivo
