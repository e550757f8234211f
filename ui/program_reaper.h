// Collects the programs the window started (browser, text program, plot program, documents) soon
// after they end, so none stays behind as a zombie while the window runs.
#pragma once

#include <QObject>
#include <QTimer>

#include "report/process_starter.h"

namespace vx11 {

class ProgramReaper : public QObject {
 public:
  // How often ended programs are collected, in milliseconds. Polled: a SIGCHLD handler of our own
  // would also take the children of Qt's own process handling.
  static constexpr int kInterval = 1000;

  explicit ProgramReaper(ProcessStarter& starter, QObject* parent = nullptr);

 private:
  QTimer timer_;
};

}  // namespace vx11
