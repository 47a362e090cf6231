#pragma once
// The connection classes of the data-access library (QVAcesso.dll and its siblings equipbase.dll,
// ATENDBASE.dll and qvarmazem.dll), one per register. This header gives what every caller relies
// on (construction, the switches, the initialisation with its fixed extra arguments, virtual
// destruction); each register's own reads join its class as the objects that use them are built.
// CConexaoUsuario, CConexaoEstado, CConexaoMunicipio and CConexaoCliente have their own headers.
#include "inhouse_armazenagem.h"
#include "inhouse_cfrt.h"
#include "inhouse_documento.h"
#include "inhouse_historico.h"
#include "inhouse_login.h"
#include "platform/inhouse/acesso/CConexaoCliente.h"
#include "platform/inhouse/armazenagem/registros_armazenagem.h"
#include "platform/inhouse/acesso/CConexaoCondicaoPagamento.h"
#include "platform/inhouse/acesso/CConexaoEstado.h"
#include "platform/inhouse/acesso/CConexaoMunicipio.h"
#include "platform/inhouse/acesso/CConexaoOpComerciais.h"
#include "platform/inhouse/acesso/CConexaoServidor.h"
#include "platform/inhouse/cfrt/QVCFRT.h"
#include "platform/inhouse/documento/registros_documento.h"
#include "platform/inhouse/login/registros_filial.h"
#include "platform/inhouse/login/registros_login.h"
#include "inhouse_naturezas.h"
#include "platform/inhouse/naturezas/registros_natureza.h"
#include "inhouse_produtos.h"
#include "platform/inhouse/produtos/registros_produto.h"

// The kind of register a category connection serves.
enum TipoCadastro : int {};

// Branches. CriaServidor creates the branch server and initialises it with the connection's
// session; the reads create it when it is missing.
class CConexaoFilial : public CConexaoServidor {
public:
    using CConexaoServidor::Inicializa;
    HRESULT Inicializa(const CQVString& empresa, WORD usuario, long sessao, bool todas);
    const char* NomeClasse() const noexcept override { return "CConexaoFilial"; }

    // Hides the base's: a branch server handed out is always initialised; a failed
    // initialisation drops the server again.
    HRESULT CriaServidor();
    // The branch server, or null before CriaServidor; no reference is added.
    IQVCN_Filial* GetServidor() const noexcept { return static_cast<IQVCN_Filial*>(GetInterface()); }

    // The size of the branch register (its highest position); 0 when it cannot be read.
    unsigned GetQuantidadeFiliais();
    // The same, with the failure told (`quantidade` is 0 then).
    HRESULT LeQuantidadeFiliais(unsigned& quantidade);
    // The branch at a register position into `filial` (left as given on a failure).
    HRESULT Le(long posicao, inhouse::REG_FILIAL* filial);
    // Looks a branch up by its code: 1 when found, and then its position and record are filled;
    // 0 otherwise (a failed look-up too), with both left zeroed.
    int Existe(const CQVString& codigo, long* posicao, inhouse::REG_FILIAL* filial);
    // A user's active-branch block (left as given on a failure).
    HRESULT LeFiliaisAtivas(WORD usuario, inhouse::FILIAIS_ATIVAS& bloco);
    // The logo of a branch (-1: the company's); `opcao` 1 asks for the full path.
    HRESULT LeLogotipo(long filial, int opcao, CQVString& caminho);

protected:
    const CLSID* ClasseServidor() const noexcept override;
    const IID* InterfaceServidor() const noexcept override { return &__uuidof(IQVCN_Filial); }

private:
    HRESULT servidor(IQVCN_Filial*& s);
};

// A chart of accounts. The chart kind and the two options are fixed per caller. CriaServidor
// creates the chart server and initialises it with the connection's session; the reads create it
// when it is missing. The company chart's server is the base's; the managerial chart has its own.
class CConexaoPlano : public CConexaoServidor {
public:
    using CConexaoServidor::Inicializa;
    HRESULT Inicializa(const CQVString& empresa, WORD usuario, long sessao, char tipo, char opcao1, char opcao2);
    const char* NomeClasse() const noexcept override { return "CConexaoPlano"; }

    // Hides the base's: a chart server handed out is always initialised; a failed initialisation
    // drops the server again.
    HRESULT CriaServidor();
    // The chart server, or null before CriaServidor; no reference is added.
    IQVDF_Plano* GetServidor() const noexcept { return static_cast<IQVDF_Plano*>(GetInterface()); }
    // The chart server, created when missing.
    HRESULT Servidor(IQVDF_Plano*& plano);

