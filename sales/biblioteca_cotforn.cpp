#include "sales/biblioteca_cotforn.h"

#include "platform/com/failure.h"
#include "sales/messages.h"

namespace sales {

HRESULT erro_sistema() noexcept { return static_cast<HRESULT>(0x80070000u | (GetLastError() & 0xFFFFu)); }

namespace {

template <class F>
void entrada(HMODULE modulo, const char* nome, F& destino) {
    destino = reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(modulo, nome)));
    if (!destino) com::fail(std::string(msg::endereco_funcao_cotforn) + nome, erro_sistema());
}

}  // namespace

biblioteca_cotforn::~biblioteca_cotforn() {
    if (m_modulo && m_contexto != 0 && m_finaliza) m_finaliza(&m_contexto);
    descarrega();
}

void biblioteca_cotforn::descarrega() noexcept {
    if (m_modulo) FreeLibrary(m_modulo);
    m_modulo = nullptr;
    m_inicializa = nullptr;
    m_finaliza = nullptr;
    monta_parcelas = nullptr;
    monta_condicao_pagamento = nullptr;
    altera_parcela = nullptr;
    atualiza_valores = nullptr;
    total_cotado_fornecedor = nullptr;
    m_contexto = 0;
}

void biblioteca_cotforn::carrega(const char* nome) {
    m_modulo = LoadLibraryA(nome);
    if (!m_modulo) com::fail(msg::carregar_cotforn, erro_sistema());
    try {
        entrada(m_modulo, "ParaCMC4web_Inicializa", m_inicializa);
        entrada(m_modulo, "ParaCMC4web_Finaliza", m_finaliza);
        entrada(m_modulo, "ParaCMC4web_MontaParcelas", monta_parcelas);
        entrada(m_modulo, "ParaCMC4web_MontaCondicaoPagamento", monta_condicao_pagamento);
        entrada(m_modulo, "ParaCMC4web_AlteraParcela", altera_parcela);
        entrada(m_modulo, "ParaCMC4web_AtualizaValores", atualiza_valores);
        entrada(m_modulo, "ParaCMC4web_GetTotalCotadoFornecedor", total_cotado_fornecedor);
    } catch (...) {
        // The HRESULT was taken before FreeLibrary could change the last error.
        descarrega();
        throw;
    }
}

void biblioteca_cotforn::inicializa(const std::string& empresa, WORD usuario, long sessao) {
    if (const int resultado = m_inicializa(&m_contexto, empresa.c_str(), usuario, sessao); resultado != 0)
        com::fail(msg::inicializar_cotforn, static_cast<HRESULT>(resultado));
}

}  // namespace sales
