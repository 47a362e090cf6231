#pragma once
// The branch server (IQVCN_Filial) over the store: branch records and logos.
#include "inhouse_login.h"
#include "platform/inhouse/login/registros_filial.h"
#include "platform/inhouse/core/servidor_sessao.h"

namespace inhouse {

class FilialServer final : public servidor_partes_sessao<FilialServer, IQVCN_Filial> {
public:
    using servidor_partes_sessao::servidor_partes_sessao;

    HRESULT STDMETHODCALLTYPE QuantidadeFiliais(LONG* quantidade) noexcept override;
    HRESULT STDMETHODCALLTYPE LeFilial(LONG posicao, QV_FILIAL_4818* filial) noexcept override;
    HRESULT STDMETHODCALLTYPE ExisteFilial(BSTR codigo, LONG* posicao, QV_FILIAL_4818* filial) noexcept override;
    HRESULT STDMETHODCALLTYPE LeLogotipo(LONG filial, LONG opcao, BSTR* caminho) noexcept override;
    HRESULT STDMETHODCALLTYPE LeFiliaisAtivas(WORD usuario, QV_FILIAIS_ATIVAS_1002* filiais) noexcept override;
    ZU_RESERVADO(09) ZU_RESERVADO(10) ZU_RESERVADO(11)
    ZU_RESERVADO(12) ZU_RESERVADO(13)
    HRESULT STDMETHODCALLTYPE LePeriodo(BYTE* periodo) noexcept override;
    ZU_RESERVADO(15) ZU_RESERVADO(16) ZU_RESERVADO(17)
    HRESULT STDMETHODCALLTYPE MascaraCFOP(LONG opcao, BSTR* mascara) noexcept override;

private:
    // The record of the branch at a register position; false when there is none.
    bool le_registro(LONG posicao, REG_FILIAL& r);

    ~FilialServer() override = default;   // objects come only from com::make
};

}  // namespace inhouse
