#pragma once
// A window of the simulated platform: it keeps what its class asked of it.
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/Window.h"
#include "platform/portable/RasterCanvas.h"

namespace varkel::sim {

class SimWindow final : public Window {
 public:
  explicit SimWindow(WindowId id = 1) : id_(id) {}

  WindowId Id() const override { return id_; }
  void SetTitle(std::u16string_view title) override { title_ = title; }
  void SetLargeIcon(int iconId) override { largeIcon_ = iconId; }
  void Show(ShowCommand command) override { shows_.push_back(command); }
  void Destroy() override { destroyed_ = true; }
  void EndModal(int result) override {
    modalResult_ = result;
    modalEnded_ = true;
  }

  void SetItemText(int itemId, std::u16string_view text) override { itemTexts_[itemId] = text; }
  bool IsItemChecked(int itemId) override { return checked_.count(itemId) != 0; }
  void StartTimer(int timerId, int intervalMs) override { timers_[timerId] = intervalMs; }

  // Repaint requests are kept in order: a whole-window request as an empty
  // optional, a region request with its region.
  void Invalidate() override { invalidations_.emplace_back(); }
  void InvalidateRegion(const Region& area) override { invalidations_.emplace_back(area); }
  void UpdateNow() override { ++updates_; }
  void Post(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) override {
    posted_.push_back({id_, message, wParam, lParam});
  }
  bool IsMinimized() const override { return minimized_; }
  // Draws on the canvas given by PaintOn, else on a fresh raster canvas.
  void Paint(Extent size, const std::function<bool(Canvas&)>& draw) override {
    if (paintCanvas_) {
      presented_ = draw(*paintCanvas_);
      return;
    }
    RasterCanvas raster(size);
    presented_ = draw(raster);
    if (presented_) lastPicture_ = raster.Pixels();
  }

  void SetMinimized(bool minimized) { minimized_ = minimized; }
  void PaintOn(Canvas* canvas) { paintCanvas_ = canvas; }

  // What the person did to the controls.
  void SetItemChecked(int itemId, bool checked) {
    if (checked)
      checked_.insert(itemId);
    else
      checked_.erase(itemId);
  }

  const std::u16string& Title() const { return title_; }
  std::u16string ItemText(int itemId) const {
    const auto found = itemTexts_.find(itemId);
    return found == itemTexts_.end() ? std::u16string() : found->second;
  }
  const std::map<int, int>& Timers() const { return timers_; }
  int LargeIcon() const { return largeIcon_; }
  const std::vector<ShowCommand>& Shows() const { return shows_; }
  bool Destroyed() const { return destroyed_; }
  bool ModalEnded() const { return modalEnded_; }
  int ModalResult() const { return modalResult_; }
  const std::vector<std::optional<Region>>& Invalidations() const { return invalidations_; }
  void ForgetInvalidations() {
    invalidations_.clear();
    updates_ = 0;
  }
  int Updates() const { return updates_; }
  const std::vector<WindowMessage>& Posted() const { return posted_; }
  // Whether the last paint reached the window, and (on the raster) what it showed.
  bool Presented() const { return presented_; }
  const Bitmap& LastPicture() const { return lastPicture_; }

 private:
  WindowId id_;
  std::u16string title_;
  int largeIcon_ = 0;
  std::vector<ShowCommand> shows_;
  bool destroyed_ = false;
  bool modalEnded_ = false;
  int modalResult_ = 0;
  std::map<int, std::u16string> itemTexts_;
  std::set<int> checked_;
  std::map<int, int> timers_;
  std::vector<std::optional<Region>> invalidations_;
  int updates_ = 0;
  std::vector<WindowMessage> posted_;
  bool minimized_ = false;
  Canvas* paintCanvas_ = nullptr;
  bool presented_ = false;
  Bitmap lastPicture_;
};

}  // namespace varkel::sim