    // Looks the account up by code: non-zero when it exists, and then its record pointer and its
    // record are filled (a missing account leaves both zeroed).
    int Existe(const char* codigo, DWORD* ponteiro, _RegContaPS* conta);
    // Reads the account of a record pointer.
    HRESULT Le(DWORD ponteiro, _RegContaPS* conta);

protected:
    const CLSID* ClasseServidor() const noexcept override;
    const IID* InterfaceServidor() const noexcept override { return &__uuidof(IQVDF_Plano); }
};

// The company's chart.
class CConexaoPlanoContabil : public CConexaoPlano {
public:
    using CConexaoPlano::Inicializa;
    HRESULT Inicializa(const CQVString& empresa, WORD usuario, long sessao, char opcao1, char opcao2);
    const char* NomeClasse() const noexcept override { return "CConexaoPlanoContabil"; }
};

// The managerial chart.
class CConexaoPlanoGerencial : public CConexaoPlano {
public:
    using CConexaoPlano::Inicializa;
    HRESULT Inicializa(const CQVString& empresa, WORD usuario, long sessao, char opcao1, char opcao2);
    const char* NomeClasse() const noexcept override { return "CConexaoPlanoGerencial"; }

protected:
    const CLSID* ClasseServidor() const noexcept override;
};

// Bank accounts and bearers of one kind.
class CConexaoBanco : public CConexaoServidor {
public:
    using CConexaoServidor::Inicializa;
    HRESULT Inicializa(const CQVString& empresa, WORD usuario, long sessao, char tipo);
    const char* NomeClasse() const noexcept override { return "CConexaoBanco"; }
};

// Categories of one register.
class CConexaoCategoria : public CConexaoServidor {
public:
    using CConexaoServidor::Inicializa;
    HRESULT Inicializa(const CQVString& empresa, WORD usuario, long sessao, TipoCadastro tipo);
    const char* NomeClasse() const noexcept override { return "CConexaoCategoria"; }
};

// Operation natures. The reads create the natures server, initialised with the connection's
// session, when it is missing. `dia` is the day on which the nature must be in force.
class CConexaoNatureza : public CConexaoServidor {
public:
    const char* NomeClasse() const noexcept override { return "CConexaoNatureza"; }

    // The natures server, created when missing; no reference is added.
    HRESULT Servidor(IQVDF_Naturezas*& naturezas);
    // The nature at a register position into `natureza` (left as given on a failure).
    HRESULT Le(WORD posicao, WORD dia, BYTE modulo, inhouse::REG_NATUREZA* natureza);
    // Looks a nature up by code: *resposta is its register position, 0 when missing.
    HRESULT Existe(const char* codigo, WORD dia, WORD filial, BYTE modulo, WORD* resposta,
                   inhouse::REG_NATUREZA* natureza);

protected:
    const CLSID* ClasseServidor() const noexcept override;
    const IID* InterfaceServidor() const noexcept override { return &__uuidof(IQVDF_Naturezas); }
};

// Standard histories. CriaServidor creates the history server and initialises it with the
// connection's session; the reads create it when it is missing.
class CConexaoHistorico : public CConexaoServidor {
public:
    const char* NomeClasse() const noexcept override { return "CConexaoHistorico"; }

    // Hides the base's: a history server handed out is always initialised; a failed
    // initialisation drops the server again.
    HRESULT CriaServidor();
    // The history server, created when missing (null when it cannot be); no reference is added.
    IQVCN_Historico* GetInterface();

    // The history at a register position into `historico` (left as given on a failure).
    HRESULT Le(long posicao, __MIDL___MIDL_itf_CNSHIS_0000_0000_0002* historico);

protected:
    const CLSID* ClasseServidor() const noexcept override;
    const IID* InterfaceServidor() const noexcept override { return &__uuidof(IQVCN_Historico); }

private:
    IQVCN_Historico* GetServidor() const noexcept {
        return static_cast<IQVCN_Historico*>(CConexaoServidor::GetInterface());
    }
};

// The document register. CriaServidor creates the document server and initialises it with the
// connection's session; the reads create it when it is missing.
class CConexaoCadastroDocumento : public CConexaoServidor {
public:
    const char* NomeClasse() const noexcept override { return "CConexaoCadastroDocumento"; }

    // Hides the base's: a document server handed out is always initialised; a failed
    // initialisation drops the server again.
    HRESULT CriaServidor();
    // The document server, created when missing (null when it cannot be); no reference is added.
    IQVDF_CadastroDocumento* GetInterface();

