#include "platform/inhouse/acesso/QVAcesso.h"

namespace {
std::string caractere(const char* nome, char c) { return std::string(nome) + "='" + c + "'"; }
}  // namespace

HRESULT CConexaoFilial::Inicializa(const CQVString& empresa, WORD usuario, long sessao, bool todas) {
    return InicializaComum(empresa, usuario, sessao, todas ? "todas=1" : "todas=0");
}

HRESULT CConexaoPlano::Inicializa(const CQVString& empresa, WORD usuario, long sessao, char tipo, char opcao1,
                                  char opcao2) {
    return InicializaComum(empresa, usuario, sessao,
                           caractere("tipo", tipo) + " " + caractere("opcao1", opcao1) + " " +
                               caractere("opcao2", opcao2));
}

HRESULT CConexaoPlanoContabil::Inicializa(const CQVString& empresa, WORD usuario, long sessao, char opcao1,
                                          char opcao2) {
    return InicializaComum(empresa, usuario, sessao, caractere("opcao1", opcao1) + " " + caractere("opcao2", opcao2));
}

HRESULT CConexaoPlanoGerencial::Inicializa(const CQVString& empresa, WORD usuario, long sessao, char opcao1,
                                           char opcao2) {
    return InicializaComum(empresa, usuario, sessao, caractere("opcao1", opcao1) + " " + caractere("opcao2", opcao2));
}

HRESULT CConexaoBanco::Inicializa(const CQVString& empresa, WORD usuario, long sessao, char tipo) {
    return InicializaComum(empresa, usuario, sessao, caractere("tipo", tipo));
}

HRESULT CConexaoCategoria::Inicializa(const CQVString& empresa, WORD usuario, long sessao, TipoCadastro tipo) {
    return InicializaComum(empresa, usuario, sessao, "cadastro=" + std::to_string(static_cast<int>(tipo)));
}
