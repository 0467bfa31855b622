#include <gtest/gtest.h>

#include "macros/DelayText.h"
#include "macros/EventTexts.h"

namespace varkel {
namespace {

struct KeyCase {
  int code;
  std::u16string text;
};

TEST(KeyName, EveryKindOfCode) {
  const KeyCase cases[] = {
      {65, u"A"},           {90, u"Z"},          {48, u"0"},          {57, u"9"},
      {8, u"BACK"},         {13, u"RETURN"},     {27, u"ESCAPE"},     {32, u"SPACE"},
      {47, u"HELP"},        {91, u"LWIN"},       {95, u"SLEEP"},      {96, u"NUMPAD0"},
      {105, u"NUMPAD9"},    {106, u"MULTIPLY"},  {111, u"DIVIDE"},    {112, u"F1"},
      {121, u"F10"},        {135, u"F24"},       {144, u"NUMLOCK"},   {160, u"LSHIFT"},
      {165, u"RMENU"},      {186, u";:"},        {187, u"+"},         {192, u"`~"},
      {219, u"[{"},         {220, u"\\|"},       {221, u"]}"},        {222, u" ' "},
      {240, u"Left_Key"},   {241, u"Right_Key"}, {242, u"Middle_Key"},
      // Codes without a name, between and around the named ones.
      {0, u"不可录制"},     {22, u"不可录制"},   {26, u"不可录制"},   {59, u"不可录制"},
      {64, u"不可录制"},    {94, u"不可录制"},   {136, u"不可录制"},  {166, u"不可录制"},
      {223, u"不可录制"},   {243, u"不可录制"},  {255, u"不可录制"},
  };
  for (const KeyCase& c : cases) EXPECT_EQ(KeyName(static_cast<std::uint8_t>(c.code)), c.text) << c.code;
}

TEST(EventLines, StepsShowTheirActionAndDelaysTheirMilliseconds) {
  EXPECT_EQ(StepLine({65, kPressAction, 120}), u"[↓]A");
  EXPECT_EQ(StepLine({13, kReleaseAction, 0}), u"[↑]RETURN");
  EXPECT_EQ(StepLine({240, kPressAction, 0}), u"[↓]Left_Key");
  EXPECT_EQ(StepLine({59, kPressAction, 0}), u"[↓]不可录制");
  EXPECT_EQ(StepLine({65, 0, 0}), u"A");  // an action of neither kind
  EXPECT_EQ(StepLine({65, 7, 0}), u"A");
  EXPECT_EQ(DelayLine(30), u"    30ms");
  EXPECT_EQ(DelayLine(0), u"    0ms");
  EXPECT_EQ(DelayLine(65535), u"    65535ms");
}

TEST(DelayText, WhatThePersonTypedBecomesTheStoredDelay) {
  const struct {
    std::u16string typed;
    int stored;
  } cases[] = {
      {u"250", 250},     {u"250ms", 250},   {u"  250 ms", 250}, {u"    120ms", 120},
      {u"0", 0},         {u"65535", 65535}, {u"65536", 0},      {u"70000", 4464},
      {u"", 0},          {u"ms", 0},        {u"abc", 0},        {u"12ab", 12},
      {u"5ms7ms", 5},    {u"+40", 40},      {u"-1", 255},       {u"-256", 65280},
      {u"99999999999", 65535},  // held at the 32-bit maximum, then cut to 16 bits
  };
  for (const auto& c : cases) EXPECT_EQ(ParseDelayText(c.typed), c.stored) << ::testing::PrintToString(c.typed);
}

}  // namespace
}  // namespace varkel
