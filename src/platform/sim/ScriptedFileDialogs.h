#pragma once
// The file dialogs answered from a script: each dialog takes the next queued
// answer, and is cancelled when none is queued. Every request is kept, and an
// observer sees each one as it is made.
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/FileDialogs.h"

namespace varkel::sim {

class ScriptedFileDialogs final : public FileDialogs {
 public:
  enum class Answer { Open, Save, Cancel };

  // path: the Windows path the user picks (ignored for Cancel).
  void Queue(Answer answer, std::u16string path = {});
  void SetObserver(std::function<void(const FileDialogRequest&)> observer) { observer_ = std::move(observer); }

  // An answer of the other kind (an open answer meeting a save dialog)
  // cancels the dialog and counts as a mismatch.
  std::optional<std::u16string> Choose(const FileDialogRequest& request) override;

  const std::vector<FileDialogRequest>& Requests() const { return requests_; }
  int Mismatches() const { return mismatches_; }
  std::size_t Pending() const { return answers_.size(); }

 private:
  struct Queued {
    Answer answer;
    std::u16string path;
  };
  std::deque<Queued> answers_;
  std::vector<FileDialogRequest> requests_;
  std::function<void(const FileDialogRequest&)> observer_;
  int mismatches_ = 0;
};

// A request as a transcript shows it: "dialog open FILTER", or
// "dialog save FILTER EXT" (" EXT" left out when there is no default
// extension); FILTER exactly as the program passes it.
std::u16string DescribeFileDialog(const FileDialogRequest& request);

}  // namespace varkel::sim
