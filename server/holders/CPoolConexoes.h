#pragma once
// The process-wide connection pool: one connection of the data-access library per register
// class, created on first use with the session of the process-wide holder (CSessaoGlobal) and kept
// until the session reset. Callers never keep or delete a pooled connection: they ask the pool
// each time, because a reset (every login, Finaliza, a worker's construction) frees them all.
//
//     CConexaoPlano* plano = server::CPoolConexoes::GetInstancia()->GetConexaoPlano();
//
// An accessor never answers null. Without a logged-in session it throws com::failure (nothing is
// created); a connection whose initialisation failed stays in its slot, like the library's own
// connections, and its calls answer the failures.
#include <array>
#include <memory>

#include "platform/inhouse/acesso/QVAcesso.h"
#include "server/holders/process_wide.h"

class CConexaoUsuario;

namespace server {

// GetInstancia (all slots empty at first), Destroi (part of the session reset: the destructor
// empties the pool) and Existe come from process_wide.
class CPoolConexoes : public process_wide<CPoolConexoes> {
public:
    static constexpr int quantidade_slots = 34;

    CPoolConexoes(const CPoolConexoes&) = delete;
    CPoolConexoes& operator=(const CPoolConexoes&) = delete;
    ~CPoolConexoes();

    // Destroys every connection, slot 0 to 33.
    void Limpa() noexcept;

    CConexaoFilial* GetConexaoFilial();                             // 0
    CConexaoUsuario* GetConexaoUsuario();                           // 1
    CConexaoEstado* GetConexaoEstado();                             // 2
    CConexaoMunicipio* GetConexaoMunicipio();                       // 3
    CConexaoPlanoContabil* GetConexaoPlanoContabil();               // 4
    CConexaoPlanoGerencial* GetConexaoPlanoGerencial();             // 5
    CConexaoCFRT* GetConexaoCFRT();                                 // 6
    CConexaoCliente* GetConexaoCliente();                           // 7
    CConexaoBanco* GetConexaoBanco();                               // 8
    CConexaoCategoria* GetConexaoCategoria();                       // 9
    CConexaoServico* GetConexaoServico();                           // 10
    CMyConexaoProduto* GetMyConexaoProduto();                       // 11
    CConexaoGradesProduto* GetConexaoGradesProduto();               // 12
    CConexaoUnidadeMedidaProduto* GetConexaoUnidadeMedidaProduto(); // 13
    CConexaoCondicaoPagamento* GetConexaoCondicaoPagamento();       // 15
    CConexaoFormaPagamento* GetConexaoFormaPagamento();             // 16
    CConexaoTipoCobranca* GetConexaoTipoCobranca();                 // 17
    CConexaoHistorico* GetConexaoHistorico();                       // 18
    CConexaoNatureza* GetConexaoNatureza();                         // 19
    CConexaoNaturezaComercial* GetConexaoNaturezaComercial();       // 20
    CConexaoOpComerciais* GetConexaoOpComerciais();                 // 21
    CConexaoCadEquipamento* GetConexaoCadEquipamento();             // 23
    CConexaoAtendimento* GetConexaoAtendimento();                   // 28
    CConexaoPlano* GetConexaoPlano();                               // 29
    CConexaoVendedor* GetConexaoVendedor();                         // 30
    CConexaoLocais* GetConexaoLocais();                             // 31
    CConexaoMovimento* GetConexaoMovimento();                       // 32
    CConexaoProduto* GetConexaoProduto();                           // 33

    // The connection in a slot, or null (tests).
    CConexaoServidor* GetSlot(int slot) const noexcept;

private:
    friend class process_wide<CPoolConexoes>;
    CPoolConexoes() = default;

    template <class T, class Init>
    T* conexao(int slot, Init&& inicializa);

    std::array<std::unique_ptr<CConexaoServidor>, quantidade_slots> m_slots;
};

}  // namespace server
