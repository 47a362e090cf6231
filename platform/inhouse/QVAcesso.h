#pragma once
// The connection classes of the data-access library (QVAcesso.dll and its siblings equipbase.dll,
// ATENDBASE.dll and qvarmazem.dll), one per register. This header gives what every caller relies
// on (construction, the switches, the initialisation with its fixed extra arguments, virtual
// destruction); each register's own reads join its class as the objects that use them are built.
// CConexaoUsuario has its own header.
#include "platform/inhouse/CConexaoServidor.h"

// The kind of register a category connection serves.
enum TipoCadastro : int {};

// Branches.
class CConexaoFilial : public CConexaoServidor {
public:
    using CConexaoServidor::Inicializa;
    HRESULT Inicializa(const CQVString& empresa, WORD usuario, long sessao, bool todas);
    const char* NomeClasse() const noexcept override { return "CConexaoFilial"; }
};

// A chart of accounts. The chart kind and the two options are fixed per caller.
class CConexaoPlano : public CConexaoServidor {
public:
    using CConexaoServidor::Inicializa;
    HRESULT Inicializa(const CQVString& empresa, WORD usuario, long sessao, char tipo, char opcao1, char opcao2);
    const char* NomeClasse() const noexcept override { return "CConexaoPlano"; }
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

// Operation natures; the commercial natures are a second connection of the same kind.
class CConexaoNatureza : public CConexaoServidor {
public:
    const char* NomeClasse() const noexcept override { return "CConexaoNatureza"; }
};
class CConexaoNaturezaComercial : public CConexaoNatureza {
public:
    const char* NomeClasse() const noexcept override { return "CConexaoNaturezaComercial"; }
};

// Products (the base of the product connection that the server extends).
class CConexaoProduto : public CConexaoServidor {
public:
    const char* NomeClasse() const noexcept override { return "CConexaoProduto"; }
};
class CMyConexaoProduto : public CConexaoServidor {
public:
    const char* NomeClasse() const noexcept override { return "CMyConexaoProduto"; }
};

// The connections initialised with company, user and session only.
#define ZU_CONEXAO_COMUM(Nome)                                                     \
    class Nome : public CConexaoServidor {                                          \
    public:                                                                         \
        const char* NomeClasse() const noexcept override { return #Nome; }          \
    }

ZU_CONEXAO_COMUM(CConexaoEstado);
ZU_CONEXAO_COMUM(CConexaoMunicipio);
ZU_CONEXAO_COMUM(CConexaoCFRT);
ZU_CONEXAO_COMUM(CConexaoCliente);
ZU_CONEXAO_COMUM(CConexaoServico);
ZU_CONEXAO_COMUM(CConexaoGradesProduto);
ZU_CONEXAO_COMUM(CConexaoUnidadeMedidaProduto);
ZU_CONEXAO_COMUM(CConexaoCondicaoPagamento);
ZU_CONEXAO_COMUM(CConexaoFormaPagamento);
ZU_CONEXAO_COMUM(CConexaoTipoCobranca);
ZU_CONEXAO_COMUM(CConexaoHistorico);
ZU_CONEXAO_COMUM(CConexaoOpComerciais);
ZU_CONEXAO_COMUM(CConexaoVendedor);
// equipbase.dll
ZU_CONEXAO_COMUM(CConexaoCadEquipamento);
// ATENDBASE.dll
ZU_CONEXAO_COMUM(CConexaoAtendimento);
// qvarmazem.dll
ZU_CONEXAO_COMUM(CConexaoLocais);
ZU_CONEXAO_COMUM(CConexaoMovimento);

#undef ZU_CONEXAO_COMUM
