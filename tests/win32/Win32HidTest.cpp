#include <gtest/gtest.h>

#include <windows.h>

#include <dbt.h>

#include <cstddef>
#include <vector>

#include "device/FindDevice.h"
#include "platform/win32/Win32Hid.h"
#include "platform/win32/Win32PointerSpeed.h"
#include "win32/DeviceBroadcast.h"

namespace varkel::win32 {
namespace {

// No mouse reaches the test machine: the search walks whatever HID
// interfaces there are, queries them and answers no.
TEST(Win32Hid, SearchFindsNoMouseWithoutCrashing) {
  Win32HidBus bus;
  auto set = bus.PresentInterfaces();
  ASSERT_NE(set, nullptr);
  for (int i = 0; i < kSearchLimit; ++i) {
    const auto path = set->PathAt(i);
    if (!path) continue;
    EXPECT_FALSE(path->empty());
    if (auto query = bus.OpenForQuery(*path)) {
      query->Ids();
      query->Caps();
    }
  }
  DeviceLink link;
  EXPECT_FALSE(FindDevice(bus, link));
  EXPECT_FALSE(link.Input().opened);
  EXPECT_FALSE(link.Output().opened);
}

TEST(Win32Hid, ReadsDeviceChangeBroadcasts) {
  auto arrival = InterfaceBroadcast(L"\\\\?\\HID#VID_18F8", 16);
  auto notice = ReadDeviceChange(DBT_DEVICEARRIVAL, reinterpret_cast<LPARAM>(arrival.data()));
  EXPECT_EQ(notice.event, DeviceNotice::Event::Arrival);
  EXPECT_TRUE(notice.isInterface);
  EXPECT_EQ(notice.path, u"\\\\?\\HID#VID_18F8");

  // The name is read no further than the broadcast's declared size.
  const DWORD shortSize = offsetof(DEV_BROADCAST_DEVICEINTERFACE_W, dbcc_name) + 4 * sizeof(wchar_t);
  auto cut = InterfaceBroadcast(L"\\\\?\\HID#VID_18F8", 16, shortSize);
  notice = ReadDeviceChange(DBT_DEVICEREMOVECOMPLETE, reinterpret_cast<LPARAM>(cut.data()));
  EXPECT_EQ(notice.event, DeviceNotice::Event::Removal);
  EXPECT_EQ(notice.path, u"\\\\?\\");

  DEV_BROADCAST_HDR volume{};
  volume.dbch_size = sizeof(volume);
  volume.dbch_devicetype = DBT_DEVTYP_VOLUME;
  notice = ReadDeviceChange(DBT_DEVICEARRIVAL, reinterpret_cast<LPARAM>(&volume));
  EXPECT_FALSE(notice.isInterface);

  notice = ReadDeviceChange(DBT_DEVNODES_CHANGED, 0);
  EXPECT_EQ(notice.event, DeviceNotice::Event::Other);
}

TEST(Win32PointerSpeed, AnswersTheQuery) {
  Win32PointerSpeed speed;
  const auto now = speed.Get();
  ASSERT_TRUE(now);
  EXPECT_GE(*now, 1);
  EXPECT_LE(*now, 20);
}

}  // namespace
}  // namespace varkel::win32
