#pragma once
// What the chosen commercial operation suggests, read through a commercial operations
// connection with its filters: the CFOP (digits only) and the ICMS rate as a Portuguese text.
#include <windows.h>

#include <string>

class CConexaoOpComerciais;

namespace masterdata {

// The suggested CFOP; 0 when the connection fails (*hr then holds its HRESULT).
long CfopSugerida(CConexaoOpComerciais& conexao, HRESULT* hr);
// The suggested ICMS rate with two decimals ("18,00"); "0,00" when the connection fails.
std::string IcmsSugerido(CConexaoOpComerciais& conexao, HRESULT* hr);
// The rate's text from hundredths of a percent point (1750 gives "17,50").
std::string TextoIcms(long centesimos);

}  // namespace masterdata
