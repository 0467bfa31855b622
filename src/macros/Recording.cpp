#include "macros/Recording.h"

#include <algorithm>

#include "platform/TimeOfDay.h"

namespace varkel {

bool HeldKeys::Add(std::uint8_t key) {
  if (count_ == kCapacity) return false;
  keys_[count_++] = key;
  return true;
}

bool HeldKeys::Remove(std::uint8_t key) {
  const auto end = keys_.begin() + count_;
  const auto found = std::find(keys_.begin(), end, key);
  if (found == end) return false;
  std::move(found + 1, end, found);
  --count_;
  return true;
}

std::uint16_t StepGapMs(std::int32_t& lastStepTime, std::int32_t now) {
  std::int64_t gap = std::int64_t{now} - lastStepTime;
  lastStepTime = now;
  if (gap < 0) gap += kMillisecondsPerDay;
  return static_cast<std::uint16_t>(std::clamp<std::int64_t>(gap, 0, 65535));
}

}  // namespace varkel
