#pragma once
// The platform's SAX reader (MSXML 3.0's SAXXMLReader, which Wine ships as a builtin msxml3.dll):
// its class id and the interface ids the XML reader component needs. The system headers declare
// the interfaces but the MinGW import libraries carry none of these ids.
#include <windows.h>
#include <msxml2.h>

namespace inhouse {

// "Msxml2.SAXXMLReader.3.0".
inline constexpr CLSID CLSID_SAXXMLReader_30 = {0x3124C396, 0xFB13, 0x4836,
                                                {0xA6, 0xAD, 0x13, 0x17, 0xF1, 0x71, 0x36, 0x88}};

}  // namespace inhouse

__CRT_UUID_DECL(ISAXXMLReader, 0xA4F96ED0, 0xF829, 0x476E, 0x81, 0xC0, 0xCD, 0xC7, 0xBD, 0x2A, 0x08, 0x02)
__CRT_UUID_DECL(ISAXContentHandler, 0x1545CDFA, 0x9E4E, 0x4497, 0xA8, 0xA4, 0x2B, 0xF7, 0xD0, 0x11, 0x2C, 0x44)
__CRT_UUID_DECL(ISAXAttributes, 0xF078ABE1, 0x45D2, 0x4832, 0x91, 0xEA, 0x44, 0x66, 0xCE, 0x2F, 0x25, 0xC9)
