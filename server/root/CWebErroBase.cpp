#include "server/root/CWebErroBase.h"

#include <cstdio>
#include <cstring>

#include "platform/com/error_info.h"
#include "platform/com/text.h"

namespace server {

void CWebErroBase::SetErro(const std::string& source, const std::string& description) noexcept {
    try {
        com::set_error_info(com::to_wide(source), com::to_wide(description), GUID_NULL);
    } catch (...) {
    }
}

std::string texto_local(const char* arquivo, int linha, const char* data) {
    const char* name = arquivo;
    for (const char* p = arquivo; *p; ++p)
        if (*p == '/' || *p == '\\') name = p + 1;
    char buffer[512];
    std::snprintf(buffer, sizeof buffer, "Arquivo= %s  linha= %d  data=%s", name, linha, data);
    return buffer;
}

void falha_numerada(std::string mensagem, HRESULT hr, std::source_location where) {
    throw com::numbered_failure{hr, std::move(mensagem),
                                texto_local(where.file_name(), static_cast<int>(where.line()))};
}

}  // namespace server
