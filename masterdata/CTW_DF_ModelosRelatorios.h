#pragma once
// The report models that the report-model component holds for one module and component, and for
// each whether it is meant for managerial reports, operational reports and the web clients. Every
// flag question reads and parses the model anew.
#include <string>
#include <vector>

#include "VAVEDERAZur.h"
#include "inhouse_modelos.h"
#include "masterdata/flags_modelo.h"
#include "platform/com/com_ptr.h"
#include "platform/com/object.h"

namespace masterdata {

class CTW_DF_ModelosRelatorios final : public com::object<CTW_DF_ModelosRelatorios, ITW_DF_ModelosRelatorios> {
public:
    HRESULT STDMETHODCALLTYPE BuscaNomes(BSTR bsModulo, BSTR bsComponente, ULONG* pulQuantidade) noexcept override;
    HRESULT STDMETHODCALLTYPE GetNome(ULONG ulPosArray, BSTR* pbsNome) noexcept override;
    HRESULT STDMETHODCALLTYPE GetEhGerencial(ULONG ulPosArray, VARIANT_BOOL* pvbGerencial) noexcept override;
    HRESULT STDMETHODCALLTYPE GetEhOperacional(ULONG ulPosArray, VARIANT_BOOL* pvbOperacional) noexcept override;
    HRESULT STDMETHODCALLTYPE GetEhZidizUvi(ULONG ulPosArray, VARIANT_BOOL* pvbZidizUvi) noexcept override;

private:
    ~CTW_DF_ModelosRelatorios() override = default;   // objects come only from com::make

    // One flag of the model at a position, as the answer to the client; `texto` reports a failed read.
    HRESULT responde_flag(ULONG ulPosArray, VARIANT_BOOL* pvb, short flags_modelo::*flag, const char* texto) noexcept;

    com::com_ptr<IQVModelosRelatorio> m_pModelos;   // null until BuscaNomes
    std::vector<std::string> m_Nomes;               // in the component's order
};

}  // namespace masterdata
