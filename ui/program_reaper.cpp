#include "ui/program_reaper.h"

namespace vx11 {

ProgramReaper::ProgramReaper(ProcessStarter& starter, QObject* parent) : QObject(parent), timer_(this) {
  connect(&timer_, &QTimer::timeout, this, [&starter] { starter.reap(); });
  timer_.start(kInterval);
}

}  // namespace vx11
