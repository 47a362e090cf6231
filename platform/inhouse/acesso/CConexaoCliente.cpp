#include "platform/inhouse/acesso/CConexaoCliente.h"

#include <cstring>

#include "platform/com/text.h"
#include "platform/inhouse/acesso/QVAcesso.h"
#include "platform/inhouse/acesso/servidor_inicializado.h"
#include "platform/inhouse/core/inhouse_guids.h"
#include "platform/inhouse/core/registros_sessao.h"

namespace {
// Whether a connection this one leads still serves the session this one was initialised with.
template <class Conexao>
bool mesma_sessao(const Conexao& conexao, const CConexaoServidor& dona) {
    return conexao.GetEmpresa() == dona.GetEmpresa() && conexao.GetUsuario() == dona.GetUsuario() &&
           conexao.GetSessao() == dona.GetSessao();
}
}  // namespace

CConexaoCliente::CConexaoCliente() : m_plano(std::make_unique<CConexaoPlano>()) {}
CConexaoCliente::~CConexaoCliente() = default;

CConexaoPlano* CConexaoCliente::plano() {
    if (!m_plano->IsInicializada() || !mesma_sessao(*m_plano, *this)) {
        m_plano->Finaliza();
        if (FAILED(m_plano->Inicializa(GetEmpresa(), GetUsuario(), GetSessao(), 'C', '0', '0'))) return nullptr;
    }
    return m_plano.get();
}

const CLSID* CConexaoContasCliente::ClasseServidor() const noexcept { return &inhouse::CLSID_PlanoServer; }

int CConexaoCliente::Existe(const char* codigo, QVCFRT* registro) try {
    if (!codigo || !registro) return 0;
    *registro = QVCFRT{};
    if (!mesma_sessao(m_contas, *this)) {
        m_contas.Finaliza();
        m_contas.Inicializa(GetEmpresa(), GetUsuario(), GetSessao());
    }
    auto* plano = static_cast<IQVDF_Plano*>(m_contas.GetInterface());
    if (!plano) {
        if (FAILED(m_contas.CriaServidor())) return 0;
        plano = static_cast<IQVDF_Plano*>(m_contas.GetInterface());
        if (!plano) return 0;
        if (FAILED(plano->Inicializa(inhouse::bloco_sessao<QV_SESSAO_32>(GetEmpresa(), GetUsuario(), GetSessao())))) {
            m_contas.Finaliza();
            return 0;
        }
    }
    _RegContaPS conta{};
    LONG posicao = 0;
    const HRESULT hr = plano->BuscaCodigo(com::to_bstr(std::string(codigo)).get(), &posicao,
                                          reinterpret_cast<BYTE*>(&conta));
    // Only a customer's account answers: the account's customer mark.
    if (hr != S_OK || posicao == 0 || conta.marcas[QV_CONTA_MARCA_CLIENTE - 164] != 'S') return 0;
    registro->posicao_plano = posicao;
    registro->posicao_cadastro = conta.posicao_cadastro;
    inhouse::poe_campo(registro->classificacao, inhouse::texto_campo(conta.classificacao));
    inhouse::poe_campo(registro->codigo, inhouse::texto_campo(conta.codigo_proprio));
    inhouse::poe_campo(registro->nome, inhouse::texto_campo(conta.nome));
    inhouse::poe_campo(registro->cnpj_cpf, inhouse::texto_campo(conta.segundo_nome));
    registro->tipo = 'C';
    return 1;
} catch (...) {
    if (registro) *registro = QVCFRT{};
    return 0;
}

const CLSID* CConexaoCliente::ClasseServidor() const noexcept { return &inhouse::CLSID_CFRTServer; }

int CConexaoCliente::Existe(const char* codigo, long* posicao, QVCFRT* cliente, int /*opcao*/) {
    if (!posicao || !cliente) return 0;
    *posicao = 0;
    std::memset(cliente, 0, sizeof *cliente);
    if (!codigo || !*codigo) return 0;
    CConexaoPlano* p = plano();
    if (!p) return 0;
    DWORD ponteiro = 0;
    _RegContaPS conta{};
    // Only an account marked as a customer ('S' at its first kind mark) is a customer.
    if (!p->Existe(codigo, &ponteiro, &conta) || conta.marcas[2] != 'S') return 0;

    QVCFRT r{};
    r.posicao_plano = conta.posicao;
    r.posicao_cadastro = conta.posicao_cadastro;
    inhouse::poe_campo(r.codigo, inhouse::texto_campo(conta.codigo));
    inhouse::poe_campo(r.nome, inhouse::texto_campo(conta.nome));
    r.tipo = 'C';
    if (conta.posicao_cadastro != 0) {
        IQVDF_CFRT* s = nullptr;
        if (FAILED(servidor_inicializado(*this, s))) return 0;
        QV_CFRT_PRINCIPAL p{};
        if (s->LePrincipal(conta.posicao_cadastro, reinterpret_cast<BYTE*>(&p), 0) != S_OK) return 0;
        r.pessoa = (p.tipo & 128) ? 'F' : 'J';
        QV_CFRT_ENDERECO e{};
        if (s->LeEndereco(0, reinterpret_cast<BYTE*>(&e)) != S_OK) return 0;
        inhouse::poe_campo(r.pais, inhouse::texto_campo(e.pais));
        inhouse::poe_campo(r.uf, inhouse::texto_campo(e.uf));
    }
    *posicao = static_cast<long>(ponteiro);
    *cliente = r;
    return 1;
}

