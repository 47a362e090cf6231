#include "sales/CTW_FT_GerenciaClienteFornecedor.h"

#include <array>
#include <cstring>
#include <string_view>

#include "masterdata/CCFRT_Cliente.h"
#include "masterdata/CCFRT_Fornecedor.h"
#include "masterdata/categorias_cfrt.h"
#include "masterdata/conta_registro.h"
#include "masterdata/plano_contas.h"
#include "masterdata/preenche_cfrt.h"
#include "platform/com/error_info.h"
#include "platform/com/failure.h"
#include "platform/com/out_param.h"
#include "platform/com/text.h"
#include "platform/com/unique.h"
#include "platform/inhouse/acesso/CConexaoMunicipio.h"
#include "platform/inhouse/acesso/QVAcesso.h"
#include "platform/inhouse/core/registros_sessao.h"
#include "sales/cadastro_web.h"
#include "sales/messages.h"
#include "server/holders/CBufferCFRT.h"
#include "server/holders/CCacheServidores.h"
#include "server/holders/CPoolConexoes.h"

namespace sales {

namespace {

using inhouse::poe_campo;
using inhouse::texto_campo;

// The BOOL answers of this interface carry VARIANT_TRUE, as script clients test them.
constexpr BOOL verdadeiro = VARIANT_TRUE;

// A text property of the client's object; a getter that fails gives an empty text.
template <class Itf>
std::string le_texto(Itf* objeto, HRESULT (STDMETHODCALLTYPE Itf::*get)(BSTR*)) {
    BSTR valor = nullptr;
    (objeto->*get)(&valor);
    com::unique_bstr guarda(valor);
    return com::from_bstr(valor);
}

template <class Itf, class T>
T le_valor(Itf* objeto, HRESULT (STDMETHODCALLTYPE Itf::*get)(T*)) {
    T valor{};
    (objeto->*get)(&valor);
    return valor;
}

// The session's accessor, its servers brought back after an earlier failure (a failure to do so
// shows in the call that follows).
CBufferCFRT& buffer_cfrt() {
    CBufferCFRT& buffer = *server::CCacheServidores::GetInstancia()->GetBufferCFRT();
    buffer.Retoma();
    return buffer;
}

IQVDF_Plano& servidor_cadastro(CBufferCFRT& buffer) {
    IQVDF_Plano* plano = buffer.GetServidorPlano();
    if (!plano) com::fail(msg::consultar_cadastro, E_POINTER);
    return *plano;
}

// Only a complete read counts: the accessor's "not found" codes have success severity, and a
// customer that is not there must not come back as an inactive one with empty fields.
QVCFRT le_registro(CBufferCFRT& buffer, LONG posicao, const char* texto) {
    QVCFRT r{};
    r.posicao_plano = posicao;
    const HRESULT hr = buffer.Le(&r, -1);
    if (hr != S_OK) com::fail(texto, FAILED(hr) ? hr : E_FAIL);
    return r;
}

masterdata::categorias_lidas categorias(const char* texto) {
    com::com_ptr<IQVDF_Categorias> servidor = server::CCacheServidores::GetInstancia()->GetServidorCategorias();
    if (!servidor) com::fail(texto, E_POINTER);
    return masterdata::le_categorias(*servidor.get(), texto);
}

}  // namespace

HRESULT CTW_FT_GerenciaClienteFornecedor::SetNovoFornecedor(ICFRT_Fornecedor* pFornecedor, BOOL* pvbExiste) noexcept try {
    if (!pvbExiste) return E_POINTER;
    m_fornecedor = com::com_ptr<ICFRT_Fornecedor>(pFornecedor);
    m_wModo = modo_fornecedor;
    *pvbExiste = verdadeiro;
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CTW_FT_GerenciaClienteFornecedor::GetNovoFornecedor(ICFRT_Fornecedor** ppFornecedor) noexcept {
    return com::put_object(ppFornecedor, m_fornecedor);
}

HRESULT CTW_FT_GerenciaClienteFornecedor::SetNovoCliente(ICFRT_Cliente* pCliente, BOOL* pvbExiste) noexcept try {
    if (!pvbExiste) return E_POINTER;
    m_cliente = com::com_ptr<ICFRT_Cliente>(pCliente);
    m_wModo = modo_cliente;
    *pvbExiste = verdadeiro;
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CTW_FT_GerenciaClienteFornecedor::GetNovoCliente(ICFRT_Cliente** ppCliente) noexcept {
    return com::put_object(ppCliente, m_cliente);
}

bool CTW_FT_GerenciaClienteFornecedor::UtilizaCodigoProprio() {
    // A chart that cannot tell is a failure, not a company without own codes: a save would skip
    // the own code that the company requires.
    CConexaoPlano& conexao = *server::CPoolConexoes::GetInstancia()->GetConexaoPlano();
    return masterdata::plano_contas::UtilizaCodigoProprio(masterdata::servidor_plano(conexao, msg::ler_configuracoes_plano),
                                                          msg::ler_configuracoes_plano);
}

HRESULT CTW_FT_GerenciaClienteFornecedor::GetUtilizaCodigoProprio(BOOL* pVal) noexcept try {
    if (!pVal) return E_POINTER;
    *pVal = FALSE;
    if (UtilizaCodigoProprio()) *pVal = verdadeiro;
    return S_OK;
} catch (...) {
    return report();
}

CTW_FT_GerenciaClienteFornecedor::recusa CTW_FT_GerenciaClienteFornecedor::MontaRegistroCliente(ICFRT_Cliente* cliente,
                                                                                                 QVCFRT& registro) {
    return MontaRegistro(cliente, registro, true);
}

CTW_FT_GerenciaClienteFornecedor::recusa CTW_FT_GerenciaClienteFornecedor::MontaRegistroFornecedor(
    ICFRT_Fornecedor* fornecedor, QVCFRT& registro) {
    return MontaRegistro(fornecedor, registro, false);
}

CTW_FT_GerenciaClienteFornecedor::recusa CTW_FT_GerenciaClienteFornecedor::MontaRegistro(ICFRT_Pessoa* pessoa, QVCFRT& r,
                                                                                         bool cliente) {
    if (UtilizaCodigoProprio()) {
        const std::string codigo = le_texto(pessoa, &ICFRT_Pessoa::get_CodigoProprio);
        if (codigo.empty()) return {sem_codigo_proprio, msg::codigo_proprio_nao_informado};
        LONG em_uso = 0;
        com::check(servidor_cadastro(buffer_cfrt()).CodigoProprioEmUso(com::to_bstr(codigo).get(), &em_uso),
                   msg::consultar_cadastro);
        if (em_uso != 0)
            return {codigo_proprio_em_uso, cliente ? msg::codigo_proprio_existente : msg::codigo_proprio_utilizado};
        poe_campo(r.codigo, codigo);
    }

    poe_campo(r.classificacao, le_texto(pessoa, &ICFRT_Pessoa::get_Classificacao));
    if (r.classificacao[0] == '\0') return {sem_classificacao, msg::classificacao_nao_informada};

    const std::string tipo_pessoa = le_texto(pessoa, &ICFRT_Pessoa::get_TipoPessoa);
    if (tipo_pessoa.empty() || (tipo_pessoa[0] != 'F' && tipo_pessoa[0] != 'J')) return {tipo_pessoa_invalido, nullptr};
    r.pessoa = tipo_pessoa[0];

    // The document is kept as typed (cut to its field); the checks work on a masked copy.
    poe_campo(r.cnpj_cpf, le_texto(pessoa, &ICFRT_Pessoa::get_CNPJ_CPF));
    if (cliente) {
        std::string documento(texto_campo(r.cnpj_cpf));
        if (!QVFormataCpfCnpj2(documento, r.pessoa)) return {cpf_cnpj_invalido, msg::cpf_cnpj_invalido};
        // A number of zeros (or none) stands for "no document": it may repeat.
        if (documento.find_first_of("123456789") != std::string::npos) {
            _RegContaPS conta{};
            com::check(servidor_cadastro(buffer_cfrt())
                           .BuscaCpfCnpj(com::to_bstr(documento).get(), static_cast<BYTE>(r.tipo),
                                         reinterpret_cast<BYTE*>(&conta)),
                       msg::consultar_cadastro);
            if (conta.posicao != 0) return {cpf_cnpj_existente, msg::cpf_cnpj_existente};
        }
    }

    com::com_ptr<ICFRT_Endereco> endereco;
    pessoa->get_Endereco(endereco.put());
    if (!endereco) return {sem_rua, msg::endereco_nao_informado};
    poe_campo(r.rua, le_texto(endereco.get(), &ICFRT_Endereco::get_Rua));
    if (r.rua[0] == '\0') return {sem_rua, msg::endereco_nao_informado};

    const std::string municipio = std::to_string(le_valor(endereco.get(), &ICFRT_Endereco::get_CodigoMunicipio));
    WORD posicao_municipio = 0;
    _REG_MUNICIPIO_PS registro_municipio{};
    server::CPoolConexoes::GetInstancia()->GetConexaoMunicipio()->Existe(municipio.c_str(), &posicao_municipio,
                                                                          &registro_municipio);
    if (posicao_municipio == 0) return {municipio_inexistente, msg::municipio_invalido};
    r.posicao_municipio = posicao_municipio;

    poe_campo(r.nome, le_texto(pessoa, &ICFRT_Pessoa::get_Nome));
    if (r.nome[0] == '\0') return {sem_nome, msg::nome_nao_informado};

    r.tabela_preco_produtos = static_cast<uint16_t>(le_valor(pessoa, &ICFRT_Pessoa::get_TabelaDePrecosProdutos));
    r.tabela_preco_servicos = static_cast<uint16_t>(le_valor(pessoa, &ICFRT_Pessoa::get_TabelaDePrecosServicos));
    r.numero = le_valor(endereco.get(), &ICFRT_Endereco::get_Numero);
    const telefone_web telefone = SeparaTelefone(le_texto(endereco.get(), &ICFRT_Endereco::get_Telefone));
    poe_campo(r.ddd, telefone.ddd);
    poe_campo(r.telefone, telefone.numero);
    const std::string email = le_texto(pessoa, &ICFRT_Pessoa::get_EmailPrincipal).substr(0, sizeof r.info_extras - 1);
    std::memcpy(r.info_extras, email.data(), email.size());
    poe_campo(r.bairro, le_texto(endereco.get(), &ICFRT_Endereco::get_Bairro));
    poe_campo(r.complemento, le_texto(endereco.get(), &ICFRT_Endereco::get_Complemento));
    poe_campo(r.cep, le_texto(endereco.get(), &ICFRT_Endereco::get_CEP));
    return {};
}

HRESULT CTW_FT_GerenciaClienteFornecedor::Gravar(LONG* resultado) noexcept try {
    if (!resultado) return E_POINTER;
    *resultado = 0;
    const bool cliente = m_wModo != modo_fornecedor;
    // Nothing to read a person from: a clear failure, never a guess.
    if (cliente ? !m_cliente : !m_fornecedor) com::fail(msg::sem_cliente_fornecedor, E_POINTER);

    QVCFRT r{};
    r.situacao = 'A';
    recusa recusada;
    std::string inscricao;
    if (cliente) {
        r.tipo = 'C';
        recusada = MontaRegistroCliente(m_cliente.get(), r);
        if (recusada.codigo == 0) {
            r.representante = le_valor(m_cliente.get(), &ICFRT_Cliente::get_Representante);
            inscricao = le_texto(m_cliente.get(), &ICFRT_Cliente::get_InscricaoEstadual);
        }
    } else {
        r.tipo = 'F';
        r.flag_1323 = 'S';
        recusada = MontaRegistroFornecedor(m_fornecedor.get(), r);
        if (recusada.codigo == 0) inscricao = le_texto(m_fornecedor.get(), &ICFRT_Fornecedor::get_InscricaoEstadual);
    }
    if (recusada.codigo != 0) {
        // A refusal is an answer, not a failure: S_OK with its code, its text for the page to show.
        if (recusada.texto)
            com::AtlReportError(com::reporting_class(), recusada.texto, 0, nullptr,
                                __uuidof(ITW_FT_GerenciaClienteFornecedor), 0);
        *resultado = recusada.codigo;
        return S_OK;
    }
    poe_campo(r.inscricao_estadual, inscricao);

    // A save that fails, or that gives the record no position, is a failure: a result of 0 would
    // read as a saved record.
    const char* texto = cliente ? msg::gravar_cliente : msg::gravar_fornecedor;
    const HRESULT hr = buffer_cfrt().Grava(&r);
    if (hr != S_OK) com::fail(texto, FAILED(hr) ? hr : E_FAIL);
    if (r.posicao_plano <= 0) com::fail(texto, E_FAIL);
    *resultado = r.posicao_plano;
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CTW_FT_GerenciaClienteFornecedor::LeCliente(LONG lPosConta, ICFRT_Cliente** ppCliente) noexcept try {
    if (!ppCliente) return E_POINTER;
    *ppCliente = nullptr;
    CBufferCFRT& buffer = buffer_cfrt();
    const QVCFRT r = le_registro(buffer, lPosConta, msg::ler_cliente);
    const masterdata::categorias_lidas lidas = categorias(msg::ler_cliente);
    auto cliente = com::make<masterdata::CCFRT_Cliente>();
    masterdata::PreencheCliente(*cliente.get(), r, buffer, lidas);
    *ppCliente = cliente.detach();
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CTW_FT_GerenciaClienteFornecedor::LeFornecedor(LONG lPosConta, ICFRT_Fornecedor** ppFornecedor) noexcept try {
    if (!ppFornecedor) return E_POINTER;
    *ppFornecedor = nullptr;
    const QVCFRT r = le_registro(buffer_cfrt(), lPosConta, msg::ler_fornecedor);
    const masterdata::categorias_lidas lidas = categorias(msg::ler_fornecedor);
    auto fornecedor = com::make<masterdata::CCFRT_Fornecedor>();
    masterdata::PreencheFornecedor(*fornecedor.get(), r, lidas);
    *ppFornecedor = fornecedor.detach();
    return S_OK;
} catch (...) {
    return report();
}

}  // namespace sales
