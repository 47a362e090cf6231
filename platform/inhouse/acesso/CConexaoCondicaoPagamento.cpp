#include "platform/inhouse/acesso/CConexaoCondicaoPagamento.h"

#include "platform/com/text.h"
#include "platform/inhouse/acesso/servidor_inicializado.h"
#include "platform/inhouse/core/inhouse_guids.h"

namespace {

// The servers' look-up by code: found only when the server answered a position.
template <class Itf, class Registro, class Posicao, class Interna>
int existe(Itf* s, const char* codigo, Posicao* posicao, Registro* registro) {
    if (!s || !posicao || !registro) return 0;
    try {
        Interna encontrada = 0;
        Registro lido{};
        const HRESULT hr = s->Existe(com::to_bstr(codigo ? codigo : "").get(), &encontrada, reinterpret_cast<BYTE*>(&lido));
        if (FAILED(hr) || encontrada == 0) return 0;
        *posicao = encontrada;
        *registro = lido;
        return 1;
    } catch (...) {
        return 0;
    }
}

}  // namespace

const CLSID* CConexaoCondicaoPagamento::ClasseServidor() const noexcept { return &inhouse::CLSID_CondicoesServer; }

HRESULT CConexaoCondicaoPagamento::Servidor(IQVDF_Materiais*& servidor) { return servidor_inicializado(*this, servidor); }

IQVDF_Materiais* CConexaoCondicaoPagamento::GetInterface() {
    IQVDF_Materiais* s = nullptr;
    return SUCCEEDED(Servidor(s)) ? s : nullptr;
}

HRESULT CConexaoCondicaoPagamento::Le(WORD posicao, _REG_COND_PAGTOPS* registro) {
    if (!registro) return E_POINTER;
    *registro = {};
    IQVDF_Materiais* s = nullptr;
    if (HRESULT hr = Servidor(s); FAILED(hr)) return hr;
    return s->Le(posicao, reinterpret_cast<BYTE*>(registro));
}

int CConexaoCondicaoPagamento::Existe(const char* codigo, WORD* posicao, _REG_COND_PAGTOPS* registro) {
    return existe<IQVDF_Materiais, _REG_COND_PAGTOPS, WORD, WORD>(GetInterface(), codigo, posicao, registro);
}

HRESULT CConexaoCondicaoPagamento::LeLinhas(WORD chave, WORD quantidade, REG_LINHA_CONDICAO_PAGTO* linhas) {
    if (!linhas) return E_POINTER;
    IQVDF_Materiais* s = nullptr;
    if (HRESULT hr = Servidor(s); FAILED(hr)) return hr;
    return s->LeParcelas(chave, quantidade, reinterpret_cast<BYTE*>(linhas));
}

HRESULT CConexaoDFSTDC::Servidor(IQVDF_Documento*& servidor) { return servidor_inicializado(*this, servidor); }

IQVDF_Documento* CConexaoDFSTDC::GetInterface() {
    IQVDF_Documento* s = nullptr;
    return SUCCEEDED(Servidor(s)) ? s : nullptr;
}

HRESULT CConexaoDFSTDC::Le(WORD posicao, _REG_DOCUMENTOPS* registro) {
    if (!registro) return E_POINTER;
    *registro = {};
    IQVDF_Documento* s = nullptr;
    if (HRESULT hr = Servidor(s); FAILED(hr)) return hr;
    return s->Le(posicao, reinterpret_cast<BYTE*>(registro));
}

int CConexaoDFSTDC::Existe(const char* codigo, DWORD* posicao, _REG_DOCUMENTOPS* registro) {
    return existe<IQVDF_Documento, _REG_DOCUMENTOPS, DWORD, WORD>(GetInterface(), codigo, posicao, registro);
}

const CLSID* CConexaoFormaPagamento::ClasseServidor() const noexcept { return &inhouse::CLSID_FormasPagamentoServer; }
const CLSID* CConexaoTipoCobranca::ClasseServidor() const noexcept { return &inhouse::CLSID_TiposCobrancaServer; }
