// Time of one full paint of the main page with the pointer over the slot of
// button 1, on the shipped skin, two ways in the same run:
//   cache     the skin's pictures decoded once and kept (the program)
//   decode    every paint decodes its pictures anew and drops them after (the
//             page's three pictures and the DPI knob)
// A paint is what the window's paint message does: read the state, compose
// the picture off-screen, copy it to the window. Natively the canvas is the
// recording canvas over plain pixels; on Windows the GDI canvas, copied to a
// window of its own in one BitBlt.
//
//   varkel_bench_paint --skin DIR [--paints N]
//
// DIR: the skin folder (on Windows a Windows path, e.g. Z:\...\skins\default).
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "config/ProfileEdits.h"
#include "platform/sim/StandaloneViews.h"
#include "skin/SkinLayoutLoader.h"
#include "views/MainWindowPainter.h"
#ifdef _WIN32
#include "platform/win32/Win32Canvas.h"
#include "platform/win32/Win32Files.h"
#include "platform/win32/Win32Images.h"
#include "platform/win32/Win32Ini.h"
#else
#include <filesystem>

#include "platform/portable/PortableFiles.h"
#include "platform/portable/PortableImages.h"
#include "platform/portable/PortableIni.h"
#include "platform/portable/PortablePictures.h"
#include "platform/portable/RasterCanvas.h"
#include "platform/sim/RecordingCanvas.h"
#endif

namespace varkel::bench {
namespace {

constexpr int kHoveredSlot = 17;

class NoShutdown final : public Shutdown {
 public:
  void ShutdownDriver() override {}
};

class NoShape final : public ShapedWindow {
 public:
  void SetShape(const Region&) override {}
};

// The shipped defaults of profile 1, as the window shows them after start.
void DefaultProfile(ProfileModel& model) {
  model.profile.buttons = {1, 2, 3, 5, 4, 6};
  model.profile.dpiSetEnabled = {1, 1, 1, 1};
  model.profile.dpiSpeed = 10;
  model.currentProfile = 1;
  const std::uint8_t values[] = {1, 2, 4, 0};
  for (int k = 0; k < kDpiLevelCount; ++k) SetDpiValue(model, k, values[k]);
  model.appliedDpiSet = model.profile.dpiSet;
}

struct Timing {
  double min = 0, median = 0, max = 0;
};

Timing Measure(int paints, const std::function<void()>& paint) {
  std::vector<double> ms;
  for (int i = 0; i < paints; ++i) {
    const auto start = std::chrono::steady_clock::now();
    paint();
    ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
  }
  std::sort(ms.begin(), ms.end());
  return {ms.front(), ms[ms.size() / 2], ms.back()};
}

#ifdef _WIN32
const char* kCanvas = "Windows: GDI canvas, one BitBlt to a window";

struct Platform {
  explicit Platform(const std::string& skinDir) : skin(skinDir.begin(), skinDir.end()) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"VarkelPaintBench";
    RegisterClassW(&windowClass);
    window = CreateWindowExW(0, windowClass.lpszClassName, L"paint", WS_POPUP | WS_VISIBLE, 0, 0, 800, 600,
                             nullptr, nullptr, windowClass.hInstance, nullptr);
    dc = GetDC(window);
  }
  ~Platform() {
    ReleaseDC(window, dc);
    DestroyWindow(window);
  }
  std::u16string SkinDir() const { return skin; }
  bool SamePictureAsBefore() { return true; }  // natively only
  // One paint message's work, BeginPaint left out.
  void Paint(ViewContext& ctx) {
    const PaintInputs in = ReadPaintInputs(ctx);
    win32::GdiCanvas canvas(dc, {ctx.skin.windowWidth, ctx.skin.windowHeight}, nullptr);
    if (PaintPage(ctx, in, canvas)) canvas.CopyTo(dc);
    ctx.pictures.EndOfPaint();
  }

