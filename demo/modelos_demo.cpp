#include "demo/modelos_demo.h"

#include <windows.h>

#include <string_view>

#include "base/QVCaminhos.h"
#include "platform/com/unique.h"
#include "platform/inhouse/modelos/pasta_modelos.h"

namespace {

struct modelo_demo {
    const char* modulo;
    const char* componente;
    const char* nome;
    const char8_t* xml;   // UTF-8, as the files are written
};

// The flags of each model are in its "impressao" element; a model without one is for none of the
// three uses, and one without relZidizUvi is offered to the web clients.
constexpr modelo_demo modelos[] = {
    {"CN", "Balancete", "Balancete Gerencial",
     u8"<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
     u8"<relatorio titulo=\"Balancete gerencial por centro de resultado\">\n"
     u8"  <impressao relOperacional=\"0\" relGerencial=\"1\" relZidizUvi=\"1\" orientacao=\"retrato\"/>\n"
     u8"  <colunas><coluna campo=\"classificacao\"/><coluna campo=\"saldo\"/></colunas>\n"
     u8"</relatorio>\n"},
    {"CN", "Balancete", "Balancete Mensal",
     u8"<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
     u8"<relatorio titulo=\"Balancete de verificação mensal\">\n"
     u8"  <impressao relOperacional=\"1\" relGerencial=\"0\" orientacao=\"paisagem\"/>\n"
     u8"</relatorio>\n"},
    {"CN", "Balancete", "Balancete Interno",
     u8"<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
     u8"<relatorio titulo=\"Balancete para a diretoria\">\n"
     u8"  <impressao relOperacional=\"1\" relGerencial=\"1\" relZidizUvi=\"0\"/>\n"
     u8"</relatorio>\n"},
    {"CN", "Balancete", "Rascunho",
     u8"<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
     u8"<relatorio titulo=\"Modelo em elaboração\">\n"
     u8"  <colunas><coluna campo=\"classificacao\"/></colunas>\n"
     u8"</relatorio>\n"},
    {"CN", "Razao", "Razão Analítico",
     u8"<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
     u8"<relatorio titulo=\"Razão analítico\">\n"
     u8"  <impressao relOperacional=\"1\" relGerencial=\"1\" relZidizUvi=\"1\"/>\n"
     u8"</relatorio>\n"},
    {"DF", "PlanoContas", "Plano de Contas",
     u8"<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
     u8"<relatorio titulo=\"Plano de contas\">\n"
     u8"  <impressao relOperacional=\"1\" relGerencial=\"0\" relZidizUvi=\"1\"/>\n"
     u8"</relatorio>\n"},
};

long escreve(const std::string& arquivo, std::u8string_view xml) {
    com::unique_handle h(
        CreateFileA(arquivo.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (h.get() == INVALID_HANDLE_VALUE) {
        h.release();
        return static_cast<long>(GetLastError());
    }
    DWORD escritos = 0;
    if (!WriteFile(h.get(), xml.data(), static_cast<DWORD>(xml.size()), &escritos, nullptr) || escritos != xml.size())
        return static_cast<long>(GetLastError());
    return 0;
}

}  // namespace

long escreve_modelos_demo(const std::string& pasta_relatorios) {
    long primeiro = 0;
    for (const auto& m : modelos) {
        const std::string pasta = inhouse::pasta_modelos(pasta_relatorios, m.modulo, m.componente);
        long rc = pasta.empty() ? static_cast<long>(ERROR_BAD_PATHNAME) : 0;
        if (rc == 0 && !QVCriaPasta(pasta)) rc = static_cast<long>(GetLastError());
        if (rc == 0) rc = escreve(pasta + m.nome + inhouse::extensao_modelo, m.xml);
        if (primeiro == 0) primeiro = rc;
    }
    return primeiro;
}
