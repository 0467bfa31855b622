#include "platform/sim/SimMouse.h"

#include <algorithm>
#include <deque>
#include <mutex>
#include <set>

namespace varkel::sim {

namespace {

constexpr std::uint16_t kVendorId = 0x18F8;
constexpr std::uint16_t kProductId = 0x0F99;
constexpr std::uint8_t kSoftware = 0x1F;
constexpr std::uint8_t kInputReportId = 0x06;
constexpr std::uint8_t kFeatureReportId = 0x07;

char16_t Fold(char16_t c) { return c >= u'A' && c <= u'Z' ? c + 32 : c; }

bool SamePath(const std::u16string& a, const std::u16string& b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](char16_t x, char16_t y) { return Fold(x) == Fold(y); });
}

std::u16string Spelled(std::u16string path, SimMouse::NoticeCase spelling) {
  for (auto& c : path) {
    if (spelling == SimMouse::NoticeCase::Lower) c = Fold(c);
    if (spelling == SimMouse::NoticeCase::Upper && c >= u'a' && c <= u'z') c -= 32;
  }
  return path;
}

}  // namespace

struct SimMouse::Impl {
  explicit Impl(SimWorld& w, Interfaces list) : world(w), interfaces(std::move(list)) {}

  struct ReadQueue {
    std::size_t interfaceIndex;
    std::deque<std::vector<std::uint8_t>> reports;
  };

  SimWorld& world;
  Interfaces interfaces;
  bool plugged = true;
  std::uint64_t generation = 0;  // moves on at every unplug: older handles are dead
  State state;
  std::vector<FeatureReport> features;
  HandleCounts counts;
  std::vector<int> indicesAsked;
  int registrations = 0;
  std::set<std::u16string> failingOpens;
  std::set<std::u16string> failingReads;
  std::vector<ReadQueue*> readQueues;
  std::function<void(const DeviceNotice&)> noticeObserver;
  std::function<void(const std::vector<std::uint8_t>&, std::int64_t)> featureObserver;
  std::mutex featureOrder;  // observer calls come in the order reports were taken

  static bool OfMouse(const SimInterface& i) {
    return i.ids.vendorId == kVendorId && i.ids.productId == kProductId;
  }
  static bool IsCollection(const SimInterface& i, std::uint16_t page) {
    return OfMouse(i) && i.caps.usagePage == page && i.caps.usage == 1;
  }
  bool Present(const SimInterface& i) const { return plugged || !OfMouse(i); }

  // Index into `interfaces` of the present interface with this path.
  std::optional<std::size_t> Find(const std::u16string& path) const {
    for (std::size_t k = 0; k < interfaces.size(); ++k) {
      if (interfaces[k] && Present(*interfaces[k]) && SamePath(interfaces[k]->path, path)) return k;
    }
    return std::nullopt;
  }
  bool Alive(std::size_t index, std::uint64_t openedIn) const {
    return !OfMouse(*interfaces[index]) || (plugged && openedIn == generation);
  }

  // Lock held.
  void DeliverInput(std::vector<std::uint8_t> report) {
    if (!plugged) return;
    for (auto* queue : readQueues) {
      const auto& target = *interfaces[queue->interfaceIndex];
      if (!IsCollection(target, 0xFF00)) continue;
      auto copy = report;
      copy.resize(target.caps.inputReportLength, 0);
      queue->reports.push_back(std::move(copy));
    }
    world.NotifyLocked();
  }

  // Lock held.
  void TakeEffect(std::span<const std::uint8_t> r) {
    if (r.size() < 4 || r[0] != kFeatureReportId) return;
    switch (r[1]) {
      case 0x10:
        if (r[2] >= 1 && r[2] <= 6) state.functionOf[r[2]] = r[3];
        break;
      case 0x11:
        state.wheel = r[2];
        break;
      case 0x09:
        state.dpiLevel = r[2];
        state.dpiValue = (r[3] >> 4) - 8;
        state.ledMode = r[3] & 0x0F;
        break;
      case 0x20:
        state.exitReceived = true;
        break;
      default:
        break;
    }
  }
};

