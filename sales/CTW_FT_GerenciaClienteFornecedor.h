#pragma once
// The registration of a new customer or supplier from a web form (root factory
// TW_FT_GerenciaClienteFornecedor): the client hands over a filled customer or supplier object,
// Gravar checks it field by field, builds the register record and saves it through the session's
// CFRT accessor; LeCliente and LeFornecedor read a stored one back into a new object.
#include <string>

#include "VAVEDERAZur.h"
#include "platform/com/com_ptr.h"
#include "platform/com/object.h"
#include "platform/inhouse/cfrt/QVCFRT.h"

namespace sales {

class CTW_FT_GerenciaClienteFornecedor final
    : public com::object<CTW_FT_GerenciaClienteFornecedor, ITW_FT_GerenciaClienteFornecedor> {
public:
    HRESULT STDMETHODCALLTYPE SetNovoFornecedor(ICFRT_Fornecedor* pFornecedor, BOOL* pvbExiste) noexcept override;
    HRESULT STDMETHODCALLTYPE GetNovoFornecedor(ICFRT_Fornecedor** ppFornecedor) noexcept override;
    HRESULT STDMETHODCALLTYPE SetNovoCliente(ICFRT_Cliente* pCliente, BOOL* pvbExiste) noexcept override;
    HRESULT STDMETHODCALLTYPE GetNovoCliente(ICFRT_Cliente** ppCliente) noexcept override;
    HRESULT STDMETHODCALLTYPE GetUtilizaCodigoProprio(BOOL* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE Gravar(LONG* resultado) noexcept override;
    HRESULT STDMETHODCALLTYPE LeCliente(LONG lPosConta, ICFRT_Cliente** ppCliente) noexcept override;
    HRESULT STDMETHODCALLTYPE LeFornecedor(LONG lPosConta, ICFRT_Fornecedor** ppFornecedor) noexcept override;

    // The result codes of Gravar: a refused person, nothing saved.
    static constexpr long sem_classificacao = -1;
    static constexpr long sem_rua = -3;
    static constexpr long sem_nome = -4;
    static constexpr long tipo_pessoa_invalido = -5;
    static constexpr long municipio_inexistente = -6;
    static constexpr long cpf_cnpj_invalido = -7;
    static constexpr long cpf_cnpj_existente = -8;
    static constexpr long sem_codigo_proprio = -9;
    static constexpr long codigo_proprio_em_uso = -10;

    // A refusal of the checks: its code and the text left as error information (none for -5).
    struct recusa {
        long codigo = 0;
        const char* texto = nullptr;
    };

private:
    ~CTW_FT_GerenciaClienteFornecedor() override = default;   // objects come only from com::make

    // The checks and copies of Gravar, in their fixed order, into the zeroed record whose kind
    // and status are set. Throws com::failure when a register query fails.
    recusa MontaRegistroCliente(ICFRT_Cliente* cliente, QVCFRT& registro);
    recusa MontaRegistroFornecedor(ICFRT_Fornecedor* fornecedor, QVCFRT& registro);
    recusa MontaRegistro(ICFRT_Pessoa* pessoa, QVCFRT& registro, bool cliente);
    // Whether the company's chart gives customers and suppliers own codes; throws when the
    // chart's settings cannot be read.
    bool UtilizaCodigoProprio();

    static constexpr USHORT modo_fornecedor = 0xFFFF;
    static constexpr USHORT modo_cliente = 0;
    USHORT m_wModo = modo_cliente;
    com::com_ptr<ICFRT_Fornecedor> m_fornecedor;
    com::com_ptr<ICFRT_Cliente> m_cliente;
};

}  // namespace sales
