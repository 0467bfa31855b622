// The software driver against the simulated mouse on real time, measured in
// two modes of the same program:
//   event   the driver sleeps on the reader's wakeup; precise sleeps
//   poll    the driver polls every 2 ms; plain sleeps (the baseline)
// and printed as:
//   (a) latency from an input report reaching the reader (its read
//       returning) to the first synthesised event, over N presses;
//   (b) error of each macro step's delay against delayMs, for 1, 20, 30 ms;
//   (c) CPU time of the process while idle with the mouse linked;
//   (d) the same while every read of the input collection fails at once
//       (a collection the system will not let the program read).
//
//   varkel_bench_driver [--presses N] [--idle SECONDS] [--mode event|poll|both]
//                       [--clock plain|precise]   (both modes on the same sleeps)
#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "device/DeviceLink.h"
#include "device/FeatureReports.h"
#include "device/FindDevice.h"
#include "device/ReaderThread.h"
#include "driver/DriverThread.h"
#include "platform/portable/StdThreads.h"
#include "platform/sim/SimInput.h"
#include "platform/sim/SimMouse.h"
#ifdef _WIN32
#include "platform/win32/Win32Threads.h"
#endif

namespace varkel::bench {
namespace {

using Us = std::int64_t;

// ---- measuring helpers -----------------------------------------------------

Us ProcessCpuUs() {
#ifdef _WIN32
  return win32::ProcessCpuTimeUs();
#else
  return static_cast<Us>(std::clock()) * 1'000'000 / CLOCKS_PER_SEC;
#endif
}

Us SteadyUs() {
  using namespace std::chrono;
  return duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count();
}

double Percentile(std::vector<Us> v, double p) {
  if (v.empty()) return 0;
  std::sort(v.begin(), v.end());
  const auto i = static_cast<std::size_t>(p / 100.0 * static_cast<double>(v.size() - 1) + 0.5);
  return static_cast<double>(v[std::min(i, v.size() - 1)]);
}

// ---- the pieces around the driver -----------------------------------------

// The plain sleep of the baseline.
class PlainSleepClock final : public Clock {
 public:
  Us NowUs() override { return SteadyUs(); }
  void SleepMs(std::uint32_t ms) override { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }
};

class NullIni final : public IniFiles {
 public:
  std::u16string Read(std::u16string_view, std::u16string_view, std::u16string_view, std::size_t capacity,
                      std::u16string_view def) override {
    return capacity == 0 ? u"" : std::u16string(def.substr(0, capacity - 1));
  }
  void Write(std::u16string_view, std::u16string_view, std::u16string_view, std::u16string_view) override {}
};

class NoRepaint final : public RepaintRequests {
 public:
  void RepaintWholeWindow() override {}
};

// Remembers when each press report came out of a read.
class TimedBus final : public HidBus {
 public:
  explicit TimedBus(HidBus& inner) : inner_(inner) {}
  std::unique_ptr<HidInterfaceSet> PresentInterfaces() override { return inner_.PresentInterfaces(); }
  std::unique_ptr<HidQuery> OpenForQuery(const std::u16string& p) override { return inner_.OpenForQuery(p); }
  std::unique_ptr<HidWriter> OpenForWriting(const std::u16string& p) override { return inner_.OpenForWriting(p); }
  void WatchArrivalsAndRemovals() override { inner_.WatchArrivalsAndRemovals(); }
  DeviceNotice ReadNotice(std::uintptr_t e, std::intptr_t d) override { return inner_.ReadNotice(e, d); }
  std::unique_ptr<HidReader> OpenForReading(const std::u16string& p) override {
    auto reader = inner_.OpenForReading(p);
    if (!reader) return nullptr;
    return std::make_unique<TimedReader>(std::move(reader), *this);
  }
  std::vector<Us> PressReadTimes() {
    std::lock_guard g(lock_);
    return pressReads_;
  }

