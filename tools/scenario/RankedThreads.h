#pragma once
// The simulated threads, each told its rank in the transcript as it starts.
// A thread the program names is announced first ("blinker start").
#include <atomic>
#include <functional>
#include <string>

#include "Transcript.h"
#include "platform/sim/SimThreads.h"

namespace varkel::scenario {

class RankedThreads final : public Threads {
 public:
  using Announce = std::function<void(const std::string& line)>;
  RankedThreads(sim::SimWorld& world, Announce announce) : inner_(world), announce_(std::move(announce)) {}
  void Start(std::function<void()> body, ThreadPriority priority) override {
    const int rank = ++started_;
    inner_.Start(
        [rank, body = std::move(body)] {
          Transcript::SetThreadRank(rank);
          body();
        },
        priority);
  }
  void StartNamed(std::string_view name, std::function<void()> body, ThreadPriority priority) override {
    announce_(std::string(name) + " start");
    Start(std::move(body), priority);
  }
  std::unique_ptr<Wakeup> MakeWakeup() override { return inner_.MakeWakeup(); }
  bool KeepRunning() override { return inner_.KeepRunning(); }
  void StopAll() { inner_.StopAll(); }

 private:
  sim::SimThreads inner_;
  Announce announce_;
  int started_ = 0;
};

}  // namespace varkel::scenario