namespace {

class SimInterfaceSet final : public HidInterfaceSet {
 public:
  SimInterfaceSet(std::shared_ptr<SimMouse::Impl> impl, std::vector<std::optional<std::u16string>> paths)
      : impl_(std::move(impl)), paths_(std::move(paths)) {}
  std::optional<std::u16string> PathAt(int index) override {
    {
      std::lock_guard g(impl_->world.Mutex());
      impl_->indicesAsked.push_back(index);
    }
    if (index < 0 || static_cast<std::size_t>(index) >= paths_.size()) return std::nullopt;
    return paths_[index];
  }

 private:
  std::shared_ptr<SimMouse::Impl> impl_;
  std::vector<std::optional<std::u16string>> paths_;
};

// What every handle shares: the interface it is on and whether it still lives.
class SimHandle {
 public:
  SimHandle(std::shared_ptr<SimMouse::Impl> impl, std::size_t index)
      : impl_(std::move(impl)), index_(index), openedIn_(impl_->generation) {}

 protected:
  bool AliveLocked() const { return impl_->Alive(index_, openedIn_); }
  const SimInterface& Target() const { return *impl_->interfaces[index_]; }

  std::shared_ptr<SimMouse::Impl> impl_;
  std::size_t index_;
  std::uint64_t openedIn_;
};

class SimQuery final : public HidQuery, SimHandle {
 public:
  using SimHandle::SimHandle;
  ~SimQuery() override {
    std::lock_guard g(impl_->world.Mutex());
    ++impl_->counts.queriesClosed;
  }
  std::optional<HidIds> Ids() override {
    std::lock_guard g(impl_->world.Mutex());
    if (!AliveLocked()) return std::nullopt;
    return Target().ids;
  }
  std::optional<HidCaps> Caps() override {
    std::lock_guard g(impl_->world.Mutex());
    if (!AliveLocked()) return std::nullopt;
    return Target().caps;
  }
};

class SimReader final : public HidReader, SimHandle {
 public:
  SimReader(std::shared_ptr<SimMouse::Impl> impl, std::size_t index) : SimHandle(std::move(impl), index) {
    queue_.interfaceIndex = index;
    impl_->readQueues.push_back(&queue_);
  }
  ~SimReader() override {
    std::lock_guard g(impl_->world.Mutex());
    auto& queues = impl_->readQueues;
    queues.erase(std::remove(queues.begin(), queues.end(), &queue_), queues.end());
    ++impl_->counts.readersClosed;
  }
  std::optional<std::size_t> Read(std::span<std::uint8_t> report) override {
    std::unique_lock lock(impl_->world.Mutex());
    ++impl_->counts.reads;
    if (impl_->failingReads.count(Target().path)) return std::nullopt;
    impl_->world.WaitUntil(lock, [this] { return !AliveLocked() || !queue_.reports.empty(); });
    if (!AliveLocked() || queue_.reports.empty()) return std::nullopt;  // unplugged or shut down
    const auto next = std::move(queue_.reports.front());
    queue_.reports.pop_front();
    const std::size_t n = std::min(next.size(), report.size());
    std::copy_n(next.begin(), n, report.begin());
    return n;
  }
  bool DeviceGone() override {
    std::lock_guard g(impl_->world.Mutex());
    return !AliveLocked();
  }

 private:
  SimMouse::Impl::ReadQueue queue_{};
};

class SimWriter final : public HidWriter, SimHandle {
 public:
  using SimHandle::SimHandle;
  ~SimWriter() override {
    std::lock_guard g(impl_->world.Mutex());
    ++impl_->counts.writersClosed;
  }
  bool SendFeature(std::span<const std::uint8_t> report) override {
    std::lock_guard order(impl_->featureOrder);
    std::vector<std::uint8_t> bytes(report.begin(), report.end());
    std::int64_t timeUs = 0;
    decltype(impl_->featureObserver) observer;
    {
      std::lock_guard g(impl_->world.Mutex());
      // The device takes feature reports on its output collection only, and
      // only at the length it announces.
      if (!AliveLocked() || !SimMouse::Impl::IsCollection(Target(), 0xFF01) ||
          report.size() != Target().caps.featureReportLength || report.empty()) {
        return false;
      }
      timeUs = impl_->world.NowUsLocked();
      impl_->features.push_back({bytes, timeUs});
      impl_->TakeEffect(report);
      impl_->world.NotifyLocked();
      observer = impl_->featureObserver;
    }
    if (observer) observer(bytes, timeUs);
    return true;
  }
};

}  // namespace

