#include "macros/EventTexts.h"

#include <string_view>

#include "config/DecimalText.h"

namespace varkel {
namespace {

struct NamedKey {
  std::uint8_t code;
  std::u16string_view text;
};

// Virtual-key names without their prefix, and the punctuation keys.
constexpr NamedKey kNamedKeys[] = {
    {8, u"BACK"},        {9, u"TAB"},         {12, u"CLEAR"},       {13, u"RETURN"},
    {16, u"SHIFT"},      {17, u"CONTROL"},    {18, u"MENU"},        {19, u"PAUSE"},
    {20, u"CAPITAL"},    {21, u"KANA"},       {23, u"JUNJA"},       {24, u"FINAL"},
    {25, u"HANJA"},      {27, u"ESCAPE"},     {28, u"CONVERT"},     {29, u"NONCONVERT"},
    {30, u"ACCEPT"},     {31, u"MODECHANGE"}, {32, u"SPACE"},       {33, u"PRIOR"},
    {34, u"NEXT"},       {35, u"END"},        {36, u"HOME"},        {37, u"LEFT"},
    {38, u"UP"},         {39, u"RIGHT"},      {40, u"DOWN"},        {41, u"SELECT"},
    {42, u"PRINT"},      {43, u"EXECUTE"},    {44, u"SNAPSHOT"},    {45, u"INSERT"},
    {46, u"DELETE"},     {47, u"HELP"},       {91, u"LWIN"},        {92, u"RWIN"},
    {93, u"APPS"},       {95, u"SLEEP"},      {106, u"MULTIPLY"},   {107, u"ADD"},
    {108, u"SEPARATOR"}, {109, u"SUBTRACT"},  {110, u"DECIMAL"},    {111, u"DIVIDE"},
    {144, u"NUMLOCK"},   {145, u"SCROLL"},    {160, u"LSHIFT"},     {161, u"RSHIFT"},
    {162, u"LCONTROL"},  {163, u"RCONTROL"},  {164, u"LMENU"},      {165, u"RMENU"},
    {186, u";:"},        {187, u"+"},         {188, u","},          {189, u"-"},
    {190, u"."},         {191, u"/?"},        {192, u"`~"},         {219, u"[{"},
    {220, u"\\|"},       {221, u"]}"},        {222, u" ' "},        {kLeftButtonKey, u"Left_Key"},
    {kRightButtonKey, u"Right_Key"}, {kMiddleButtonKey, u"Middle_Key"},
};

// Runs of codes named by a prefix and a number counted from the run's start.
struct NumberedKeys {
  std::uint8_t first;
  std::uint8_t last;
  std::u16string_view prefix;
  int firstNumber;
};

constexpr NumberedKeys kNumberedKeys[] = {
    {48, 57, u"", 0},          // digits
    {96, 105, u"NUMPAD", 0},   // keypad digits
    {112, 135, u"F", 1},       // function keys
};

constexpr std::uint8_t kFirstLetter = 65;
constexpr std::uint8_t kLastLetter = 90;
constexpr std::u16string_view kCannotRecord = u"不可录制";

}  // namespace

std::u16string KeyName(std::uint8_t keyCode) {
  if (keyCode >= kFirstLetter && keyCode <= kLastLetter) return std::u16string(1, char16_t(keyCode));
  for (const NumberedKeys& run : kNumberedKeys) {
    if (keyCode >= run.first && keyCode <= run.last)
      return std::u16string(run.prefix) + FormatDecimal(keyCode - run.first + run.firstNumber);
  }
  for (const NamedKey& key : kNamedKeys) {
    if (key.code == keyCode) return std::u16string(key.text);
  }
  return std::u16string(kCannotRecord);
}

std::u16string StepLine(const MacroEvent& step) {
  if (step.action == kPressAction) return u"[↓]" + KeyName(step.keyCode);
  if (step.action == kReleaseAction) return u"[↑]" + KeyName(step.keyCode);
  return KeyName(step.keyCode);
}

std::u16string DelayLine(std::uint16_t delayMs) { return u"    " + FormatDecimal(delayMs) + u"ms"; }

}  // namespace varkel
