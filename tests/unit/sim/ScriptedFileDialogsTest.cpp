#include "platform/sim/ScriptedFileDialogs.h"

#include <gtest/gtest.h>

namespace varkel::sim {
namespace {

using Answer = ScriptedFileDialogs::Answer;

const FileDialogRequest kOpen{FileDialogKind::Open, u"All Files(*.ini)|*.ini||", 5, u"", u"C:\\Varkel"};
const FileDialogRequest kSave{FileDialogKind::Save, u"All Files(*.dat)|*.dat||", 6, u"dat", u"C:\\Varkel"};

TEST(ScriptedFileDialogs, EachDialogTakesTheNextAnswerOfItsKind) {
  ScriptedFileDialogs dialogs;
  std::vector<std::u16string> seen;
  dialogs.SetObserver([&](const FileDialogRequest& r) { seen.push_back(DescribeFileDialog(r)); });
  dialogs.Queue(Answer::Open, u"C:\\Varkel\\a.ini");
  dialogs.Queue(Answer::Cancel);
  dialogs.Queue(Answer::Open, u"C:\\Varkel\\b.dat");  // meets a save dialog
  dialogs.Queue(Answer::Save, u"C:\\Varkel\\c.dat");

  EXPECT_EQ(dialogs.Choose(kOpen), u"C:\\Varkel\\a.ini");
  EXPECT_EQ(dialogs.Choose(kOpen), std::nullopt);
  EXPECT_EQ(dialogs.Choose(kSave), std::nullopt);
  EXPECT_EQ(dialogs.Mismatches(), 1);
  EXPECT_EQ(dialogs.Choose(kSave), u"C:\\Varkel\\c.dat");
  EXPECT_EQ(dialogs.Choose(kSave), std::nullopt);  // nothing queued: cancelled
  EXPECT_EQ(dialogs.Pending(), 0u);

  EXPECT_EQ(dialogs.Requests().size(), 5u);
  EXPECT_EQ(dialogs.Requests()[2], kSave);
  EXPECT_EQ(seen[0], u"dialog open All Files(*.ini)|*.ini||");
  EXPECT_EQ(seen[2], u"dialog save All Files(*.dat)|*.dat|| dat");
}

}  // namespace
}  // namespace varkel::sim
