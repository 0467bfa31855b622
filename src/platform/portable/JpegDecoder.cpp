#include "platform/portable/JpegDecoder.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace varkel {
namespace {

constexpr std::int64_t kMaxPixels = std::int64_t{1} << 26;

constexpr std::array<std::uint8_t, 64> kZigzag = {
    0,  1,  8,  16, 9,  2,  3,  10, 17, 24, 32, 25, 18, 11, 4,  5,  12, 19, 26, 33, 40, 48,
    41, 34, 27, 20, 13, 6,  7,  14, 21, 28, 35, 42, 49, 56, 57, 50, 43, 36, 29, 22, 15, 23,
    30, 37, 44, 51, 58, 59, 52, 45, 38, 31, 39, 46, 53, 60, 61, 54, 47, 55, 62, 63};

// Canonical Huffman decoding as the format describes it: per code length,
// the largest code and where its values start.
struct HuffmanTable {
  bool defined = false;
  std::array<std::int32_t, 17> maxCode{};
  std::array<std::int32_t, 17> valueOffset{};
  std::vector<std::uint8_t> values;
};

struct Component {
  std::uint8_t id = 0;
  int h = 1;
  int v = 1;
  int quant = 0;
  int dcTable = 0;
  int acTable = 0;
  int blocksWide = 0;  // of the plane, whole MCUs
  int blocksHigh = 0;
  int previousDc = 0;
  std::vector<std::uint8_t> plane;
};

class BitReader {
 public:
  BitReader(std::span<const std::uint8_t> data, std::size_t at) : data_(data), at_(at) {}

  // False once the data runs out or a marker interrupts the scan.
  bool Bit(int& bit) {
    if (count_ == 0 && !Fill()) return false;
    --count_;
    bit = (buffer_ >> count_) & 1;
    return true;
  }
  bool Bits(int n, int& value) {
    value = 0;
    for (int i = 0; i < n; ++i) {
      int bit = 0;
      if (!Bit(bit)) return false;
      value = value << 1 | bit;
    }
    return true;
  }
  // At a restart: drop the partial byte and step over the RSTn marker.
  bool Restart() {
    count_ = 0;
    if (at_ + 1 < data_.size() && data_[at_] == 0xFF && data_[at_ + 1] >= 0xD0 &&
        data_[at_ + 1] <= 0xD7) {
      at_ += 2;
      return true;
    }
    return false;
  }

 private:
  bool Fill() {
    if (at_ >= data_.size()) return false;
    const std::uint8_t byte = data_[at_];
    if (byte == 0xFF) {
      if (at_ + 1 >= data_.size() || data_[at_ + 1] != 0x00) return false;  // a marker
      at_ += 2;
    } else {
      ++at_;
    }
    buffer_ = byte;
    count_ = 8;
    return true;
  }

  std::span<const std::uint8_t> data_;
  std::size_t at_;
  int buffer_ = 0;
  int count_ = 0;
};

class Decoder {
 public:
  explicit Decoder(std::span<const std::uint8_t> file) : file_(file) {}

  std::optional<Bitmap> Run() {
    if (file_.size() < 4 || file_[0] != 0xFF || file_[1] != 0xD8) return std::nullopt;
    std::size_t at = 2;
    while (true) {
      // Markers may be padded with any number of 0xFF bytes.
      if (at >= file_.size() || file_[at] != 0xFF) return std::nullopt;
      while (at < file_.size() && file_[at] == 0xFF) ++at;
      if (at >= file_.size()) return std::nullopt;
      const std::uint8_t marker = file_[at++];
      if (marker == 0xD9) return std::nullopt;  // end before any scan
      if (!Has(at, 2)) return std::nullopt;
      const std::size_t length = static_cast<std::size_t>(file_[at] << 8 | file_[at + 1]);
      if (length < 2 || !Has(at, length)) return std::nullopt;
      const std::span<const std::uint8_t> segment = file_.subspan(at + 2, length - 2);
      at += length;
      bool ok = true;
      switch (marker) {
        case 0xDB: ok = ReadQuantTables(segment); break;
        case 0xC4: ok = ReadHuffmanTables(segment); break;
        case 0xC0:
        case 0xC1: ok = ReadFrame(segment); break;
        case 0xDD: ok = segment.size() >= 2; restartInterval_ = ok ? segment[0] << 8 | segment[1] : 0; break;
        case 0xDA: return ReadScan(segment, at);
        default:
          // Other frame types (progressive, lossless, arithmetic) are not decoded;
          // application and comment segments are skipped.
          if ((marker >= 0xC2 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 &&
               marker != 0xCC) || marker < 0xC0)
            return std::nullopt;
      }
      if (!ok) return std::nullopt;
    }
  }

