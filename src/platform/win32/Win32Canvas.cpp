#include "platform/win32/Win32Canvas.h"

#include "platform/CopyClip.h"
#include "platform/win32/WideText.h"
#include "platform/win32/Win32Images.h"

namespace varkel::win32 {
namespace {

const Win32Picture* AsWin32(const Picture& picture) { return dynamic_cast<const Win32Picture*>(&picture); }

COLORREF ColourRef(Rgb colour) { return RGB(colour.r, colour.g, colour.b); }

RECT ToRect(const Rect& rect) { return {rect.left, rect.top, rect.right, rect.bottom}; }

}  // namespace

Win32Picture::Win32Picture(HDC dc, HBITMAP dib, std::int32_t width, std::int32_t height, std::u16string path)
    : dc_(dc), dib_(dib), previous_(SelectObject(dc, dib)), width_(width), height_(height), path_(std::move(path)) {}

std::unique_ptr<Win32Picture> Win32Picture::From(const Bitmap& bitmap, std::u16string path) {
  HBITMAP dib = CreateDib(bitmap);
  if (!dib) return nullptr;
  HDC dc = CreateCompatibleDC(nullptr);
  if (!dc) {
    DeleteObject(dib);
    return nullptr;
  }
  return std::unique_ptr<Win32Picture>(
      new Win32Picture(dc, dib, bitmap.Width(), bitmap.Height(), std::move(path)));
}

Win32Picture::~Win32Picture() {
  SelectObject(dc_, previous_);
  DeleteDC(dc_);
  DeleteObject(dib_);
}

std::unique_ptr<Picture> Win32Pictures::Load(std::u16string_view path) {
  const std::optional<Bitmap> bitmap = images_.Load(path);
  if (!bitmap) return nullptr;
  return Win32Picture::From(*bitmap, std::u16string(path));
}

GdiCanvas::GdiCanvas(HDC target, Extent size, HICON icon) : size_(size), icon_(icon) {
  dc_ = CreateCompatibleDC(target);
  if (size.width > 0 && size.height > 0) bitmap_ = CreateCompatibleBitmap(target, size.width, size.height);
  if (!dc_ || !bitmap_) {
    size_ = {};
    return;
  }
  previousBitmap_ = SelectObject(dc_, bitmap_);
  PatBlt(dc_, 0, 0, size_.width, size_.height, BLACKNESS);
}

GdiCanvas::GdiCanvas(Borrowed, HDC dc, Extent size) : size_(size), borrowed_(true), dc_(dc) { SaveDC(dc_); }

GdiCanvas::~GdiCanvas() {
  if (borrowed_) {
    RestoreDC(dc_, -1);
    if (font_) DeleteObject(font_);
    return;
  }
  if (font_) {
    SelectObject(dc_, previousFont_);
    DeleteObject(font_);
  }
  if (previousBitmap_) SelectObject(dc_, previousBitmap_);
  if (bitmap_) DeleteObject(bitmap_);
  if (dc_) DeleteDC(dc_);
}

void GdiCanvas::CopyTo(HDC target) const {
  if (bitmap_ && !borrowed_) BitBlt(target, 0, 0, size_.width, size_.height, dc_, 0, 0, SRCCOPY);
}

void GdiCanvas::DrawBackground(const Picture& picture) {
  Copy(picture, 0, 0, picture.Width(), picture.Height(), 0, 0);
}

void GdiCanvas::Copy(const Picture& source, std::int32_t sourceX, std::int32_t sourceY, std::int32_t width,
                     std::int32_t height, std::int32_t x, std::int32_t y) {
  const Win32Picture* from = AsWin32(source);
  if (!from || !dc_) return;
  const auto area = ClipCopy({from->Width(), from->Height()}, size_, sourceX, sourceY, width, height, x, y);
  if (!area) return;
  BitBlt(dc_, area->x, area->y, area->width, area->height, from->Dc(), area->sourceX, area->sourceY, SRCCOPY);
}

// As a point font is made: the height in pixels from the canvas's vertical
// resolution, negative to ask for the character height.
void GdiCanvas::SelectFont(std::u16string_view face, std::int32_t tenthsOfPoint) {
  const int height = -MulDiv(tenthsOfPoint, GetDeviceCaps(dc_, LOGPIXELSY), 720);
  HFONT font = CreateFontW(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                           CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, ToWide(face).c_str());
  if (!font) return;
  HGDIOBJ previous = SelectObject(dc_, font);
  if (font_) {
    DeleteObject(font_);
  } else {
    previousFont_ = previous;
  }
  font_ = font;
}

void GdiCanvas::SetTransparentText() { SetBkMode(dc_, TRANSPARENT); }

Extent GdiCanvas::MeasureText(std::u16string_view text) {
  const std::wstring wide = ToWide(text);
  SIZE size{};
  GetTextExtentPoint32W(dc_, wide.c_str(), static_cast<int>(wide.size()), &size);
  return {size.cx, size.cy};
}

void GdiCanvas::DrawTextAt(std::int32_t x, std::int32_t y, Rgb colour, std::u16string_view text) {
  const std::wstring wide = ToWide(text);
  SetTextColor(dc_, ColourRef(colour));
  TextOutW(dc_, x, y, wide.c_str(), static_cast<int>(wide.size()));
}

Extent GdiCanvas::IconSize() const { return {GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON)}; }

void GdiCanvas::DrawIcon(std::int32_t x, std::int32_t y) {
  if (icon_) ::DrawIcon(dc_, x, y, icon_);
}

void GdiCanvas::FillRect(const Rect& rect, Rgb colour) {
  HBRUSH brush = CreateSolidBrush(ColourRef(colour));
  if (!brush) return;
  const RECT area = ToRect(rect);
  ::FillRect(dc_, &area, brush);
  DeleteObject(brush);
}

void GdiCanvas::DrawEdges3d(const Rect& rect, Rgb topLeft, Rgb bottomRight) {
  if (rect.IsEmpty()) return;
  FillRect({rect.left, rect.top, rect.right - 1, rect.top + 1}, topLeft);
  FillRect({rect.left, rect.top, rect.left + 1, rect.bottom - 1}, topLeft);
  FillRect({rect.right - 1, rect.top, rect.right, rect.bottom}, bottomRight);
  FillRect({rect.left, rect.bottom - 1, rect.right, rect.bottom}, bottomRight);
}

void GdiCanvas::DrawRectangle(const Rect& rect) { Rectangle(dc_, rect.left, rect.top, rect.right, rect.bottom); }

void GdiCanvas::DrawHorizontalLine(std::int32_t left, std::int32_t right, std::int32_t y, Rgb colour) {
  FillRect({left, y, right, y + 1}, colour);
}

void GdiCanvas::DrawTextLine(const Rect& rect, Rgb colour, std::u16string_view text) {
  std::wstring wide = ToWide(text);
  RECT area = ToRect(rect);
  SetTextColor(dc_, ColourRef(colour));
  DrawTextW(dc_, wide.data(), static_cast<int>(wide.size()), &area, DT_LEFT | DT_SINGLELINE | DT_VCENTER);
}

}  // namespace varkel::win32
