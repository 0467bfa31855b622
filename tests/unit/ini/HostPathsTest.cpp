#include "platform/portable/HostPaths.h"

#include <gtest/gtest.h>

namespace varkel {
namespace {

TEST(HostPaths, WindowsPathsLandUnderTheRoot) {
  struct Case {
    std::u16string windowsPath;
    std::filesystem::path relative;  // to the root
  };
  const Case cases[] = {
      {u"C:\\Varkel\\config.ini", "C/Varkel/config.ini"},
      {u"d:\\x.ini", "D/x.ini"},
      {u"C:relative\\x.ini", "C/relative/x.ini"},
      {u"C:/mixed\\seps//x.ini", "C/mixed/seps/x.ini"},
      {u"config.ini", "config.ini"},
      {u"\\rooted\\x.ini", "rooted/x.ini"},
      {u"\\\\server\\share\\x.ini", "server/share/x.ini"},
      {u"C:\\a\\.\\b\\..\\x.ini", "C/a/x.ini"},
      {u"C:\\..\\..\\x.ini", "C/x.ini"},
      {u"..\\..\\x.ini", "x.ini"},
      {std::u16string(u"C:\\a.ini\0\\junk", 14), "C/a.ini"},
      {u"", ""},
  };
  const std::filesystem::path root("/root-of-test");
  const HostPaths paths(root);
  for (const auto& c : cases) {
    const auto expected = c.relative.empty() ? root : root / c.relative;
    EXPECT_EQ(paths.ToHost(c.windowsPath).lexically_normal(), expected.lexically_normal())
        << std::filesystem::path(c.windowsPath).string();
  }
}

TEST(HostPaths, NonAsciiNamesSurviveAndLoneSurrogatesDoNotThrow) {
  const HostPaths paths("/r");
  EXPECT_EQ(paths.ToHost(u"C:\\\u6e38\u620f\\a.ini"),
            std::filesystem::path("/r") / "C" / std::filesystem::path(u8"\u6e38\u620f") / "a.ini");
  const std::u16string lone = {u'C', u':', u'\\', char16_t(0xD800), u'x'};
  EXPECT_EQ(paths.ToHost(lone), std::filesystem::path("/r") / "C" /
                                    std::filesystem::path(u8"\uFFFDx"));
}

}  // namespace
}  // namespace varkel
