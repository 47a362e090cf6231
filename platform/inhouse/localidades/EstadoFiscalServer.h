#pragma once
// The state server of the invoice tax calculation (IQVDF_Estado) over the store: states by text
// or code, and the ICMS rates of a state for a branch (table estado_icms; the interstate rate
// follows the states' fiscal regions).
#include <string>

#include "inhouse_localidades.h"
#include "platform/inhouse/core/servidor_sessao.h"

namespace inhouse {

// The state server's answer for a state it does not know or that has no rate.
inline constexpr HRESULT QV_E_ESTADO_DESCONHECIDO = static_cast<HRESULT>(0x800403B0u);

// The interstate ICMS rate in hundredths of a percent from a state of fiscal region `origem` to
// one of region `destino` (0: south and south-east except Espírito Santo; 1: the others; 2:
// abroad): 7 % from region 0 to region 1, 12 % otherwise, nothing abroad.
uint16_t aliquota_interestadual(int origem, int destino) noexcept;

class EstadoFiscalServer final : public servidor_partes_sessao<EstadoFiscalServer, IQVDF_Estado> {
public:
    using servidor_partes_sessao::servidor_partes_sessao;

    HRESULT STDMETHODCALLTYPE PesquisaSigla(BSTR sigla, WORD* estado, BYTE* registro) noexcept override;
    HRESULT STDMETHODCALLTYPE LeEstado(WORD estado, BYTE* registro) noexcept override;
    ZU_RESERVADO(6) ZU_RESERVADO(7) ZU_RESERVADO(8) ZU_RESERVADO(9) ZU_RESERVADO(10)
    HRESULT STDMETHODCALLTYPE Aliquotas(WORD estado, WORD filial, LONGLONG* interna, LONGLONG* operacao) noexcept override;

private:
    ~EstadoFiscalServer() override = default;   // objects come only from com::make
};

}  // namespace inhouse
