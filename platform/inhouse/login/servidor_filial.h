#pragma once
// The branch server (IQVCN_Filial) over the store: branch records and logos.
#include "inhouse_login.h"
#include "platform/inhouse/core/servidor_sessao.h"

namespace inhouse {

class FilialServer final : public servidor_partes_sessao<FilialServer, IQVCN_Filial> {
public:
    using servidor_partes_sessao::servidor_partes_sessao;

    HRESULT STDMETHODCALLTYPE LeFilial(LONG posicao, QV_FILIAL_4818* filial) noexcept override;
    HRESULT STDMETHODCALLTYPE LeLogotipo(LONG filial, LONG opcao, BSTR* caminho) noexcept override;
    ZU_RESERVADO(04) ZU_RESERVADO(06) ZU_RESERVADO(08) ZU_RESERVADO(09) ZU_RESERVADO(10) ZU_RESERVADO(11)
    ZU_RESERVADO(12) ZU_RESERVADO(13) ZU_RESERVADO(14) ZU_RESERVADO(15) ZU_RESERVADO(17)
    HRESULT STDMETHODCALLTYPE ExisteFilial(LONG codigo, LONG* posicao, QV_FILIAL_4818* filial) noexcept override;
    HRESULT STDMETHODCALLTYPE MascaraCFOP(LONG opcao, BSTR* mascara) noexcept override;

private:
    ~FilialServer() override = default;   // objects come only from com::make
};

}  // namespace inhouse