 private:
  class TimedReader final : public HidReader {
   public:
    TimedReader(std::unique_ptr<HidReader> inner, TimedBus& bus) : inner_(std::move(inner)), bus_(bus) {}
    std::optional<std::size_t> Read(std::span<std::uint8_t> report) override {
      auto n = inner_->Read(report);
      const Us now = SteadyUs();
      if (n && *n >= 2 && report[1] > 0xF0) {
        std::lock_guard g(bus_.lock_);
        bus_.pressReads_.push_back(now);
      }
      return n;
    }
    bool DeviceGone() override { return inner_->DeviceGone(); }

   private:
    std::unique_ptr<HidReader> inner_;
    TimedBus& bus_;
  };

  HidBus& inner_;
  std::mutex lock_;
  std::vector<Us> pressReads_;
};

enum class Mode { Event, Poll };

// The baseline driver loop: look at the flags every 2 ms.
void PollingDriverThread(DriverContext& ctx) {
  while (ctx.threads.KeepRunning()) {
    if (ctx.status.buttonPressed.load(std::memory_order_acquire) != 0) {
      PerformPress(ctx, ctx.status.pressedCode.load(std::memory_order_relaxed));
    }
    ctx.status.buttonPressed.store(0, std::memory_order_release);
    ctx.status.stopRequested.store(0, std::memory_order_release);
    ctx.clock.SleepMs(2);
  }
}

struct Figures {
  std::vector<Us> latency;
  std::vector<Us> stepError[3];
  struct Idle {
    double cpuPercent = 0;
    Us cpuUs = 0;
    Us wallUs = 0;
  };
  Idle idle;
  Idle idleFailing;
};

constexpr std::uint16_t kStepDelays[3] = {1, 20, 30};
constexpr int kStepCounts[3] = {255, 100, 100};

// The whole rig: the simulated mouse linked, the reader and the driver running.
class Rig {
 public:
  Rig(Mode mode, Threads& threads, Clock& clock) : threads_(threads), clock_(clock) {
    FindDevice(bus_, link_);
    // Button 6 reports its presses: the mouse is told it is a software function.
    SendFeatureReport(link_, FeatureCommand::ButtonFunction, 6, 0x1F);
    wakeup_ = threads_.MakeWakeup();
    reader_ = std::make_unique<ReaderContext>(ReaderContext{link_, status_, model_, repaint_, clock_, threads_, *wakeup_});
    driver_ = std::make_unique<DriverContext>(DriverContext{status_, model_, macros_, input_, clock_, threads_, *wakeup_,
                                                            ini_, paths_, repaint_, nullptr, nullptr});
    input_.SetObserver([this](const sim::InputRecord&) {
      {
        std::lock_guard g(eventsLock_);
        ++eventCount_;
      }
      eventsChanged_.notify_all();
    });
    threads_.Start([this] { ReaderThread(*reader_); }, ThreadPriority::Highest);
    if (mode == Mode::Event) {
      threads_.Start([this] { DriverThread(*driver_); }, ThreadPriority::Highest);
    } else {
      threads_.Start([this] { PollingDriverThread(*driver_); }, ThreadPriority::Highest);
    }
  }
  // Lets the mouse's blocking read return; the owner then stops the threads.
  void Shutdown() { world_.Shutdown(); }

  bool Linked() const { return link_.deviceFound.load(); }

  // From now on every read of the input collection fails; the report wakes
  // the read that waits now.
  void FailInputReads() {
    mouse_.FailReadsOf(InputPath());
    mouse_.InjectInputReport({0x06, 0x50});
  }

  void SetButton6(ButtonFunction code) {
    std::lock_guard g(model_.lock);
    model_.profile.buttons[5] = code;
  }
  void SetMacro(const Macro& m) {
    std::lock_guard g(macros_.lock);
    macros_.macros[0] = m;
    macros_.macroCount = 1;
  }

