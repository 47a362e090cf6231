#pragma once
// Class and interface ids of the stand-ins for the maker's data servers: {D7A3Ennn-...}.
// One place, shared by the server (which creates them) and the stand-ins (which register them).
#include <windows.h>

namespace inhouse {

constexpr GUID inhouse_guid(unsigned short n) {
    return GUID{0xD7A3E000u | n, 0x4C1E, 0x4F5A, {0x8B, 0x2D, 0x5A, 0x0C, 0x3E, 0x9F, 0x10, 0x00}};
}

// Company server: the list of companies of the installation (login).
inline constexpr GUID CLSID_EmpresaServer = inhouse_guid(0x001);

}  // namespace inhouse
