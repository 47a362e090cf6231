#pragma once
// The operation natures (CFOP) that an order page may offer one customer sold from one branch:
// outgoing natures only, and among them the same-state (5), interstate (6) or export (7) group
// that fits where the customer is. Every BuscaPonteiros reads the list again from the natures
// server of the process-wide pool, with today's date; codes are shown with the dots of the
// company's CFOP mask.
#include <cstdint>
#include <string>
#include <vector>

#include "VAVEDERAZur.h"
#include "platform/com/object.h"

namespace masterdata {

// One offered nature, its texts cut to their fields.
struct _TW_DF_NaturezasOperacao {
    char codigo[22];   // the formatted code
    char nome[82];
    uint16_t filial;
};

// The code with its dots: every '.' removed, then one put after the first digit and, for a
// seven-digit code, after the fourth, as far as the mask is long (a mask of 0 or 1 character
// leaves the code without dots).
std::string FormataCodigoNatureza(std::string codigo, size_t tamanho_mascara);

class CTW_DF_NaturezasOperacao final : public com::object<CTW_DF_NaturezasOperacao, ITW_DF_NaturezasOperacao> {
public:
    HRESULT STDMETHODCALLTYPE BuscaPonteiros(ULONG* pulQuantidade) noexcept override;
    HRESULT STDMETHODCALLTYPE LePosicao(ULONG ulPosArray) noexcept override;
    HRESULT STDMETHODCALLTYPE GetCodigo(BSTR* pbsCodigo) noexcept override;
    HRESULT STDMETHODCALLTYPE GetNome(BSTR* pbsNome) noexcept override;
    HRESULT STDMETHODCALLTYPE GetFilial(BSTR* pbsFilial) noexcept override;
    HRESULT STDMETHODCALLTYPE LeCodigo(BSTR bsCodigo) noexcept override;
    HRESULT STDMETHODCALLTYPE SetCodCliente(BSTR bsCodCliente) noexcept override;
    HRESULT STDMETHODCALLTYPE SetCodFilial(BSTR bsCodFilial) noexcept override;

private:
    ~CTW_DF_NaturezasOperacao() override = default;   // objects come only from com::make

    // Rebuilds the list; its count.
    ULONG Carrega();

    _TW_DF_NaturezasOperacao m_atual{};
    std::string m_sMascara;
    // What the count query passes besides the branch and the day (read at each search).
    const uint8_t m_cTipo = 0;
    const uint8_t m_cModulo = 13;
    const uint8_t m_cLetra = 'P';
    std::string m_sCodCliente;
    std::string m_sCodFilial;
    std::vector<_TW_DF_NaturezasOperacao> m_naturezas;
};

}  // namespace masterdata
