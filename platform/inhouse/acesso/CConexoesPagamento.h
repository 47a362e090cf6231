#pragma once
// The payment connections of the data-access library: payment conditions with their instalment
// rows, payment forms and billing types. They read the installation's store (the payment
// documents in documento_pagamento, the conditions in condicao_pagamento); what each call received
// goes to its class's fault plan, whose scripted failure is the call's answer.
#include <windows.h>

#include <vector>

#include "platform/inhouse/acesso/CConexaoServidor.h"
#include "platform/inhouse/condicoes/registros_condicao.h"
#include "platform/inhouse/condicoes/registros_documento_pagamento.h"

class CConexaoCondicaoPagamento : public CConexaoServidor {
public:
    const char* NomeClasse() const noexcept override { return "CConexaoCondicaoPagamento"; }

    // A condition by code: 1 and its position and record when found; 0 (both zeroed) otherwise.
    int Existe(const char* codigo, WORD* posicao, _REG_COND_PAGTOPS* registro);
    // The instalment rows of the condition whose key is `chave`: at most `quantidade` of them
    // into `linhas` (the rest zeroed).
    HRESULT LeLinhas(WORD chave, WORD quantidade, REG_LINHA_CONDICAO_PAGTO* linhas);
};

// A payment-document connection: forms ('F') or billing types ('C').
class CConexaoDocumentoPagamento : public CConexaoServidor {
public:
    // A document by code: 1 and its position and record when found; 0 (both zeroed) otherwise.
    int Existe(const char* codigo, DWORD* posicao, _REG_DOCUMENTOPS* registro);
    // The document at a register position; S_FALSE (record zeroed) when there is none.
    HRESULT Le(WORD posicao, _REG_DOCUMENTOPS* registro);

protected:
    virtual char Tipo() const noexcept = 0;
};

class CConexaoFormaPagamento : public CConexaoDocumentoPagamento {
public:
    const char* NomeClasse() const noexcept override { return "CConexaoFormaPagamento"; }

protected:
    char Tipo() const noexcept override { return 'F'; }
};

class CConexaoTipoCobranca : public CConexaoDocumentoPagamento {
public:
    const char* NomeClasse() const noexcept override { return "CConexaoTipoCobranca"; }

protected:
    char Tipo() const noexcept override { return 'C'; }
};
