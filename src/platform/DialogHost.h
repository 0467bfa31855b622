#pragma once
// Windows made from the executable's dialog templates, each run by a
// portable window class.
#include "platform/Window.h"

namespace varkel {

class DialogHost {
 public:
  virtual ~DialogHost() = default;

  // Makes the window from the template, with windowClass attached, and runs
  // it modally (its owner, if any, disabled meanwhile) until EndModal or
  // its destruction. Returns EndModal's result, 0 after a destruction, -1
  // when the window could not be made.
  virtual int RunModal(int templateId, WindowClass& windowClass, Window* owner) = 0;

  // Makes the window from the template and returns; the window shows as its
  // template's style says and keeps windowClass until it is destroyed.
  // False when it could not be made.
  virtual bool CreateModeless(int templateId, WindowClass& windowClass, Window* owner) = 0;
};

}  // namespace varkel
