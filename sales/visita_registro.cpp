#include "sales/visita_registro.h"

#include <cstring>

#include "base/QVCurrency.h"
#include "base/QVDataCurta.h"
#include "platform/com/failure.h"
#include "platform/com/wire_pointer.h"
#include "sales/messages.h"

namespace sales {

uint16_t dia_visita(const REG_AGENDAMENTO_VISITA& r) noexcept { return r.situacao == 3 ? r.data_reagendada : r.data; }

std::string texto_dia_curto(uint16_t dia) {
    if (dia == 0) return {};
    return std::string(QVFormataData(dia, false).c_str());
}

uint16_t dia_de_texto(const std::string& texto) {
    if (texto.empty()) return 0;
    const uint16_t dia = QVConverteTextoData(texto.c_str());
    if (dia == 0) com::fail(msg::data_invalida, E_INVALIDARG);
    return dia;
}

std::string texto_valor_venda(const REG_AGENDAMENTO_VISITA& r) {
    if (!r.venda) return "0,00";
    CURRENCY valor{};
    valor.int64 = r.valor_venda;
    return std::string(QVFormataCYMilhar(valor).c_str());
}

std::vector<uint32_t> busca_visitas(IQVFT_Agendamentos* servidor, uint16_t inicio, uint16_t fim,
                                    uint32_t representante, uint16_t dia) {
    if (!servidor) com::fail(msg::buscar_agendamentos, E_FAIL);
    inhouse::REG_FILTRO_VISITAS f{};
    f.representante = representante;
    f.data_inicial = dia;
    f.data_final = dia;
    QV_FILTRO_VISITAS_354 filtro;
    std::memcpy(&filtro, &f, sizeof f);
    inhouse::REG_RESPOSTA_VISITAS resposta{};
    const LONG intervalo = static_cast<LONG>(static_cast<uint32_t>(inicio) | (static_cast<uint32_t>(fim) << 16));
    const HRESULT hr = servidor->BuscaAgendamentos(intervalo, filtro, reinterpret_cast<BYTE*>(&resposta));
    // The block is the caller's on every answer.
    auto* posicoes = static_cast<uint32_t*>(com::wire_pointer_take(resposta.posicoes));
    std::vector<uint32_t> lista;
    if (SUCCEEDED(hr) && posicoes) lista.assign(posicoes, posicoes + resposta.quantidade);
    CoTaskMemFree(posicoes);
    if (FAILED(hr)) com::fail(msg::buscar_agendamentos, hr);
    return lista;
}

REG_AGENDAMENTO_VISITA le_visita(IQVFT_Agendamentos* servidor, uint32_t posicao) {
    if (!servidor) com::fail(msg::ler_agendamento, E_FAIL);
    REG_AGENDAMENTO_VISITA r{};
    const HRESULT hr = servidor->LeAgendamento(static_cast<LONG>(posicao), reinterpret_cast<BYTE*>(&r));
    if (FAILED(hr)) com::fail(msg::ler_agendamento, hr);
    return r;
}

LONG grava_visita(IQVFT_Agendamentos* servidor, uint32_t posicao, const REG_AGENDAMENTO_VISITA& r) {
    if (!servidor) com::fail(msg::gravar_agendamento, E_FAIL);
    QV_VISITA_1606 registro;
    std::memcpy(&registro, &r, sizeof r);
    LONG resultado = 0;
    const HRESULT hr = servidor->GravaAgendamento(static_cast<LONG>(posicao), registro, &resultado);
    if (FAILED(hr)) com::fail(msg::gravar_agendamento, hr);
    return resultado;
}

}  // namespace sales
