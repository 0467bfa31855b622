#pragma once
// Passes every access on to the real ini adapter and reports each write.
#include <functional>

#include "platform/Ini.h"

namespace varkel::scenario {

class RecordingIni final : public IniFiles {
 public:
  using Observer = std::function<void(std::u16string_view path, std::u16string_view section,
                                      std::u16string_view key, std::u16string_view value)>;
  RecordingIni(IniFiles& inner, Observer observer)
      : inner_(inner), observer_(std::move(observer)) {}

  std::u16string Read(std::u16string_view path, std::u16string_view section,
                      std::u16string_view key, std::size_t capacity,
                      std::u16string_view def) override {
    return inner_.Read(path, section, key, capacity, def);
  }
  void Write(std::u16string_view path, std::u16string_view section, std::u16string_view key,
             std::u16string_view value) override {
    inner_.Write(path, section, key, value);
    observer_(path, section, key, value);
  }

 private:
  IniFiles& inner_;
  Observer observer_;
};

}  // namespace varkel::scenario
