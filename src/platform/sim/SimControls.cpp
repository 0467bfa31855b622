#include "platform/sim/SimControls.h"

#include <algorithm>

#include "platform/Messages.h"

namespace varkel::sim {
namespace {

constexpr std::uintptr_t kLineUp = 0;    // SB_LINEUP
constexpr std::uintptr_t kLineDown = 1;  // SB_LINEDOWN
constexpr std::uintptr_t kBackspace = 8;
constexpr std::uintptr_t kFirstPrintable = 0x20;

}  // namespace

// ---- SimNode

SimNode::~SimNode() {
  if (alive_) controls_.Unregister(*this);
}

void SimNode::CreateNode(WindowId parent, const ControlSetup& setup) {
  if (alive_) DestroyNode();
  parent_ = parent;
  setup_ = setup;
  enabled_ = true;
  Reset();
  id_ = controls_.Register(*this);
  alive_ = true;
  if (controls_.onCreateOrDestroy) controls_.onCreateOrDestroy(*this, true);
}

// As on Windows: the children go first, and a focused window gives the
// focus to its parent, hearing WM_KILLFOCUS while it still exists.
void SimNode::DestroyNode() {
  if (!alive_) return;
  for (SimNode* child : controls_.ChildrenOf(id_)) child->DestroyNode();
  if (controls_.Focused() == id_) controls_.Focus(parent_);
  alive_ = false;
  controls_.Unregister(*this);
  if (controls_.onCreateOrDestroy) controls_.onCreateOrDestroy(*this, false);
}

// ---- SimListBox

void SimListBox::Reset() {
  lines_.clear();
  selected_ = -1;
  top_ = 0;
}

void SimListBox::AddLine(std::u16string_view text) {
  if (alive_) lines_.emplace_back(text);
}

// Index -1 appends; an index beyond the end inserts nothing.
void SimListBox::InsertLine(int index, std::u16string_view text) {
  if (!alive_) return;
  if (index == -1) index = LineCount();
  if (index < 0 || index > LineCount()) return;
  lines_.emplace(lines_.begin() + index, text);
  if (selected_ >= index) ++selected_;
}

void SimListBox::DeleteLine(int index) {
  if (!Has(index)) return;
  lines_.erase(lines_.begin() + index);
  if (selected_ == index) selected_ = -1;
  if (selected_ > index) --selected_;
  ScrollTo(top_);
}

std::u16string SimListBox::LineText(int index) const { return Has(index) ? lines_[index] : std::u16string(); }

void SimListBox::SelectLine(int index) {
  if (index == -1) selected_ = -1;
  if (!Has(index)) return;
  selected_ = index;
  if (index < top_) ScrollTo(index);
  if (index >= top_ + VisibleLines()) ScrollTo(index - VisibleLines() + 1);
}

int SimListBox::VisibleLines() const {
  return std::max((setup_.place.bottom - setup_.place.top) / kLineHeight, 1);
}

void SimListBox::ScrollTo(int top) { top_ = std::clamp(top, 0, std::max(LineCount() - VisibleLines(), 0)); }

Rect SimListBox::LineRect(int index) const {
  if (!alive_) return {};
  const std::int32_t y = (index - top_) * kLineHeight;
  return {0, y, setup_.place.right - setup_.place.left, y + kLineHeight};
}

Rect SimListBox::ClientRectOnScreen() const {
  if (!alive_) return {};
  const ScreenPoint origin = controls_.ClientOrigin(parent_);
  const Rect& p = setup_.place;
  return {origin.x + p.left, origin.y + p.top, origin.x + p.right, origin.y + p.bottom};
}

ScreenPoint SimListBox::LineCentreOnScreen(int index) const {
  const Rect list = ClientRectOnScreen();
  const Rect line = LineRect(index);
  return {list.left + (line.left + line.right) / 2, list.top + (line.top + line.bottom) / 2};
}

std::intptr_t SimListBox::OwnHandling(const WindowMessage& message) {
  if (message.id == msg::kVScroll && LowWord(message.wParam) == kLineUp) ScrollTo(top_ - 1);
  if (message.id == msg::kVScroll && LowWord(message.wParam) == kLineDown) ScrollTo(top_ + 1);
  return 0;
}

void SimListBox::UserSelect(int index) {
  if (!Has(index)) return;
  SelectLine(index);
  if ((setup_.style & style::kListNotify) == 0) return;
  const std::uintptr_t command = static_cast<std::uintptr_t>(setup_.controlId & 0xFFFF) |
                                 (static_cast<std::uintptr_t>(kListSelectionChanged) << 16);
  controls_.Deliver({parent_, msg::kCommand, command, static_cast<std::intptr_t>(id_)});
}

// ---- SimEditBox

void SimEditBox::Reset() {
  text_.clear();
  limit_ = kNoLimit;
  allSelected_ = false;
}

// The limit is the typist's, not the program's, as on Windows.
void SimEditBox::SetText(std::u16string_view text) {
  if (!alive_) return;
  text_ = text;
  allSelected_ = false;
}

void SimEditBox::LimitText(int characters) {
  if (alive_) limit_ = characters > 0 ? characters : kNoLimit;
}

std::intptr_t SimEditBox::OwnHandling(const WindowMessage& message) {
  if (message.id != msg::kChar || !enabled_) return 0;
  const std::uintptr_t c = message.wParam;
  if (c != kBackspace && c < kFirstPrintable) return 0;
  if (allSelected_) text_.clear();
  const bool clearedBySelection = allSelected_;
  allSelected_ = false;
  if (c == kBackspace) {
    if (!clearedBySelection && !text_.empty()) text_.pop_back();
  } else if (static_cast<int>(text_.size()) < limit_) {
    text_.push_back(static_cast<char16_t>(c));
  }
  return 0;
}

// ---- SimControls

std::unique_ptr<ListBoxWindow> SimControls::MakeListBox(WindowClass* handler) {
  return std::make_unique<SimListBox>(*this, handler);
}

std::unique_ptr<EditBoxWindow> SimControls::MakeEditBox(WindowClass* handler) {
  return std::make_unique<SimEditBox>(*this, handler);
}

void SimControls::AddTopLevel(WindowId window, WindowClass& windowClass, ScreenPoint clientOrigin) {
  topLevel_[window] = {&windowClass, clientOrigin};
}

WindowId SimControls::Register(SimNode& node) {
  const WindowId id = nextId_++;
  live_[id] = &node;
  return id;
}

void SimControls::Unregister(SimNode& node) {
  std::erase_if(live_, [&node](const auto& entry) { return entry.second == &node; });
}

std::vector<SimNode*> SimControls::ChildrenOf(WindowId parent) const {
  std::vector<SimNode*> children;
  for (const auto& [id, node] : live_) {
    if (node->Parent() == parent) children.push_back(node);
  }
  return children;
}

SimNode* SimControls::Live(WindowId window) const {
  const auto found = live_.find(window);
  return found == live_.end() ? nullptr : found->second;
}

template <class Control>
Control* SimControls::Find(int controlId) const {
  Control* newest = nullptr;
  for (const auto& [id, node] : live_) {
    auto* control = dynamic_cast<Control*>(node);
    if (control && node->Setup().controlId == controlId) newest = control;
  }
  return newest;
}

SimListBox* SimControls::FindListBox(int controlId) const { return Find<SimListBox>(controlId); }
SimEditBox* SimControls::FindEditBox(int controlId) const { return Find<SimEditBox>(controlId); }

void SimControls::Focus(WindowId window) {
  if (window == focused_) return;
  const WindowId old = focused_;
  focused_ = window;
  if (Live(old)) Deliver({old, msg::kKillFocus, window, 0});
  if (Live(window) && focused_ == window) Deliver({window, msg::kSetFocus, old, 0});
}

void SimControls::TypeText(std::u16string_view text) {
  for (char16_t c : text) Deliver({focused_, msg::kChar, c, 0});
}

std::intptr_t SimControls::Deliver(const WindowMessage& message) {
  if (const auto top = topLevel_.find(message.target); top != topLevel_.end()) {
    return top->second.windowClass->OnMessage(message).value_or(0);
  }
  SimNode* node = Live(message.target);
  if (!node) return 0;
  if (WindowClass* handler = node->Handler()) {
    if (const MessageResult answer = handler->OnMessage(message)) return *answer;
  }
  // Its class may have destroyed it.
  node = Live(message.target);
  return node ? node->OwnHandling(message) : 0;
}

ScreenPoint SimControls::ClientOrigin(WindowId window) const {
  if (const auto top = topLevel_.find(window); top != topLevel_.end()) return top->second.clientOrigin;
  const SimNode* node = Live(window);
  if (!node) return {};
  const ScreenPoint parent = ClientOrigin(node->Parent());
  return {parent.x + node->Setup().place.left, parent.y + node->Setup().place.top};
}

}  // namespace varkel::sim
