#include "masterdata/plano_contas.h"

#include <array>
#include <string>

#include "masterdata/conta_registro.h"
#include "masterdata/messages.h"
#include "platform/com/failure.h"
#include "platform/com/text.h"
#include "platform/com/unique.h"

namespace masterdata {

namespace {
std::string texto_de(IQVDF_Conta& conta, HRESULT (STDMETHODCALLTYPE IQVDF_Conta::*get)(BSTR*)) {
    BSTR b = nullptr;
    com::check((conta.*get)(&b), msg::ler_conta);
    com::unique_bstr guarda(b);
    return com::from_bstr(b);
}
}  // namespace

LONG plano_contas::BuscaF4(IQVDF_Plano& plano, USHORT caracteristica, BSTR tipo, const char* texto) {
    BYTE* resposta = nullptr;
    com::check(plano.BuscaContas(caracteristica, tipo, &resposta), texto);
    std::vector<uint32_t> ponteiros;
    if (!ponteiros_da_busca(resposta, ponteiros)) return 0;
    m_ponteiros = std::move(ponteiros);
    return static_cast<LONG>(m_ponteiros.size());
}

com::com_ptr<IQVDF_Conta> plano_contas::ContaDaLista(CConexaoPlano& conexao, LONG posicao, const char* texto_ler,
                                                     const char* texto_criar, bool com_flags) const {
    if (posicao < 0 || static_cast<size_t>(posicao) >= m_ponteiros.size()) return {};
    _RegContaPS conta{};
    const HRESULT hr = conexao.Le(m_ponteiros[static_cast<size_t>(posicao)], &conta);
    com::check(hr, texto_ler);
    if (hr != S_OK || byte_conta(conta, campo::oculta) != 0) return {};   // gone since the search, or hidden
    return objeto_conta(conta, com_flags, texto_criar);
}

com::com_ptr<IQVDF_Conta> plano_contas::Le(IQVDF_Plano& plano, LONG posicao) {
    _RegContaPS conta{};
    const HRESULT hr = plano.LeConta(posicao, reinterpret_cast<BYTE*>(&conta));
    com::check(hr, msg::ler_plano_contas);
    if (hr != S_OK) return {};   // no account at that position
    return objeto_conta(conta, false, msg::ler_conta);
}

com::com_ptr<IQVDF_Conta> plano_contas::Existe(IQVDF_Plano& plano, BSTR codigo) {
    LONG achada = 0;
    _RegContaPS conta{};
    com::check(plano.BuscaCodigo(codigo, &achada, reinterpret_cast<BYTE*>(&conta)), msg::pesquisar_plano);
    if (achada == 0) return {};
    return objeto_conta(conta, false, msg::ler_conta);
}

bool plano_contas::UtilizaCodigoProprio(IQVDF_Plano& plano, const char* texto) {
    std::array<BYTE, QV_PLANO_TAMANHO_CONFIGURACAO> configuracao{};
    com::check(plano.LeConfiguracao(configuracao.data()), texto);
    return configuracao[QV_CFRT_CONFIG_CODIGO] == 'S';
}

LONG plano_contas::Grava(IQVDF_Plano& plano, _RegContaPS conta, const std::string& codigo_proprio,
                         bool codigo_tambem_proprio) {
    {
        com::unique_bstr classificacao =
            com::to_bstr(texto_conta(conta, campo::classificacao, campo::largura_classificacao + 1));
        LONG aceita = 0;
        com::check(plano.RegistraClassificacao(classificacao.get(), &aceita), msg::consultar_plano);
        if (aceita == 0) return classificacao_recusada;
    }
    if (UtilizaCodigoProprio(plano, msg::ler_configuracoes)) {
        if (codigo_tambem_proprio)
            poe_texto_conta(conta, campo::codigo_proprio, campo::largura_codigo_proprio, codigo_proprio);
        poe_texto_conta(conta, campo::codigo, campo::largura_codigo, codigo_proprio);
        com::unique_bstr codigo = com::to_bstr(texto_conta(conta, campo::codigo, campo::largura_codigo + 1));
        LONG em_uso = 0;
        com::check(plano.CodigoProprioEmUso(codigo.get(), &em_uso), msg::consultar_plano);
        if (em_uso != 0) return codigo_proprio_em_uso;
    }
    LONG resultado = 0;
    com::check(plano.GravaConta(0, reinterpret_cast<const BYTE*>(&conta), &resultado), msg::gravar_conta);
    return resultado;
}

_RegContaPS plano_contas::RegistroDe(IQVDF_Conta& conta, std::string& codigo_proprio) {
    _RegContaPS r{};
    const std::string tipo = texto_de(conta, &IQVDF_Conta::get_Tipo);
    reinterpret_cast<char*>(&r)[campo::tipo] = tipo == "S" ? 'S' : tipo == "T" ? 'T' : 'A';
    poe_texto_conta(r, campo::nome, campo::largura_nome, texto_de(conta, &IQVDF_Conta::get_Nome));
    poe_texto_conta(r, campo::classificacao, campo::largura_classificacao,
                    texto_de(conta, &IQVDF_Conta::get_Classificacao));
    codigo_proprio = texto_de(conta, &IQVDF_Conta::get_CodigoProprio);
    return r;
}

void limita_ao_representante(IQVDF_Plano& plano, const char* texto) {
    if (const unsigned short representante = representante_da_sessao(); representante != 0)
        com::check(plano.LimitaRepresentante(representante), texto);
}

void confere_representante(ULONG posicao) {
    const unsigned short proprio = representante_da_sessao();
    if (proprio != 0 && posicao != proprio) com::fail(msg::representante_sem_acesso, E_ACCESSDENIED);
}

}  // namespace masterdata
