#pragma once
// The report-model component of the maker (IQVModelosRelatorio), ours over the installation's
// reports folder (platform/inhouse/modelos/pasta_modelos.h): a model is an XML file, its name the
// file's name without ".xml".
#include <string>

#include "inhouse_modelos.h"
#include "platform/inhouse/core/stand_in.h"

namespace inhouse {

class ModelosRelatorio final : public stand_in_object<ModelosRelatorio, IQVModelosRelatorio> {
public:
    using stand_in_object::stand_in_object;

    // E_INVALIDARG for a module or component name that is not a plain folder name;
    // ERROR_PATH_NOT_FOUND when the installation has no reports folder.
    HRESULT STDMETHODCALLTYPE Inicializa(BSTR modulo, BSTR componente) noexcept override;
    ZU_RESERVADO(04)
    // E_UNEXPECTED before Inicializa; E_INVALIDARG for a name that is not a plain file name;
    // ERROR_FILE_NOT_FOUND for a model that is not there. The record is written only on success.
    HRESULT STDMETHODCALLTYPE LeModelo(BSTR nome, BYTE* registro) noexcept override;
    ZU_RESERVADO(06)
    // The models in name order; a folder that is not there has none (count 0, no entries block).
    HRESULT STDMETHODCALLTYPE ListaNomes(BYTE** lista) noexcept override;

private:
    ~ModelosRelatorio() override = default;   // objects come only from com::make

    std::string m_pasta;   // empty until Inicializa
};

}  // namespace inhouse