    // The document type at a register position into `documento` (left as given on a failure).
    HRESULT Le(long posicao, tagREG_CADDOCPS* documento);

protected:
    const CLSID* ClasseServidor() const noexcept override;
    const IID* InterfaceServidor() const noexcept override { return &__uuidof(IQVDF_CadastroDocumento); }

private:
    IQVDF_CadastroDocumento* GetServidor() const noexcept {
        return static_cast<IQVDF_CadastroDocumento*>(CConexaoServidor::GetInterface());
    }
};

// The product server's connections. CriaServidor creates the product server (IQVDF_Produto) and
// initialises it with the connection's session; the reads create it when it is missing. Look-ups
// answer 1 when found and 0 when not, or the failed call's HRESULT (negative): callers compare
// with 1. Counts answer the count, or a failed call's HRESULT (negative).
class CConexaoDFSPRO : public CConexaoServidor {
public:
    const char* NomeClasse() const noexcept override { return "CConexaoDFSPRO"; }

    // Hides the base's: a product server handed out is always initialised; a failed
    // initialisation drops the server again.
    HRESULT CriaServidor();
    // The product server, created when missing (null when it cannot be); no reference is added.
    IQVDF_Produto* GetInterface();

protected:
    const CLSID* ClasseServidor() const noexcept override;
    const IID* InterfaceServidor() const noexcept override { return &__uuidof(IQVDF_Produto); }
    // The product server, created when missing.
    HRESULT Servidor(IQVDF_Produto*& servidor);

private:
    IQVDF_Produto* GetServidor() const noexcept { return static_cast<IQVDF_Produto*>(CConexaoServidor::GetInterface()); }
};

// Products, their units and the price tables.
class CMyConexaoProduto : public CConexaoDFSPRO {
public:
    const char* NomeClasse() const noexcept override { return "CMyConexaoProduto"; }

    // A price table of a kind ('V' sales) by code; *ponteiro and *tabela zeroed when missing.
    int ExisteTabelaPreco(const char* codigo, BYTE tipo, long* ponteiro, _REG_TABELA_PRECOSPS* tabela);
    // How many products of the kinds in `tipos` ('A', 'T', 'X' every kind).
    long BuscaQuantidadeProdutos(const char* tipos, long opcao);
    // Up to `quantidade` pointers of the products last counted; *encontrados how many.
    HRESULT BuscaApenasPonteirosProdutosF4(long quantidade, WORD tabela, BYTE opcao, long* encontrados, long* ponteiros);
    // The product at a pointer priced in a table.
    HRESULT LeProduto(long ponteiro, WORD tabela, _REG_PRODUTOPS* produto);
    // A product of a kind ('A', 'T', 'X' any) by code, priced in a table.
    int ExisteProduto(const char* codigo, char tipo, WORD tabela, long* ponteiro, _REG_PRODUTOPS* produto);
    // A service at a register position, through the same product server.
    HRESULT LeServico(long ponteiro, _REG_SERVICOSPS* servico);
    HRESULT LeUnidadeMedidaProduto(long ponteiro, _REG_UNIDADES_MEDIDAPS* unidade);
    HRESULT LeUnidadeMedidaServico(long ponteiro, _REG_UNIDADES_MEDIDA_SERVICOSPS* unidade);
    // The price tables that are not blocked, of a kind: product tables, then service tables.
    long BuscaQuantidadeTabelaPrecoOK(BYTE tipo);
    long BuscaQuantidadeTabelasPrecoServico(BYTE tipo);
    HRESULT BuscaPonteirosTabPrecosOK(WORD quantidade, BYTE tipo, WORD* ponteiros);
    HRESULT BuscaPonteirosTabelaPrecosServicos(WORD quantidade, BYTE tipo, WORD* ponteiros);
    HRESULT LeTabelaPreco(long ponteiro, _REG_TABELA_PRECOSPS* tabela);
    HRESULT LeTabelaPrecosServico(long ponteiro, _REG_TABELA_PRECOS_SERVICOSPS* tabela);
    int ExisteTabelaPrecosServico(const char* codigo, BYTE tipo, long* ponteiro, _REG_TABELA_PRECOS_SERVICOSPS* tabela);
};

// Services. Its product server counts service positions (deleted ones included).
class CConexaoServico : public CConexaoDFSPRO {
public:
    const char* NomeClasse() const noexcept override { return "CConexaoServico"; }

