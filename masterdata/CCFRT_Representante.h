#pragma once
// A sales representative of the CFRT register, as the sales classes hand it to a web client:
// the person's properties, filled from the representative's record by SetDados.
#include "masterdata/CCFRT_Pessoa.h"
#include "platform/inhouse/cfrt/QVCFRT.h"
#include "server/process/class_table.h"

namespace masterdata {

class CCFRT_Representante final : public CCFRT_Pessoa<CCFRT_Representante, ICFRT_Representante> {
public:
    static constexpr com::class_info info = server::class_info_of(L"CFRT_Representante", &CLSID_CFRT_Representante);

    // Keeps the representative's register position and takes its classification, CPF/CNPJ,
    // name, own code, person kind and price tables from its record.
    virtual void SetDados(long posicao, const QVCFRT& registro);
    long GetPosicao() const noexcept { return m_lPosicao; }

private:
    ~CCFRT_Representante() override = default;   // objects come only from com::make

    long m_lPosicao = 0;
};

}  // namespace masterdata
