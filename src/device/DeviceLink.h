#pragma once
// The open mouse: its path, the two vendor collections and their lengths.
// Written by FindDevice on the interface thread, read by the reader thread,
// the driver thread and ApplyProfile; each side takes a copy of what it
// needs under the link's own small lock, so a handle stays alive while a
// thread uses it even if a later search replaces it.
#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>

#include "platform/Hid.h"

namespace varkel {

constexpr std::uint16_t kMouseVendorId = 0x18F8;
constexpr std::uint16_t kMouseProductId = 0x0F99;
constexpr std::uint16_t kInputUsagePage = 0xFF00;
constexpr std::uint16_t kOutputUsagePage = 0xFF01;
constexpr std::uint16_t kVendorUsage = 0x01;
constexpr int kSearchLimit = 100;

// One collection's end of the link. `opened` is set once an open was tried:
// a failed open leaves `handle` null but still counts as open for the search.
template <typename Handle>
struct LinkEnd {
  std::shared_ptr<Handle> handle;
  HidCaps caps;
  bool opened = false;
};

using InputEnd = LinkEnd<HidReader>;
using OutputEnd = LinkEnd<HidWriter>;

class DeviceLink {
 public:
  InputEnd Input() const {
    std::lock_guard g(lock_);
    return input_;
  }
  OutputEnd Output() const {
    std::lock_guard g(lock_);
    return output_;
  }
  std::u16string DevicePath() const {
    std::lock_guard g(lock_);
    return devicePath_;
  }
  void SetInput(InputEnd end) {
    std::lock_guard g(lock_);
    input_ = std::move(end);
  }
  void SetOutput(OutputEnd end) {
    std::lock_guard g(lock_);
    output_ = std::move(end);
  }
  void SetDevicePath(std::u16string path) {
    std::lock_guard g(lock_);
    devicePath_ = std::move(path);
  }

  std::atomic<bool> deviceFound{false};
  bool watchingNotices = false;  // interface thread only

 private:
  mutable std::mutex lock_;
  std::u16string devicePath_;
  InputEnd input_;
  OutputEnd output_;
};

}  // namespace varkel
