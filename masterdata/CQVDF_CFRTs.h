#pragma once
// The customer and supplier register for web clients (ProgID ZidizUvi.QVDF_CFRTs): empty customer
// and supplier objects, their checked save into the CFRT register, their read back, the next free
// classification of a kind of register. The object keeps a CFRT accessor of its own, initialised
// with the root object's session.
#include <string>
#include <vector>

#include "VAVEDERAZur.h"
#include "base/CQVString.h"
#include "masterdata/categorias_cfrt.h"
#include "platform/com/object.h"
#include "server/holders/CBufferCFRT.h"
#include "server/process/class_table.h"

namespace masterdata {

class CQVDF_CFRTs final : public com::object<CQVDF_CFRTs, IQVDF_CFRTs> {
public:
    static constexpr com::class_info info = server::class_info_of(L"QVDF_CFRTs", &CLSID_QVDF_CFRTs);

    HRESULT STDMETHODCALLTYPE Inicializa(IQV_Inicializa* inicializacao) noexcept override;
    HRESULT STDMETHODCALLTYPE NovoCliente(ICFRT_Cliente** Cliente) noexcept override;
    HRESULT STDMETHODCALLTYPE NovoFornecedor(ICFRT_Fornecedor** fornecedor) noexcept override;
    HRESULT STDMETHODCALLTYPE GravaCliente(ICFRT_Cliente* Cliente, LONG* resultado) noexcept override;
    HRESULT STDMETHODCALLTYPE GravaFornecedor(ICFRT_Fornecedor* fornecedor, LONG* resultado) noexcept override;
    HRESULT STDMETHODCALLTYPE GetProximaClassificacao(BSTR tipoCadastro, BSTR* proximaClassificacao) noexcept override;
    HRESULT STDMETHODCALLTYPE LeFornecedor(LONG lPosConta, ICFRT_Fornecedor** ppFornecedor) noexcept override;
    HRESULT STDMETHODCALLTYPE LeCliente(LONG lPosConta, ICFRT_Cliente** ppCliente) noexcept override;
    HRESULT STDMETHODCALLTYPE GetCodigoTabelaPrecosProduto(LONG ponteiroTabPrecos, BSTR* CodTabPrecos) noexcept override;

    // Builds and checks the record of a new customer or supplier from the client's object: on a
    // refused value `resultado` carries its code (nothing else is filled from then on). Throws
    // com::failure for a server that fails.
    virtual void MontaRegistro(ICFRT_Pessoa* pessoa, QVCFRT& registro, long& resultado);

    // The result codes of a save.
    static constexpr long sem_codigo_proprio = -9;
    static constexpr long codigo_proprio_em_uso = -10;
    static constexpr long sem_classificacao = -1;
    static constexpr long classificacao_recusada = -11;
    static constexpr long tipo_pessoa_invalido = -5;
    static constexpr long cpf_cnpj_invalido = -7;
    static constexpr long cpf_cnpj_existente = -8;
    static constexpr long sem_rua = -3;
    static constexpr long municipio_inexistente = -6;
    static constexpr long sem_nome = -4;
    static constexpr long sem_inscricao_estadual = -101;

private:
    ~CQVDF_CFRTs() override = default;   // objects come only from com::make

    // The save of both kinds: the checks, then `completa` (the kind's own fields; false: no state
    // registration), then the write. Answers the result code.
    template <class Completa>
    long Grava(ICFRT_Pessoa* pessoa, char tipo, long controle, const char* texto_falha, Completa&& completa);
    // Whether a new account may take this classification: its parent is a totalling entry and no
    // account has it yet.
    bool ClassificacaoAceita(const std::string& classificacao);
    bool UsaCodigoProprio();
    IQVDF_Plano& Plano(const char* texto);
    // The accessor drops its servers after a failed call: an initialised object starts it again
    // with its session, so that one failure does not leave the object as if never initialised.
    void RetomaServidores();
    QVCFRT LeRegistro(long posicao);

    CBufferCFRT m_buffer;
    CQVString m_sEmpresa;
    WORD m_wUsuario = 0;
    long m_lSessao = 0;
    com::com_ptr<IQV_Inicializa> m_raiz;
    int m_iCodigoProprio = 0;   // 0 not read yet, 1 the company uses own codes, 2 it does not
    categorias_cfrt m_categorias;
};

}  // namespace masterdata
