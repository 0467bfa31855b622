#include <gtest/gtest.h>

#include <numeric>
#include <string>
#include <vector>

#include "device/FindDevice.h"
#include "platform/sim/SimMouse.h"

namespace varkel {
namespace {

using sim::SimInterface;
using sim::SimMouse;

const std::u16string kInputPath = u"\\\\?\\hid#vid_18f8&pid_0f99&mi_01&col02#7&2c4f&0&0001#{guid}";
const std::u16string kOutputPath = u"\\\\?\\hid#vid_18f8&pid_0f99&mi_01&col03#7&2c4f&0&0002#{guid}";

SimInterface Input() { return SimMouse::MouseCollection(kInputPath, 0xFF00, 1, 8, 0); }
SimInterface Output() { return SimMouse::MouseCollection(kOutputPath, 0xFF01, 1, 0, 8); }
SimInterface PointerOfMouse() {
  return SimMouse::MouseCollection(u"\\\\?\\hid#vid_18f8&pid_0f99&mi_00#x", 0x0001, 0x0002, 8, 0);
}
SimInterface Other(std::u16string name, std::uint16_t vid, std::uint16_t pid) {
  return SimMouse::OtherDevice(u"\\\\?\\hid#" + name, vid, pid);
}

std::vector<int> Range(int n) {
  std::vector<int> v(n);
  std::iota(v.begin(), v.end(), 0);
  return v;
}

struct RecordingHost final : MainWindowHost {
  void RemoveTrayIcon() override { calls.push_back("tray"); }
  void DestroyMainWindow() override { calls.push_back("destroy"); }
  std::vector<std::string> calls;
};

TEST(FindDevice, StopsOnceBothCollectionsAreOpen) {
  sim::SimWorld world;
  SimMouse mouse(world, {Other(u"kbd", 0x046D, 0xC31C), PointerOfMouse(), Other(u"pad", 0x045E, 0x028E),
                         Input(), Output(), Other(u"late", 0x1234, 0x0001)});
  DeviceLink link;

  EXPECT_TRUE(FindDevice(mouse, link));
  EXPECT_EQ(mouse.IndicesAsked(), Range(5));  // index 5 never examined
  EXPECT_EQ(link.DevicePath(), kOutputPath);
  EXPECT_NE(link.Input().handle, nullptr);
  EXPECT_EQ(link.Input().caps.inputReportLength, 8);
  EXPECT_NE(link.Output().handle, nullptr);
  EXPECT_EQ(link.Output().caps.featureReportLength, 8);
  const auto counts = mouse.Counts();
  EXPECT_EQ(counts.queriesOpened, 5);
  EXPECT_EQ(counts.queriesClosed, 5);
  EXPECT_EQ(counts.readersOpened, 1);
  EXPECT_EQ(counts.writersOpened, 1);
  EXPECT_EQ(mouse.Registrations(), 1);  // three matching interfaces, one registration
}

TEST(FindDevice, PassesOverForeignDevicesOfTheSameVendor) {
  sim::SimWorld world;
  SimMouse mouse(world, {Other(u"a", 0x18F8, 0x0F98), Input(), Other(u"b", 0x18F8, 0x1234), Output()});
  DeviceLink link;

  EXPECT_TRUE(FindDevice(mouse, link));
  const auto counts = mouse.Counts();
  EXPECT_EQ(counts.queriesOpened, 4);
  EXPECT_EQ(counts.queriesClosed, 4);
  EXPECT_EQ(counts.readersOpened, 1);
  EXPECT_EQ(counts.writersOpened, 1);
}

TEST(FindDevice, WithoutInterfacesRunsEveryPass) {
  sim::SimWorld world;
  SimMouse mouse(world, {});
  DeviceLink link;

  EXPECT_FALSE(FindDevice(mouse, link));
  EXPECT_EQ(mouse.IndicesAsked(), Range(kSearchLimit));
  EXPECT_EQ(mouse.Registrations(), 0);
  EXPECT_FALSE(link.Input().opened);
}

// With a collection missing the search runs to the limit and answers for the
// last interface it examined, whatever it opened on the way.
TEST(FindDevice, WithACollectionMissingAnswersForTheLastInterface) {
  struct Case {
    const char* name;
    SimMouse::Interfaces interfaces;
    bool found;
  };
  const Case cases[] = {
      {"mouse last", {Other(u"kbd", 0x046D, 0xC31C), Input()}, true},
      {"other device last", {Input(), Other(u"kbd", 0x046D, 0xC31C)}, false},
      {"gap after the mouse", {Input(), std::nullopt, PointerOfMouse()}, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    sim::SimWorld world;
    SimMouse mouse(world, c.interfaces);
    DeviceLink link;
    EXPECT_EQ(FindDevice(mouse, link), c.found);
    EXPECT_EQ(link.deviceFound, c.found);
    EXPECT_EQ(mouse.IndicesAsked().size(), std::size_t{kSearchLimit});
    EXPECT_NE(link.Input().handle, nullptr);
    EXPECT_FALSE(link.Output().opened);
  }
}

TEST(FindDevice, AFailedOpenStillEndsTheSearch) {
  sim::SimWorld world;
  SimMouse mouse(world, {Input(), Output(), PointerOfMouse()});
  mouse.FailOpensOf(kInputPath);
  DeviceLink link;

  EXPECT_TRUE(FindDevice(mouse, link));
  EXPECT_EQ(mouse.IndicesAsked(), Range(2));
  EXPECT_TRUE(link.Input().opened);
  EXPECT_EQ(link.Input().handle, nullptr);
}

TEST(DeviceChange, FollowsTheMouseInAnyLetterCase) {
  struct Case {
    const char* name;
    DeviceNotice notice;
    bool searchesAgain;
    std::vector<std::string> hostCalls;
  };
  std::u16string upper = kOutputPath;
  for (auto& ch : upper) {
    if (ch >= u'a' && ch <= u'z') ch -= 32;
  }
  using E = DeviceNotice::Event;
  const Case cases[] = {
      {"removal, other case", {E::Removal, true, upper}, false, {"tray", "destroy"}},
      {"removal of another device", {E::Removal, true, u"\\\\?\\hid#other"}, false, {}},
      {"removal, not an interface notice", {E::Removal, false, kOutputPath}, false, {}},
      {"arrival while lost, other case", {E::Arrival, true, upper}, true, {}},
      {"arrival of another device", {E::Arrival, true, u"\\\\?\\hid#other"}, false, {}},
      {"other event", {E::Other, true, kOutputPath}, false, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    sim::SimWorld world;
    SimMouse mouse(world, {Input(), Output()});
    DeviceLink link;
    link.SetDevicePath(kOutputPath);  // found once, then lost
    RecordingHost host;

    OnDeviceChange(c.notice, mouse, link, host);
    EXPECT_EQ(!mouse.IndicesAsked().empty(), c.searchesAgain);
    EXPECT_EQ(link.deviceFound, c.searchesAgain);
    EXPECT_EQ(host.calls, c.hostCalls);
  }
}

TEST(DeviceChange, ArrivalWhileFoundDoesNotSearch) {
  sim::SimWorld world;
  SimMouse mouse(world, {Input(), Output()});
  DeviceLink link;
  ASSERT_TRUE(FindDevice(mouse, link));
  RecordingHost host;

  OnDeviceChange({DeviceNotice::Event::Arrival, true, kOutputPath}, mouse, link, host);
  EXPECT_EQ(mouse.IndicesAsked().size(), 2u);
  EXPECT_EQ(mouse.Counts().readersOpened, 1);
}

TEST(DeviceChange, UnpluggingTheSimulatedMouseEndsTheProgram) {
  sim::SimWorld world;
  SimMouse mouse(world, {Other(u"kbd", 0x046D, 0xC31C), Input(), Output()});
  DeviceLink link;
  RecordingHost host;
  mouse.SetNoticeObserver([&](const DeviceNotice& n) {
    const auto [event, data] = SimMouse::NoticeMessage(n);
    EXPECT_EQ(OnDeviceChangeMessage(event, data, mouse, link, host), 1);
  });
  ASSERT_TRUE(FindDevice(mouse, link));

  mouse.Unplug(SimMouse::NoticeCase::Upper);
  EXPECT_FALSE(link.deviceFound);
  EXPECT_EQ(host.calls, (std::vector<std::string>{"tray", "destroy"}));
}

}  // namespace
}  // namespace varkel