  // Presses and releases button 6, waiting for `events` synthesised events and
  // for the driver to be free again. Returns false on a time-out.
  bool Click(std::size_t events, Us timeoutUs) {
    std::size_t before;
    {
      std::lock_guard g(eventsLock_);
      before = eventCount_;
    }
    mouse_.Press(6);
    {
      // Waits without polling, so as not to take the processor from the driver.
      std::unique_lock g(eventsLock_);
      if (!eventsChanged_.wait_for(g, std::chrono::microseconds(timeoutUs),
                                   [&] { return eventCount_ >= before + events; })) {
        return false;
      }
    }
    const Us start = SteadyUs();
    while (status_.buttonPressed.load() != 0) {
      if (SteadyUs() - start > timeoutUs) return false;
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    mouse_.Release(6);
    // The reader pauses 2 ms after each report; let it take the release.
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
    return true;
  }

  std::vector<sim::InputRecord> Events() const { return input_.Events(); }
  static std::u16string InputPath() { return sim::SimMouse::StandardInterfaces()[2]->path; }
  std::vector<Us> PressReadTimes() { return bus_.PressReadTimes(); }

 private:
  Threads& threads_;
  Clock& clock_;
  sim::SimWorld world_{sim::SimWorld::Time::Real};
  sim::SimMouse mouse_{world_};
  TimedBus bus_{mouse_};
  sim::SimInput input_{world_};
  DeviceLink link_;
  DriverStatus status_;
  ProfileModel model_;
  MacroTable macros_;
  NullIni ini_;
  NoRepaint repaint_;
  AppPaths paths_ = MakeAppPaths(u"C:\\bench");
  std::mutex eventsLock_;
  std::condition_variable eventsChanged_;
  std::size_t eventCount_ = 0;
  std::unique_ptr<Wakeup> wakeup_;
  std::unique_ptr<ReaderContext> reader_;
  std::unique_ptr<DriverContext> driver_;
};

Macro StepMacro(std::uint16_t delayMs, int steps) {
  Macro m;
  m.repeatMode = 0;
  m.repeatCount = 1;
  m.eventCount = static_cast<std::uint8_t>(steps);
  for (int i = 0; i < steps; ++i) {
    m.events[i] = {0x41, static_cast<std::uint8_t>(i % 2 == 0 ? 1 : 2), delayMs};
  }
  return m;
}

Figures::Idle MeasureIdle(int seconds) {
  Figures::Idle idle;
  const Us cpu0 = ProcessCpuUs();
  const Us wall0 = SteadyUs();
  std::this_thread::sleep_for(std::chrono::seconds(seconds));
  idle.cpuUs = ProcessCpuUs() - cpu0;
  idle.wallUs = SteadyUs() - wall0;
  idle.cpuPercent = 100.0 * static_cast<double>(idle.cpuUs) / static_cast<double>(idle.wallUs);
  return idle;
}

bool Measure(Rig& rig, int presses, int idleSeconds, Figures& out) {
  if (!rig.Linked()) {
    std::fprintf(stderr, "the simulated mouse was not found\n");
    return false;
  }
  // (a) the volume-mute key: its key-down is the first event of a press.
  rig.SetButton6(26);
  const std::size_t first = rig.Events().size();
  for (int i = 0; i < presses; ++i) {
    if (!rig.Click(2, 2'000'000)) {
      std::fprintf(stderr, "press %d timed out\n", i);
      return false;
    }
  }
  const auto events = rig.Events();
  const auto reads = rig.PressReadTimes();
  for (int i = 0; i < presses && i < static_cast<int>(reads.size()); ++i) {
    out.latency.push_back(events[first + 2 * i].timeUs - reads[i]);
  }

  // (b) macros of equal steps: the gap between two events is the first one's delay.
  rig.SetButton6(41);
  for (int d = 0; d < 3; ++d) {
    rig.SetMacro(StepMacro(kStepDelays[d], kStepCounts[d]));
    const std::size_t before = rig.Events().size();
    if (!rig.Click(kStepCounts[d], 60'000'000)) {
      std::fprintf(stderr, "macro of %d ms steps timed out\n", kStepDelays[d]);
      return false;
    }
    const auto all = rig.Events();
    for (std::size_t i = before + 1; i < before + kStepCounts[d]; ++i) {
      const Us gap = all[i].timeUs - all[i - 1].timeUs;
      out.stepError[d].push_back(std::llabs(gap - Us{kStepDelays[d]} * 1000));
    }
  }

  // (c) idle with the mouse linked; (d) idle with its input collection failing.
  out.idle = MeasureIdle(idleSeconds);
  rig.FailInputReads();
  out.idleFailing = MeasureIdle(idleSeconds);
  return true;
}

void Print(const char* name, const Figures& f) {
  std::printf("%-6s (a) press latency    p50 %8.3f ms  p99 %8.3f ms  (%zu presses)\n", name,
              Percentile(f.latency, 50) / 1000, Percentile(f.latency, 99) / 1000, f.latency.size());
  for (int d = 0; d < 3; ++d) {
    std::printf("%-6s (b) step error %2d ms  p50 %8.3f ms  p99 %8.3f ms  (%zu steps)\n", name, kStepDelays[d],
                Percentile(f.stepError[d], 50) / 1000, Percentile(f.stepError[d], 99) / 1000,
                f.stepError[d].size());
  }
  const auto idleLine = [name](const char* what, const Figures::Idle& idle) {
    std::printf("%-6s %s %8.4f %% of a core  (%.1f ms CPU in %.1f s)\n", name, what, idle.cpuPercent,
                static_cast<double>(idle.cpuUs) / 1000, static_cast<double>(idle.wallUs) / 1e6);
  };
  idleLine("(c) idle CPU        ", f.idle);
  idleLine("(d) idle, reads fail", f.idleFailing);
}

template <typename ThreadsT>
bool RunMode(Mode mode, Clock& clock, int presses, int idleSeconds) {
  ThreadsT threads;
  Figures figures;
  bool ok;
  {
    Rig rig(mode, threads, clock);
    ok = Measure(rig, presses, idleSeconds, figures);
    rig.Shutdown();
    threads.StopAll();
  }
  if (ok) Print(mode == Mode::Event ? "event" : "poll", figures);
  std::fflush(stdout);
  return ok;
}

}  // namespace
}  // namespace varkel::bench

int main(int argc, char** argv) {
  using namespace varkel::bench;
  int presses = 1000;
  int idleSeconds = 10;
  std::string mode = "both";
  std::string clockChoice = "default";
  for (int i = 1; i + 1 < argc; i += 2) {
    if (!std::strcmp(argv[i], "--presses")) presses = std::atoi(argv[i + 1]);
    else if (!std::strcmp(argv[i], "--idle")) idleSeconds = std::atoi(argv[i + 1]);
    else if (!std::strcmp(argv[i], "--mode")) mode = argv[i + 1];
    else if (!std::strcmp(argv[i], "--clock")) clockChoice = argv[i + 1];
  }
#ifdef _WIN32
  using PreciseThreads = varkel::win32::Win32Threads;
  varkel::win32::Win32Clock preciseClock;
#else
  using PreciseThreads = varkel::StdThreads;
  varkel::StdClock preciseClock;
#endif
  PlainSleepClock plainClock;
  bool ok = true;
  // Each mode with its own sleeps, unless --clock plain|precise gives both the same.
  varkel::Clock& eventClock = clockChoice == "plain" ? static_cast<varkel::Clock&>(plainClock) : preciseClock;
  varkel::Clock& pollClock = clockChoice == "precise" ? static_cast<varkel::Clock&>(preciseClock) : plainClock;
  if (mode != "poll") ok = RunMode<PreciseThreads>(Mode::Event, eventClock, presses, idleSeconds) && ok;
  if (mode != "event") ok = RunMode<PreciseThreads>(Mode::Poll, pollClock, presses, idleSeconds) && ok;
  return ok ? 0 : 1;
}
