#include "driver/ButtonFunctions.h"

#include <gtest/gtest.h>

#include <climits>
#include <optional>

namespace varkel {
namespace {

constexpr std::uint8_t kSw = kSoftwareFunction;

TEST(ButtonFunctions, WhatTheMouseIsToldAndWhoPerformsIt) {
  struct Case {
    ButtonFunction code;
    std::optional<std::uint8_t> hardware;
    DpiStep step;
    Performer performer;
  };
  const Case cases[] = {
      {0, 0, DpiStep::None, Performer::Mouse},
      {1, 1, DpiStep::None, Performer::Mouse},
      {5, 5, DpiStep::None, Performer::Mouse},
      {6, kSw, DpiStep::Cycle, Performer::Software},
      {7, std::nullopt, DpiStep::None, Performer::Nobody},
      {10, std::nullopt, DpiStep::None, Performer::Nobody},
      {11, 7, DpiStep::None, Performer::Mouse},
      {16, 12, DpiStep::None, Performer::Mouse},
      {17, kSw, DpiStep::Up, Performer::Software},
      {18, kSw, DpiStep::Down, Performer::Software},
      {19, 8, DpiStep::None, Performer::Mouse},  // goes out as its replacement 12
      {20, std::nullopt, DpiStep::None, Performer::Nobody},
      {21, 13, DpiStep::None, Performer::Mouse},
      {23, 15, DpiStep::None, Performer::Mouse},
      {25, 0x11, DpiStep::None, Performer::Mouse},
      {26, kSw, DpiStep::None, Performer::Software},
      {27, kSw, DpiStep::None, Performer::Software},
      {30, kSw, DpiStep::None, Performer::Software},
      {31, kSw, DpiStep::None, Performer::Software},
      {40, kSw, DpiStep::None, Performer::Software},
      {41, kSw, DpiStep::None, Performer::Software},
      {52, kSw, DpiStep::None, Performer::Software},
      {53, std::nullopt, DpiStep::None, Performer::Nobody},
      {60, std::nullopt, DpiStep::None, Performer::Nobody},
      {-1, std::nullopt, DpiStep::None, Performer::Nobody},
      {INT_MIN, std::nullopt, DpiStep::None, Performer::Nobody},
      {INT_MAX, std::nullopt, DpiStep::None, Performer::Nobody},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.code);
    const FunctionInfo info = DescribeFunction(c.code);
    EXPECT_EQ(info.hardwareNumber, c.hardware);
    EXPECT_EQ(info.dpiStep, c.step);
    EXPECT_EQ(info.performer, c.performer);
  }
  EXPECT_EQ(DescribeFunction(kColourPickFunction).hardwareNumber,
            DescribeFunction(kColourPickReplacement).hardwareNumber);
}

TEST(ButtonFunctions, NameSources) {
  struct Case {
    ButtonFunction code;
    NameSource name;
  };
  const Case cases[] = {
      {0, NameSource::None},       {1, NameSource::SkinFunctionName},
      {19, NameSource::SkinFunctionName}, {29, NameSource::SkinFunctionName},
      {40, NameSource::SkinFunctionName}, {41, NameSource::MacroName},
      {52, NameSource::MacroName}, {53, NameSource::None},
      {54, NameSource::None},      {-5, NameSource::None},
  };
  for (const Case& c : cases) EXPECT_EQ(DescribeFunction(c.code).name, c.name) << c.code;
}

TEST(ButtonFunctions, PopupPlaces) {
  struct Case {
    ButtonFunction code;
    int firstLevelRow, group, groupRow;
  };
  const Case cases[] = {
      {0, 0, 0, 0},  {1, 1, 0, 0},   {6, 6, 0, 0},   {7, 7, 0, 0},   {10, 10, 0, 0},
      {11, 0, 7, 1}, {18, 0, 7, 8},  {19, 0, 0, 0},  {20, 0, 0, 0},  {21, 0, 8, 1},
      {23, 0, 8, 3}, {26, 0, 8, 6},  {27, 0, 0, 0},  {31, 0, 10, 1}, {40, 0, 10, 10},
      {41, 0, 9, 1}, {42, 0, 9, 2},  {52, 0, 9, 12}, {53, 0, 0, 0},  {-1, 0, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.code);
    const FunctionInfo info = DescribeFunction(c.code);
    EXPECT_EQ(info.firstLevelRow, c.firstLevelRow);
    EXPECT_EQ(info.group, c.group);
    EXPECT_EQ(info.groupRow, c.groupRow);
  }
}

// Each popup offers a block of consecutive rows, and the code a row stores is
// described as sitting on that very row.
TEST(ButtonFunctions, PopupRowsStoreCodesThatSitThere) {
  struct Group {
    int group, rows;
  };
  const Group groups[] = {{kFirstLevel, 6}, {7, 8}, {8, 6}, {9, 12}, {10, 10}};
  for (const Group& g : groups) {
    for (int row = 0; row <= 13; ++row) {
      SCOPED_TRACE(testing::Message() << "group " << g.group << " row " << row);
      const std::optional<ButtonFunction> code = FunctionOfPopupRow(g.group, row);
      if (row < 1 || row > g.rows) {
        EXPECT_EQ(code, std::nullopt);
        continue;
      }
      ASSERT_TRUE(code.has_value());
      const FunctionInfo info = DescribeFunction(*code);
      EXPECT_EQ(g.group == kFirstLevel ? info.firstLevelRow : info.groupRow, row);
      EXPECT_EQ(info.group, g.group);
      EXPECT_TRUE(info.hardwareNumber.has_value());
    }
  }
  EXPECT_EQ(FunctionOfPopupRow(8, 3), 23);
  EXPECT_EQ(FunctionOfPopupRow(9, 2), 42);
  EXPECT_EQ(FunctionOfPopupRow(1, 1), std::nullopt);
}

TEST(ButtonFunctions, MacroSlots) {
  EXPECT_EQ(MacroSlotOf(41), 0);
  EXPECT_EQ(MacroSlotOf(42), 1);
  EXPECT_EQ(MacroSlotOf(52), 11);
  for (ButtonFunction code : {40, 53, 0, -41}) EXPECT_EQ(MacroSlotOf(code), std::nullopt) << code;
}

}  // namespace
}  // namespace varkel
