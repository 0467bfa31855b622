#pragma once
// List boxes and edit boxes of the simulated platform, and the keyboard focus
// among them. A harness (or a test) registers the top-level windows that own
// them, then acts as a person would: types into the focused control, moves
// the focus, selects a line, scrolls, puts the pointer somewhere; and reads
// every control back.
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/Controls.h"

namespace varkel::sim {

class SimControls;

// What the simulated platform keeps of one control's window.
class SimNode {
 public:
  SimNode(SimControls& controls, WindowClass* handler) : controls_(controls), handler_(handler) {}
  virtual ~SimNode();
  SimNode(const SimNode&) = delete;
  SimNode& operator=(const SimNode&) = delete;

  bool Alive() const { return alive_; }
  WindowId NodeId() const { return alive_ ? id_ : 0; }
  WindowId Parent() const { return parent_; }
  const ControlSetup& Setup() const { return setup_; }
  bool Enabled() const { return alive_ && enabled_; }
  WindowClass* Handler() const { return handler_; }

  // The control's own handling of a message its class left to it.
  virtual std::intptr_t OwnHandling(const WindowMessage& message) = 0;

 protected:
  void CreateNode(WindowId parent, const ControlSetup& setup);
  void DestroyNode();
  // A new window starts empty.
  virtual void Reset() = 0;
  // For the final classes' destructors, while their own handling still
  // exists: the window goes, and the class (gone or going) hears nothing.
  void Release() {
    handler_ = nullptr;
    DestroyNode();
  }

  SimControls& controls_;
  WindowClass* handler_;
  bool alive_ = false;
  bool enabled_ = true;
  WindowId id_ = 0;
  WindowId parent_ = 0;
  ControlSetup setup_;
};

// The operations every control has, over a SimNode.
template <class Interface>
class SimControl : public Interface, public SimNode {
 public:
  using SimNode::SimNode;

  void Create(WindowId parent, const ControlSetup& setup) override { CreateNode(parent, setup); }
  void Destroy() override { DestroyNode(); }
  bool Exists() const override { return alive_; }
  WindowId Id() const override { return NodeId(); }
  void Focus() override;
  void Enable(bool enabled) override {
    if (alive_) enabled_ = enabled;
  }
  bool IsEnabled() const override { return Enabled(); }
  void UseFontOf(const ControlWindow&) override {}
  std::intptr_t Send(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) override;
  std::intptr_t SendToParent(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) override;
  std::intptr_t CallDefault(const WindowMessage& message) override { return alive_ ? OwnHandling(message) : 0; }
};

class SimListBox final : public SimControl<ListBoxWindow> {
 public:
  static constexpr int kLineHeight = 16;
  using SimControl::SimControl;
  ~SimListBox() override { Release(); }

  int LineCount() const override { return alive_ ? static_cast<int>(lines_.size()) : 0; }
  void AddLine(std::u16string_view text) override;
  void InsertLine(int index, std::u16string_view text) override;
  void DeleteLine(int index) override;
  std::u16string LineText(int index) const override;
  void SelectLine(int index) override;
  int SelectedLine() const override { return alive_ ? selected_ : -1; }
  int TopLine() const override { return alive_ ? top_ : 0; }
  int LineHeight() const override { return alive_ ? kLineHeight : 0; }
  Rect LineRect(int index) const override;
  Rect ClientRectOnScreen() const override;

  std::intptr_t OwnHandling(const WindowMessage& message) override;

  // A person selecting a line: the selection and, with the notify style,
  // the selection-change notification to the parent.
  void UserSelect(int index);
  const std::vector<std::u16string>& Lines() const { return lines_; }
  // The centre of a line on the screen, wherever the list is scrolled.
  ScreenPoint LineCentreOnScreen(int index) const;

 private:
  void Reset() override;
  bool Has(int index) const { return index >= 0 && index < LineCount(); }
  int VisibleLines() const;
  void ScrollTo(int top);

  std::vector<std::u16string> lines_;
  int selected_ = -1;
  int top_ = 0;
};

class SimEditBox final : public SimControl<EditBoxWindow> {
 public:
  using SimControl::SimControl;
  ~SimEditBox() override { Release(); }

  std::u16string Text() const override { return alive_ ? text_ : std::u16string(); }
  void SetText(std::u16string_view text) override;
  void LimitText(int characters) override;
  void SelectAllText() override { allSelected_ = alive_; }

  // Typed characters replace a whole selection, stop at the limit, and
  // backspace takes the last one; a disabled box takes none.
  std::intptr_t OwnHandling(const WindowMessage& message) override;

  bool AllSelected() const { return allSelected_; }
  int Limit() const { return limit_; }

 private:
  void Reset() override;

  std::u16string text_;
  int limit_ = kNoLimit;
  bool allSelected_ = false;
  static constexpr int kNoLimit = 0x7FFFFFFE;
};

class SimControls final : public ControlFactory {
 public:
  std::unique_ptr<ListBoxWindow> MakeListBox(WindowClass* handler) override;
  std::unique_ptr<EditBoxWindow> MakeEditBox(WindowClass* handler) override;
  ScreenPoint PointerOnScreen() override { return pointer_; }

  // A window the controls may belong to, with its class (which hears their
  // notifications) and where its client area lies on the screen.
  void AddTopLevel(WindowId window, WindowClass& windowClass, ScreenPoint clientOrigin = {});
  void SetPointer(ScreenPoint pointer) { pointer_ = pointer; }

  // The live control with this control id (the newest, if several), or null.
  SimListBox* FindListBox(int controlId) const;
  SimEditBox* FindEditBox(int controlId) const;

  WindowId Focused() const { return focused_; }
  // The focus moves: the control losing it hears WM_KILLFOCUS, the one
  // getting it WM_SETFOCUS.
  void Focus(WindowId window);
  // Each character as WM_CHAR to the focused window.
  void TypeText(std::u16string_view text);

  // A message handled as the platform would: a control's class first, then
  // its own handling; a top-level window's class. 0 for a window that is gone.
  std::intptr_t Deliver(const WindowMessage& message);
  // Where the window's client area's top-left corner is on the screen.
  ScreenPoint ClientOrigin(WindowId window) const;

  // Told of every control window made and destroyed.
  std::function<void(const SimNode&, bool created)> onCreateOrDestroy;

  // For SimNode.
  WindowId Register(SimNode& node);
  void Unregister(SimNode& node);
  std::vector<SimNode*> ChildrenOf(WindowId parent) const;

 private:
  struct TopLevel {
    WindowClass* windowClass;
    ScreenPoint clientOrigin;
  };
  SimNode* Live(WindowId window) const;
  template <class Control>
  Control* Find(int controlId) const;

  std::map<WindowId, SimNode*> live_;
  std::map<WindowId, TopLevel> topLevel_;
  WindowId nextId_ = 0x1000;
  WindowId focused_ = 0;
  ScreenPoint pointer_;
};

template <class Interface>
void SimControl<Interface>::Focus() {
  if (alive_) controls_.Focus(id_);
}

template <class Interface>
std::intptr_t SimControl<Interface>::Send(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) {
  return alive_ ? controls_.Deliver({id_, message, wParam, lParam}) : 0;
}

template <class Interface>
std::intptr_t SimControl<Interface>::SendToParent(std::uint32_t message, std::uintptr_t wParam,
                                                  std::intptr_t lParam) {
  return alive_ ? controls_.Deliver({parent_, message, wParam, lParam}) : 0;
}

}  // namespace varkel::sim
