#pragma once
// Everything observable, one line an event, each with its virtual time.
// Lines come from several threads; within one command's batch they are put
// in (time, thread, arrival) order, which makes the transcript the same on
// every run even where two threads act at the same virtual millisecond.
#include <cstdint>
#include <mutex>
#include <ostream>
#include <string>
#include <vector>

namespace varkel::scenario {

class Transcript {
 public:
  explicit Transcript(std::ostream& out) : out_(out) {}

  // The calling thread's place in the order of threads at the same time: the
  // harness's own thread is 0, the program's threads 1, 2, ... as started.
  static void SetThreadRank(int rank);

  void Add(std::int64_t timeUs, std::string text);
  // Writes the batch collected since the last flush.
  void Flush();

 private:
  struct Line {
    std::int64_t timeUs;
    int rank;
    std::uint64_t seq;
    std::string text;
  };
  std::ostream& out_;
  std::mutex lock_;
  std::vector<Line> pending_;
  std::uint64_t seq_ = 0;
};

}  // namespace varkel::scenario
