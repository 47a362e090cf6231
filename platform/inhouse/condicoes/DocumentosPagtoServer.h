#pragma once
// The payment-document server (IQVDF_Documento) over the store: one class for the payment forms
// (kind "3") and the billing types (kind "2"); each object serves its own kind for look-ups and
// lists the kind its caller counted last. Calls before Inicializa answer QV_E_NAO_INICIALIZADO.
#include <memory>
#include <string>

#include "inhouse_condicoes.h"
#include "platform/inhouse/core/servidor_sessao.h"

namespace inhouse {

inline constexpr HRESULT QV_E_DOCUMENTO_PAGTO_DESCONHECIDO = static_cast<HRESULT>(0x80040321u);

class DocumentosPagtoServer final : public servidor_partes_sessao<DocumentosPagtoServer, IQVDF_Documento> {
public:
    DocumentosPagtoServer(store& data, std::shared_ptr<fault_plan> faults, const char* tipo) noexcept
        : servidor_partes_sessao(data, std::move(faults)), m_tipo(tipo), m_tipo_lista(tipo) {}

    // The factories' creation functions of the two kinds.
    static HRESULT create_formas(store& data, std::shared_ptr<fault_plan> faults, REFIID iid, void** ppv) noexcept;
    static HRESULT create_cobrancas(store& data, std::shared_ptr<fault_plan> faults, REFIID iid, void** ppv) noexcept;

    ZU_RESERVADO(04)
    HRESULT STDMETHODCALLTYPE Quantidade(BSTR tipo, WORD* quantidade) noexcept override;
    HRESULT STDMETHODCALLTYPE Busca(WORD quantidade, BYTE* registros) noexcept override;
    HRESULT STDMETHODCALLTYPE Existe(BSTR codigo, WORD* posicao, BYTE* registro) noexcept override;
    HRESULT STDMETHODCALLTYPE Le(WORD posicao, BYTE* registro) noexcept override;

private:
    ~DocumentosPagtoServer() override = default;   // objects come only from com::make

    const char* m_tipo;
    std::string m_tipo_lista;
};

}  // namespace inhouse
