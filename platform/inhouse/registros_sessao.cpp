#include "platform/inhouse/registros_sessao.h"

namespace inhouse {

REG_SESSAO_32 monta_sessao_32(std::string_view empresa, uint16_t usuario, int32_t sessao) noexcept {
    REG_SESSAO_32 r{};
    copia_texto(r.empresa, sizeof r.empresa - 1, empresa);
    r.usuario = usuario;
    r.sessao = sessao;
    r.tipo = 'C';
    return r;
}

REG_SESSAO_34 monta_sessao_34(std::string_view empresa, uint16_t usuario, int32_t sessao) noexcept {
    REG_SESSAO_34 r{};
    copia_texto(r.empresa, sizeof r.empresa - 1, empresa);
    r.usuario = usuario;
    r.sessao = sessao;
    return r;
}

REG_SESSAO_36 monta_sessao_36(std::string_view empresa, uint16_t usuario, int32_t sessao) noexcept {
    REG_SESSAO_36 r{};
    r.sessao = sessao;
    r.usuario = usuario;
    copia_texto(r.empresa, sizeof r.empresa - 1, empresa);
    return r;
}

REG_SESSAO_38 monta_sessao_38(std::string_view empresa, uint16_t usuario, int32_t sessao) noexcept {
    REG_SESSAO_38 r{};
    copia_texto(r.empresa, sizeof r.empresa - 1, empresa);
    r.usuario = usuario;
    r.sessao = sessao;
    return r;
}

REG_SESSAO_40 monta_sessao_40(std::string_view empresa, uint16_t usuario, int32_t sessao) noexcept {
    REG_SESSAO_40 r{};
    copia_texto(r.empresa, sizeof r.empresa - 1, empresa);
    r.usuario = usuario;
    r.sessao = sessao;
    return r;
}

REG_SESSAO_262 monta_sessao_262(std::string_view empresa, uint16_t usuario, int32_t sessao) noexcept {
    REG_SESSAO_262 r{};
    r.sessao = sessao;
    r.usuario = usuario;
    copia_texto(r.empresa, 254, empresa);
    return r;
}

}  // namespace inhouse
