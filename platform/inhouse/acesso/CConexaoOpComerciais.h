#pragma once
// The commercial operations connection of the data-access library: it keeps the filters of a
// sale (note type, operation, branch, product, customer) and asks the commercial operations
// server for the operations of the note type and for what the chosen operation suggests. The
// reads create the server, initialised with the connection's session, when it is missing.
#include <string>

#include "inhouse_opcomerciais.h"
#include "platform/inhouse/acesso/CConexaoServidor.h"
#include "platform/inhouse/cfrt/QVCFRT.h"
#include "platform/inhouse/login/registros_filial.h"
#include "platform/inhouse/opcomerciais/registros_opcomerciais.h"
#include "platform/inhouse/produtos/registros_produto.h"

class CConexaoOpComerciais : public CConexaoServidor {
public:
    const char* NomeClasse() const noexcept override { return "CConexaoOpComerciais"; }

    // The filters; each stays until set again.
    void SetTipoNF(BYTE tipo) noexcept { m_cTipoNF = tipo; }
    void SetOpComercial(DWORD operacao) noexcept { m_lOpComercial = operacao; }
    void SetFilial(WORD filial, const inhouse::REG_FILIAL& registro);
    void SetProduto(const _REG_PRODUTOPS& produto);
    void SetCliente(const QVCFRT& cliente);
    // Back to no operation, branch, product or customer (the note type stays).
    void LimpaFiltros() noexcept;

    // The positions of the note type's operations. The list's pointer field then holds a
    // task-memory array that LiberaPonteiros frees; on a failure the list is left empty.
    HRESULT BuscaPonteirosOpComerciais(tagREG_DFSNTF_PONTEIROS_OPCPS* lista);
    static void LiberaPonteiros(tagREG_DFSNTF_PONTEIROS_OPCPS& lista) noexcept;
    // The operation at a register position (`opcao` 0); the record zeroed first.
    HRESULT Le(WORD posicao, long opcao, _REG_DFSNTF_OPERACOES_COMERCIAIS_PS* registro);
    // Looks an operation up by code: *valor is its register position, 0 when missing.
    HRESULT Existe(const char* codigo, DWORD* valor, _REG_DFSNTF_OPERACOES_COMERCIAIS_PS* registro);
    // What the chosen operation suggests for the filters; the answer zeroed first.
    HRESULT BuscaTipoOperacao(_REG_DFSNTF_TIPOS_OPERACOES_PS* resposta);

    BYTE GetTipoNF() const noexcept { return m_cTipoNF; }

protected:
    const CLSID* ClasseServidor() const noexcept override;
    const IID* InterfaceServidor() const noexcept override { return &__uuidof(IQVDF_OperacoesComerciais); }

private:
    HRESULT servidor(IQVDF_OperacoesComerciais*& s);

    BYTE m_cTipoNF = 2;
    DWORD m_lOpComercial = 0;
    WORD m_wFilial = 0;
    std::string m_sUfFilial;
    std::string m_sUfCliente;
    std::string m_sPaisCliente;
    std::string m_sProduto;
};
