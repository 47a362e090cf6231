#include "masterdata/CMunicipio.h"

#include <cstring>
#include <string_view>

#include "platform/com/text.h"

namespace masterdata {

void CMunicipio::PreencheTextos(const char* nome, size_t largura_nome, const char* uf, size_t largura_uf) {
    m_Nome.reset(com::to_bstr(std::string_view(nome, strnlen(nome, largura_nome))));
    m_UF.reset(com::to_bstr(std::string_view(uf, strnlen(uf, largura_uf))));
}

}  // namespace masterdata