  std::u16string skin;
  win32::Win32Ini ini;
  win32::Win32Files files;
  win32::Win32Images images;
  win32::Win32Pictures pictures{images};
  HWND window = nullptr;
  HDC dc = nullptr;
};
#else
const char* kCanvas = "native: recording canvas over plain pixels";

struct Platform {
  // The program sees the skin as C:\app\skins.
  explicit Platform(const std::string& skinDir) : root(std::filesystem::temp_directory_path() / "varkel-paint-bench") {
    std::filesystem::remove_all(root);
    std::filesystem::create_directories(root / "C" / "app");
    std::filesystem::create_directory_symlink(std::filesystem::absolute(skinDir), root / "C" / "app" / "skins");
  }
  ~Platform() { std::filesystem::remove_all(root); }
  std::u16string SkinDir() const { return u"C:\\app\\skins"; }
  // Both ways give the same picture: the cache changes only the time.
  bool SamePictureAsBefore() {
    const bool same = previous.Width() == 0 || (previous.Width() == shown.Width() && [&] {
      for (std::int32_t y = 0; y < shown.Height(); ++y)
        if (!std::equal(shown.Row(y), shown.Row(y) + shown.Width(), previous.Row(y))) return false;
      return true;
    }());
    previous = shown;
    return same && !lines.empty();
  }
  void Paint(ViewContext& ctx) {
    const PaintInputs in = ReadPaintInputs(ctx);
    RasterCanvas raster({ctx.skin.windowWidth, ctx.skin.windowHeight});
    lines.clear();
    sim::RecordingCanvas canvas(raster, [this](std::string line) { lines.push_back(std::move(line)); });
    if (PaintPage(ctx, in, canvas)) shown = raster.Pixels();
    ctx.pictures.EndOfPaint();
  }

  std::filesystem::path root;
  HostPaths hostPaths{root};
  PortableIni ini{hostPaths};
  PortableFiles files{hostPaths};
  PortableImages images{hostPaths};
  PortablePictures pictures{images};
  std::vector<std::string> lines;
  Bitmap shown;
  Bitmap previous;
};
#endif

int Run(int argc, char** argv) {
  std::string skinDir;
  int paints = 200;
  for (int i = 1; i + 1 < argc; i += 2) {
    if (!std::strcmp(argv[i], "--skin")) skinDir = argv[i + 1];
    else if (!std::strcmp(argv[i], "--paints")) paints = std::max(1, std::atoi(argv[i + 1]));
  }
  if (skinDir.empty()) {
    std::fprintf(stderr, "usage: varkel_bench_paint --skin DIR [--paints N]\n");
    return 2;
  }
  Platform platform(skinDir);
  struct Mode {
    const char* name;
    bool keep;
  };
  std::printf("%s, %d paints each after a first one\n", kCanvas, paints);
  for (const Mode& mode : {Mode{"cache", true}, Mode{"decode", false}}) {
    sim::StandaloneViews views(platform.pictures, platform.ini, mode.keep);
    views.paths.skinDir = platform.SkinDir();
    views.paths.maskPath = views.paths.skinDir + u"\\main_mask.jpg";
    NoShutdown shutdown;
    NoShape shape;
    if (!ReadSkinLayout({platform.ini, platform.files, views.dialogs, shutdown}, views.paths.skinDir, views.skin)) {
      std::fprintf(stderr, "varkel_bench_paint: no skin in %s\n", skinDir.c_str());
      return 1;
    }
    views.regions = ShapeMainWindow(platform.images, shape, views.paths, views.skin);
    DefaultProfile(views.model);
    views.view.mainHover = kHoveredSlot;
    const Timing first = Measure(1, [&] { platform.Paint(views.ctx); });
    const Timing t = Measure(paints, [&] { platform.Paint(views.ctx); });
    std::printf("%-7s first %8.3f ms   then min %8.3f  median %8.3f  max %8.3f ms\n", mode.name, first.median,
                t.min, t.median, t.max);
    if (!platform.SamePictureAsBefore()) {
      std::fprintf(stderr, "varkel_bench_paint: %s painted another picture\n", mode.name);
      return 1;
    }
  }
  return 0;
}

}  // namespace
}  // namespace varkel::bench

int main(int argc, char** argv) { return varkel::bench::Run(argc, argv); }