SimInterface SimMouse::MouseCollection(std::u16string path, std::uint16_t usagePage, std::uint16_t usage,
                                       std::uint16_t inputLength, std::uint16_t featureLength) {
  return {std::move(path), {kVendorId, kProductId}, {usagePage, usage, inputLength, featureLength}};
}

SimInterface SimMouse::OtherDevice(std::u16string path, std::uint16_t vendorId, std::uint16_t productId) {
  return {std::move(path), {vendorId, productId}, {0x0001, 0x0002, 5, 0}};
}

SimMouse::Interfaces SimMouse::StandardInterfaces() {
  const std::u16string guid = u"{4d1e55b2-f16f-11cf-88cb-001111000030}";
  const std::u16string base = u"\\\\?\\hid#vid_18f8&pid_0f99&mi_0";
  return {
      MouseCollection(base + u"0#7&1d5e2a3b&0&0000#" + guid, 0x0001, 0x0002, 8, 0),
      MouseCollection(base + u"1&col01#7&2c4f1b0a&0&0000#" + guid, 0x0001, 0x0006, 9, 0),
      MouseCollection(base + u"1&col02#7&2c4f1b0a&0&0001#" + guid, 0xFF00, 0x0001, kStandardReportLength, 0),
      MouseCollection(base + u"1&col03#7&2c4f1b0a&0&0002#" + guid, 0xFF01, 0x0001, 0, kStandardReportLength),
  };
}

SimMouse::SimMouse(SimWorld& world, Interfaces interfaces)
    : impl_(std::make_shared<Impl>(world, std::move(interfaces))) {}

SimMouse::~SimMouse() = default;

std::unique_ptr<HidInterfaceSet> SimMouse::PresentInterfaces() {
  std::vector<std::optional<std::u16string>> paths;
  {
    std::lock_guard g(impl_->world.Mutex());
    for (const auto& i : impl_->interfaces) {
      if (!i) {
        paths.push_back(std::nullopt);
      } else if (impl_->Present(*i)) {
        paths.push_back(i->path);
      }
    }
  }
  return std::make_unique<SimInterfaceSet>(impl_, std::move(paths));
}

std::unique_ptr<HidQuery> SimMouse::OpenForQuery(const std::u16string& path) {
  std::lock_guard g(impl_->world.Mutex());
  const auto index = impl_->Find(path);
  if (!index) return nullptr;
  ++impl_->counts.queriesOpened;
  return std::make_unique<SimQuery>(impl_, *index);
}

std::unique_ptr<HidReader> SimMouse::OpenForReading(const std::u16string& path) {
  std::lock_guard g(impl_->world.Mutex());
  const auto index = impl_->Find(path);
  if (!index || impl_->failingOpens.count(path)) return nullptr;
  ++impl_->counts.readersOpened;
  return std::make_unique<SimReader>(impl_, *index);
}

std::unique_ptr<HidWriter> SimMouse::OpenForWriting(const std::u16string& path) {
  std::lock_guard g(impl_->world.Mutex());
  const auto index = impl_->Find(path);
  if (!index || impl_->failingOpens.count(path)) return nullptr;
  ++impl_->counts.writersOpened;
  return std::make_unique<SimWriter>(impl_, *index);
}

void SimMouse::WatchArrivalsAndRemovals() {
  std::lock_guard g(impl_->world.Mutex());
  ++impl_->registrations;
}

DeviceNotice SimMouse::ReadNotice(std::uintptr_t event, std::intptr_t data) {
  DeviceNotice notice;
  if (data != 0) notice = *reinterpret_cast<const DeviceNotice*>(data);
  notice.event = event == kDeviceArrival          ? DeviceNotice::Event::Arrival
                 : event == kDeviceRemoveComplete ? DeviceNotice::Event::Removal
                                                  : DeviceNotice::Event::Other;
  return notice;
}

std::pair<std::uintptr_t, std::intptr_t> SimMouse::NoticeMessage(const DeviceNotice& notice) {
  const std::uintptr_t event = notice.event == DeviceNotice::Event::Arrival   ? kDeviceArrival
                               : notice.event == DeviceNotice::Event::Removal ? kDeviceRemoveComplete
                                                                              : 0x0007;  // nodes changed
  return {event, reinterpret_cast<std::intptr_t>(&notice)};
}

