#pragma once
// A desktop that records what the program synthesises, each event with its
// SimWorld time, and maps virtual keys to scan codes as a US keyboard layout
// does on Windows.
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "platform/Input.h"
#include "platform/sim/SimWorld.h"

namespace varkel::sim {

struct InputRecord {
  enum class Kind { Key, Mouse, OpenComputerFolder, Lock, Run };
  Kind kind = Kind::Key;
  std::int64_t timeUs = 0;
  KeyEvent key;                             // Kind::Key
  MouseButton button = MouseButton::Left;  // Kind::Mouse
  bool down = false;                        // Kind::Mouse
  std::string commandLine;                  // Kind::Run
};

// One line per event: "key 43 down scan=2E" (" ext" when extended),
// "mouse right down", "open ::{20D04FE0-...}", "lock", "run calc.exe".
std::string DescribeInput(const InputRecord& record);

// MapVirtualKeyW(vk, 0) under the US layout; 0 for keys it does not map.
std::uint32_t UsScanCodeOf(std::uint8_t virtualKey);

class SimInput final : public DesktopInput {
 public:
  explicit SimInput(SimWorld& world) : world_(world) {}

  void SendKey(const KeyEvent& key) override;
  void SendMouseButton(MouseButton button, bool down) override;
  std::uint32_t ScanCodeOf(std::uint8_t virtualKey) override { return UsScanCodeOf(virtualKey); }
  void OpenComputerFolder() override;
  void LockWorkstation() override;
  void StartProgram(std::string_view commandLine) override;

  // Called on the synthesising thread for each event, in order, while the
  // recorder's own lock is held: it must not call back into this object.
  void SetObserver(std::function<void(const InputRecord&)> observer);
  std::vector<InputRecord> Events() const;
  std::vector<std::string> Lines() const;  // DescribeInput of each event
  void Clear();

 private:
  void Record(InputRecord record);

  SimWorld& world_;
  mutable std::mutex mutex_;
  std::vector<InputRecord> events_;
  std::function<void(const InputRecord&)> observer_;
};

}  // namespace varkel::sim
