#pragma once
// The main window's views on a small made-up skin, a simulated window and a
// recording canvas, with the program's records beside them and virtual time
// for the animation threads.
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/portable/PortablePictures.h"
#include "platform/portable/RasterCanvas.h"
#include "platform/sim/RecordingCanvas.h"
#include "platform/sim/StandaloneViews.h"
#include "unit/support/MemoryIni.h"

namespace varkel::viewtest {

// Main element i sits in a grid of 20 x 20 cells, ten a row (rows 0-7);
// colour element i in row 8, advanced element i in rows 10-11. Each is one
// cell with the text "m<i>", "c<i>" or "a<i>"; the window is 200 x 240.
inline constexpr std::int32_t kCell = 20;
inline constexpr std::int32_t kColourRow = 8;
inline constexpr std::int32_t kAdvancedRow = 10;

inline SkinElement Cell(int index, int firstRow, std::string_view prefix) {
  std::string text(prefix);
  text.append(std::to_string(index));
  return {index % 10 * kCell, (firstRow + index / 10) * kCell, kCell, kCell,
          std::u16string(text.begin(), text.end())};
}

inline SkinLayout GridLayout() {
  SkinLayout layout;
  for (int i = 0; i < kMainElementCount; ++i) layout.main[static_cast<std::size_t>(i)] = Cell(i, 0, "m");
  for (int i = 0; i < kColourElementCount; ++i) layout.colour[static_cast<std::size_t>(i)] = Cell(i, kColourRow, "c");
  for (int i = 0; i < kAdvancedElementCount; ++i)
    layout.advanced[static_cast<std::size_t>(i)] = Cell(i, kAdvancedRow, "a");
  for (int c = 1; c < kFunctionNameCount; ++c) {
    std::string name = "f";
    name.append(std::to_string(c));
    layout.functionNames[static_cast<std::size_t>(c)] = std::u16string(name.begin(), name.end());
  }
  layout.windowWidth = 200;
  layout.windowHeight = 240;
  return layout;
}

// Every skin picture is a 200 x 240 bitmap of one colour, unless left out.
class FakePictures final : public Pictures {
 public:
  std::unique_ptr<Picture> Load(std::u16string_view path) override {
    ++loads[std::u16string(path)];
    const std::u16string name(path.substr(path.rfind(u'\\') + 1));
    if (missing.count(name)) return nullptr;
    return std::make_unique<BitmapPicture>(Bitmap(200, 240, ColourOf(name)), std::u16string(path));
  }
  // A colour of its own for each name.
  static Rgb ColourOf(const std::u16string& name) {
    std::uint32_t h = 2166136261u;
    for (char16_t c : name) h = (h ^ c) * 16777619u;
    return {static_cast<std::uint8_t>(h), static_cast<std::uint8_t>(h >> 8), static_cast<std::uint8_t>(h >> 16)};
  }
  std::set<std::u16string> missing;
  std::map<std::u16string, int> loads;
};

// What the rig's views read and write besides their own records.
struct RigFiles {
  testing_support::MemoryIni ini;
  FakePictures pictureFiles;
};

struct ViewRig : RigFiles, sim::StandaloneViews {
  ViewRig() : StandaloneViews(pictureFiles, ini) {
    skin = GridLayout();
    regions = BuildUnmaskedRegions(200, 240, skin);
    model.profile.buttons = {1, 2, 3, 5, 4, 6};
    model.profile.dpiSetEnabled = {1, 1, 1, 1};
    model.profile.dpiSpeed = 10;
    for (int k = 0; k < kDpiLevelCount; ++k) model.dpiKnob[static_cast<std::size_t>(k)] = 45 + 5 * k;
    model.currentProfile = 1;
  }

  // The centre of an element: where a person points at it.
  struct Point {
    std::int32_t x, y;
  };
  static Point Centre(const SkinElement& e) { return {e.x + e.width / 2, e.y + e.height / 2}; }
  Point Main(int i) const { return Centre(skin.main[static_cast<std::size_t>(i)]); }
  Point Colour(int i) const { return Centre(skin.colour[static_cast<std::size_t>(i)]); }
  Point Advanced(int i) const { return Centre(skin.advanced[static_cast<std::size_t>(i)]); }

  void Move(Point p) { views.OnMouseMove(window, p.x, p.y); }
  void Down(Point p) { views.OnLeftButtonDown(window, p.x, p.y); }
  void Up(Point p) { views.OnLeftButtonUp(window, p.x, p.y); }
  void Tap(Point p) {
    Move(p);
    Down(p);
    Up(p);
  }

  // One paint through the window class's path, as lines of the recording canvas.
  std::vector<std::string> Paint() {
    std::vector<std::string> lines;
    RasterCanvas raster({skin.windowWidth, skin.windowHeight});
    sim::RecordingCanvas canvas(raster, [&](std::string line) { lines.push_back(std::move(line)); });
    window.PaintOn(&canvas);
    views.Paint(window);
    window.PaintOn(nullptr);
    return lines;
  }
};

}  // namespace varkel::viewtest
