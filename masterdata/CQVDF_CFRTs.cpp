#include "masterdata/CQVDF_CFRTs.h"

#include <cctype>
#include <cstring>

#include "masterdata/CCFRT_Cliente.h"
#include "masterdata/CCFRT_Fornecedor.h"
#include "masterdata/CQVDF_PlanoContas.h"
#include "masterdata/QVFormataCpfCnpj.h"
#include "platform/inhouse/acesso/CConexaoMunicipio.h"
#include "masterdata/messages.h"
#include "masterdata/sessao_raiz.h"
#include "masterdata/preenche_cfrt.h"
#include "platform/com/failure.h"
#include "platform/com/out_param.h"
#include "platform/com/text.h"
#include "platform/com/unique.h"
#include "platform/inhouse/core/registros_sessao.h"

namespace masterdata {

namespace {

// The rights controls of the saves.
constexpr long controle_grava_cliente = 58;
constexpr long controle_grava_fornecedor = 60;

// An accessor's answer other than "done" is a failure, also the register's refusals of success
// severity: a client must never take them for a save or a read.
void confere(HRESULT hr, const char* texto) {
    if (hr != S_OK) com::fail(texto, FAILED(hr) ? hr : E_FAIL);
}

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

template <size_t N>
void copia(char (&campo)[N], const std::string& texto) {
    inhouse::poe_campo(campo, std::string_view(texto).substr(0, N - 1));
}

}  // namespace

HRESULT CQVDF_CFRTs::Inicializa(IQV_Inicializa* inicializacao) noexcept try {
    if (!inicializacao) com::fail(msg::inicializar_cfrt, E_POINTER);
    const sessao_raiz s = le_sessao_raiz(*inicializacao, msg::inicializar_cfrt);
    m_sEmpresa = s.empresa;
    m_wUsuario = s.usuario;
    m_lSessao = s.sessao;
    com::check(m_buffer.Inicializa(m_sEmpresa, m_wUsuario, m_lSessao), msg::inicializar_cfrt);
    m_raiz = com::com_ptr<IQV_Inicializa>(inicializacao);
    m_iCodigoProprio = 0;
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CQVDF_CFRTs::NovoCliente(ICFRT_Cliente** Cliente) noexcept try {
    if (!Cliente) return E_POINTER;
    *Cliente = nullptr;
    try {
        *Cliente = com::make<CCFRT_Cliente>().detach();
    } catch (...) {
        com::fail(msg::criar_cliente, com::current_exception_hresult());
    }
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CQVDF_CFRTs::NovoFornecedor(ICFRT_Fornecedor** fornecedor) noexcept try {
    if (!fornecedor) return E_POINTER;
    *fornecedor = nullptr;
    try {
        *fornecedor = com::make<CCFRT_Fornecedor>().detach();
    } catch (...) {
        com::fail(msg::criar_fornecedor, com::current_exception_hresult());
    }
    return S_OK;
} catch (...) {
    return report();
}

bool CQVDF_CFRTs::UsaCodigoProprio() {
    if (m_iCodigoProprio == 0) {
        // A chart that cannot tell is a failed save, not a company without own codes.
        auto plano = com::make<CQVDF_PlanoContas>();
        com::check(plano->Inicializa(m_raiz.get()), msg::inicializar_plano);
        VARIANT_BOOL usa = VARIANT_FALSE;
        com::check(plano->get_UtilizaCodigoProprio(&usa), msg::falha_plano);
        m_iCodigoProprio = usa == VARIANT_TRUE ? 1 : 2;
    }
    return m_iCodigoProprio == 1;
}

void CQVDF_CFRTs::RetomaServidores() {
    if (m_raiz) m_buffer.Retoma();
}

IQVDF_Plano& CQVDF_CFRTs::Plano(const char* texto) {
    IQVDF_Plano* plano = m_buffer.GetServidorPlano();
    if (!plano) com::fail(texto, E_POINTER);
    return *plano;
}

bool CQVDF_CFRTs::ClassificacaoAceita(const std::string& classificacao) {
    IQVDF_Plano& plano = Plano(msg::falha_plano);
    const size_t ponto = classificacao.rfind('.');
    if (ponto == std::string::npos) return false;
    LONG pai = 0;
    com::check(plano.BuscaClassificacao(com::to_bstr(classificacao.substr(0, ponto)).get(), &pai), msg::falha_plano);
    if (pai == 0) return false;
    _RegContaPS conta{};
    com::check(plano.LeConta(pai, reinterpret_cast<BYTE*>(&conta)), msg::falha_plano);
    if (conta.tipo != 'T') return false;
    // No two accounts share a classification: one already in the chart is refused, whatever its type.
    LONG propria = 0;
    com::check(plano.BuscaClassificacao(com::to_bstr(classificacao).get(), &propria), msg::falha_plano);
    return propria == 0;
}

void CQVDF_CFRTs::MontaRegistro(ICFRT_Pessoa* pessoa, QVCFRT& r, long& resultado) {
    resultado = 0;
    IQVDF_Plano& plano = Plano(msg::falha_plano);

    if (UsaCodigoProprio()) {
        const std::string codigo = le_texto(pessoa, &ICFRT_Pessoa::get_CodigoProprio);
        if (codigo.empty()) {
            resultado = sem_codigo_proprio;
            return;
        }
        LONG em_uso = 0;
        com::check(plano.CodigoProprioEmUso(com::to_bstr(codigo).get(), &em_uso), msg::falha_plano);
        if (em_uso != 0) {
            resultado = codigo_proprio_em_uso;
            return;
        }
        copia(r.codigo, codigo);
    }

    const std::string classificacao = le_texto(pessoa, &ICFRT_Pessoa::get_Classificacao).substr(0, 31);
    if (classificacao.empty()) {
        resultado = sem_classificacao;
        return;
    }
    if (!ClassificacaoAceita(classificacao)) {
        resultado = classificacao_recusada;
        return;
    }
    copia(r.classificacao, classificacao);

    const std::string tipo_pessoa = le_texto(pessoa, &ICFRT_Pessoa::get_TipoPessoa);
    if (tipo_pessoa.empty() || (tipo_pessoa[0] != 'F' && tipo_pessoa[0] != 'J')) {
        resultado = tipo_pessoa_invalido;
        return;
    }
    r.pessoa = tipo_pessoa[0];

    const std::string cpf_cnpj = le_texto(pessoa, &ICFRT_Pessoa::get_CNPJ_CPF);
    copia(r.cnpj_cpf, cpf_cnpj);
    std::string formatado(inhouse::texto_campo(r.cnpj_cpf));
    if (!QVFormataCpfCnpj(formatado, r.pessoa)) {
        resultado = cpf_cnpj_invalido;
        return;
    }
    // A number of zeros stands for "none": it may repeat.
    if (formatado.find_first_of("123456789") != std::string::npos) {
        _RegContaPS conta{};
        com::check(plano.BuscaCpfCnpj(com::to_bstr(formatado).get(), static_cast<BYTE>(r.tipo),
                                      reinterpret_cast<BYTE*>(&conta)),
                   msg::falha_plano);
        if (conta.posicao != 0) {
            resultado = cpf_cnpj_existente;
            return;
        }
    }

    com::com_ptr<ICFRT_Endereco> endereco;
    pessoa->get_Endereco(endereco.put());
    if (!endereco) com::fail(msg::falha_plano, E_POINTER);
    const std::string rua = le_texto(endereco.get(), &ICFRT_Endereco::get_Rua);
    if (rua.empty()) {
        resultado = sem_rua;
        return;
    }
    copia(r.rua, rua);

    CConexaoMunicipio municipios;
    municipios.SetTrataErros(false);
    municipios.SetTratarMensagens(false);
    com::check(municipios.Inicializa(m_sEmpresa, m_wUsuario, m_lSessao), msg::consultar_municipio);
    com::check(municipios.CriaServidor(), msg::consultar_municipio);
    const std::string codigo_municipio = std::to_string(le_valor(endereco.get(), &ICFRT_Endereco::get_CodigoMunicipio));
    WORD posicao_municipio = 0;
    _REG_MUNICIPIO_PS municipio{};
    if (!municipios.Existe(codigo_municipio.c_str(), &posicao_municipio, &municipio) || posicao_municipio == 0) {
        resultado = municipio_inexistente;
        return;
    }
    r.posicao_municipio = posicao_municipio;

    const std::string nome = le_texto(pessoa, &ICFRT_Pessoa::get_Nome);
    if (nome.empty()) {
        resultado = sem_nome;
        return;
    }
    copia(r.nome, nome);

    r.tabela_preco_produtos = static_cast<uint16_t>(le_valor(pessoa, &ICFRT_Pessoa::get_TabelaDePrecosProdutos));
    r.tabela_preco_servicos = static_cast<uint16_t>(le_valor(pessoa, &ICFRT_Pessoa::get_TabelaDePrecosServicos));
    r.numero = le_valor(endereco.get(), &ICFRT_Endereco::get_Numero);
    copia(r.telefone, le_texto(endereco.get(), &ICFRT_Endereco::get_Telefone));
    copia(r.ddd, le_texto(endereco.get(), &ICFRT_Endereco::get_DDD));
    const std::string email = le_texto(endereco.get(), &ICFRT_Endereco::get_Email).substr(0, sizeof r.info_extras - 1);
    std::memset(r.info_extras, 0, sizeof r.info_extras);
    std::memcpy(r.info_extras, email.data(), email.size());
    copia(r.bairro, le_texto(endereco.get(), &ICFRT_Endereco::get_Bairro));
    copia(r.complemento, le_texto(endereco.get(), &ICFRT_Endereco::get_Complemento));
    copia(r.cep, le_texto(endereco.get(), &ICFRT_Endereco::get_CEP));
}

template <class Completa>
long CQVDF_CFRTs::Grava(ICFRT_Pessoa* pessoa, char tipo, long controle, const char* texto_falha, Completa&& completa) {
    // Without Inicializa there is neither a root to ask for rights nor a register to write to.
    if (!m_raiz) com::fail(texto_falha, E_POINTER);
    VARIANT_BOOL acesso = VARIANT_FALSE;
    m_raiz->PossuiAcesso(com::to_bstr(std::string("DF")).get(), controle, &acesso);
    if (acesso == VARIANT_FALSE) com::fail(msg::sem_acesso_recurso, E_ACCESSDENIED);
    RetomaServidores();
    if (!m_buffer.GetServidorCadastro()) com::fail(texto_falha, E_POINTER);
    if (!pessoa) com::fail(texto_falha, E_POINTER);

    QVCFRT r{};
    r.tipo = tipo;
    r.situacao = 'A';
    if (tipo == 'F') r.flag_1323 = 'S';
    long resultado = 0;
    MontaRegistro(pessoa, r, resultado);
    if (resultado != 0) return resultado;
    if (!completa(r)) return sem_inscricao_estadual;
    confere(m_buffer.Grava(&r), texto_falha);
    return r.posicao_plano;
}

HRESULT CQVDF_CFRTs::GravaCliente(ICFRT_Cliente* Cliente, LONG* resultado) noexcept try {
    if (!resultado) return E_POINTER;
    *resultado = 0;
    *resultado = Grava(Cliente, 'C', controle_grava_cliente, msg::gravar_cliente, [&](QVCFRT& r) {
        r.representante = le_valor(Cliente, &ICFRT_Cliente::get_Representante);
        copia(r.inscricao_estadual, le_texto(Cliente, &ICFRT_Cliente::get_InscricaoEstadual));
        return r.inscricao_estadual[0] != '\0';
    });
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CQVDF_CFRTs::GravaFornecedor(ICFRT_Fornecedor* fornecedor, LONG* resultado) noexcept try {
    if (!resultado) return E_POINTER;
    *resultado = 0;
    *resultado = Grava(fornecedor, 'F', controle_grava_fornecedor, msg::gravar_fornecedor, [&](QVCFRT& r) {
        copia(r.inscricao_estadual, le_texto(fornecedor, &ICFRT_Fornecedor::get_InscricaoEstadual));
        return r.inscricao_estadual[0] != '\0';
    });
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CQVDF_CFRTs::GetProximaClassificacao(BSTR tipoCadastro, BSTR* proximaClassificacao) noexcept try {
    if (!proximaClassificacao) return E_POINTER;
    *proximaClassificacao = nullptr;
    RetomaServidores();
    IQVDF_Plano& plano = Plano(msg::proxima_classificacao);
    std::array<uint8_t, QV_CFRT_TAMANHO_CONFIGURACAO> configuracao{};
    com::check(plano.LeConfiguracao(configuracao.data()), msg::ler_configuracoes_cfrt);
    const std::string tipo = com::from_bstr(tipoCadastro);
    if (tipo.empty()) com::fail(msg::parametro_proxima_classificacao, E_INVALIDARG);
    static constexpr struct {
        char letra;
        size_t deslocamento;
    } textos[] = {{'C', QV_PLANO_CONFIG_MODELO_CLIENTE},
                  {'F', QV_PLANO_CONFIG_MODELO_FORNECEDOR},
                  {'R', QV_PLANO_CONFIG_MODELO_REPRESENTANTE},
                  {'T', QV_PLANO_CONFIG_MODELO_TRANSPORTADORA}};
    const char letra = static_cast<char>(std::toupper(static_cast<unsigned char>(tipo[0])));
    for (const auto& t : textos)
        if (t.letra == letra)
            return com::put_text(proximaClassificacao,
                                 inhouse::texto_campo(reinterpret_cast<const char*>(configuracao.data()) + t.deslocamento, 32));
    com::fail(msg::tipo_cadastro_desconhecido, E_INVALIDARG);
} catch (...) {
    return report();
}

QVCFRT CQVDF_CFRTs::LeRegistro(long posicao) {
    RetomaServidores();
    QVCFRT r{};
    r.posicao_plano = posicao;
    confere(m_buffer.Le(&r, 0), msg::ler_cfrt);
    return r;
}

HRESULT CQVDF_CFRTs::LeCliente(LONG lPosConta, ICFRT_Cliente** ppCliente) noexcept try {
    if (!ppCliente) return E_POINTER;
    *ppCliente = nullptr;
    const QVCFRT r = LeRegistro(lPosConta);
    // Everything that can fail comes before the object is handed out.
    const categorias_lidas categorias = m_categorias.Todas(m_sEmpresa, m_wUsuario, m_lSessao, msg::ler_cliente);
    com::com_ptr<CCFRT_Cliente> cliente;
    try {
        cliente = com::make<CCFRT_Cliente>();
    } catch (...) {
        com::fail(msg::ler_cliente, com::current_exception_hresult());
    }
    PreencheCliente(*cliente.get(), r, m_buffer, categorias);
    *ppCliente = cliente.detach();
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CQVDF_CFRTs::LeFornecedor(LONG lPosConta, ICFRT_Fornecedor** ppFornecedor) noexcept try {
    if (!ppFornecedor) return E_POINTER;
    *ppFornecedor = nullptr;
    const QVCFRT r = LeRegistro(lPosConta);
    const categorias_lidas categorias = m_categorias.Todas(m_sEmpresa, m_wUsuario, m_lSessao, msg::ler_fornecedor);
    com::com_ptr<CCFRT_Fornecedor> fornecedor;
    try {
        fornecedor = com::make<CCFRT_Fornecedor>();
    } catch (...) {
        com::fail(msg::ler_fornecedor, com::current_exception_hresult());
    }
    PreencheFornecedor(*fornecedor.get(), r, categorias);
    *ppFornecedor = fornecedor.detach();
    return S_OK;
} catch (...) {
    return report();
}

// The price tables belong to the product register, whose connection this server does not have
// yet: every table answers as an unreadable one does, with the code of an empty record.
HRESULT CQVDF_CFRTs::GetCodigoTabelaPrecosProduto(LONG ponteiroTabPrecos, BSTR* CodTabPrecos) noexcept try {
    (void)ponteiroTabPrecos;
    return com::put_text(CodTabPrecos, std::string());
} catch (...) {
    return report();
}

}  // namespace masterdata
