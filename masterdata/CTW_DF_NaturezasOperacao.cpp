#include "masterdata/CTW_DF_NaturezasOperacao.h"

#include <algorithm>
#include <cstdlib>
#include <string_view>

#include "base/QVRelogio.h"
#include "masterdata/messages.h"
#include "platform/com/failure.h"
#include "platform/com/out_param.h"
#include "platform/com/text.h"
#include "platform/com/unique.h"
#include "platform/inhouse/acesso/QVAcesso.h"
#include "platform/inhouse/core/registros_sessao.h"
#include "server/holders/CPoolConexoes.h"

namespace masterdata {

namespace {

bool brasil(std::string_view pais) {
    constexpr std::string_view nome = "brasil";
    return std::equal(pais.begin(), pais.end(), nome.begin(), nome.end(), [](char a, char b) {
        return (a >= 'A' && a <= 'Z' ? static_cast<char>(a - 'A' + 'a') : a) == b;
    });
}

// Which group of outgoing natures a customer may be offered: '7' abroad, '5' in the branch's
// state, '6' in another.
char grupo_do_cliente(const QVCFRT& cliente, const inhouse::REG_FILIAL& filial) {
    const std::string_view pais = inhouse::texto_campo(cliente.pais);
    if (!pais.empty() && !brasil(pais)) return '7';
    return inhouse::texto_campo(cliente.uf) == inhouse::texto_campo(filial.uf) ? '5' : '6';
}

_TW_DF_NaturezasOperacao entrada_de(const inhouse::REG_NATUREZA& r, size_t tamanho_mascara) {
    _TW_DF_NaturezasOperacao e{};
    inhouse::poe_campo(e.codigo, FormataCodigoNatureza(std::string(inhouse::texto_campo(r.codigo)), tamanho_mascara));
    inhouse::poe_campo(e.nome, inhouse::texto_campo(r.nome));
    e.filial = r.filial;
    return e;
}

}  // namespace

std::string FormataCodigoNatureza(std::string codigo, size_t tamanho_mascara) {
    std::erase(codigo, '.');
    for (size_t i = 0; i < tamanho_mascara && i < codigo.size(); ++i)
        if (i == 1 || i == 5) codigo.insert(i, 1, '.');
    return codigo;
}

ULONG CTW_DF_NaturezasOperacao::Carrega() {
    m_naturezas.clear();
    server::CPoolConexoes& pool = *server::CPoolConexoes::GetInstancia();

    // An unknown branch or customer is no failure: there is nothing to offer.
    CConexaoFilial& conexao_filial = *pool.GetConexaoFilial();
    long posicao_filial = 0;
    inhouse::REG_FILIAL filial{};
    if (conexao_filial.Existe(m_sCodFilial.c_str(), &posicao_filial, &filial) != 1) return 0;
    long posicao_cliente = 0;
    QVCFRT cliente{};
    if (pool.GetConexaoCliente()->Existe(m_sCodCliente.c_str(), &posicao_cliente, &cliente, 0) != 1) return 0;

    IQVCN_Filial* servidor_filial = conexao_filial.GetServidor();
    com::unique_bstr mascara;
    const HRESULT hr_mascara = servidor_filial ? servidor_filial->MascaraCFOP(0, mascara.put()) : E_UNEXPECTED;
    if (FAILED(hr_mascara)) com::fail(msg::natureza_mascara, hr_mascara);
    m_sMascara = com::from_bstr(mascara.get());

    // Today is read now, not when the object was made: a page kept open past midnight asks about
    // the new day.
    const WORD hoje = QVGetDataAtual();
    IQVDF_Naturezas* naturezas = nullptr;
    HRESULT hr = pool.GetConexaoNaturezaComercial()->Servidor(naturezas);
    WORD quantidade = 0;
    if (SUCCEEDED(hr))
        hr = naturezas->Quantidade(static_cast<WORD>(posicao_filial), hoje, m_cTipo, m_cModulo, m_cLetra, &quantidade);
    if (FAILED(hr)) com::fail(msg::natureza_quantidade_oferta, hr);
    if (quantidade == 0) return 0;

    std::vector<inhouse::REG_NATUREZA> lidas(quantidade);
    hr = naturezas->Registros(quantidade, reinterpret_cast<BYTE*>(lidas.data()));
    if (FAILED(hr)) com::fail(msg::natureza_buscar, hr);

    const char grupo = grupo_do_cliente(cliente, filial);
    std::vector<_TW_DF_NaturezasOperacao> oferecidas;
    for (const inhouse::REG_NATUREZA& r : lidas) {
        // Incoming natures (1, 2, 3) are never offered; of the others only the customer's group.
        if (r.codigo[0] != grupo) continue;
        oferecidas.push_back(entrada_de(r, m_sMascara.size()));
    }
    // By the leading number of the code; natures of one group share it, so the server's order stays.
    std::stable_sort(oferecidas.begin(), oferecidas.end(), [](const auto& a, const auto& b) {
        return std::atoi(a.codigo) < std::atoi(b.codigo);
    });
    m_naturezas = std::move(oferecidas);
    return static_cast<ULONG>(m_naturezas.size());
}

HRESULT CTW_DF_NaturezasOperacao::BuscaPonteiros(ULONG* pulQuantidade) noexcept try {
    if (!pulQuantidade) return E_POINTER;
    *pulQuantidade = 0;
    return com::put_number(pulQuantidade, Carrega());
} catch (...) {
    return report();
}

HRESULT CTW_DF_NaturezasOperacao::LePosicao(ULONG ulPosArray) noexcept try {
    if (ulPosArray >= m_naturezas.size()) return E_INVALIDARG;
    m_atual = m_naturezas[ulPosArray];
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CTW_DF_NaturezasOperacao::GetCodigo(BSTR* pbsCodigo) noexcept try {
    return com::put_text(pbsCodigo, inhouse::texto_campo(m_atual.codigo));
} catch (...) {
    return report();
}

HRESULT CTW_DF_NaturezasOperacao::GetNome(BSTR* pbsNome) noexcept try {
    return com::put_text(pbsNome, inhouse::texto_campo(m_atual.nome));
} catch (...) {
    return report();
}

HRESULT CTW_DF_NaturezasOperacao::GetFilial(BSTR* pbsFilial) noexcept try {
    return com::put_text(pbsFilial, std::to_string(m_atual.filial));
} catch (...) {
    return report();
}

HRESULT CTW_DF_NaturezasOperacao::LeCodigo(BSTR bsCodigo) noexcept try {
    if (m_naturezas.empty()) {
        try {
            Carrega();
        } catch (const com::failure& f) {
            com::fail(msg::natureza_buscar_todas, f.hr);
        }
    }
    if (m_naturezas.empty()) com::fail(msg::cfop_nao_encontrada);
    const std::string codigo = com::from_bstr(bsCodigo);
    for (const _TW_DF_NaturezasOperacao& e : m_naturezas) {
        if (inhouse::texto_campo(e.codigo) == codigo) {
            m_atual = e;
            return S_OK;
        }
    }
    com::fail(msg::cfop_nao_encontrada);
} catch (...) {
    return report();
}

HRESULT CTW_DF_NaturezasOperacao::SetCodCliente(BSTR bsCodCliente) noexcept try {
    m_sCodCliente = com::from_bstr(bsCodCliente);
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CTW_DF_NaturezasOperacao::SetCodFilial(BSTR bsCodFilial) noexcept try {
    m_sCodFilial = com::from_bstr(bsCodFilial);
    return S_OK;
} catch (...) {
    return report();
}

}  // namespace masterdata
