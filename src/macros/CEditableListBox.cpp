#include "macros/CEditableListBox.h"

namespace varkel {
namespace {

constexpr int kOpenEditorChar = 1;
constexpr int kEditorId = 1;
constexpr std::int32_t kEditorOverhang = 2;  // pixels above and below the line
constexpr std::uint32_t kEditorStyle =
    style::kChild | style::kVisible | style::kBorder | style::kEditAutoHorizontal;

}  // namespace

const MessageMapEntry<CEditableListBox> CEditableListBox::kMessageMap[] = {
    OnMessageEntry(msg::kChar, &CEditableListBox::OnChar),
    OnMessageEntry(WM_INPLACE_END, &CEditableListBox::OnInplaceEnd),
    OnMessageEntry(msg::kHScroll, &CEditableListBox::OnScroll),
    OnMessageEntry(msg::kVScroll, &CEditableListBox::OnScroll),
    OnMessageEntry(msg::kSize, &CEditableListBox::OnSize),
};

CEditableListBox::CEditableListBox(ControlFactory& controls)
    : list_(controls.MakeListBox(this)), editor_(controls) {}

CEditableListBox::~CEditableListBox() { CloseEditor(); }

void CEditableListBox::Destroy() {
  EndEdit(true);
  list_->Destroy();
}

MessageResult CEditableListBox::OnMessage(const WindowMessage& message) {
  return RouteMessage<CEditableListBox>(*this, kMessageMap, message);
}

MessageResult CEditableListBox::OnChar(const WindowMessage& message) {
  pendingChar_ = static_cast<int>(message.wParam);
  BeginEdit();
  return std::nullopt;
}

MessageResult CEditableListBox::OnInplaceEnd(const WindowMessage& message) {
  EndEdit(message.wParam != 0);
  return 0;
}

// The edit ends before the list scrolls away from it.
MessageResult CEditableListBox::OnScroll(const WindowMessage&) {
  EndEdit(true);
  return std::nullopt;
}

MessageResult CEditableListBox::OnSize(const WindowMessage& message) {
  const std::intptr_t answer = list_->CallDefault(message);
  EndEdit(true);
  return answer;
}

void CEditableListBox::BeginEdit() {
  if (pendingChar_ != kOpenEditorChar) return;
  pendingChar_ = 0;
  const int line = list_->SelectedLine();
  // Nothing to edit, or an edit already open: the open one stays.
  if (line < 0 || editor_.Box().Exists()) return;

  Rect place = list_->LineRect(line);
  place.top -= kEditorOverhang;
  place.bottom += kEditorOverhang;
  EditBoxWindow& box = editor_.Box();
  box.Create(list_->Id(), {kEditorId, kEditorStyle, style::kExClientEdge, place});
  box.UseFontOf(*list_);
  box.SetText(list_->LineText(line));
  box.SelectAllText();
  box.Focus();
  editIndex_ = line;
}

void CEditableListBox::EndEdit(bool keep) {
  if (!editor_.Box().Exists() || closing_) return;
  if (keep && editIndex_ != -1) {
    const std::u16string typed = editor_.Box().Text();
    if (list_->LineText(editIndex_) != typed) {
      list_->DeleteLine(editIndex_);
      list_->InsertLine(editIndex_, typed);
      list_->SelectLine(editIndex_);
    }
  }
  CloseEditor();
  list_->SendToParent(WM_INPLACE_DONE, 0, 0);
}

void CEditableListBox::CloseEditor() {
  editIndex_ = -1;
  closing_ = true;
  editor_.Box().Destroy();
  closing_ = false;
}

}  // namespace varkel
