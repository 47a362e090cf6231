#include "server/holders/CPoolConexoes.h"

#include <utility>

#include "platform/com/failure.h"
#include "platform/inhouse/acesso/CConexaoUsuario.h"
#include "server/holders/sessao_atual.h"

namespace server {

CPoolConexoes::~CPoolConexoes() { Limpa(); }

void CPoolConexoes::Limpa() noexcept {
    for (auto& slot : m_slots) slot.reset();
}

CConexaoServidor* CPoolConexoes::GetSlot(int slot) const noexcept {
    return slot >= 0 && slot < quantidade_slots ? m_slots[static_cast<size_t>(slot)].get() : nullptr;
}

// One template for every slot: the connection goes into its slot before it is initialised, and
// its initialisation's answer is not looked at (a failed one stays; its calls answer the failure).
// The session is read first, so that without one nothing is created.
template <class T, class Init>
T* CPoolConexoes::conexao(int slot, Init&& inicializa) {
    auto& p = m_slots[static_cast<size_t>(slot)];
    if (p) return static_cast<T*>(p.get());
    const sessao_atual s = le_sessao_atual();
    auto created = std::make_unique<T>();
    T* c = created.get();
    p = std::move(created);
    c->SetTrataErros(false);
    c->SetTratarMensagens(false);
    std::forward<Init>(inicializa)(*c, s);
    return c;
}

namespace {
constexpr auto comum = [](CConexaoServidor& c, const sessao_atual& s) {
    c.Inicializa(s.empresa, s.usuario, s.sessao);
};
// The company's and the managerial chart, both with options '0' and '0'.
constexpr auto plano_opcoes_zero = [](auto& c, const sessao_atual& s) {
    c.Inicializa(s.empresa, s.usuario, s.sessao, '0', '0');
};
}  // namespace

CConexaoFilial* CPoolConexoes::GetConexaoFilial() {
    return conexao<CConexaoFilial>(0, [](CConexaoFilial& c, const sessao_atual& s) {
        c.Inicializa(s.empresa, s.usuario, s.sessao, false);
    });
}

CConexaoUsuario* CPoolConexoes::GetConexaoUsuario() { return conexao<CConexaoUsuario>(1, comum); }

CConexaoEstado* CPoolConexoes::GetConexaoEstado() { return conexao<CConexaoEstado>(2, comum); }
CConexaoMunicipio* CPoolConexoes::GetConexaoMunicipio() { return conexao<CConexaoMunicipio>(3, comum); }

CConexaoPlanoContabil* CPoolConexoes::GetConexaoPlanoContabil() { return conexao<CConexaoPlanoContabil>(4, plano_opcoes_zero); }

CConexaoPlanoGerencial* CPoolConexoes::GetConexaoPlanoGerencial() { return conexao<CConexaoPlanoGerencial>(5, plano_opcoes_zero); }

CConexaoCFRT* CPoolConexoes::GetConexaoCFRT() { return conexao<CConexaoCFRT>(6, comum); }
CConexaoCliente* CPoolConexoes::GetConexaoCliente() { return conexao<CConexaoCliente>(7, comum); }

CConexaoBanco* CPoolConexoes::GetConexaoBanco() {
    return conexao<CConexaoBanco>(8, [](CConexaoBanco& c, const sessao_atual& s) {
        c.Inicializa(s.empresa, s.usuario, s.sessao, 'C');
    });
}

CConexaoCategoria* CPoolConexoes::GetConexaoCategoria() {
    return conexao<CConexaoCategoria>(9, [](CConexaoCategoria& c, const sessao_atual& s) {
        c.Inicializa(s.empresa, s.usuario, s.sessao, TipoCadastro{0});
    });
}

CConexaoServico* CPoolConexoes::GetConexaoServico() { return conexao<CConexaoServico>(10, comum); }
CMyConexaoProduto* CPoolConexoes::GetMyConexaoProduto() { return conexao<CMyConexaoProduto>(11, comum); }
CConexaoGradesProduto* CPoolConexoes::GetConexaoGradesProduto() { return conexao<CConexaoGradesProduto>(12, comum); }
CConexaoUnidadeMedidaProduto* CPoolConexoes::GetConexaoUnidadeMedidaProduto() {
    return conexao<CConexaoUnidadeMedidaProduto>(13, comum);
}
CConexaoCondicaoPagamento* CPoolConexoes::GetConexaoCondicaoPagamento() {
    return conexao<CConexaoCondicaoPagamento>(15, comum);
}
CConexaoFormaPagamento* CPoolConexoes::GetConexaoFormaPagamento() { return conexao<CConexaoFormaPagamento>(16, comum); }
CConexaoTipoCobranca* CPoolConexoes::GetConexaoTipoCobranca() { return conexao<CConexaoTipoCobranca>(17, comum); }
CConexaoHistorico* CPoolConexoes::GetConexaoHistorico() { return conexao<CConexaoHistorico>(18, comum); }
CConexaoNatureza* CPoolConexoes::GetConexaoNatureza() { return conexao<CConexaoNatureza>(19, comum); }
CConexaoNaturezaComercial* CPoolConexoes::GetConexaoNaturezaComercial() {
    return conexao<CConexaoNaturezaComercial>(20, comum);
}
CConexaoOpComerciais* CPoolConexoes::GetConexaoOpComerciais() { return conexao<CConexaoOpComerciais>(21, comum); }
CConexaoCadEquipamento* CPoolConexoes::GetConexaoCadEquipamento() {
    return conexao<CConexaoCadEquipamento>(23, comum);
}
CConexaoAtendimento* CPoolConexoes::GetConexaoAtendimento() { return conexao<CConexaoAtendimento>(28, comum); }

CConexaoPlano* CPoolConexoes::GetConexaoPlano() {
    return conexao<CConexaoPlano>(29, [](CConexaoPlano& c, const sessao_atual& s) {
        c.Inicializa(s.empresa, s.usuario, s.sessao, 'C', '0', '0');
    });
}

CConexaoVendedor* CPoolConexoes::GetConexaoVendedor() { return conexao<CConexaoVendedor>(30, comum); }
CConexaoLocais* CPoolConexoes::GetConexaoLocais() { return conexao<CConexaoLocais>(31, comum); }
CConexaoMovimento* CPoolConexoes::GetConexaoMovimento() { return conexao<CConexaoMovimento>(32, comum); }
CConexaoProduto* CPoolConexoes::GetConexaoProduto() { return conexao<CConexaoProduto>(33, comum); }

}  // namespace server
