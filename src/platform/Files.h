#pragma once
// What the program asks of the file system beyond ini access.
#include <string_view>

namespace varkel {

class Files {
 public:
  virtual ~Files() = default;
  virtual bool Exists(std::u16string_view path) = 0;
};

}  // namespace varkel