    // The service at a register position; QV_E_SERVICO_EXCLUIDO for a deleted one.
    HRESULT Le(long ponteiro, _REG_SERVICOSPS* servico, WORD opcao);
    // A service by code.
    int Existe(const char* codigo, long* ponteiro, _REG_SERVICOSPS* servico, WORD opcao, BYTE tipo);

protected:
    const CLSID* ClasseServidor() const noexcept override;
};

// Product grids and their items.
class CConexaoGradesProduto : public CConexaoDFSPRO {
public:
    const char* NomeClasse() const noexcept override { return "CConexaoGradesProduto"; }

    HRESULT LeGrade(WORD grade, _REG_GRADES_PRODUTOPS* registro);
    HRESULT LeItemGrade(WORD grade, WORD item, _REG_ITENS_GRADE_PRODUTOPS* registro);
    // An item by code, compared exactly as stored.
    int ExisteItemGrade(WORD grade, const char* codigo, WORD* item, _REG_ITENS_GRADE_PRODUTOPS* registro);
    // The item positions of a grid into `lista` (its array's wire field; the record's holder frees
    // the array); *quantidade their count.
    HRESULT BuscaPonteirosItensGrade(WORD grade, int opcao, long* quantidade, _REG_PONTEIROS_ITENS_GRADE_PRODUTOPS* lista);
};

// Product units of measure.
class CConexaoUnidadeMedidaProduto : public CConexaoDFSPRO {
public:
    const char* NomeClasse() const noexcept override { return "CConexaoUnidadeMedidaProduto"; }

    HRESULT Le(WORD unidade, _REG_UNIDADES_MEDIDAPS* registro);
};

// A connection that adds nothing to its base but its class name.
#define ZU_CONEXAO(Nome, Base)                                                     \
    class Nome : public Base {                                                      \
    public:                                                                         \
        const char* NomeClasse() const noexcept override { return #Nome; }          \
    }

// The commercial natures are a second connection of the natures' kind.
ZU_CONEXAO(CConexaoNaturezaComercial, CConexaoNatureza);


// The connections initialised with company, user and session only.
ZU_CONEXAO(CConexaoCFRT, CConexaoServidor);
ZU_CONEXAO(CConexaoVendedor, CConexaoServidor);
// equipbase.dll
ZU_CONEXAO(CConexaoCadEquipamento, CConexaoServidor);
// ATENDBASE.dll
ZU_CONEXAO(CConexaoAtendimento, CConexaoServidor);
#undef ZU_CONEXAO

// The storage-places connections (qvarmazem.dll) and the product connection's default place. Each
// creates its server, initialised with the connection's session, on its first read.

// Storage places.
class CConexaoLocais : public CConexaoServidor {
public:
    const char* NomeClasse() const noexcept override { return "CConexaoLocais"; }
    // The place at a record pointer (`opcao` 0); the record zeroed first.
    HRESULT Le(long ponteiro, _REG_ES_LOCAISPS* registro, int opcao);

protected:
    const CLSID* ClasseServidor() const noexcept override;
    const IID* InterfaceServidor() const noexcept override { return &__uuidof(IQVES_LocaisArmazenagem); }

private:
    HRESULT servidor(IQVES_LocaisArmazenagem*& s);
};

// Stock movements: the stock-movement server itself is what callers use.
class CConexaoMovimento : public CConexaoServidor {
public:
    const char* NomeClasse() const noexcept override { return "CConexaoMovimento"; }
    // The stock-movement server, created when missing (null when it cannot be); no reference added.
    IQVES_Movimento* GetInterface();

protected:
    const CLSID* ClasseServidor() const noexcept override;
    const IID* InterfaceServidor() const noexcept override { return &__uuidof(IQVES_Movimento); }
};

// Products (the base of the product connection that the server extends): a product's default
// storage place in a branch, kept by the storage-places server.
class CConexaoProduto : public CConexaoServidor {
public:
    const char* NomeClasse() const noexcept override { return "CConexaoProduto"; }
    // The record zeroed first; its place pointer stays 0 when the product has none in the branch.
    HRESULT GetLocalPadrao(long produto, WORD filial, _REG_DFPRO_LOCAL_PADRAOPS* registro);

protected:
    const CLSID* ClasseServidor() const noexcept override;
    const IID* InterfaceServidor() const noexcept override { return &__uuidof(IQVES_LocaisArmazenagem); }

private:
    HRESULT servidor(IQVES_LocaisArmazenagem*& s);
};
