#pragma once
// The pointer speed through SystemParametersInfoW.
#include <cstdint>
#include <memory>

#include "platform/PointerSpeed.h"

namespace varkel::win32 {

// Set stores the speed at once; the other programs are told by a thread of
// its own, which alone waits for their windows (a frozen one included).
class Win32PointerSpeed final : public PointerSpeed {
 public:
  Win32PointerSpeed();
  ~Win32PointerSpeed() override;
  Win32PointerSpeed(const Win32PointerSpeed&) = delete;
  Win32PointerSpeed& operator=(const Win32PointerSpeed&) = delete;

  std::optional<int> Get() override;
  void Set(int speed) override;

  // Before the process ends: waits at most timeoutMs for the last change to
  // have been told, answering what is sent to this thread's windows
  // meanwhile. False when the time ran out.
  bool WaitUntilTold(std::uint32_t timeoutMs);

  struct Announcer;

 private:
  std::unique_ptr<Announcer> announcer_;
};

}  // namespace varkel::win32
