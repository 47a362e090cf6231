#include "sales/documentos_pagamento.h"

#include <cstring>

#include "platform/com/text.h"
#include "platform/inhouse/acesso/QVAcesso.h"

namespace sales {

namespace {
// The documents of the kind through a connection of that kind, opened in the session for the call.
template <class Conexao>
HRESULT le_documentos(const std::string& empresa, WORD usuario, LONG sessao, const char* tipo,
                      std::vector<documento_pagamento>& lista) {
    Conexao conexao;
    if (HRESULT hr = conexao.Inicializa(empresa, usuario, sessao); FAILED(hr)) return hr;
    IQVDF_Documento* servidor = nullptr;
    if (HRESULT hr = conexao.Servidor(servidor); FAILED(hr)) return hr;
    WORD quantidade = 0;
    if (HRESULT hr = servidor->Quantidade(com::to_bstr(tipo).get(), &quantidade); FAILED(hr)) return hr;
    std::vector<_REG_DOCUMENTOPS> registros(quantidade);
    if (quantidade > 0) {
        if (HRESULT hr = servidor->Busca(quantidade, reinterpret_cast<BYTE*>(registros.data())); FAILED(hr)) return hr;
    }
    for (const _REG_DOCUMENTOPS& r : registros)
        lista.push_back({r.Posicao, std::string(r.Nome, strnlen(r.Nome, sizeof r.Nome))});
    return S_OK;
}
}  // namespace

HRESULT LeDocumentosPagamento(const std::string& empresa, WORD usuario, LONG sessao, const char* tipo,
                              std::vector<documento_pagamento>& lista) {
    lista.clear();
    return std::strcmp(tipo, TipoFormaPagamento) == 0
               ? le_documentos<CConexaoFormaPagamento>(empresa, usuario, sessao, tipo, lista)
               : le_documentos<CConexaoTipoCobranca>(empresa, usuario, sessao, tipo, lista);
}

}  // namespace sales
