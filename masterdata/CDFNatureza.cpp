#include "masterdata/CDFNatureza.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>

#include "masterdata/messages.h"
#include "platform/com/failure.h"
#include "platform/com/text.h"
#include "platform/inhouse/acesso/CQVBuscaErrosQVMens.h"
#include "platform/inhouse/core/registros_sessao.h"
#include "server/root/CWebErroBase.h"

namespace masterdata {

namespace {

// A load message: the failing HRESULT in decimal and the message library's text for it.
[[noreturn]] void falha_carga(const char* formato, HRESULT hr,
                              std::source_location where = std::source_location::current()) {
    const std::string texto = CQVBuscaErrosQVMens::BuscaMensagem(hr, "DF");
    std::string mensagem(std::strlen(formato) + texto.size() + 16, '\0');
    const int n = std::snprintf(mensagem.data(), mensagem.size(), formato, static_cast<int>(hr), texto.c_str());
    mensagem.resize(n > 0 ? static_cast<size_t>(n) : 0);
    server::falha_numerada(std::move(mensagem), hr, where);
}

std::string codigo_de(const inhouse::REG_NATUREZA& r) { return std::string(inhouse::texto_campo(r.codigo)); }

}  // namespace

std::string mascara_cfop(const std::string& mascara) {
    std::string kept = mascara;
    for (char& c : kept)
        if (c != '.') c = '#';
    return kept;
}

std::string aplica_mascara(std::string codigo, const std::string& mascara) {
    std::erase(codigo, '.');
    for (size_t i = 0; i < mascara.size() && i < codigo.size(); ++i)
        if (mascara[i] == '.') codigo.insert(i, 1, '.');
    return codigo;
}

HRESULT CDFNatureza::Inicializa(IQV_Inicializa* pInicializa, short iModulo) {
    m_cModulo = static_cast<BYTE>(iModulo);
    if (HRESULT hr = CEmpresarialInicializa::Inicializa(pInicializa); FAILED(hr)) return hr;
    // A root without a session gives no company to read the natures of.
    VerificaInicializado();

    {
        // The branch connection lives for the load only.
        CConexaoFilial filial;
        filial.SetTrataErros(false);
        filial.SetTratarMensagens(false);
        filial.Inicializa(m_sEmpresa, m_iUsuario, m_lNumeroSessao, false);
        if (HRESULT hr = filial.CriaServidor(); FAILED(hr)) falha_carga(msg::natureza_filial, hr);
        com::unique_bstr mascara;
        IQVCN_Filial* servidor = filial.GetServidor();
        const HRESULT hr = servidor ? servidor->MascaraCFOP(0, mascara.put()) : E_UNEXPECTED;
        if (FAILED(hr)) falha_carga(msg::natureza_cfop, hr);
        m_sMascara = mascara_cfop(com::from_bstr(mascara.get()));
    }

    m_conexao.SetTrataErros(false);
    m_conexao.SetTratarMensagens(false);
    if (HRESULT hr = m_conexao.Inicializa(m_sEmpresa, m_iUsuario, m_lNumeroSessao); FAILED(hr))
        falha_carga(msg::natureza_cadastro, hr);

    IQVDF_Naturezas* servidor = nullptr;
    WORD quantidade = 0;
    HRESULT hr = m_conexao.Servidor(servidor);
    if (SUCCEEDED(hr))
        hr = servidor->Quantidade(m_iFilial, dia_naturezas, m_cTipoNatureza, m_cModulo, m_cTipoProduto, &quantidade);
    if (FAILED(hr)) falha_carga(msg::natureza_quantidade, hr);

    // A load that fails halfway serves nothing rather than zeroed natures.
    m_naturezas.clear();
    std::vector<inhouse::REG_NATUREZA> lidas(quantidade);
    if (quantidade != 0) {
        hr = servidor->Registros(quantidade, reinterpret_cast<BYTE*>(lidas.data()));
        if (FAILED(hr)) falha_carga(msg::natureza_registros, hr);
    }
    std::stable_sort(lidas.begin(), lidas.end(), [](const inhouse::REG_NATUREZA& a, const inhouse::REG_NATUREZA& b) {
        return std::strncmp(a.codigo, b.codigo, sizeof a.codigo) < 0;
    });
    m_naturezas = std::move(lidas);
    return S_OK;
}

const inhouse::REG_NATUREZA& CDFNatureza::Carregada(short iPosicao, const char* mensagem) const {
    if (iPosicao < 0 || static_cast<size_t>(iPosicao) >= m_naturezas.size()) {
        char texto[128];
        std::snprintf(texto, sizeof texto, mensagem, 0, static_cast<int>(m_naturezas.size()) - 1);
        server::falha_numerada(texto, static_cast<HRESULT>(0xFFFFFFFFu));
    }
    return m_naturezas[static_cast<size_t>(iPosicao)];
}

std::string CDFNatureza::GetCodigo(short iPosicao) const {
    return aplica_mascara(codigo_de(Carregada(iPosicao, msg::natureza_indice_codigo)), m_sMascara);
}

std::string CDFNatureza::GetNome(short iPosicao) const {
    return std::string(inhouse::texto_campo(Carregada(iPosicao, msg::natureza_indice_nome).nome));
}

short CDFNatureza::GetFilialNatureza(short iPosicao) const {
    return static_cast<short>(Carregada(iPosicao, msg::natureza_indice_filial).filial);
}

inhouse::REG_NATUREZA CDFNatureza::Le(WORD iPosicao) {
    inhouse::REG_NATUREZA r{};
    // A read the server refuses is a failure, not an empty nature.
    if (HRESULT hr = m_conexao.Le(iPosicao, dia_naturezas, m_cModulo, &r); FAILED(hr))
        throw com::failure{hr, msg::natureza_ler};
    return r;
}

std::string CDFNatureza::LeCodigo(WORD iPosicao) { return aplica_mascara(codigo_de(Le(iPosicao)), m_sMascara); }

std::string CDFNatureza::LeNome(WORD iPosicao) { return std::string(inhouse::texto_campo(Le(iPosicao).nome)); }

bool CDFNatureza::TemIntegracaoFinanceiro(WORD iPosicao) { return Le(iPosicao).integracao_financeiro == 1; }

WORD CDFNatureza::Existe(const std::string& codigo) {
    WORD resposta = 0;
    inhouse::REG_NATUREZA r{};
    if (HRESULT hr = m_conexao.Existe(codigo.c_str(), dia_naturezas, m_iFilial, m_cModulo, &resposta, &r); FAILED(hr))
        throw com::failure{hr, msg::natureza_existe};
    return resposta;
}

}  // namespace masterdata
