#pragma once
// The skin's pictures as painting uses them: each file decoded once and kept
// for the life of the program (the skin is read once, at start-up, so the
// picture stays the same). A file that cannot be read is remembered as such.
// Without keeping, every paint decodes its pictures anew and drops them after.
#include <map>
#include <memory>
#include <string>

#include "platform/Canvas.h"

namespace varkel {

class PictureCache {
 public:
  explicit PictureCache(Pictures& pictures, bool keep = true) : pictures_(pictures), keep_(keep) {}

  // The picture of the file at `path`, or null. Valid until EndOfPaint.
  const Picture* Get(const std::u16string& path);
  // A paint is done with its pictures (drops them unless they are kept).
  void EndOfPaint();

 private:
  Pictures& pictures_;
  const bool keep_;
  std::map<std::u16string, std::unique_ptr<Picture>> loaded_;
};

}  // namespace varkel
