#include "platform/win32/Win32ControlColours.h"

#include <windows.h>

#include <algorithm>

#include "platform/win32/WideText.h"

namespace varkel::win32 {
namespace {

COLORREF ColourOf(Rgb c) { return RGB(c.r, c.g, c.b); }

}  // namespace

// The point size becomes pixels of the screen, the character set is left
// to the face.
GraphicsObject Win32ControlColours::MakeFont(std::u16string_view face, std::int32_t tenthsOfPoint) {
  LOGFONTW font{};
  HDC screen = GetDC(nullptr);
  font.lfHeight = -(GetDeviceCaps(screen, LOGPIXELSY) * tenthsOfPoint / 720);
  ReleaseDC(nullptr, screen);
  font.lfCharSet = DEFAULT_CHARSET;
  const std::wstring name = ToWide(face);
  std::copy_n(name.begin(), std::min<std::size_t>(name.size(), LF_FACESIZE - 1), font.lfFaceName);
  return reinterpret_cast<GraphicsObject>(CreateFontIndirectW(&font));
}

GraphicsObject Win32ControlColours::MakeSolidBrush(Rgb colour) {
  return reinterpret_cast<GraphicsObject>(CreateSolidBrush(ColourOf(colour)));
}

void Win32ControlColours::Release(GraphicsObject object) { DeleteObject(reinterpret_cast<HGDIOBJ>(object)); }

void Win32ControlColours::StyleControl(std::uintptr_t controlCanvas, GraphicsObject font, Rgb text,
                                       Rgb textBackground) {
  HDC canvas = reinterpret_cast<HDC>(controlCanvas);
  SelectObject(canvas, reinterpret_cast<HGDIOBJ>(font));
  SetTextColor(canvas, ColourOf(text));
  SetBkColor(canvas, ColourOf(textBackground));
}

}  // namespace varkel::win32