bool SimMouse::Press(int physical) {
  std::lock_guard g(impl_->world.Mutex());
  if (physical < 1 || physical > 6 || !impl_->plugged || impl_->state.functionOf[physical] != kSoftware) {
    return false;
  }
  impl_->DeliverInput({kInputReportId, static_cast<std::uint8_t>(0xF0 + physical)});
  return true;
}

bool SimMouse::Release(int physical) {
  std::lock_guard g(impl_->world.Mutex());
  if (physical < 1 || physical > 6 || !impl_->plugged || impl_->state.functionOf[physical] != kSoftware) {
    return false;
  }
  impl_->DeliverInput({kInputReportId, 0x00});
  return true;
}

void SimMouse::InjectInputReport(std::vector<std::uint8_t> report) {
  std::lock_guard g(impl_->world.Mutex());
  impl_->DeliverInput(std::move(report));
}

std::size_t SimMouse::PendingInputReports() const {
  std::lock_guard g(impl_->world.Mutex());
  std::size_t pending = 0;
  for (const auto* queue : impl_->readQueues) pending += queue->reports.size();
  return pending;
}

void SimMouse::SendNotices(DeviceNotice::Event event, NoticeCase spelling) {
  std::vector<DeviceNotice> notices;
  decltype(impl_->noticeObserver) observer;
  {
    std::lock_guard g(impl_->world.Mutex());
    if (impl_->registrations == 0 || !impl_->noticeObserver) return;
    for (const auto& i : impl_->interfaces) {
      if (i && Impl::OfMouse(*i)) notices.push_back({event, true, Spelled(i->path, spelling)});
    }
    observer = impl_->noticeObserver;
  }
  for (const auto& notice : notices) observer(notice);
}

void SimMouse::Unplug(NoticeCase spelling) {
  {
    std::lock_guard g(impl_->world.Mutex());
    if (!impl_->plugged) return;
    impl_->plugged = false;
    ++impl_->generation;
    for (auto* queue : impl_->readQueues) queue->reports.clear();
    impl_->world.NotifyLocked();
  }
  SendNotices(DeviceNotice::Event::Removal, spelling);
}

void SimMouse::Plug(NoticeCase spelling) {
  {
    std::lock_guard g(impl_->world.Mutex());
    if (impl_->plugged) return;
    impl_->plugged = true;
    impl_->world.NotifyLocked();
  }
  SendNotices(DeviceNotice::Event::Arrival, spelling);
}

void SimMouse::FailOpensOf(std::u16string path) {
  std::lock_guard g(impl_->world.Mutex());
  impl_->failingOpens.insert(std::move(path));
}

void SimMouse::FailReadsOf(std::u16string path) {
  std::lock_guard g(impl_->world.Mutex());
  impl_->failingReads.insert(std::move(path));
}

void SimMouse::SetNoticeObserver(std::function<void(const DeviceNotice&)> observer) {
  std::lock_guard g(impl_->world.Mutex());
  impl_->noticeObserver = std::move(observer);
}

void SimMouse::SetFeatureObserver(
    std::function<void(const std::vector<std::uint8_t>&, std::int64_t)> observer) {
  std::lock_guard g(impl_->world.Mutex());
  impl_->featureObserver = std::move(observer);
}

SimMouse::State SimMouse::GetState() const {
  std::lock_guard g(impl_->world.Mutex());
  return impl_->state;
}

std::vector<SimMouse::FeatureReport> SimMouse::FeatureReports() const {
  std::lock_guard g(impl_->world.Mutex());
  return impl_->features;
}

void SimMouse::ClearFeatureReports() {
  std::lock_guard g(impl_->world.Mutex());
  impl_->features.clear();
}

SimMouse::HandleCounts SimMouse::Counts() const {
  std::lock_guard g(impl_->world.Mutex());
  return impl_->counts;
}

std::vector<int> SimMouse::IndicesAsked() const {
  std::lock_guard g(impl_->world.Mutex());
  return impl_->indicesAsked;
}

int SimMouse::Registrations() const {
  std::lock_guard g(impl_->world.Mutex());
  return impl_->registrations;
}

}  // namespace varkel::sim
