#pragma once
// The exit sequence. The program provides it; the layers below that may have
// to end the program (a skin file missing at start-up) are handed it.
namespace varkel {

class Shutdown {
 public:
  virtual ~Shutdown() = default;
  virtual void ShutdownDriver() = 0;
};

}  // namespace varkel
