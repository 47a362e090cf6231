#pragma once
// Stand-ins of the chart server (IQVDF_Plano: the CFRT chart and the accounts), the CFRT
// register server (IQVDF_CFRT) and the bearer server (IQVFN_Banco), over the store. Records and
// part blocks: platform/inhouse/QVCFRT.h and registros_tavon.h. Each serves the company it was
// initialised with; calls before the initialisation answer E_UNEXPECTED. A key that is not there
// answers S_FALSE (the register's "not found", of success severity) with a zeroed record.
#include <memory>
#include <string>

#include "inhouse_cfrt.h"
#include "inhouse_registros.h"
#include "platform/inhouse/cfrt/QVCFRT.h"
#include "platform/inhouse/core/servidor_sessao.h"

namespace inhouse {

class PlanoServer final : public servidor_registro_sessao<PlanoServer, IQVDF_Plano, QV_SESSAO_32> {
public:
    using servidor_registro_sessao::servidor_registro_sessao;

    // The managerial chart's server: the same server over the managerial chart's table.
    static HRESULT create_gerencial(store& data, std::shared_ptr<fault_plan> faults, REFIID iid, void** ppv) noexcept;

    HRESULT STDMETHODCALLTYPE LeConta(LONG posicao, BYTE* conta) noexcept override;
    HRESULT STDMETHODCALLTYPE GravaConta(LONG posicao, const BYTE* conta, LONG* nova_posicao) noexcept override;
    HRESULT STDMETHODCALLTYPE BuscaCpfCnpj(BSTR cpf_cnpj, BYTE tipo, BYTE* conta) noexcept override;
    HRESULT STDMETHODCALLTYPE LeConfiguracao(BYTE* configuracao) noexcept override;
    ZU_RESERVADO(08)
    HRESULT STDMETHODCALLTYPE RegistraClassificacao(BSTR classificacao, LONG* posicao) noexcept override;
    ZU_RESERVADO(10)
    HRESULT STDMETHODCALLTYPE BuscaClassificacao(BSTR classificacao, LONG* posicao) noexcept override;
    HRESULT STDMETHODCALLTYPE CodigoProprioEmUso(BSTR codigo, LONG* em_uso) noexcept override;
    ZU_RESERVADO(13)
    HRESULT STDMETHODCALLTYPE QuantidadeContas(BSTR tipo, LONG opcao, LONG* quantidade) noexcept override;
    HRESULT STDMETHODCALLTYPE LeIndices(LONG quantidade, BYTE* indices) noexcept override;
    HRESULT STDMETHODCALLTYPE BuscaCodigo(BSTR codigo, LONG* posicao, BYTE* conta) noexcept override;
    HRESULT STDMETHODCALLTYPE GeraRelatorio(BSTR arquivo, BSTR modelo, BSTR razao_social, LONG posicao, LONG opcao1,
                                            LONG opcao2) noexcept override;
    ZU_RESERVADO(18) ZU_RESERVADO(19)
    HRESULT STDMETHODCALLTYPE BuscaContas(USHORT caracteristica, BSTR tipo, BYTE** resposta) noexcept override;
    HRESULT STDMETHODCALLTYPE RegistraClassificacaoSintetica(BSTR classificacao, LONG* posicao) noexcept override;
    ZU_RESERVADO(22) ZU_RESERVADO(23) ZU_RESERVADO(24) ZU_RESERVADO(25) ZU_RESERVADO(26)
    HRESULT STDMETHODCALLTYPE Prepara(LONG opcao1, LONG opcao2) noexcept override;
    ZU_RESERVADO(28) ZU_RESERVADO(29) ZU_RESERVADO(30) ZU_RESERVADO(31) ZU_RESERVADO(32) ZU_RESERVADO(33)
    ZU_RESERVADO(34) ZU_RESERVADO(35) ZU_RESERVADO(36)
    HRESULT STDMETHODCALLTYPE Atualiza() noexcept override;
    ZU_RESERVADO(38) ZU_RESERVADO(39) ZU_RESERVADO(40) ZU_RESERVADO(41) ZU_RESERVADO(42)
    HRESULT STDMETHODCALLTYPE LimitaRepresentante(LONG posicao) noexcept override;

private:
    HRESULT registra(BSTR classificacao, LONG* posicao, const char* metodo) noexcept;
    // The statement with the chart's table in place of plano_conta.
    std::string sql(std::string texto) const;

