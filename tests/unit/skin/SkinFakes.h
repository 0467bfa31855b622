#pragma once
// Small recording fakes of what reading the skin talks to.
#include <map>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "platform/Shutdown.h"
#include "platform/Dialogs.h"
#include "platform/Files.h"
#include "platform/Images.h"
#include "platform/Ini.h"
#include "platform/WindowShape.h"
#include "skin/SkinValue.h"

namespace varkel {

// Regions print as their bands in failure messages.
inline void PrintTo(const Region& region, std::ostream* out) {
  *out << "{";
  for (const Rect& r : region.Bands())
    *out << " (" << r.left << "," << r.top << ")-(" << r.right << "," << r.bottom << ")";
  *out << " }";
}

}  // namespace varkel

namespace varkel::skintest {

// Ini files as a map; a file exists once any key of it is set or it is
// created empty.
class FakeIni : public IniFiles, public Files {
 public:
  void Set(std::u16string path, std::u16string section, std::u16string key, std::u16string value) {
    files_.insert(path);
    values_[{std::move(path), std::move(section), std::move(key)}] = std::move(value);
  }
  void CreateEmpty(std::u16string path) { files_.insert(std::move(path)); }

  std::u16string Read(std::u16string_view path, std::u16string_view section,
                      std::u16string_view key, std::size_t capacity,
                      std::u16string_view def) override {
    reads.push_back(std::u16string(path) + u"|" + std::u16string(section) + u"|" +
                    std::u16string(key));
    if (capacity == 0) return {};
    auto it = values_.find({std::u16string(path), std::u16string(section), std::u16string(key)});
    std::u16string value = it == values_.end() ? std::u16string(def) : it->second;
    return value.substr(0, capacity - 1);
  }
  void Write(std::u16string_view, std::u16string_view, std::u16string_view,
             std::u16string_view) override {}
  bool Exists(std::u16string_view path) override { return files_.count(std::u16string(path)) != 0; }

  std::vector<std::u16string> reads;

 private:
  std::set<std::u16string> files_;
  std::map<std::tuple<std::u16string, std::u16string, std::u16string>, std::u16string> values_;
};

// Messages and the exit sequence in one log, so their order shows.
class Recorder : public Dialogs, public Shutdown {
 public:
  void ShowMessage(std::u16string_view text) override { log.push_back(u"msg " + std::u16string(text)); }
  void ShutdownDriver() override { log.push_back(u"shutdown"); }
  std::vector<std::u16string> log;
};

struct SkinReaderFixture {
  FakeIni ini;
  Recorder recorder;
  SkinReader reader{ini, ini, recorder, recorder};
};

class FakeImages : public Images {
 public:
  std::optional<Bitmap> Load(std::u16string_view path) override {
    auto it = bitmaps.find(std::u16string(path));
    if (it == bitmaps.end()) return std::nullopt;
    return it->second;
  }
  std::map<std::u16string, Bitmap> bitmaps;
};

class FakeWindow : public ShapedWindow {
 public:
  void SetShape(const Region& shape) override { shapes.push_back(shape); }
  std::vector<Region> shapes;
};

}  // namespace varkel::skintest
