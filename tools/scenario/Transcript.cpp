#include "Transcript.h"

#include <algorithm>
#include <tuple>

namespace varkel::scenario {
namespace {
thread_local int threadRank = 0;
}

void Transcript::SetThreadRank(int rank) { threadRank = rank; }

void Transcript::Add(std::int64_t timeUs, std::string text) {
  std::lock_guard guard(lock_);
  pending_.push_back({timeUs, threadRank, seq_++, std::move(text)});
}

void Transcript::Flush() {
  std::vector<Line> lines;
  {
    std::lock_guard guard(lock_);
    lines.swap(pending_);
  }
  std::sort(lines.begin(), lines.end(), [](const Line& a, const Line& b) {
    return std::tie(a.timeUs, a.rank, a.seq) < std::tie(b.timeUs, b.rank, b.seq);
  });
  for (const Line& line : lines) out_ << "t=" << line.timeUs / 1000 << ' ' << line.text << '\n';
  out_.flush();
}

}  // namespace varkel::scenario
