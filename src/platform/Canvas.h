#pragma once
// What painting asks of the surface it draws on: exact 1:1 copies from
// decoded skin pictures, text in a font, the program's icon, and the few
// plain shapes the owner-drawn menus use. Every window that paints (the main
// window, the popups, the menus) draws through this. The Windows adapter
// draws with GDI on an off-screen canvas; test doubles record the calls.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "platform/Geometry.h"
#include "platform/Images.h"

namespace varkel {

// A skin image decoded once into the form the platform copies from fastest.
class Picture {
 public:
  virtual ~Picture() = default;
  virtual std::int32_t Width() const = 0;
  virtual std::int32_t Height() const = 0;
  // The Windows path it was read from.
  virtual const std::u16string& Path() const = 0;
};

class Pictures {
 public:
  virtual ~Pictures() = default;
  // Null when the file is missing or cannot be decoded; shows no message.
  virtual std::unique_ptr<Picture> Load(std::u16string_view path) = 0;
};

// A width and height in pixels.
struct Extent {
  std::int32_t width = 0;
  std::int32_t height = 0;
  bool operator==(const Extent&) const = default;
};

class Canvas {
 public:
  virtual ~Canvas() = default;

  // The canvas's size in pixels; nothing is drawn outside it.
  virtual Extent Size() const = 0;

  // The whole picture at (0, 0): the picture a paint starts from.
  virtual void DrawBackground(const Picture& picture) = 0;

  // Copies the width x height pixels of `source` at (sourceX, sourceY) to
  // (x, y) of the canvas, unscaled. Parts outside either picture are left out.
  virtual void Copy(const Picture& source, std::int32_t sourceX, std::int32_t sourceY,
                    std::int32_t width, std::int32_t height, std::int32_t x, std::int32_t y) = 0;

  // Text: a font by face name and size in tenths of a point; texts measured
  // and drawn in it at their top-left corner, with a transparent background.
  virtual void SelectFont(std::u16string_view face, std::int32_t tenthsOfPoint) = 0;
  virtual void SetTransparentText() = 0;
  virtual Extent MeasureText(std::u16string_view text) = 0;
  virtual void DrawTextAt(std::int32_t x, std::int32_t y, Rgb colour, std::u16string_view text) = 0;

  // The program's icon with its top-left corner at (x, y).
  virtual Extent IconSize() const = 0;
  virtual void DrawIcon(std::int32_t x, std::int32_t y) = 0;

  // Plain shapes, for the owner-drawn menus.
  virtual void FillRect(const Rect& rect, Rgb colour) = 0;
  // One-pixel edges just inside the rectangle: top and left in the first
  // colour, right and bottom in the second.
  virtual void DrawEdges3d(const Rect& rect, Rgb topLeft, Rgb bottomRight) = 0;
  // Outlined with the canvas's current pen, filled with its current brush.
  virtual void DrawRectangle(const Rect& rect) = 0;
  // Pixels left .. right - 1 of row y.
  virtual void DrawHorizontalLine(std::int32_t left, std::int32_t right, std::int32_t y, Rgb colour) = 0;
  // One line of text in the current font from the rectangle's left edge,
  // vertically centred in it and clipped to it.
  virtual void DrawTextLine(const Rect& rect, Rgb colour, std::u16string_view text) = 0;
};

}  // namespace varkel
