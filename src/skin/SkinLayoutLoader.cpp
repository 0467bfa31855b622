#include "skin/SkinLayoutLoader.h"

#include <functional>
#include <vector>

#include "config/AppPaths.h"
#include "config/DecimalText.h"

namespace varkel {
namespace {

// Fields 1-4 are decimal text; what is not a number reads as 0.
std::int32_t FieldNumber(std::u16string_view text) { return ParseDecimal(text); }

SkinElement ElementOf(const SkinFields& f) {
  return {FieldNumber(f[1]), FieldNumber(f[2]), FieldNumber(f[3]), FieldNumber(f[4]), f[5]};
}

ControlPlace PlaceOf(const SkinFields& f) {
  return {FieldNumber(f[1]), FieldNumber(f[2]), FieldNumber(f[3]), FieldNumber(f[4])};
}

// A run of keys of one section of one file, and where each value goes.
struct KeyRun {
  std::u16string_view file;
  std::u16string_view section;
  std::int32_t first;
  std::int32_t last;
  std::function<void(SkinLayout&, std::int32_t key, const SkinFields&)> store;
};

template <std::size_t N>
auto IntoTable(std::array<SkinElement, N> SkinLayout::*table) {
  return [table](SkinLayout& layout, std::int32_t key, const SkinFields& f) {
    (layout.*table)[static_cast<std::size_t>(key)] = ElementOf(f);
  };
}

auto IntoPlace(ControlPlace SkinLayout::*place) {
  return [place](SkinLayout& layout, std::int32_t, const SkinFields& f) {
    layout.*place = PlaceOf(f);
  };
}

bool ReadRuns(const SkinReader& reader, std::u16string_view skinDir, SkinLayout& layout,
              const std::vector<KeyRun>& runs) {
  for (const KeyRun& run : runs) {
    const std::u16string path = JoinPath(skinDir, run.file);
    for (std::int32_t key = run.first; key <= run.last; ++key) {
      const auto fields = ReadSkinValue(reader, path, run.section, key);
      if (!fields) return false;
      run.store(layout, key, *fields);
    }
  }
  return true;
}

}  // namespace

bool ReadMainWindowLayout(const SkinReader& reader, std::u16string_view skinDir, SkinLayout& layout) {
  const std::vector<KeyRun> runs = {
      {u"skin_main.ini", u"BUTTONPOS", 0, kMainElementCount - 1, IntoTable(&SkinLayout::main)},
      {u"skin_main.ini", u"FUN_STRING", 1, kFunctionNameCount - 1,
       [](SkinLayout& l, std::int32_t key, const SkinFields& f) {
         l.functionNames[static_cast<std::size_t>(key)] = f[0];
       }},
      {u"skin_color.ini", u"BUTTONPOS", 0, kColourElementCount - 1, IntoTable(&SkinLayout::colour)},
      {u"skin_advance.ini", u"BUTTONPOS", 0, kAdvancedElementCount - 1,
       IntoTable(&SkinLayout::advanced)},
      {u"skin_advance.ini", u"EDIT", 3, 3, IntoPlace(&SkinLayout::repeatBox)},
      {u"skin_advance.ini", u"EDIT", 4, 4, IntoPlace(&SkinLayout::nameBox)},
      {u"skin_advance.ini", u"MACRODISPLAY", 1, 1, IntoPlace(&SkinLayout::macroList)},
      {u"skin_advance.ini", u"MACRODISPLAY", 2, 2, IntoPlace(&SkinLayout::eventList)},
  };
  return ReadRuns(reader, skinDir, layout, runs);
}

bool ReadWarningLayout(const SkinReader& reader, std::u16string_view skinDir, SkinLayout& layout) {
  const std::vector<KeyRun> runs = {
      {u"LBWarning.ini", u"BUTTONPOS", 0, kWarningElementCount - 1, IntoTable(&SkinLayout::warning)},
  };
  return ReadRuns(reader, skinDir, layout, runs);
}

bool ReadSkinLayout(const SkinReader& reader, std::u16string_view skinDir, SkinLayout& layout) {
  return ReadMainWindowLayout(reader, skinDir, layout) && ReadWarningLayout(reader, skinDir, layout);
}

}  // namespace varkel
