#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <thread>

#include "macros/EventMenuIds.h"
#include "macros/KeyboardFilter.h"
#include "macros/Recording.h"
#include "platform/VirtualKeys.h"
#include "unit/macros/MacroPageRig.h"

namespace varkel::macrotest {
namespace {

constexpr std::uintptr_t kA = 0x41;
constexpr std::uintptr_t kB = 0x42;
constexpr std::uintptr_t kLeftShift = 0xA0;

constexpr std::int32_t At(int h, int m, int s, int ms) { return ((h * 60 + m) * 60 + s) * 1000 + ms; }

TEST(StepGap, MeasuresFromTheLastStepAcrossMidnightAndCapsAtTheLongestDelay) {
  const struct {
    std::int32_t last;
    std::int32_t now;
    int gap;
  } cases[] = {
      {At(12, 0, 0, 0), At(12, 0, 0, 250), 250},
      {At(12, 0, 0, 0), At(12, 0, 0, 0), 0},
      {At(12, 0, 0, 0), At(12, 1, 5, 535), 65535},
      {At(12, 0, 0, 0), At(12, 1, 5, 536), 65535},
      {At(23, 59, 59, 0), At(0, 0, 0, 500), 1500},
      {At(23, 59, 0, 0), At(0, 1, 10, 0), 65535},
      {0, At(23, 0, 0, 0), 65535},
  };
  for (const auto& c : cases) {
    std::int32_t last = c.last;
    EXPECT_EQ(StepGapMs(last, c.now), c.gap) << c.last << " -> " << c.now;
    EXPECT_EQ(last, c.now);
  }
}

TEST(HeldKeys, HoldsNineAndRemovesTheFirstOccurrence) {
  HeldKeys held;
  for (std::uint8_t key = 1; key <= HeldKeys::kCapacity; ++key) EXPECT_TRUE(held.Add(key));
  EXPECT_FALSE(held.Add(10));
  EXPECT_EQ(held.Count(), 9);
  EXPECT_FALSE(held.Remove(10));
  EXPECT_TRUE(held.Remove(1));
  EXPECT_TRUE(held.Add(5));  // the same key twice
  EXPECT_TRUE(held.Remove(5));
  EXPECT_TRUE(held.Remove(5));
  EXPECT_FALSE(held.Remove(5));
  EXPECT_EQ(held.Count(), 7);
}

TEST(KeyboardFilter, SwallowsEscapeAndEnterDownsAndEveryF10) {
  const struct {
    std::uint32_t kind;
    std::uintptr_t key;
    bool swallowed;
  } cases[] = {
      {msg::kKeyDown, vk::kEscape, true},     {msg::kKeyDown, vk::kReturn, true},
      {msg::kKeyUp, vk::kEscape, false},      {msg::kKeyUp, vk::kReturn, false},
      {msg::kSysKeyDown, vk::kReturn, false}, {msg::kSysKeyDown, vk::kEscape, false},
      {msg::kKeyDown, vk::kF10, true},        {msg::kKeyUp, vk::kF10, true},
      {msg::kSysKeyDown, vk::kF10, true},     {msg::kSysKeyUp, vk::kF10, true},
      {msg::kKeyDown, kA, false},             {msg::kChar, vk::kReturn, false},
      {msg::kChar, vk::kF10, false},
  };
  for (const auto& c : cases)
    EXPECT_EQ(KeyboardFilterSwallows({1, c.kind, c.key, 0}), c.swallowed) << c.kind << " " << c.key;
}

struct Recording : MacroPageRig {
  Recording() {
    Load({MakeMacro(u"first", {Press(0x31)}), MakeMacro(u"second", {Press(0x32), Release(0x32)})});
    ShowPage();
    table.macros[1].repeatMode = 1;
    table.macros[1].repeatCount = 9;
    timeOfDay.now = At(10, 0, 0, 0);
  }
  void Start() {
    page.ToggleRecording();
    ASSERT_TRUE(page.State().recording);
  }
  void Stop() {
    page.ToggleRecording();
    ASSERT_FALSE(page.State().recording);
  }
  // A key message after `ms` more milliseconds.
  bool KeyAfter(int ms, std::uint32_t kind, std::uintptr_t key) {
    timeOfDay.now += ms;
    return Key(kind, key);
  }
  const Macro& Recorded() { return table.macros[page.State().recordMacro]; }
  std::vector<MacroEvent> RecordedSteps() {
    const Macro& m = Recorded();
    return {m.events.begin(), m.events.begin() + m.eventCount};
  }
  // Presses and releases of distinct keys, one pair after another.
  void Pairs(int count) {
    for (int i = 0; i < count; ++i) {
      KeyAfter(10, msg::kKeyDown, 0x41 + i % 26);
      KeyAfter(10, msg::kKeyUp, 0x41 + i % 26);
    }
  }
};

TEST_F(Recording, KeysBecomeStepsWithTheMeasuredGapsAsDelays) {
  Start();
  EXPECT_TRUE(keyboard.Installed());
  EXPECT_EQ(controls.Focused(), EventList().Id());
  KeyAfter(500, msg::kKeyDown, kA);
  KeyAfter(120, msg::kKeyUp, kA);
  KeyAfter(300, msg::kKeyDown, kB);
  KeyAfter(45, msg::kKeyUp, kB);
  // Shown as they come, the newest line selected; the macro has no steps yet.
  EXPECT_EQ(EventLines(), (std::vector<std::u16string>{u"[↓]A", u"    120ms", u"[↑]A", u"    300ms", u"[↓]B",
                                                        u"    45ms", u"[↑]B"}));
  EXPECT_EQ(EventList().SelectedLine(), 6);
  EXPECT_EQ(page.State().listedPresses, 2);
  EXPECT_EQ(page.State().listedReleases, 2);
  EXPECT_EQ(Recorded().eventCount, 0);

  Stop();
  EXPECT_FALSE(keyboard.Installed());
  EXPECT_EQ(RecordedSteps(), (std::vector<MacroEvent>{Press(0x41, 120), Release(0x41, 300), Press(0x42, 45),
                                                       Release(0x42, 30)}));
}

TEST_F(Recording, StartingEmptiesTheSelectedMacroAndResetsItsRepeat) {
  MacroList().UserSelect(1);
  Start();
  EXPECT_EQ(page.State().recordMacro, 1);
  EXPECT_EQ(table.currentMacro, 1);
  EXPECT_TRUE(EventLines().empty());
  EXPECT_EQ(RepeatBox().Text(), u"1");
  EXPECT_FALSE(RepeatBox().IsEnabled());
  Macro expected = MakeMacro(u"second");
  EXPECT_EQ(table.macros[1], expected);
  Stop();
  EXPECT_EQ(table.macros[1], expected);  // nothing typed: no steps
}

TEST_F(Recording, RecordingAgainDiscardsThePreviousSteps) {
  Start();
  Pairs(2);
  Stop();
  Start();
  Pairs(1);
  Stop();
  EXPECT_EQ(Recorded().eventCount, 2);
}

TEST_F(Recording, AutoRepeatAndDuplicatesRecordOnce) {
  Start();
  for (int i = 0; i < 5; ++i) KeyAfter(33, msg::kKeyDown, kA);
  KeyAfter(10, msg::kKeyUp, kA);
  KeyAfter(10, msg::kKeyUp, kA);
  Stop();
  EXPECT_EQ(RecordedSteps(), (std::vector<MacroEvent>{Press(0x41, 142), Release(0x41, 30)}));
}

TEST_F(Recording, ModifiersRecordWithTheirLeftOrRightCodes) {
  Start();
  KeyAfter(10, msg::kKeyDown, kLeftShift);
  KeyAfter(10, msg::kKeyDown, kA);
  KeyAfter(10, msg::kKeyUp, kA);
  KeyAfter(10, msg::kKeyUp, kLeftShift);
  KeyAfter(10, msg::kSysKeyDown, 0xA4);  // left Alt
  KeyAfter(10, msg::kSysKeyUp, 0xA4);
  EXPECT_EQ(EventLines(), (std::vector<std::u16string>{u"[↓]LSHIFT", u"    10ms", u"[↓]A", u"    10ms", u"[↑]A",
                                                        u"    10ms", u"[↑]LSHIFT", u"    10ms", u"[↓]LMENU",
                                                        u"    10ms", u"[↑]LMENU"}));
}

TEST_F(Recording, AReleaseOfAKeyPressedBeforeTheRecordingIsNotRecorded) {
  Key(msg::kKeyDown, kA);  // not recording yet
  Start();
  KeyAfter(10, msg::kKeyUp, kA);
  KeyAfter(10, msg::kKeyDown, kB);
  Stop();
  EXPECT_EQ(RecordedSteps(), (std::vector<MacroEvent>{Press(0x42, 30)}));
}

TEST_F(Recording, ATenthHeldKeyIsRefusedAndSoIsItsRelease) {
  Start();
  for (std::uintptr_t key = 0x41; key < 0x41 + 10; ++key) KeyAfter(10, msg::kKeyDown, key);
  for (std::uintptr_t key = 0x41; key < 0x41 + 10; ++key) KeyAfter(10, msg::kKeyUp, key);
  Stop();
  const std::vector<MacroEvent> steps = RecordedSteps();
  ASSERT_EQ(steps.size(), 18u);
  EXPECT_TRUE(std::none_of(steps.begin(), steps.end(), [](const MacroEvent& e) { return e.keyCode == 0x4A; }));
  EXPECT_EQ(steps.back(), Release(0x49, 30));
}

TEST_F(Recording, After108PressesOnlyReleasesOfHeldKeysRecord) {
  Start();
  Pairs(107);
  KeyAfter(10, msg::kKeyDown, 0x30);  // the 108th press
  KeyAfter(10, msg::kKeyDown, 0x31);  // refused
  KeyAfter(10, msg::kKeyUp, 0x31);    // never held
  KeyAfter(10, msg::kKeyUp, 0x30);
  EXPECT_EQ(page.State().listedPresses, 108);
  EXPECT_EQ(page.State().recordCount, 216);
  Stop();
  EXPECT_EQ(RecordedSteps().back(), Release(0x30, 30));
  EXPECT_EQ(RecordedSteps()[214], Press(0x30, 30));  // the refused keys' time is part of the gap
}

TEST_F(Recording, The217thStepIsNotRecorded) {
  Start();
  Pairs(108);
  // Selecting the recorded macro rebuilds the list and its counters, which
  // lets presses through again; the step limit still holds.
  MacroList().UserSelect(page.State().recordMacro);
  EXPECT_EQ(page.State().listedPresses, 0);
  KeyAfter(10, msg::kKeyDown, 0x30);
  Stop();
  EXPECT_EQ(Recorded().eventCount, 216);
}

TEST_F(Recording, EscapeIsRecordedAndNeverReachesTheWindow) {
  Start();
  EXPECT_TRUE(KeyAfter(10, msg::kKeyDown, vk::kEscape));
  EXPECT_FALSE(KeyAfter(10, msg::kKeyUp, vk::kEscape));
  Pairs(107);
  // Refused by the press limit, still swallowed.
  EXPECT_TRUE(KeyAfter(10, msg::kKeyDown, vk::kReturn));
  Stop();
  EXPECT_EQ(RecordedSteps()[0], Press(0x1B, 10));
  EXPECT_EQ(RecordedSteps()[1], Release(0x1B, 10));
}

TEST_F(Recording, AGapLongerThanADelayHoldsIsCappedAlsoOverMidnight) {
  timeOfDay.now = At(23, 58, 0, 0);
  Start();
  Key(msg::kKeyDown, kA);
  timeOfDay.now = At(23, 59, 59, 900);
  Key(msg::kKeyUp, kA);
  timeOfDay.now = At(0, 0, 0, 400);
  Key(msg::kKeyDown, kB);
  timeOfDay.now = At(0, 1, 30, 0);
  Key(msg::kKeyUp, kB);
  Stop();
  EXPECT_EQ(RecordedSteps(), (std::vector<MacroEvent>{Press(0x41, 65535), Release(0x41, 500), Press(0x42, 65535),
                                                       Release(0x42, 30)}));
}

TEST_F(Recording, WithoutMacrosTheButtonOnlyMovesTheFocus) {
  page.DestroyControls();
  Load({});
  ShowPage();
  page.ToggleRecording();
  EXPECT_FALSE(page.State().recording);
  EXPECT_FALSE(keyboard.Installed());
  EXPECT_EQ(controls.Focused(), EventList().Id());
}

TEST_F(Recording, ARefusedHookStillRecordsWhatReachesTheWindow) {
  keyboard.refuse = true;
  Start();
  Tap(kA);
  Stop();
  EXPECT_EQ(Recorded().eventCount, 2);
}

// The driver may play the macro being recorded: every write to the table
// must be made under its lock. Another thread reads the whole table under
// the lock, and each change is read there before the next one is made, so
// that ThreadSanitizer (which checks this build) sees any unlocked write.
TEST_F(Recording, WritesTheTableUnderItsLockWhileItIsRead) {
  std::atomic<bool> done{false};
  std::atomic<int> passes{0};
  std::thread player([this, &done, &passes] {
    unsigned sum = 0;
    while (!done.load()) {
      {
        std::lock_guard guard(table.lock);
        for (const Macro& m : table.macros) {
          sum += m.eventCount + m.repeatMode + m.repeatCount + m.name[0];
          for (const MacroEvent& e : m.events) sum += e.keyCode + e.action + e.delayMs;
        }
      }
      ++passes;
    }
    EXPECT_GE(sum, 0u);
  });
  const auto read = [&passes] {
    const int seen = passes.load();
    while (passes.load() < seen + 2) std::this_thread::yield();
  };
  const std::vector<std::function<void()>> changes = {
      [&] { Start(); },
      [&] { KeyAfter(10, msg::kKeyDown, kA); },
      [&] { KeyAfter(10, msg::kKeyUp, kA); },
      [&] { Stop(); },
      [&] {
        TypeInto(NameBox(), u"third");
        page.AddMacro();
      },
      [&] { page.ToggleRepeatMode(); },
      [&] { page.SaveMacroSettings(); },
      [&] {
        RightClickLine(0);
        Command(ID_INSERT_AFTER_LEFT_DOWN);
      },
      [&] {
        RightClickLine(0);
        Command(ID_DELETE_STEP);
      },
      [&] { page.DeleteMacro(); },
  };
  for (const auto& change : changes) {
    change();
    read();
  }
  done = true;
  player.join();
}

}  // namespace
}  // namespace varkel::macrotest
