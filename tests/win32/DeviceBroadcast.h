#pragma once
// A device-interface broadcast as the system lays it out: header, class
// GUID, then the name.
#include <windows.h>

#include <dbt.h>

#include <cstddef>
#include <vector>

namespace varkel::win32 {

inline std::vector<std::byte> InterfaceBroadcast(const wchar_t* name, std::size_t nameUnits,
                                                 DWORD declaredSize = 0) {
  const std::size_t offset = offsetof(DEV_BROADCAST_DEVICEINTERFACE_W, dbcc_name);
  std::vector<std::byte> buffer(offset + (nameUnits + 4) * sizeof(wchar_t) + 8, std::byte{0});
  auto* b = reinterpret_cast<DEV_BROADCAST_DEVICEINTERFACE_W*>(buffer.data());
  b->dbcc_size = declaredSize ? declaredSize : static_cast<DWORD>(offset + (nameUnits + 1) * sizeof(wchar_t));
  b->dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
  for (std::size_t k = 0; k < nameUnits; ++k) b->dbcc_name[k] = name[k];
  return buffer;
}

}  // namespace varkel::win32
