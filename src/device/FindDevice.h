#pragma once
// Finding the mouse among the present HID interfaces, and following it
// being plugged in and pulled out.
#include <string_view>

#include "device/DeviceHost.h"
#include "device/DeviceLink.h"
#include "platform/Hid.h"

namespace varkel {

// Examines interface indices 0..99, opening the input collection for reading
// and the output collection for writing; stops once both are open. Returns
// (and stores in deviceFound) whether the last interface examined was the
// mouse's.
bool FindDevice(HidBus& bus, DeviceLink& link);

// A device-interface notice whose path is the link's, in any letter case.
bool IsOurDevice(const DeviceNotice& notice, const DeviceLink& link);

// The main window's answer to a device-change notice.
void OnDeviceChange(const DeviceNotice& notice, HidBus& bus, DeviceLink& link,
                    MainWindowHost& host);

// The main window's device-change message (kDeviceChangeMessage): reads the
// notice the way the platform delivers it and answers TRUE (1).
std::intptr_t OnDeviceChangeMessage(std::uintptr_t event, std::intptr_t data, HidBus& bus,
                                    DeviceLink& link, MainWindowHost& host);

// Device paths are ASCII; letter case is folded for ASCII letters only.
bool SamePathIgnoringCase(std::u16string_view a, std::u16string_view b);

}  // namespace varkel
