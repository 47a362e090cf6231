#pragma once
// The state server (IQVEstados) and the municipality server (IQVMunicipios) over the store.
#include "inhouse_localidades.h"
#include "platform/inhouse/core/servidor_sessao.h"

namespace inhouse {

class EstadoServer final : public servidor_partes_sessao<EstadoServer, IQVEstados> {
public:
    using servidor_partes_sessao::servidor_partes_sessao;

    HRESULT STDMETHODCALLTYPE Quantidade(WORD* quantidade) noexcept override;
    HRESULT STDMETHODCALLTYPE LeTodos(WORD quantidade, BYTE* estados) noexcept override;
    HRESULT STDMETHODCALLTYPE Le(LONG posicao, BYTE* estado) noexcept override;

private:
    ~EstadoServer() override = default;   // objects come only from com::make
};

class MunicipioServer final : public servidor_partes_sessao<MunicipioServer, IQVMunicipios> {
public:
    using servidor_partes_sessao::servidor_partes_sessao;

    HRESULT STDMETHODCALLTYPE Pesquisa(LONG codigo_fiscal, WORD* posicao, BYTE* municipio) noexcept override;
    HRESULT STDMETHODCALLTYPE Quantidade(LONG* quantidade) noexcept override;
    HRESULT STDMETHODCALLTYPE LeTodos(LONG quantidade, BYTE* municipios) noexcept override;
    HRESULT STDMETHODCALLTYPE Le(LONG posicao, BYTE* municipio) noexcept override;

private:
    ~MunicipioServer() override = default;   // objects come only from com::make
};

}  // namespace inhouse
