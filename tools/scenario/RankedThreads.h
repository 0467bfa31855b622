#pragma once
// The simulated threads, each told its rank in the transcript as it starts.
#include <atomic>

#include "Transcript.h"
#include "platform/sim/SimThreads.h"

namespace varkel::scenario {

class RankedThreads final : public Threads {
 public:
  explicit RankedThreads(sim::SimWorld& world) : inner_(world) {}
  void Start(std::function<void()> body, ThreadPriority priority) override {
    const int rank = ++started_;
    inner_.Start(
        [rank, body = std::move(body)] {
          Transcript::SetThreadRank(rank);
          body();
        },
        priority);
  }
  std::unique_ptr<Wakeup> MakeWakeup() override { return inner_.MakeWakeup(); }
  bool KeepRunning() override { return inner_.KeepRunning(); }
  void StopAll() { inner_.StopAll(); }

 private:
  sim::SimThreads inner_;
  int started_ = 0;
};

}  // namespace varkel::scenario