 private:
  bool Has(std::size_t at, std::size_t size) const {
    return at <= file_.size() && size <= file_.size() - at;
  }

  bool ReadQuantTables(std::span<const std::uint8_t> s) {
    std::size_t i = 0;
    while (i < s.size()) {
      const int precision = s[i] >> 4, id = s[i] & 15;
      ++i;
      if (id > 3 || precision > 1) return false;
      const std::size_t size = precision ? 128 : 64;
      if (s.size() - i < size) return false;
      for (int k = 0; k < 64; ++k)
        quant_[id][kZigzag[k]] = precision ? (s[i + 2 * k] << 8 | s[i + 2 * k + 1]) : s[i + k];
      quantDefined_[id] = true;
      i += size;
    }
    return true;
  }

  bool ReadHuffmanTables(std::span<const std::uint8_t> s) {
    std::size_t i = 0;
    while (i < s.size()) {
      const int kind = s[i] >> 4, id = s[i] & 15;
      ++i;
      if (kind > 1 || id > 3 || s.size() - i < 16) return false;
      HuffmanTable& table = huffman_[kind][id];
      std::size_t total = 0;
      std::array<int, 17> counts{};
      for (int len = 1; len <= 16; ++len) total += counts[len] = s[i + len - 1];
      i += 16;
      if (total > 256 || s.size() - i < total) return false;
      table.values.assign(s.begin() + static_cast<std::ptrdiff_t>(i),
                          s.begin() + static_cast<std::ptrdiff_t>(i + total));
      i += total;
      std::int32_t code = 0;
      std::int32_t index = 0;
      for (int len = 1; len <= 16; ++len) {
        table.valueOffset[len] = index - code;
        code += counts[len];
        index += counts[len];
        table.maxCode[len] = counts[len] ? code - 1 : -1;
        if (code > (1 << len)) return false;  // more codes than the length allows
        code <<= 1;
      }
      table.defined = true;
    }
    return true;
  }

  bool ReadFrame(std::span<const std::uint8_t> s) {
    if (frameRead_ || s.size() < 6 || s[0] != 8) return false;
    height_ = s[1] << 8 | s[2];
    width_ = s[3] << 8 | s[4];
    const int count = s[5];
    if (width_ == 0 || height_ == 0 || std::int64_t{width_} * height_ > kMaxPixels) return false;
    if ((count != 1 && count != 3) || s.size() < 6 + 3 * static_cast<std::size_t>(count)) return false;
    components_.resize(static_cast<std::size_t>(count));
    for (int c = 0; c < count; ++c) {
      Component& comp = components_[static_cast<std::size_t>(c)];
      comp.id = s[6 + 3 * c];
      comp.h = s[7 + 3 * c] >> 4;
      comp.v = s[7 + 3 * c] & 15;
      comp.quant = s[8 + 3 * c];
      if (comp.h < 1 || comp.h > 4 || comp.v < 1 || comp.v > 4 || comp.quant > 3) return false;
      if (count == 1) comp.h = comp.v = 1;  // one component: blocks in plain order
      maxH_ = std::max(maxH_, comp.h);
      maxV_ = std::max(maxV_, comp.v);
    }
    mcusWide_ = (width_ + 8 * maxH_ - 1) / (8 * maxH_);
    mcusHigh_ = (height_ + 8 * maxV_ - 1) / (8 * maxV_);
    for (Component& comp : components_) {
      comp.blocksWide = mcusWide_ * comp.h;
      comp.blocksHigh = mcusHigh_ * comp.v;
    }
    frameRead_ = true;
    return true;
  }