    std::string m_tabela = "plano_conta";
    LONG m_representante = 0;   // searches show only this representative's customers (0: no limit)

private:
    ~PlanoServer() override = default;   // objects come only from com::make
};

class CFRTServer final : public stand_in_object<CFRTServer, IQVDF_CFRT> {
public:
    using stand_in_object::stand_in_object;

    HRESULT STDMETHODCALLTYPE GravaPrincipal(LONG posicao, const BYTE* principal) noexcept override;
    HRESULT STDMETHODCALLTYPE GravaJuridica(LONG zero, const BYTE* bloco) noexcept override;
    HRESULT STDMETHODCALLTYPE GravaFisica(LONG zero, const BYTE* bloco) noexcept override;
    HRESULT STDMETHODCALLTYPE GravaConjuge(LONG zero, const BYTE* bloco) noexcept override;
    HRESULT STDMETHODCALLTYPE GravaEndereco(LONG zero, const BYTE* bloco, LONG* posicao) noexcept override;
    HRESULT STDMETHODCALLTYPE GravaInfoExtras(LONG zero, const BYTE* bloco) noexcept override;
    HRESULT STDMETHODCALLTYPE Inicializa(BSTR empresa, LONG usuario, LONG sessao) noexcept override;
    HRESULT STDMETHODCALLTYPE LePrincipal(LONG posicao, BYTE* principal, LONG mascara) noexcept override;
    HRESULT STDMETHODCALLTYPE LeJuridica(LONG zero, BYTE* bloco) noexcept override;
    HRESULT STDMETHODCALLTYPE LeFisica(LONG zero, BYTE* bloco) noexcept override;
    HRESULT STDMETHODCALLTYPE LeConjuge(LONG zero, BYTE* bloco) noexcept override;
    HRESULT STDMETHODCALLTYPE LeEndereco(LONG zero, BYTE* bloco) noexcept override;
    HRESULT STDMETHODCALLTYPE LeInfoExtras(LONG zero, BYTE* bloco) noexcept override;
    ZU_RESERVADO(16) ZU_RESERVADO(17) ZU_RESERVADO(18) ZU_RESERVADO(19) ZU_RESERVADO(20)
    HRESULT STDMETHODCALLTYPE GravaComplemento(LONG zero, const BYTE* bloco) noexcept override;
    ZU_RESERVADO(22)
    HRESULT STDMETHODCALLTYPE LeComplemento(LONG zero, BYTE* bloco) noexcept override;
    ZU_RESERVADO(24) ZU_RESERVADO(25) ZU_RESERVADO(26) ZU_RESERVADO(27) ZU_RESERVADO(28)
    HRESULT STDMETHODCALLTYPE LeComplemento2(LONG zero, BYTE* bloco) noexcept override;
    HRESULT STDMETHODCALLTYPE GravaComplemento2(LONG zero, const BYTE* bloco) noexcept override;
    ZU_RESERVADO(31)
    HRESULT STDMETHODCALLTYPE LeTaxas(LONG chave, BYTE* taxas) noexcept override;
    HRESULT STDMETHODCALLTYPE GravaTaxas(LONG posicao, const BYTE* taxas) noexcept override;
    ZU_RESERVADO(34) ZU_RESERVADO(35) ZU_RESERVADO(36) ZU_RESERVADO(37) ZU_RESERVADO(38) ZU_RESERVADO(39)
    HRESULT STDMETHODCALLTYPE LeInfoExtrasChave(LONG chave, BYTE* info) noexcept override;

private:
    template <class Block>
    HRESULT le_parte(const char* metodo, LONG posicao, const char* coluna, BYTE* out);
    template <class Block>
    HRESULT grava_parte(const char* metodo, const char* coluna, const BYTE* in);
    std::string m_empresa;
    bool m_inicializado = false;
    LONG m_atual = 0;                   // the CFRT that the last main-part read or write made current
    std::string m_textos[2];            // the free texts handed out by the last main-part read
    std::string m_taxas_pendentes;      // rates written before their new CFRT existed

private:
    ~CFRTServer() override = default;   // objects come only from com::make
};

class BancoServer final : public servidor_registro_sessao<BancoServer, IQVFN_Banco, QV_SESSAO_32> {
public:
    using servidor_registro_sessao::servidor_registro_sessao;

    ZU_RESERVADO(04) ZU_RESERVADO(05) ZU_RESERVADO(06)
    HRESULT STDMETHODCALLTYPE LeBanco(LONG chave, BYTE* banco) noexcept override;

private:
    ~BancoServer() override = default;   // objects come only from com::make
};

}  // namespace inhouse
