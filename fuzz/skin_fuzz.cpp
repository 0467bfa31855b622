// Arbitrary bytes as every layout file of the skin: the whole layout read in
// start-up order, every function name looked up, and the main window painted
// from that layout on each page on the recording canvas, with the pointer
// over one of a few places (the file's last byte picks it).
#include <cstdint>
#include <cstdlib>
#include <iterator>
#include <utility>

#include "FuzzFiles.h"
#include "platform/portable/PortablePictures.h"
#include "platform/portable/RasterCanvas.h"
#include "platform/sim/RecordingCanvas.h"
#include "platform/sim/StandaloneViews.h"
#include "skin/SkinLayoutLoader.h"

using namespace varkel;

namespace {
class CountingDialogs final : public Dialogs {
 public:
  void ShowMessage(std::u16string_view) override { ++shown; }
  int shown = 0;
};
class CountingShutdown final : public Shutdown {
 public:
  void ShutdownDriver() override { ++calls; }
  int calls = 0;
};

// Every skin picture: a small one, so that most rectangles reach past it.
// Each load copies it, and copying pixels was most of an execution's time:
// it is smaller than the window, and small.
class SmallPictures final : public Pictures {
 public:
  std::unique_ptr<Picture> Load(std::u16string_view path) override {
    static const Bitmap picture(32, 24, {1, 2, 3});
    return std::make_unique<BitmapPicture>(picture, std::u16string(path));
  }
};

// The pointer rests on one of a few places, which the input picks.
void PaintEveryPage(const SkinLayout& layout, IniFiles& ini, std::uint8_t pick) {
  SmallPictures pictures;
  sim::StandaloneViews views(pictures, ini);
  views.skin = layout;
  views.skin.windowWidth = 120;
  views.skin.windowHeight = 90;
  views.model.dpiKnob = {45, 300, -1, 79};
  views.status.driverRunning = false;
  views.status.runButton = 6;
  RasterCanvas raster({views.skin.windowWidth, views.skin.windowHeight});
  std::size_t lines = 0;
  sim::RecordingCanvas canvas(raster, [&](std::string) { ++lines; });
  views.window.PaintOn(&canvas);
  constexpr std::pair<int, int> kPlaces[] = {{0, 0}, {60, 45}, {-1, -1}, {119, 89}, {32767, -32768}};
  const auto [x, y] = kPlaces[pick % std::size(kPlaces)];
  for (const Page page : {Page::Main, Page::Advanced, Page::Colour}) {
    views.view.page = page;
    views.views.OnMouseMove(views.window, x, y);
    views.views.Paint(views.window);
  }
  if (lines == 0) std::abort();  // the pictures are there: each paint draws
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::MemoryFolder folder;
  for (const char16_t* name : {u"skin_main.ini", u"skin_color.ini", u"skin_advance.ini",
                               u"LBWarning.ini"}) {
    folder.Put(name, data, size);
  }
  CountingDialogs dialogs;
  CountingShutdown shutdown;
  const SkinReader reader{folder.ini, folder.files, dialogs, shutdown};
  SkinLayout layout;
  if (!ReadSkinLayout(reader, fuzz::MemoryFolder::kPath, layout)) std::abort();  // every file is there
  if (shutdown.calls != 0) std::abort();
  for (std::int32_t code : {-2147483647 - 1, -1, 0, 1, 54, 55, 255, 2147483647}) {
    FunctionName(layout, code);
  }
  PaintEveryPage(layout, folder.ini, size > 0 ? data[size - 1] : 0);
  return 0;
}
