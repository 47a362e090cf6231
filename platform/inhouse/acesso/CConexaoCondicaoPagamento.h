#pragma once
// The payment registers of the data-access library: the payment-condition connection (its
// server IQVDF_Materiais) and the payment-document connections of the payment forms and billing
// types (their server IQVDF_Documento, through the document base CConexaoDFSTDC). Each is
// initialised with company, user and session; GetInterface and the reads create the server,
// initialised with the connection's session, when it is missing (a failed initialisation drops
// it again, so a server handed out is always initialised).
#include "inhouse_condicoes.h"
#include "platform/inhouse/acesso/CConexaoServidor.h"
#include "platform/inhouse/condicoes/registros_condicao.h"
#include "platform/inhouse/condicoes/registros_documento_pagto.h"

class CConexaoCondicaoPagamento : public CConexaoServidor {
public:
    const char* NomeClasse() const noexcept override { return "CConexaoCondicaoPagamento"; }

    // The condition server, created when missing (null when it cannot be); no reference added.
    IQVDF_Materiais* GetInterface();
    // The same, with the failure told.
    HRESULT Servidor(IQVDF_Materiais*& servidor);

    // The condition at a register position into `registro` (zeroed first).
    HRESULT Le(WORD posicao, _REG_COND_PAGTOPS* registro);
    // Looks a condition up by the code users type: 1 when found, and then its position and
    // record are written; 0 otherwise (a failed look-up too), with both left as given.
    int Existe(const char* codigo, WORD* posicao, _REG_COND_PAGTOPS* registro);
    // The first `quantidade` instalment rows of the condition whose key is `chave`.
    HRESULT LeLinhas(WORD chave, WORD quantidade, REG_LINHA_CONDICAO_PAGTO* linhas);

protected:
    const CLSID* ClasseServidor() const noexcept override;
    const IID* InterfaceServidor() const noexcept override { return &__uuidof(IQVDF_Materiais); }
};

// The base of the payment-document connections: one document server per connection, whose own
// kind its look-ups serve.
class CConexaoDFSTDC : public CConexaoServidor {
public:
    // The document server, created when missing (null when it cannot be); no reference added.
    IQVDF_Documento* GetInterface();
    HRESULT Servidor(IQVDF_Documento*& servidor);

    // The document at a position of the connection's kind into `registro` (zeroed first).
    HRESULT Le(WORD posicao, _REG_DOCUMENTOPS* registro);
    // Looks a document of the connection's kind up by its code: 1 when found, and then its
    // position (32 bits written) and record; 0 otherwise, with both left as given.
    int Existe(const char* codigo, DWORD* posicao, _REG_DOCUMENTOPS* registro);

protected:
    const IID* InterfaceServidor() const noexcept override { return &__uuidof(IQVDF_Documento); }
};

// Payment forms (documents of kind "3").
class CConexaoFormaPagamento : public CConexaoDFSTDC {
public:
    const char* NomeClasse() const noexcept override { return "CConexaoFormaPagamento"; }

protected:
    const CLSID* ClasseServidor() const noexcept override;
};

// Billing types (documents of kind "2").
class CConexaoTipoCobranca : public CConexaoDFSTDC {
public:
    const char* NomeClasse() const noexcept override { return "CConexaoTipoCobranca"; }

protected:
    const CLSID* ClasseServidor() const noexcept override;
};
