#include "platform/inhouse/relatorios/arquivo_relatorio.h"

#include "base/QVDataCurta.h"
#include "platform/com/text.h"
#include "platform/inhouse/cfrt/relatorio_plano.h"

namespace inhouse {

namespace {
constexpr const char* fim_linha = "\r\n";
}

arquivo_relatorio::arquivo_relatorio(std::string_view titulo, std::string_view razao_social, std::string_view modelo) {
    m_texto.append(titulo).append(" - ").append(razao_social).append(fim_linha);
    if (!modelo.empty()) parametro("Modelo", modelo);
}

arquivo_relatorio& arquivo_relatorio::parametro(std::string_view rotulo, std::string_view valor) {
    m_texto.append(rotulo).append(": ").append(valor).append(fim_linha);
    return *this;
}

arquivo_relatorio& arquivo_relatorio::periodo(uint16_t inicio, uint16_t fim) {
    return parametro("Período", data_relatorio(inicio) + " a " + data_relatorio(fim));
}

arquivo_relatorio& arquivo_relatorio::linha(std::string_view texto) {
    m_texto.append(texto).append(fim_linha);
    return *this;
}

void arquivo_relatorio::grava(const std::string& arquivo) const { grava_arquivo(com::to_wide(arquivo), m_texto); }

std::string data_relatorio(uint16_t dia) {
    if (dia == 0) return "-";
    char texto[16] = {};
    QVFormataData(dia, texto, sizeof texto, true);
    return texto;
}

}  // namespace inhouse
