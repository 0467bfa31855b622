#include <gtest/gtest.h>

#include "platform/sim/SimInput.h"

namespace varkel::sim {
namespace {

TEST(SimInput, RecordsEventsWithTimeAndDescribesThem) {
  SimWorld world(SimWorld::Time::Virtual);
  SimInput input(world);
  std::vector<std::string> observed;
  input.SetObserver([&](const InputRecord& r) { observed.push_back(DescribeInput(r)); });

  input.SendKey({0x43, static_cast<std::uint8_t>(input.ScanCodeOf(0x43)), false, false});
  world.Advance(20'000);
  input.SendKey({0x2E, static_cast<std::uint8_t>(input.ScanCodeOf(0x2E)), true, true});
  input.SendMouseButton(MouseButton::Right, true);
  input.SendMouseButton(MouseButton::Middle, false);
  input.OpenComputerFolder();
  input.LockWorkstation();
  input.StartProgram("calc.exe");

  const std::vector<std::string> expected = {
      "key 43 down scan=2E",  "key 2E up scan=53 ext",
      "mouse right down",     "mouse middle up",
      "open ::{20D04FE0-3AEA-1069-A2D8-08002B30309D}", "lock",
      "run calc.exe"};
  EXPECT_EQ(input.Lines(), expected);
  EXPECT_EQ(observed, expected);
  const auto events = input.Events();
  EXPECT_EQ(events[0].timeUs, 0);
  EXPECT_EQ(events[1].timeUs, 20'000);
}

// The scan codes a US layout gives the keys the driver's own functions send,
// and none for keys it does not map.
TEST(SimInput, UsLayoutScanCodes) {
  const std::pair<std::uint8_t, std::uint32_t> cases[] = {
      {0x41, 0x1E}, {0x43, 0x2E}, {0x56, 0x2F}, {0x5A, 0x2C}, {0x73, 0x3E}, {0x2C, 0x54},
      {0x2E, 0x53}, {0x11, 0x1D}, {0x12, 0x38}, {0x0D, 0x1C}, {0x07, 0x00}, {0xFF, 0x00}};
  for (auto [vk, scan] : cases) EXPECT_EQ(UsScanCodeOf(vk), scan) << int(vk);
}

}  // namespace
}  // namespace varkel::sim
