#include <gtest/gtest.h>

#include <atomic>
#include <vector>

#include "platform/sim/SimMouse.h"
#include "platform/sim/SimThreads.h"

namespace varkel::sim {
namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr int kInput = 2;   // indices of the standard layout
constexpr int kOutput = 3;

struct Linked {
  SimWorld world{SimWorld::Time::Virtual};
  SimMouse mouse{world};
  std::unique_ptr<HidReader> reader = mouse.OpenForReading(*mouse.PresentInterfaces()->PathAt(kInput));
  std::unique_ptr<HidWriter> writer = mouse.OpenForWriting(*mouse.PresentInterfaces()->PathAt(kOutput));

  bool Send(Bytes head) {
    head.resize(SimMouse::kStandardReportLength, 0);
    return writer->SendFeature(head);
  }
};

TEST(SimMouse, KeepsWhatTheFeatureReportsSet) {
  Linked m;
  EXPECT_TRUE(m.Send({0x07, 0x10, 0x05, 0x1F}));
  EXPECT_TRUE(m.Send({0x07, 0x10, 0x02, 0x08}));
  EXPECT_TRUE(m.Send({0x07, 0x11, 0x01, 0x00}));
  EXPECT_TRUE(m.Send({0x07, 0x09, 0x03, 0x82}));
  EXPECT_TRUE(m.Send({0x07, 0x20, 0x00, 0x00}));

  SimMouse::State expected;
  expected.functionOf = {0, 1, 0x08, 3, 4, 0x1F, 6};
  expected.wheel = 1;
  expected.dpiLevel = 3;
  expected.dpiValue = 0;
  expected.ledMode = 2;
  expected.exitReceived = true;
  EXPECT_EQ(m.mouse.GetState(), expected);
  EXPECT_EQ(m.mouse.FeatureReports().size(), 5u);
  EXPECT_EQ(m.mouse.FeatureReports()[0].bytes, (Bytes{0x07, 0x10, 0x05, 0x1F, 0, 0, 0, 0}));
}

TEST(SimMouse, RefusesReportsAtAnotherLengthOrOnAnotherCollection) {
  Linked m;
  EXPECT_FALSE(m.writer->SendFeature(Bytes{0x07, 0x11, 0x01, 0x00}));
  auto other = m.mouse.OpenForWriting(*m.mouse.PresentInterfaces()->PathAt(kInput));
  EXPECT_FALSE(other->SendFeature(Bytes{0x07, 0x11, 0x01, 0, 0, 0, 0, 0}));
  EXPECT_TRUE(m.mouse.FeatureReports().empty());
  EXPECT_EQ(m.mouse.GetState().wheel, 0);
}

TEST(SimMouse, OnlySoftwareButtonsReport) {
  Linked m;
  m.Send({0x07, 0x10, 0x04, 0x1F});
  EXPECT_FALSE(m.mouse.Press(3));
  EXPECT_TRUE(m.mouse.Press(4));
  EXPECT_TRUE(m.mouse.Release(4));
  m.mouse.InjectInputReport({0x05});

  Bytes report(8);
  const Bytes expected[] = {{0x06, 0xF4, 0, 0, 0, 0, 0, 0}, {0x06, 0x00, 0, 0, 0, 0, 0, 0}, {0x05, 0, 0, 0, 0, 0, 0, 0}};
  for (const auto& e : expected) {
    ASSERT_EQ(m.reader->Read(report), std::optional<std::size_t>{8});
    EXPECT_EQ(report, e);
  }
}

// The read blocks on the world's clock, and gives up when the mouse is
// pulled out; a handle from before the unplug stays dead after a replug.
TEST(SimMouse, ReadBlocksUntilAReportAndFailsWhenUnplugged) {
  Linked m;
  m.Send({0x07, 0x10, 0x06, 0x1F});
  std::vector<std::optional<std::size_t>> results;
  std::atomic<bool> done{false};
  {
    SimThreads threads(m.world);
    threads.Start([&] {
      Bytes report(8);
      while (threads.KeepRunning() && !done) {
        auto r = m.reader->Read(report);
        results.push_back(r);
        if (!r) done = true;
      }
    }, ThreadPriority::Highest);
    m.world.Settle();
    EXPECT_TRUE(results.empty());
    m.mouse.Press(6);
    m.world.Settle();
    EXPECT_EQ(results.size(), 1u);
    m.mouse.Unplug();
    m.world.Settle();
    EXPECT_TRUE(done);
  }
  ASSERT_EQ(results.size(), 2u);
  EXPECT_FALSE(results[1]);

  m.mouse.Plug();
  m.mouse.Press(6);
  Bytes report(8);
  EXPECT_FALSE(m.reader->Read(report));
  EXPECT_FALSE(m.Send({0x07, 0x11, 0x01, 0x00}));
}

TEST(SimMouse, ReadFailsOnceTheWorldShutsDown) {
  Linked m;
  std::optional<std::size_t> result{99};
  SimThreads threads(m.world);
  threads.Start([&] {
    Bytes report(8);
    result = m.reader->Read(report);
  }, ThreadPriority::Highest);
  m.world.Settle();
  threads.StopAll();
  EXPECT_FALSE(result);
}

TEST(SimMouse, NoticesCarryTheMousePathsOnceWatched) {
  SimWorld world;
  SimMouse mouse(world);
  std::vector<DeviceNotice> notices;
  mouse.SetNoticeObserver([&](const DeviceNotice& n) { notices.push_back(n); });
  mouse.Unplug();
  EXPECT_TRUE(notices.empty());  // nobody asked for them
  mouse.Plug();

  mouse.WatchArrivalsAndRemovals();
  mouse.Unplug(SimMouse::NoticeCase::Upper);
  ASSERT_EQ(notices.size(), SimMouse::StandardInterfaces().size());
  EXPECT_EQ(notices[0].event, DeviceNotice::Event::Removal);
  EXPECT_EQ(notices[0].path.substr(0, 12), u"\\\\?\\HID#VID_");
  EXPECT_FALSE(mouse.PresentInterfaces()->PathAt(0));
}

TEST(SimMouse, ObserverSeesEachReportWithItsTime) {
  Linked m;
  std::vector<std::pair<Bytes, std::int64_t>> seen;
  m.mouse.SetFeatureObserver([&](const Bytes& b, std::int64_t t) { seen.emplace_back(b, t); });
  m.world.Advance(5000);
  m.Send({0x07, 0x11, 0x00, 0x00});
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].first.size(), 8u);
  EXPECT_EQ(seen[0].second, 5000);
}

}  // namespace
}  // namespace varkel::sim
