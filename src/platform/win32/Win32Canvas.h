#pragma once
// Painting with GDI: skin pictures kept as DIB sections, each selected into
// a memory canvas of its own so that a copy is one BitBlt; and the off-screen
// canvas a paint composes the picture on before one BitBlt to the window.
#include <windows.h>

#include <memory>
#include <string>

#include "platform/Canvas.h"
#include "platform/Images.h"

namespace varkel::win32 {

class Win32Picture final : public Picture {
 public:
  // Null when the bitmap is empty or GDI cannot hold it.
  static std::unique_ptr<Win32Picture> From(const Bitmap& bitmap, std::u16string path);
  ~Win32Picture() override;
  Win32Picture(const Win32Picture&) = delete;
  Win32Picture& operator=(const Win32Picture&) = delete;

  std::int32_t Width() const override { return width_; }
  std::int32_t Height() const override { return height_; }
  const std::u16string& Path() const override { return path_; }
  HDC Dc() const { return dc_; }

 private:
  Win32Picture(HDC dc, HBITMAP dib, std::int32_t width, std::int32_t height, std::u16string path);
  HDC dc_;
  HBITMAP dib_;
  HGDIOBJ previous_;
  std::int32_t width_;
  std::int32_t height_;
  std::u16string path_;
};

class Win32Pictures final : public Pictures {
 public:
  explicit Win32Pictures(Images& images) : images_(images) {}
  std::unique_ptr<Picture> Load(std::u16string_view path) override;

 private:
  Images& images_;
};

// A canvas over GDI. Pictures not made by Win32Pictures copy nothing.
class GdiCanvas final : public Canvas {
 public:
  // An off-screen canvas compatible with `target`, black at first; CopyTo
  // puts it on the target.
  GdiCanvas(HDC target, Extent size, HICON icon);
  // Draws straight on a device context it does not own (an owner-drawn menu
  // item's), in the font, pen and brush selected there; the context's state
  // is given back as it was.
  struct Borrowed {};
  GdiCanvas(Borrowed, HDC dc, Extent size);
  ~GdiCanvas() override;
  GdiCanvas(const GdiCanvas&) = delete;
  GdiCanvas& operator=(const GdiCanvas&) = delete;

  // The whole canvas to (0, 0) of `target`, in one copy.
  void CopyTo(HDC target) const;

  Extent Size() const override { return size_; }
  void DrawBackground(const Picture& picture) override;
  void Copy(const Picture& source, std::int32_t sourceX, std::int32_t sourceY, std::int32_t width,
            std::int32_t height, std::int32_t x, std::int32_t y) override;
  void SelectFont(std::u16string_view face, std::int32_t tenthsOfPoint) override;
  void SetTransparentText() override;
  Extent MeasureText(std::u16string_view text) override;
  void DrawTextAt(std::int32_t x, std::int32_t y, Rgb colour, std::u16string_view text) override;
  Extent IconSize() const override;
  void DrawIcon(std::int32_t x, std::int32_t y) override;
  void FillRect(const Rect& rect, Rgb colour) override;
  void DrawEdges3d(const Rect& rect, Rgb topLeft, Rgb bottomRight) override;
  void DrawRectangle(const Rect& rect) override;
  void DrawHorizontalLine(std::int32_t left, std::int32_t right, std::int32_t y, Rgb colour) override;
  void DrawTextLine(const Rect& rect, Rgb colour, std::u16string_view text) override;

 private:
  Extent size_;
  HICON icon_ = nullptr;
  bool borrowed_ = false;
  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ previousBitmap_ = nullptr;
  HFONT font_ = nullptr;
  HGDIOBJ previousFont_ = nullptr;
};

}  // namespace varkel::win32
