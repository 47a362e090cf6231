#pragma once
// The document register's server (IQVDF_CadastroDocumento) over the store's `documento` table:
// the company's document types, each at a register position.
#include "inhouse_documento.h"
#include "platform/inhouse/core/servidor_sessao.h"

namespace inhouse {

class DocumentoServer final : public servidor_partes_sessao<DocumentoServer, IQVDF_CadastroDocumento> {
public:
    using servidor_partes_sessao::servidor_partes_sessao;

    ZU_RESERVADO(04) ZU_RESERVADO(05) ZU_RESERVADO(06) ZU_RESERVADO(07)
    HRESULT STDMETHODCALLTYPE Posicoes(BYTE** lista) noexcept override;
    HRESULT STDMETHODCALLTYPE Le(LONG posicao, QV_CADDOC_250* documento) noexcept override;

private:
    ~DocumentoServer() override = default;   // objects come only from com::make
};

}  // namespace inhouse
