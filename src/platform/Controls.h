#pragma once
// Child controls of a window: list boxes and edit boxes. A control object is
// made once and its window is created and destroyed as often as its page
// comes and goes; without a window every operation does nothing and reads
// give empty answers. Each control may have a portable class that sees its
// messages before the control's own handling, as a window class does.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "platform/Geometry.h"
#include "platform/Window.h"

namespace varkel {

// Window styles as the system numbers them.
namespace style {
inline constexpr std::uint32_t kChild = 0x40000000;
inline constexpr std::uint32_t kVisible = 0x10000000;
inline constexpr std::uint32_t kBorder = 0x00800000;
inline constexpr std::uint32_t kVerticalScroll = 0x00200000;
inline constexpr std::uint32_t kEditCentre = 0x0001;          // ES_CENTER
inline constexpr std::uint32_t kEditAutoHorizontal = 0x0080;  // ES_AUTOHSCROLL
inline constexpr std::uint32_t kEditWantReturn = 0x1000;      // ES_WANTRETURN
inline constexpr std::uint32_t kListNotify = 0x0001;          // LBS_NOTIFY
inline constexpr std::uint32_t kExClientEdge = 0x00000200;    // WS_EX_CLIENTEDGE
}  // namespace style

// The list box's notification that the user selected another line
// (the high word of a WM_COMMAND's wParam).
inline constexpr std::uint16_t kListSelectionChanged = 1;

struct ControlSetup {
  int controlId = 0;
  std::uint32_t style = 0;
  std::uint32_t extendedStyle = 0;
  Rect place;  // in the parent's client pixels
};

class ControlWindow {
 public:
  virtual ~ControlWindow() = default;  // destroys the window

  virtual void Create(WindowId parent, const ControlSetup& setup) = 0;
  virtual void Destroy() = 0;
  virtual bool Exists() const = 0;
  virtual WindowId Id() const = 0;

  virtual void Focus() = 0;
  virtual void Enable(bool enabled) = 0;
  virtual bool IsEnabled() const = 0;
  virtual void UseFontOf(const ControlWindow& other) = 0;

  // Sends a message to the control (its class first) or to its parent, and
  // returns the answer once it is handled.
  virtual std::intptr_t Send(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) = 0;
  virtual std::intptr_t SendToParent(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) = 0;
  // The control's own handling of a message its class is handling.
  virtual std::intptr_t CallDefault(const WindowMessage& message) = 0;
};

// An unsorted, single-selection list of text lines.
class ListBoxWindow : public ControlWindow {
 public:
  virtual int LineCount() const = 0;
  virtual void AddLine(std::u16string_view text) = 0;
  virtual void InsertLine(int index, std::u16string_view text) = 0;
  virtual void DeleteLine(int index) = 0;
  virtual std::u16string LineText(int index) const = 0;
  // -1 removes the selection; another index outside the lines changes
  // nothing. The line is scrolled into view.
  virtual void SelectLine(int index) = 0;
  virtual int SelectedLine() const = 0;  // -1 when none
  virtual int TopLine() const = 0;       // the vertical scroll position
  virtual int LineHeight() const = 0;
  virtual Rect LineRect(int index) const = 0;  // in the list's client pixels
  virtual Rect ClientRectOnScreen() const = 0;
};

// A single-line edit box.
class EditBoxWindow : public ControlWindow {
 public:
  virtual std::u16string Text() const = 0;
  virtual void SetText(std::u16string_view text) = 0;
  // The user cannot type more than this many characters.
  virtual void LimitText(int characters) = 0;
  virtual void SelectAllText() = 0;
};

class ControlFactory {
 public:
  virtual ~ControlFactory() = default;
  // handler (may be null) sees the control's messages first and must outlive it.
  virtual std::unique_ptr<ListBoxWindow> MakeListBox(WindowClass* handler) = 0;
  virtual std::unique_ptr<EditBoxWindow> MakeEditBox(WindowClass* handler) = 0;
  // Where the pointer is, in screen pixels.
  virtual ScreenPoint PointerOnScreen() = 0;
};

}  // namespace varkel
