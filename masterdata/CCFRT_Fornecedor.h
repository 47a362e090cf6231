#pragma once
// A supplier of the CFRT register between the server and a web client: the person's properties
// and the state registration.
#include "masterdata/CCFRT_Pessoa.h"
#include "server/process/class_table.h"

namespace masterdata {

class CCFRT_Fornecedor final : public CCFRT_Pessoa<CCFRT_Fornecedor, ICFRT_Fornecedor> {
public:
    static constexpr com::class_info info = server::class_info_of(L"CFRT_Fornecedor", &CLSID_CFRT_Fornecedor);

    HRESULT STDMETHODCALLTYPE get_InscricaoEstadual(BSTR* pVal) noexcept override { return cfrt::get(pVal, m_sInscricaoEstadual); }
    HRESULT STDMETHODCALLTYPE put_InscricaoEstadual(BSTR newVal) noexcept override {
        return cfrt::put(m_sInscricaoEstadual, newVal);
    }

private:
    ~CCFRT_Fornecedor() override = default;   // objects come only from com::make

    std::string m_sInscricaoEstadual;
};

}  // namespace masterdata
