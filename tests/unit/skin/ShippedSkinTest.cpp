// The skin in skins/default, read as the program reads it.
#include <gtest/gtest.h>

#include "SkinFakes.h"
#include "ShippedSkin.h"
#include "platform/portable/PortableFiles.h"
#include "platform/portable/PortableImages.h"
#include "platform/portable/PortableIni.h"
#include "skin/SkinLayoutLoader.h"
#include "skin/WindowShapes.h"

namespace varkel {
namespace {

// A path without a drive lands under the host root: the source tree.
constexpr char16_t kSkinDir[] = u"skins\\default";

class ShippedSkin : public ::testing::Test {
 protected:
  HostPaths paths{VARKEL_SOURCE_DIR};
  PortableIni ini{paths};
  PortableFiles files{paths};
  skintest::Recorder recorder;
  SkinReader reader{ini, files, recorder, recorder};
};

TEST_F(ShippedSkin, LoadsWithoutAMessage) {
  SkinLayout layout;
  ASSERT_TRUE(ReadSkinLayout(reader, kSkinDir, layout));
  EXPECT_TRUE(recorder.log.empty());
  PortableImages images(paths);
  const auto mask = LoadMaskShape(images, u"skins\\default\\main_mask.jpg");
  ASSERT_TRUE(mask);
  skintest::ExpectUsedElementsInside(layout, mask->width, mask->height, &mask->shape);
  for (int code : {1, 2, 3, 4, 5, 6}) EXPECT_NE(FunctionName(layout, code), u"") << code;
}

TEST_F(ShippedSkin, WarningElementsLieInsideTheWarningShape) {
  SkinLayout layout;
  ASSERT_TRUE(ReadSkinLayout(reader, kSkinDir, layout));
  PortableImages images(paths);
  const auto mask = LoadMaskShape(images, u"skins\\default\\warning_mask.bmp");
  ASSERT_TRUE(mask);
  for (const SkinElement& e : layout.warning) {
    const Rect r = e.Bounds();
    ASSERT_FALSE(r.IsEmpty());
    EXPECT_TRUE(mask->shape.Contains(r.left, r.top));
    EXPECT_TRUE(mask->shape.Contains(r.right - 1, r.bottom - 1));
  }
}

}  // namespace
}  // namespace varkel
