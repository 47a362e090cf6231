#include "sales/CTW_FT_Documentos.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "base/QVModulos.h"
#include "base/QVRelogio.h"
#include "platform/com/failure.h"
#include "platform/com/out_param.h"
#include "platform/com/text.h"
#include "platform/inhouse/acesso/CConexaoCondicaoPagamento.h"
#include "platform/inhouse/core/registros_sessao.h"
#include "sales/messages.h"
#include "sales/minusculas_cp1252.h"
#include "server/holders/CPoolConexoes.h"

namespace sales {

using inhouse::texto_campo;

namespace {

// By name, byte by byte (with case); equal names keep their order.
template <class Registro>
void ordena_por_nome(std::vector<Registro>& lista) {
    std::stable_sort(lista.begin(), lista.end(),
                     [](const Registro& a, const Registro& b) { return texto_campo(a.Nome) < texto_campo(b.Nome); });
}

template <class Registro>
const Registro& na_posicao(const std::vector<Registro>& lista, USHORT usPosicao) {
    if (usPosicao >= lista.size()) com::fail(msg::posicao_documento_invalida, E_INVALIDARG);
    return lista[usPosicao];
}

// The code of the first entry whose position field is usPosicao: S_OK, or S_FALSE and an empty
// text when there is none.
template <class Registro, class Codigo>
HRESULT busca(const std::vector<Registro>& lista, USHORT usPosicao, Codigo codigo, BSTR* pbsCodigo) {
    for (const Registro& r : lista)
        if (r.Posicao == usPosicao) return com::put_text(pbsCodigo, texto_campo(r.*codigo));
    const HRESULT hr = com::put_text(pbsCodigo, "");
    return FAILED(hr) ? hr : S_FALSE;
}

}  // namespace

USHORT CTW_FT_Documentos::carrega(std::vector<_REG_DOCUMENTOPS>& lista, CConexaoDFSTDC& conexao, const char* tipo,
                                  const char* texto_falha) {
    if (!lista.empty()) return static_cast<USHORT>(lista.size());
    IQVDF_Documento* servidor = nullptr;
    com::check(conexao.Servidor(servidor), texto_falha);
    WORD quantidade = 0;
    com::check(servidor->Quantidade(com::to_bstr(std::string(tipo)).get(), &quantidade), texto_falha);
    std::vector<_REG_DOCUMENTOPS> lidos(quantidade);
    com::check(servidor->Busca(quantidade, reinterpret_cast<BYTE*>(lidos.data())), texto_falha);
    ordena_por_nome(lidos);
    lista = std::move(lidos);
    return quantidade;
}

HRESULT CTW_FT_Documentos::GetQtdFormaPagamento(USHORT* puQtd) noexcept try {
    if (!puQtd) return E_POINTER;
    *puQtd = 0;
    *puQtd = carrega(m_formas, *server::CPoolConexoes::GetInstancia()->GetConexaoFormaPagamento(),
                     inhouse::tipo_forma_pagamento, msg::ler_formas_pagamento);
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CTW_FT_Documentos::GetQtdTipoCobranca(USHORT* puQtd) noexcept try {
    if (!puQtd) return E_POINTER;
    *puQtd = 0;
    *puQtd = carrega(m_cobrancas, *server::CPoolConexoes::GetInstancia()->GetConexaoTipoCobranca(),
                     inhouse::tipo_cobranca, msg::ler_tipos_cobranca);
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CTW_FT_Documentos::GetQtdCondicaoPagamento(USHORT* puQtd) noexcept try {
    if (!puQtd) return E_POINTER;
    *puQtd = 0;
    IQVDF_Materiais* servidor = nullptr;
    com::check(server::CPoolConexoes::GetInstancia()->GetConexaoCondicaoPagamento()->Servidor(servidor),
               msg::instanciar_condicoes);
    WORD quantidade = 0;
    com::check(servidor->Quantidade(&quantidade), msg::instanciar_condicoes);
    const int32_t modulo = QVGetIdModulo(QVBuscaModuloPorSigla("FT"));
    std::vector<_REG_COND_PAGTOPS> lidas(quantidade);
    WORD lidos = 0;
    com::check(servidor->BuscaPonteiros(quantidade, 0, modulo, &lidos, reinterpret_cast<BYTE*>(lidas.data())),
               msg::buscar_condicoes);
    lidas.resize(std::min<size_t>(lidos, lidas.size()));
    const uint16_t hoje = QVGetDataAtual(false);
    std::vector<_REG_COND_PAGTOPS> validas;
    for (const _REG_COND_PAGTOPS& c : lidas)
        if (!texto_campo(c.Nome).empty() && (c.Validade == 0 || c.Validade >= hoje)) validas.push_back(c);
    ordena_por_nome(validas);
    m_condicoes = std::move(validas);
    *puQtd = static_cast<USHORT>(m_condicoes.size());
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CTW_FT_Documentos::GetNomeFormaPagamento(USHORT usPosicao, BSTR* pbsNome) noexcept try {
    if (!pbsNome) return E_POINTER;
    *pbsNome = nullptr;
    return com::put_text(pbsNome, texto_campo(na_posicao(m_formas, usPosicao).Nome));
} catch (...) {
    return report();
}

HRESULT CTW_FT_Documentos::GetCodFormaPagamento(USHORT usPosicao, BSTR* pbsCodigo) noexcept try {
    if (!pbsCodigo) return E_POINTER;
    *pbsCodigo = nullptr;
    return com::put_text(pbsCodigo, texto_campo(na_posicao(m_formas, usPosicao).Codigo));
} catch (...) {
    return report();
}

HRESULT CTW_FT_Documentos::GetNomeCondicaoPagamento(USHORT usPosicao, BSTR* pbsNome) noexcept try {
    if (!pbsNome) return E_POINTER;
    *pbsNome = nullptr;
    return com::put_text(pbsNome, texto_campo(na_posicao(m_condicoes, usPosicao).Nome));
} catch (...) {
    return report();
}

HRESULT CTW_FT_Documentos::GetCodCondicaoPagamento(USHORT usPosicao, BSTR* pbsCodigo) noexcept try {
    if (!pbsCodigo) return E_POINTER;
    *pbsCodigo = nullptr;
    return com::put_text(pbsCodigo, texto_campo(na_posicao(m_condicoes, usPosicao).CodigoTexto));
} catch (...) {
    return report();
}

HRESULT CTW_FT_Documentos::GetNomeTipoCobranca(USHORT usPosicao, BSTR* pbsNome) noexcept try {
    if (!pbsNome) return E_POINTER;
    *pbsNome = nullptr;
    return com::put_text(pbsNome, texto_campo(na_posicao(m_cobrancas, usPosicao).Nome));
} catch (...) {
    return report();
}

HRESULT CTW_FT_Documentos::GetCodTipoCobranca(USHORT usPosicao, BSTR* pbsCodigo) noexcept try {
    if (!pbsCodigo) return E_POINTER;
    *pbsCodigo = nullptr;
    return com::put_text(pbsCodigo, texto_campo(na_posicao(m_cobrancas, usPosicao).Codigo));
} catch (...) {
    return report();
}

HRESULT CTW_FT_Documentos::BuscaFormaPagamento(USHORT usPosicao, BSTR* pbsCodigo) noexcept try {
    if (!pbsCodigo) return E_POINTER;
    *pbsCodigo = nullptr;
    return busca(m_formas, usPosicao, &_REG_DOCUMENTOPS::Codigo, pbsCodigo);
} catch (...) {
    return report();
}

HRESULT CTW_FT_Documentos::BuscaCondicaoPagamento(USHORT usPosicao, BSTR* pbsCodigo) noexcept try {
    if (!pbsCodigo) return E_POINTER;
    *pbsCodigo = nullptr;
    return busca(m_condicoes, usPosicao, &_REG_COND_PAGTOPS::CodigoTexto, pbsCodigo);
} catch (...) {
    return report();
}

HRESULT CTW_FT_Documentos::BuscaTipoCobranca(USHORT usPosicao, BSTR* pbsCodigo) noexcept try {
    if (!pbsCodigo) return E_POINTER;
    *pbsCodigo = nullptr;
    return busca(m_cobrancas, usPosicao, &_REG_DOCUMENTOPS::Codigo, pbsCodigo);
} catch (...) {
    return report();
}

HRESULT CTW_FT_Documentos::BuscaCondicaoAVista(BSTR* pbsCodigo) noexcept try {
    if (!pbsCodigo) return E_POINTER;
    *pbsCodigo = nullptr;
    for (const _REG_COND_PAGTOPS& c : m_condicoes) {
        const std::string nome = minusculas_cp1252(texto_campo(c.Nome));
        if (nome == "\xE0 vista" || nome == "a vista") return com::put_text(pbsCodigo, texto_campo(c.CodigoTexto));
    }
    const HRESULT hr = com::put_text(pbsCodigo, "");
    return FAILED(hr) ? hr : S_FALSE;
} catch (...) {
    return report();
}

}  // namespace sales
