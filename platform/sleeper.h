#pragma once

namespace tessaly {

class Sleeper {
 public:
  virtual ~Sleeper() = default;
  virtual void SleepMs(unsigned milliseconds) = 0;
};

}  // namespace tessaly
