#pragma once
// Ini files in memory, read with the profile functions' capacity cut; keeps
// the order of the writes.
#include <map>
#include <mutex>
#include <string>
#include <tuple>
#include <vector>

#include "platform/Ini.h"

namespace varkel::testing_support {

class MemoryIni final : public IniFiles {
 public:
  using Key = std::tuple<std::u16string, std::u16string, std::u16string>;  // path, section, key

  std::u16string Read(std::u16string_view path, std::u16string_view section, std::u16string_view key,
                      std::size_t capacity, std::u16string_view def = u"") override {
    std::lock_guard lock(mutex_);
    auto it = values.find({std::u16string(path), std::u16string(section), std::u16string(key)});
    std::u16string v(it == values.end() ? def : std::u16string_view(it->second));
    return capacity == 0 ? u"" : v.substr(0, capacity - 1);
  }
  void Write(std::u16string_view path, std::u16string_view section, std::u16string_view key,
             std::u16string_view value) override {
    std::lock_guard lock(mutex_);
    values[{std::u16string(path), std::u16string(section), std::u16string(key)}] = value;
    writes.push_back({std::u16string(path), std::u16string(section), std::u16string(key)});
  }

  std::map<Key, std::u16string> values;
  std::vector<Key> writes;

 private:
  std::mutex mutex_;
};

}  // namespace varkel::testing_support
