#include "sales/CTabelaDePreco.h"

#include <objbase.h>

#include <cstring>
#include <memory>

#include "platform/com/out_param.h"
#include "platform/inhouse/core/registros_sessao.h"

namespace sales {

namespace {

// The product server's answer of the conditions a table does not allow: a count and a
// task-memory block of 8-byte entries.
struct resposta_condicoes {
    LONG quantidade;
    BYTE* entradas;
};

struct libera_tarefa {
    void operator()(void* p) const noexcept { CoTaskMemFree(p); }
};

}  // namespace

void CTabelaDePreco::Define(WORD posicao, bool produto, const _REG_TABELA_PRECOSPS& registro, CMyConexaoProduto* conexao,
                            com::com_ptr<IUnknown> dono) {
    m_posicao = posicao;
    m_produto = produto;
    m_registro = registro;
    m_conexao = conexao;
    m_dono = std::move(dono);
}

HRESULT CTabelaDePreco::get_Posicao(USHORT* pVal) noexcept { return com::put_number(pVal, m_posicao); }

HRESULT CTabelaDePreco::get_Codigo(BSTR* pVal) noexcept { return com::put_text(pVal, inhouse::texto_campo(m_registro.codigo)); }

HRESULT CTabelaDePreco::get_Nome(BSTR* pVal) noexcept { return com::put_text(pVal, inhouse::texto_campo(m_registro.nome)); }

HRESULT CTabelaDePreco::get_Inativa(VARIANT_BOOL* pVal) noexcept { return com::put_bool(pVal, m_registro.bloqueada != 0); }

std::string CTabelaDePreco::FormataCondicoes(const BYTE* entradas, long quantidade) {
    std::string texto = "[";
    for (long i = 0; i < quantidade; ++i) {
        uint32_t condicao;
        std::memcpy(&condicao, entradas + i * 8, sizeof condicao);
        if (i > 0) texto += ',';
        texto += std::to_string(condicao);
    }
    return texto + "]";
}

HRESULT CTabelaDePreco::get_CondicoesNaoPermitidas(BSTR* pVal) noexcept try {
    if (!pVal) return E_POINTER;
    *pVal = nullptr;
    if (!m_conexao) return E_UNEXPECTED;
    IQVDF_Produto* servidor = m_conexao->GetInterface();
    if (!servidor) return E_UNEXPECTED;
    resposta_condicoes resposta{};
    const HRESULT hr = servidor->CondicoesNaoPermitidas(m_posicao, 'P', reinterpret_cast<BYTE*>(&resposta));
    std::unique_ptr<BYTE, libera_tarefa> entradas(resposta.entradas);
    if (FAILED(hr)) return hr;
    return com::put_text(pVal, FormataCondicoes(entradas.get(), entradas ? resposta.quantidade : 0));
} catch (...) {
    return report();
}

}  // namespace sales
