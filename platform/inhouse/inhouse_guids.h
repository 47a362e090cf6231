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

// 0xE00-0xEFF: the framework's own.
// The proving stand-in (its interface IProvaServer, D7A3EE01, is declared in inhouse.idl).
inline constexpr GUID CLSID_ProvaServer = inhouse_guid(0xE00);
// The six classes of the server factory QVCriaServidor (kinds 0 to 5) and the interface each
// holder asks for. No data server of ours implements them yet.
inline constexpr GUID CLSID_QVServidor0 = inhouse_guid(0xE10);
inline constexpr GUID CLSID_QVServidor1 = inhouse_guid(0xE11);
inline constexpr GUID CLSID_QVServidor2 = inhouse_guid(0xE12);
inline constexpr GUID CLSID_QVServidor3 = inhouse_guid(0xE13);
inline constexpr GUID CLSID_QVServidor4 = inhouse_guid(0xE14);
inline constexpr GUID CLSID_QVServidor5 = inhouse_guid(0xE15);
inline constexpr GUID IID_IQVServidor0 = inhouse_guid(0xE20);
inline constexpr GUID IID_IQVServidor1 = inhouse_guid(0xE21);
inline constexpr GUID IID_IQVServidor2 = inhouse_guid(0xE22);
inline constexpr GUID IID_IQVServidor3 = inhouse_guid(0xE23);
inline constexpr GUID IID_IQVServidor4 = inhouse_guid(0xE24);
inline constexpr GUID IID_IQVServidor5 = inhouse_guid(0xE25);

}  // namespace inhouse
