#include "platform/sim/ScriptedFileDialogs.h"

namespace varkel::sim {

void ScriptedFileDialogs::Queue(Answer answer, std::u16string path) {
  answers_.push_back({answer, std::move(path)});
}

std::optional<std::u16string> ScriptedFileDialogs::Choose(const FileDialogRequest& request) {
  requests_.push_back(request);
  if (observer_) observer_(request);
  if (answers_.empty()) return std::nullopt;
  const Queued next = std::move(answers_.front());
  answers_.pop_front();
  if (next.answer == Answer::Cancel) return std::nullopt;
  const Answer expected = request.kind == FileDialogKind::Open ? Answer::Open : Answer::Save;
  if (next.answer != expected) {
    ++mismatches_;
    return std::nullopt;
  }
  return next.path;
}

std::u16string DescribeFileDialog(const FileDialogRequest& request) {
  std::u16string line = request.kind == FileDialogKind::Open ? u"dialog open " : u"dialog save ";
  line += request.filter;
  if (!request.defaultExtension.empty()) line += u" " + request.defaultExtension;
  return line;
}

}  // namespace varkel::sim
