#include "platform/win32/dialog/DialogWindow.h"

#include "platform/Menus.h"
#include "platform/win32/WideText.h"
#include "platform/win32/Win32Canvas.h"
#include "platform/win32/Win32Region.h"

namespace varkel::win32 {
namespace {

// Messages whose answer is the dialog procedure's own return value rather
// than the DWLP_MSGRESULT slot.
bool AnswersDirectly(UINT message) {
  switch (message) {
    case WM_INITDIALOG:
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_QUERYDRAGICON:
      return true;
    default:
      return false;
  }
}

}  // namespace

DialogWindow::DialogWindow(HINSTANCE instance, WindowClass& windowClass)
    : instance_(instance), windowClass_(windowClass) {}

DialogWindow::~DialogWindow() {
  if (hwnd_) DestroyWindow(hwnd_);
}

bool DialogWindow::Create(int templateId, HWND owner) {
  return CreateDialogParamW(instance_, MAKEINTRESOURCEW(templateId), owner, &DialogWindow::DialogProc,
                            reinterpret_cast<LPARAM>(this)) != nullptr;
}

DialogWindow* DialogWindow::FromHandle(HWND hwnd) {
  if (!hwnd) return nullptr;
  HWND root = GetAncestor(hwnd, GA_ROOT);
  if (!root || GetWindowLongPtrW(root, DWLP_DLGPROC) != reinterpret_cast<LONG_PTR>(&DialogWindow::DialogProc))
    return nullptr;
  return reinterpret_cast<DialogWindow*>(GetWindowLongPtrW(root, DWLP_USER));
}

INT_PTR CALLBACK DialogWindow::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    auto* window = reinterpret_cast<DialogWindow*>(lParam);
    window->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, DWLP_USER, lParam);
    window->windowClass_.Attach(window);
  }
  auto* window = reinterpret_cast<DialogWindow*>(GetWindowLongPtrW(hwnd, DWLP_USER));
  if (!window) return FALSE;  // messages before WM_INITDIALOG
  return window->Forward(message, wParam, lParam);
}

INT_PTR DialogWindow::Forward(UINT message, WPARAM wParam, LPARAM lParam) {
  HWND hwnd = hwnd_;
  if (message == WM_MEASUREITEM && MeasureMenuItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam))) return TRUE;
  if (message == WM_DRAWITEM && DrawMenuItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))) return TRUE;
  const MessageResult result = windowClass_.OnMessage(
      {reinterpret_cast<WindowId>(hwnd), message, static_cast<std::uintptr_t>(wParam),
       static_cast<std::intptr_t>(lParam)});
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(hwnd, DWLP_USER, 0);
    windowClass_.Attach(nullptr);
    hwnd_ = nullptr;
    // The window's own thread is the loop's thread.
    if (wakesLoop_) PostMessageW(nullptr, WM_NULL, 0, 0);
    if (ownsItself_) delete this;
    return FALSE;
  }
  if (!result) return FALSE;
  if (AnswersDirectly(message)) return static_cast<INT_PTR>(*result);
  SetWindowLongPtrW(hwnd, DWLP_MSGRESULT, static_cast<LONG_PTR>(*result));
  return TRUE;
}

bool DialogWindow::MeasureMenuItem(MEASUREITEMSTRUCT& item) const {
  if (item.CtlType != ODT_MENU) return false;
  const std::optional<Extent> size = windowClass_.MeasureMenuItem(item.itemData);
  if (!size) return false;
  item.itemWidth = static_cast<UINT>(size->width);
  item.itemHeight = static_cast<UINT>(size->height);
  return true;
}

bool DialogWindow::DrawMenuItem(const DRAWITEMSTRUCT& item) const {
  if (item.CtlType != ODT_MENU) return false;
  const RECT& r = item.rcItem;
  GdiCanvas canvas(GdiCanvas::Borrowed{}, item.hDC, {r.right, r.bottom});
  const MenuItemDrawing drawing{item.itemData, {r.left, r.top, r.right, r.bottom}, (item.itemState & ODS_SELECTED) != 0};
  return windowClass_.DrawMenuItem(canvas, drawing);
}

void DialogWindow::SetTitle(std::u16string_view title) { SetWindowTextW(hwnd_, ToWide(title).c_str()); }

void DialogWindow::SetLargeIcon(int iconId) {
  HICON icon = LoadIconW(instance_, MAKEINTRESOURCEW(iconId));
  SendMessageW(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
}

void DialogWindow::AddSystemMenuItem(int commandId, int stringId) {
  HMENU menu = GetSystemMenu(hwnd_, FALSE);
  if (!menu) return;
  wchar_t text[256] = {};
  if (LoadStringW(instance_, static_cast<UINT>(stringId), text, 256) <= 0 || text[0] == L'\0') return;
  AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(menu, MF_STRING, static_cast<UINT_PTR>(commandId), text);
}

void DialogWindow::Show(ShowCommand command) { ShowWindow(hwnd_, static_cast<int>(command)); }

void DialogWindow::Destroy() {
  if (hwnd_) DestroyWindow(hwnd_);
}

void DialogWindow::EndModal(int result) {
  modalResult_ = result;
  modalEnded_ = true;
  PostMessageW(hwnd_, WM_NULL, 0, 0);  // wakes the modal loop
}

void DialogWindow::SetItemText(int itemId, std::u16string_view text) {
  SetDlgItemTextW(hwnd_, itemId, ToWide(text).c_str());
}

bool DialogWindow::IsItemChecked(int itemId) { return IsDlgButtonChecked(hwnd_, itemId) == BST_CHECKED; }

void DialogWindow::StartTimer(int timerId, int intervalMs) {
  SetTimer(hwnd_, static_cast<UINT_PTR>(timerId), static_cast<UINT>(intervalMs), nullptr);
}

void DialogWindow::Invalidate() { InvalidateRect(hwnd_, nullptr, TRUE); }

void DialogWindow::InvalidateRegion(const Region& area) {
  HRGN region = CreateRegionHandle(area);
  if (!region) return;
  InvalidateRgn(hwnd_, region, TRUE);
  DeleteObject(region);
}

void DialogWindow::UpdateNow() { UpdateWindow(hwnd_); }

void DialogWindow::Post(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) {
  PostMessageW(hwnd_, message, static_cast<WPARAM>(wParam), static_cast<LPARAM>(lParam));
}

bool DialogWindow::IsMinimized() const { return IsIconic(hwnd_) != FALSE; }

void DialogWindow::Paint(Extent size, const std::function<bool(Canvas&)>& draw) {
  PAINTSTRUCT paint;
  HDC target = BeginPaint(hwnd_, &paint);
  if (target) {
    const auto icon = reinterpret_cast<HICON>(SendMessageW(hwnd_, WM_GETICON, ICON_BIG, 0));
    GdiCanvas canvas(target, size, icon);
    if (draw(canvas)) canvas.CopyTo(target);
  }
  EndPaint(hwnd_, &paint);
}

}  // namespace varkel::win32
