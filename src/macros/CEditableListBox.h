#pragma once
// A list box whose selected line can be edited in place. The edit opens on a
// character of code 1 (what the modify-delay command sends, and Ctrl+A);
// when it ends the list's parent hears WM_INPLACE_DONE, kept or dropped.
#include <memory>

#include "macros/CEditHelper.h"
#include "platform/Controls.h"
#include "platform/MessageMap.h"

namespace varkel {

// From the list to its parent: an in-place edit has ended.
constexpr std::uint32_t WM_INPLACE_DONE = 0x040A;

class CEditableListBox final : public WindowClass {
 public:
  explicit CEditableListBox(ControlFactory& controls);
  ~CEditableListBox() override;
  CEditableListBox(const CEditableListBox&) = delete;
  CEditableListBox& operator=(const CEditableListBox&) = delete;

  ListBoxWindow& List() { return *list_; }
  const ListBoxWindow& List() const { return *list_; }
  // The editor's box; its window exists only while an edit is open.
  const EditBoxWindow& Editor() const { return editor_.Box(); }

  void Create(WindowId parent, const ControlSetup& setup) { list_->Create(parent, setup); }
  // An open edit ends first, keeping its text, so what was typed is not lost
  // with the page.
  void Destroy();

  MessageResult OnMessage(const WindowMessage& message) override;

  // Opens the editor on the selected line when the last character was code 1.
  void BeginEdit();
  void EndEdit(bool keep);

  int EditIndex() const { return editIndex_; }

 private:
  MessageResult OnChar(const WindowMessage& message);
  MessageResult OnInplaceEnd(const WindowMessage& message);
  MessageResult OnScroll(const WindowMessage& message);
  MessageResult OnSize(const WindowMessage& message);
  void CloseEditor();

  static const MessageMapEntry<CEditableListBox> kMessageMap[];

  std::unique_ptr<ListBoxWindow> list_;
  CEditHelper editor_;
  int editIndex_ = -1;
  int pendingChar_ = 0;
  // The editor is being destroyed: its last focus loss must not end the edit again.
  bool closing_ = false;
};

}  // namespace varkel