  std::optional<Bitmap> ReadScan(std::span<const std::uint8_t> s, std::size_t dataStart) {
    if (!frameRead_ || s.empty() || s[0] != components_.size()) return std::nullopt;
    if (s.size() < 1 + 2 * components_.size() + 3) return std::nullopt;
    for (std::size_t c = 0; c < components_.size(); ++c) {
      Component& comp = components_[c];
      if (s[1 + 2 * c] != comp.id) return std::nullopt;
      comp.dcTable = s[2 + 2 * c] >> 4;
      comp.acTable = s[2 + 2 * c] & 15;
      if (comp.dcTable > 3 || comp.acTable > 3 || !huffman_[0][comp.dcTable].defined ||
          !huffman_[1][comp.acTable].defined || !quantDefined_[comp.quant])
        return std::nullopt;
    }
    // Every block costs at least two bits (its DC and one AC code), so a
    // short file cannot make us allocate a large picture.
    std::int64_t blocks = 0;
    for (const Component& comp : components_) blocks += std::int64_t{comp.blocksWide} * comp.blocksHigh;
    if (blocks > static_cast<std::int64_t>(file_.size() - dataStart) * 4) return std::nullopt;
    for (Component& comp : components_)
      comp.plane.assign(static_cast<std::size_t>(comp.blocksWide) * 8 *
                            static_cast<std::size_t>(comp.blocksHigh) * 8, 0);

    BitReader bits(file_, dataStart);
    int mcusToRestart = restartInterval_;
    for (int my = 0; my < mcusHigh_; ++my)
      for (int mx = 0; mx < mcusWide_; ++mx) {
        if (restartInterval_ && mcusToRestart == 0) {
          if (!bits.Restart()) return std::nullopt;
          for (Component& comp : components_) comp.previousDc = 0;
          mcusToRestart = restartInterval_;
        }
        --mcusToRestart;
        for (Component& comp : components_)
          for (int by = 0; by < comp.v; ++by)
            for (int bx = 0; bx < comp.h; ++bx)
              if (!DecodeBlock(bits, comp, mx * comp.h + bx, my * comp.v + by)) return std::nullopt;
      }
    return ToBitmap();
  }

  static bool Decode(BitReader& bits, const HuffmanTable& table, int& value) {
    std::int32_t code = 0;
    for (int len = 1; len <= 16; ++len) {
      int bit = 0;
      if (!bits.Bit(bit)) return false;
      code = code << 1 | bit;
      if (code <= table.maxCode[len]) {
        const std::int32_t index = table.valueOffset[len] + code;
        if (index < 0 || index >= static_cast<std::int32_t>(table.values.size())) return false;
        value = table.values[static_cast<std::size_t>(index)];
        return true;
      }
    }
    return false;
  }

  static bool Extend(BitReader& bits, int size, int& value) {
    if (size == 0) {
      value = 0;
      return true;
    }
    if (size > 15 || !bits.Bits(size, value)) return false;
    if (value < (1 << (size - 1))) value -= (1 << size) - 1;
    return true;
  }

  bool DecodeBlock(BitReader& bits, Component& comp, int blockX, int blockY) {
    std::array<int, 64> coef{};
    int size = 0;
    int diff = 0;
    if (!Decode(bits, huffman_[0][comp.dcTable], size) || size > 11 || !Extend(bits, size, diff))
      return false;
    comp.previousDc += diff;
    const auto& q = quant_[comp.quant];
    coef[0] = comp.previousDc * q[0];
    for (int k = 1; k < 64;) {
      int symbol = 0;
      if (!Decode(bits, huffman_[1][comp.acTable], symbol)) return false;
      const int run = symbol >> 4, acSize = symbol & 15;
      if (acSize == 0) {
        if (run != 15) break;  // end of block
        k += 16;
        continue;
      }
      k += run;
      if (k > 63 || acSize > 10) return false;
      int value = 0;
      if (!Extend(bits, acSize, value)) return false;
      coef[kZigzag[static_cast<std::size_t>(k)]] = value * q[kZigzag[static_cast<std::size_t>(k)]];
      ++k;
    }
    Idct(coef, comp, blockX, blockY);
    return true;
  }

