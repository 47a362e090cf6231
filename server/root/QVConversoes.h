#pragma once
// Dates and money cross the COM boundary as texts: these four conversions serve every getter and
// setter. They answer S_OK; a date that does not fit the 16-bit day number throws com::failure
// (the method's boundary reports it), and any other invalid text gives what the base conversion
// gives for it (0).
#include <windows.h>
#include <oleauto.h>

#include <cstdint>

HRESULT QVConverteBstrData(unsigned short* dia, BSTR texto);
HRESULT QVFormataDataBstr(unsigned short dia, BSTR* texto, int quatroDigitos);
HRESULT QVFormataCYBstr(const CURRENCY* valor, BSTR* texto);
HRESULT QVConverteBstrCY(CURRENCY* valor, BSTR texto);
