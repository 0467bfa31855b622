#pragma once
// What a recording keeps between two key messages, and its limits.
#include <array>
#include <cstdint>

namespace varkel {

constexpr int kMaxRecordedSteps = 216;
constexpr int kMaxListedPresses = 108;

// A key message as recording remembers it: its kind and virtual key.
struct KeyMessage {
  std::uint32_t kind = 0;
  std::uintptr_t wParam = 0;
  bool operator==(const KeyMessage&) const = default;
};

// Keys pressed and not yet released during a recording, in press order.
class HeldKeys {
 public:
  static constexpr int kCapacity = 9;

  // False, and nothing kept, when kCapacity keys are held already.
  bool Add(std::uint8_t key);
  // Removes the key's first occurrence; false when it is not held.
  bool Remove(std::uint8_t key);
  void Clear() { count_ = 0; }
  int Count() const { return count_; }

 private:
  std::array<std::uint8_t, kCapacity> keys_{};
  int count_ = 0;
};

// The gap since lastStepTime (milliseconds of the day), which becomes now:
// a clock that passed midnight meanwhile adds a day; the gap is capped at
// 65535 ms, the most a step's delay holds.
std::uint16_t StepGapMs(std::int32_t& lastStepTime, std::int32_t now);

}  // namespace varkel
