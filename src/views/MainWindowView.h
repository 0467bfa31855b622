#pragma once
// The main window's views: its paint, and what the pointer does over it. The
// window class forwards its paint and pointer messages here.
#include <array>
#include <cstdint>

#include "platform/Window.h"
#include "views/ViewContext.h"

namespace varkel {

class MainWindowView {
 public:
  explicit MainWindowView(ViewContext& ctx) : ctx_(ctx) {}
  MainWindowView(const MainWindowView&) = delete;
  MainWindowView& operator=(const MainWindowView&) = delete;

  // The paint message: the whole picture, whatever part was invalid.
  void Paint(Window& window);

  // Pointer messages, at client point (x, y).
  void OnMouseMove(Window& window, std::int32_t x, std::int32_t y);
  void OnLeftButtonDown(Window& window, std::int32_t x, std::int32_t y);
  void OnLeftButtonUp(Window& window, std::int32_t x, std::int32_t y);

  // Page switching as the tabs do it, with its repaints and its threads.
  void ShowPage(Window& window, Page page);

  ViewContext& Context() { return ctx_; }

 private:
  // Each hover index's value at the last move, to see it change.
  std::array<int, 3> previousHover_{kNoElement, kNoElement, kNoElement};
  ViewContext& ctx_;
};

// The caption press that lets the platform move the window with the pointer.
void DragWindow(Window& window, std::int32_t x, std::int32_t y);

}  // namespace varkel
