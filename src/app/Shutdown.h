#pragma once
// The exit sequence, for the steps of start-up that end the program.
namespace varkel {

class Shutdown {
 public:
  virtual ~Shutdown() = default;
  virtual void ShutdownDriver() = 0;
};

}  // namespace varkel
