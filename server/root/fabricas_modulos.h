#pragma once
// The module classes that the root object's factories make are built in the subsystems above
// the server core, which the core cannot see. Each subsystem hands its makers over once, at the
// process's start (server/process/object_map.cpp), keyed by the interface each factory answers;
// a factory's line names its class as modulo<subsystem::Class>.
#include <windows.h>
#include <unknwn.h>

#include <map>
#include <string>

namespace server {

// A new object with one reference, as the interface it was registered for; throws com::failure.
using fabrica_modulo = IUnknown* (*)();

void registra_fabrica(REFIID iid, fabrica_modulo fabrica);
// The maker registered for an interface, or null.
fabrica_modulo fabrica_registrada(REFIID iid) noexcept;

// The commercial operations object of FT_OperacoesComerciais: new, with one reference, and
// initialised with the root's company, user and session; throws com::failure.
using fabrica_operacoes_comerciais = IUnknown* (*)(const char* empresa, WORD usuario, long sessao);
void registra_fabrica_operacoes_comerciais(fabrica_operacoes_comerciais fabrica) noexcept;
fabrica_operacoes_comerciais fabrica_operacoes_comerciais_registrada() noexcept;

// The product position of TW_FT_PosicaoProdutos: new, with one reference, filled from the
// client's filter (upper-case keys, CP1252 values) and the process-wide session; throws
// com::failure.
using fabrica_posicao_produtos = IUnknown* (*)(const std::map<std::string, std::string>& filtro);
void registra_fabrica_posicao_produtos(fabrica_posicao_produtos fabrica) noexcept;
fabrica_posicao_produtos fabrica_posicao_produtos_registrada() noexcept;

// The objects of the root's members that hand out an object started with the root's company, user
// and session (FT_AgendamentoVisitas, ...), keyed by the interface they answer: new, with one
// reference; throws com::failure.
using fabrica_com_sessao = IUnknown* (*)(const char* empresa, WORD usuario, long sessao);
void registra_fabrica_com_sessao(REFIID iid, fabrica_com_sessao fabrica);
fabrica_com_sessao fabrica_com_sessao_registrada(REFIID iid) noexcept;

// The supplier's quotation object of InicializaCotacao, as the root starts it. The key check and
// the start-up answer the client's bare results (a malformed or unknown key, an answered
// quotation, a quotation past its limit) as HRESULTs; failures with a text throw com::failure.
class cotacao_raiz {
public:
    virtual HRESULT ValidaChaveAcesso(const std::string& chave) = 0;
    // The company key the validated key names.
    virtual std::string GetEmpresa() const = 0;
    virtual HRESULT Inicializa(WORD usuario, long sessao) = 0;

protected:
    ~cotacao_raiz() = default;
};
// A new quotation object with one reference (as ICotacaoWeb) and, in *raiz, the same object to
// start (kept alive by that reference); throws com::failure or std::bad_alloc.
using fabrica_cotacao = IUnknown* (*)(cotacao_raiz** raiz);
void registra_fabrica_cotacao(fabrica_cotacao fabrica) noexcept;
fabrica_cotacao fabrica_cotacao_registrada() noexcept;

// A factory line's class, made by the subsystem that builds it.
template <class Classe>
struct modulo {};

}  // namespace server
