#include <cstdint>
#include <vector>

#include <gtest/gtest.h>

#include "platform/sim/SimMouse.h"
#include "platform/sim/SimMousePanel.h"
#include "platform/sim/SimMousePanelIds.h"
#include "platform/sim/SimWindow.h"

namespace varkel::sim {
namespace {

using Report = std::vector<std::uint8_t>;

// A mouse whose physical buttons are all software ones, so that each press
// and release comes out as an input report; the panel attached to a window.
struct PanelFixture {
  SimWorld world;
  SimMouse mouse{world};
  SimWindow window;
  SimMousePanel panel{mouse};
  std::unique_ptr<HidReader> reader;

  explicit PanelFixture(std::vector<int> softwareButtons) {
    const auto interfaces = SimMouse::StandardInterfaces();
    auto writer = mouse.OpenForWriting(interfaces[3]->path);
    for (int physical : softwareButtons) {
      const Report report{0x07, 0x10, static_cast<std::uint8_t>(physical), 0x1F, 0, 0, 0, 0};
      writer->SendFeature(report);
    }
    reader = mouse.OpenForReading(interfaces[2]->path);
    panel.Attach(&window);
    panel.OnMessage({1, msg::kInitDialog, 0, 0});
  }

  Report Next() {
    Report report(SimMouse::kStandardReportLength);
    const auto got = reader->Read(report);
    report.resize(got.value_or(0));
    return {report.begin(), report.begin() + std::min<std::size_t>(2, report.size())};
  }

  // notification: the control's code in the high word (0: a click).
  void Command(int id, std::uint16_t notification = 0) {
    panel.OnMessage({1, msg::kCommand, static_cast<std::uintptr_t>(id) | (std::uintptr_t{notification} << 16), 0});
  }
};

TEST(SimMousePanel, PressesThePhysicalButtonOfEachProgramButton) {
  struct Case {
    int button;
    std::uint8_t physical;
  };
  const Case cases[] = {{1, 1}, {3, 3}, {4, 5}, {5, 4}, {6, 6}};
  PanelFixture fixture({1, 2, 3, 4, 5, 6});
  for (const auto& c : cases) {
    SCOPED_TRACE(c.button);
    fixture.Command(IDC_CLICK_BUTTON_1 + c.button - 1);
    EXPECT_EQ(fixture.Next(), (Report{0x06, static_cast<std::uint8_t>(0xF0 + c.physical)}));
    EXPECT_EQ(fixture.Next(), (Report{0x06, 0x00}));
  }
}

TEST(SimMousePanel, ADoubleClicksSecondNoticePressesNothing) {
  constexpr std::uint16_t kDoubleClicked = 1;
  PanelFixture fixture({1, 3});
  fixture.Command(IDC_CLICK_BUTTON_1, kDoubleClicked);
  fixture.Command(IDC_CLICK_BUTTON_1 + 2);
  EXPECT_EQ(fixture.Next(), (Report{0x06, 0xF3}));
}

// The window in front keeps the keyboard, and with it what the driver types.
TEST(SimMousePanel, AClickDoesNotActivateThePanel) {
  PanelFixture fixture({});
  EXPECT_EQ(fixture.panel.OnMessage({1, msg::kMouseActivate, 0, 0}), MessageResult{msg::kNoActivate});
}

TEST(SimMousePanel, HoldBoxKeepsTheButtonDownUntilUnticked) {
  PanelFixture fixture({4});
  fixture.window.SetItemChecked(IDC_HOLD_BUTTON_1 + 4, true);  // program button 5
  fixture.Command(IDC_HOLD_BUTTON_1 + 4);
  EXPECT_EQ(fixture.Next(), (Report{0x06, 0xF4}));
  fixture.window.SetItemChecked(IDC_HOLD_BUTTON_1 + 4, false);
  fixture.Command(IDC_HOLD_BUTTON_1 + 4);
  EXPECT_EQ(fixture.Next(), (Report{0x06, 0x00}));
}

TEST(SimMousePanel, ShowsFunctionsInTheProgramsButtonOrder) {
  PanelFixture fixture({5});  // physical 5 is program button 4
  const std::u16string text = fixture.window.ItemText(IDC_MOUSE_STATE);
  EXPECT_NE(text.find(u"4=1F"), std::u16string::npos) << std::string(text.begin(), text.end());
  EXPECT_NE(text.find(u"5=04"), std::u16string::npos);
  EXPECT_NE(text.find(u"Feature reports received: 1"), std::u16string::npos);
}

}  // namespace
}  // namespace varkel::sim
