#include "device/FeatureReports.h"

#include "config/ProfileValues.h"

namespace varkel {

namespace {
constexpr std::size_t kReportDataBytes = 4;
}

std::vector<std::uint8_t> FeatureReport(std::size_t length, FeatureCommand command, std::uint8_t first,
                                        std::uint8_t second) {
  if (length < kReportDataBytes) return {};
  std::vector<std::uint8_t> report(length, 0);
  report[0] = kFeatureReportId;
  report[1] = static_cast<std::uint8_t>(command);
  report[2] = first;
  report[3] = second;
  return report;
}

bool SendFeatureReport(const DeviceLink& link, FeatureCommand command, std::uint8_t first,
                       std::uint8_t second) {
  const OutputEnd output = link.Output();
  if (!output.handle) return false;
  const auto report = FeatureReport(output.caps.featureReportLength, command, first, second);
  if (report.empty()) return false;
  return output.handle->SendFeature(report);
}

void SendDpiReport(const DeviceLink& link, const ProfileModel& model) {
  // A stored level outside the four is sent, and read, as level 0.
  const int level = DpiLevelIndex(model.profile);
  SendFeatureReport(link, FeatureCommand::DpiAndLed, static_cast<std::uint8_t>(level),
                    DpiAndLedByte(model.appliedDpiSet[level], model.appliedLedStatus));
}

}  // namespace varkel