  // The separable inverse transform, in floating point.
  static void Idct(const std::array<int, 64>& coef, Component& comp, int blockX, int blockY) {
    static const std::array<std::array<float, 8>, 8> basis = [] {
      std::array<std::array<float, 8>, 8> b{};
      for (int x = 0; x < 8; ++x)
        for (int u = 0; u < 8; ++u)
          b[static_cast<std::size_t>(x)][static_cast<std::size_t>(u)] = static_cast<float>(
              (u == 0 ? std::sqrt(0.5) : 1.0) * std::cos((2 * x + 1) * u * 3.14159265358979323846 / 16) / 2);
      return b;
    }();
    std::array<float, 64> rows{};
    for (int y = 0; y < 8; ++y)
      for (int u = 0; u < 8; ++u) {
        float sum = 0;
        for (int v = 0; v < 8; ++v)
          sum += basis[static_cast<std::size_t>(y)][static_cast<std::size_t>(v)] *
                 static_cast<float>(coef[static_cast<std::size_t>(v * 8 + u)]);
        rows[static_cast<std::size_t>(y * 8 + u)] = sum;
      }
    const std::size_t stride = static_cast<std::size_t>(comp.blocksWide) * 8;
    for (int y = 0; y < 8; ++y)
      for (int x = 0; x < 8; ++x) {
        float sum = 0;
        for (int u = 0; u < 8; ++u)
          sum += basis[static_cast<std::size_t>(x)][static_cast<std::size_t>(u)] *
                 rows[static_cast<std::size_t>(y * 8 + u)];
        const int value = static_cast<int>(std::lround(sum + 128.0f));
        comp.plane[(static_cast<std::size_t>(blockY) * 8 + static_cast<std::size_t>(y)) * stride +
                   static_cast<std::size_t>(blockX) * 8 + static_cast<std::size_t>(x)] =
            static_cast<std::uint8_t>(std::clamp(value, 0, 255));
      }
  }

  std::uint8_t Sample(const Component& comp, int x, int y) const {
    const std::size_t sx = static_cast<std::size_t>(x * comp.h / maxH_);
    const std::size_t sy = static_cast<std::size_t>(y * comp.v / maxV_);
    return comp.plane[sy * static_cast<std::size_t>(comp.blocksWide) * 8 + sx];
  }

  Bitmap ToBitmap() const {
    Bitmap bitmap(width_, height_);
    for (int y = 0; y < height_; ++y) {
      Rgb* row = bitmap.Row(y);
      for (int x = 0; x < width_; ++x) {
        const float luma = Sample(components_[0], x, y);
        if (components_.size() == 1) {
          const auto g = static_cast<std::uint8_t>(luma);
          row[x] = {g, g, g};
          continue;
        }
        const float cb = static_cast<float>(Sample(components_[1], x, y)) - 128.0f;
        const float cr = static_cast<float>(Sample(components_[2], x, y)) - 128.0f;
        const auto channel = [](float v) {
          return static_cast<std::uint8_t>(std::clamp(static_cast<int>(std::lround(v)), 0, 255));
        };
        row[x] = {channel(luma + 1.402f * cr), channel(luma - 0.344136f * cb - 0.714136f * cr),
                  channel(luma + 1.772f * cb)};
      }
    }
    return bitmap;
  }

  std::span<const std::uint8_t> file_;
  std::array<std::array<int, 64>, 4> quant_{};
  std::array<bool, 4> quantDefined_{};
  std::array<std::array<HuffmanTable, 4>, 2> huffman_{};
  std::vector<Component> components_;
  bool frameRead_ = false;
  int width_ = 0;
  int height_ = 0;
  int maxH_ = 1;
  int maxV_ = 1;
  int mcusWide_ = 0;
  int mcusHigh_ = 0;
  int restartInterval_ = 0;
};

}  // namespace

std::optional<Bitmap> DecodeJpeg(std::span<const std::uint8_t> file) { return Decoder(file).Run(); }

}  // namespace varkel
