#include "sales/cadastro_web.h"

#include "masterdata/QVFormataCpfCnpj.h"

namespace sales {

// The register of master data checks documents the same way: one rule for both roads.
std::string QVRetiraMascara(const std::string& texto) { return masterdata::QVRetiraMascara(texto); }

bool QVFormataCpfCnpj2(std::string& texto, char tipo_pessoa) { return masterdata::QVFormataCpfCnpj(texto, tipo_pessoa); }

telefone_web SeparaTelefone(const std::string& telefone) {
    auto parte = [&](size_t inicio, size_t tamanho) {
        return inicio < telefone.size() ? telefone.substr(inicio, tamanho) : std::string();
    };
    return {parte(1, 2), parte(5, 9)};
}

}  // namespace sales
