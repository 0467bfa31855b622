#pragma once
// A window as the portable window classes see it, and the class side of a
// window: the platform forwards every message of the window to its class
// and does nothing else of its own.
#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>

#include "platform/Canvas.h"
#include "platform/Region.h"

namespace varkel {

struct MenuItemDrawing;

// Opaque identity of a window on the platform; 0 is no window.
using WindowId = std::uintptr_t;

struct WindowMessage {
  WindowId target = 0;  // the window the message is for
  std::uint32_t id = 0;
  std::uintptr_t wParam = 0;
  std::intptr_t lParam = 0;
};

inline std::uint16_t LowWord(std::uintptr_t value) { return static_cast<std::uint16_t>(value & 0xFFFF); }
inline std::uint16_t HighWord(std::uintptr_t value) { return static_cast<std::uint16_t>((value >> 16) & 0xFFFF); }

// The system's show commands, by their numbers.
enum class ShowCommand : int { Hide = 0, Show = 5, Minimize = 6, Restore = 9 };

// What a window class asks of its own window.
class Window {
 public:
  virtual ~Window() = default;
  virtual WindowId Id() const = 0;
  virtual void SetTitle(std::u16string_view title) = 0;
  // The big icon of the title bar and the task switcher, from the icon resource.
  virtual void SetLargeIcon(int iconId) = 0;
  // A separator, then an item sending command `commandId` with the text of
  // string resource `stringId`, at the end of the window's system menu.
  // Nothing when the window has no system menu or the string is missing or
  // empty.
  virtual void AddSystemMenuItem(int commandId, int stringId) = 0;
  virtual void Show(ShowCommand command) = 0;
  // Destroys the window; a modal run of it ends.
  virtual void Destroy() = 0;
  // Ends a modal run with this result; the window is destroyed after.
  virtual void EndModal(int result) = 0;

  // Child controls of the template, by their ids.
  virtual void SetItemText(int itemId, std::u16string_view text) = 0;
  virtual bool IsItemChecked(int itemId) = 0;

  // From now on a timer message (wParam timerId) every intervalMs.
  virtual void StartTimer(int timerId, int intervalMs) = 0;

  // Repaint requests from the window's own thread: the whole client area, or
  // only the pixels of `area`. (Other threads ask through RepaintRequests.)
  virtual void Invalidate() = 0;
  virtual void InvalidateRegion(const Region& area) = 0;
  // Paints what is invalid now, before returning.
  virtual void UpdateNow() = 0;
  // Queues a message for the window, handled after the current one.
  virtual void Post(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) = 0;
  virtual bool IsMinimized() const = 0;

  // Only while handling the paint message: `draw` composes the picture on an
  // off-screen canvas of `size`; when it answers true the canvas reaches the
  // window in one copy, else the window keeps what it showed.
  virtual void Paint(Extent size, const std::function<bool(Canvas&)>& draw) = 0;
};

// Handled messages give the value the window answers; nullopt hands the
// message to the platform's default handling.
using MessageResult = std::optional<std::intptr_t>;

// The portable side of a window.
class WindowClass {
 public:
  virtual ~WindowClass() = default;

  virtual MessageResult OnMessage(const WindowMessage& message) = 0;

  // Sees each message the window's loop takes from the queue before it is
  // dispatched (keyboard and child-window messages included); true swallows it.
  virtual bool PreTranslate(const WindowMessage&) { return false; }

  // Owner-drawn items of the menus the window opens: the size of the item
  // with this item data, and its drawing on the item's canvas. Nothing
  // (false) for an item the class does not draw.
  virtual std::optional<Extent> MeasureMenuItem(std::uintptr_t) const { return std::nullopt; }
  virtual bool DrawMenuItem(Canvas&, const MenuItemDrawing&) const { return false; }

  // Set by the platform from just before the first message to the
  // window's destruction; null while the class has no window.
  void Attach(Window* window) { window_ = window; }
  Window* AttachedWindow() const { return window_; }

 protected:
  Window* window_ = nullptr;
};

}  // namespace varkel
