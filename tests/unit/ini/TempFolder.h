#pragma once
// A fresh folder under the system's temporary folder, removed afterwards.
#include <atomic>
#include <filesystem>
#include <string>
#include <system_error>

#include <gtest/gtest.h>

namespace varkel {

class TempFolder {
 public:
  TempFolder() {
    static std::atomic<int> counter{0};
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    const std::string name = std::string("varkel-") + (test ? test->name() : "test") + "-" +
                             std::to_string(counter++);
    path_ = std::filesystem::temp_directory_path() / name;
    std::error_code error;
    std::filesystem::remove_all(path_, error);
    std::filesystem::create_directories(path_);
  }
  ~TempFolder() {
    std::error_code error;
    std::filesystem::remove_all(path_, error);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path path_;
};

}  // namespace varkel
