#pragma once
// What the main window's views keep beyond the profile and the macros: the
// page shown, what the pointer is over, and the LED preview's look. The two
// animation threads read `page` and write the preview fields while the
// interface thread paints, so those are atomics; the rest belongs to the
// interface thread alone.
#include <atomic>
#include <cstdint>

#include "skin/SkinLayout.h"

namespace varkel {

enum class Page : std::uint8_t { Main = 0, Advanced = 1, Colour = 2 };

struct ViewState {
  std::atomic<Page> page{Page::Main};
  // Element under the pointer in each table, or kNoElement.
  int mainHover = kNoElement;
  int colourHover = kNoElement;
  int advancedHover = kNoElement;
  // The left button went down over some element and has not come up.
  bool pressed = false;

  // The LED preview: its gray (unlit) look, else colour 0-3 (blue, pink,
  // red, purple); previewAlive while its thread runs.
  std::atomic<bool> previewGray{false};
  std::atomic<std::int32_t> previewColour{0};
  std::atomic<bool> previewAlive{false};

  // The function popup: open, and to be destroyed at the next paint.
  bool popupOpen = false;
  bool closePopupOnPaint = false;
};

}  // namespace varkel
