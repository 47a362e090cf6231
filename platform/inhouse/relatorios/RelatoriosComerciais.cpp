#include "platform/inhouse/relatorios/RelatoriosComerciais.h"

#include <cstring>
#include <string>

#include "platform/com/wire_pointer.h"

namespace inhouse {

namespace {
constexpr uint8_t comissoes = 5;
constexpr uint8_t movimentos = 17;
}  // namespace

std::string texto_apontado(uint32_t campo) {
    const auto* texto = static_cast<const char*>(com::wire_pointer_get(campo));
    return texto ? texto : "";
}

arquivo_relatorio relatorio_comissoes(const REQ_RELATORIO_COMERCIAL& p) {
    std::string representante = texto_apontado(p.representante_texto);
    while (!representante.empty() && representante.back() == '\n') representante.pop_back();
    arquivo_relatorio r("COMISSÕES A PAGAR", texto_apontado(p.razao_social), texto_apontado(p.modelo));
    r.periodo(p.data_inicial, p.data_final)
        .parametro("Empresa", texto_apontado(p.empresa))
        .parametro("Representante", p.com_representante ? representante : "Todos");
    return r;
}

HRESULT STDMETHODCALLTYPE RelatoriosComerciais::Relatorio(BYTE* pedido) noexcept try {
    if (!pedido) return E_POINTER;
    REQ_RELATORIO_COMERCIAL p;
    std::memcpy(&p, pedido, sizeof p);
    if (HRESULT hr = faults().enter("Relatorio", hex_bytes(&p, sizeof p)); FAILED(hr)) return hr;
    const std::string arquivo = texto_apontado(p.arquivo);
    if (arquivo.empty() || (p.constante_134 != comissoes && p.constante_134 != movimentos)) return E_INVALIDARG;
    if (p.constante_134 == comissoes) {
        relatorio_comissoes(p).grava(arquivo_comissoes(arquivo));
    } else {
        arquivo_relatorio r("MOVIMENTOS COMERCIAIS", texto_apontado(p.razao_social), texto_apontado(p.modelo));
        r.periodo(p.data_inicial, p.data_final)
            .parametro("Empresa", texto_apontado(p.empresa))
            .parametro("Representante", p.representante ? std::to_string(p.representante) : "Todos")
            .parametro("Tipo de data", std::string(1, p.tipo_data ? p.tipo_data : '-'))
            .parametro("Situação", std::string(1, p.situacao ? p.situacao : '-'));
        r.grava(arquivo);
    }
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

}  // namespace inhouse
