#include "ft/ftlibrary/CQVSugestaoImpostosPisCofins.h"

#include <cstdlib>
#include <cstring>
#include <vector>

#include "base/CArquivoTexto.h"
#include "base/CQVCurrencyEx8.h"
#include "base/QVCaminhos.h"
#include "base/QVEventLog.h"
#include "base/QVRelogio.h"
#include "ft/ftlibrary/campo_texto.h"
#include "ft/ftlibrary/messages.h"

namespace {

// Offsets of the nature record the suggestion reads.
constexpr size_t natureza_codigo = 0;         // the CFOP text; its first character is the kind
constexpr size_t natureza_codigo_tamanho = 22;
constexpr size_t natureza_incide_pis = 497;
constexpr size_t natureza_incide_cofins = 498;
constexpr size_t natureza_cst_pis = 624;
constexpr size_t natureza_cst_cofins = 637;
constexpr size_t natureza_codigo_pis_cofins = 652;

constexpr uint16_t cst_entrada = 99;
constexpr uint16_t cst_sem_incidencia = 99;
constexpr uint16_t cst_outras_saidas = 49;
constexpr uint16_t cst_exportacao = 8;

std::string sem_brancos(const std::string& t) {
    const size_t inicio = t.find_first_not_of(" \t");
    if (inicio == std::string::npos) return {};
    return t.substr(inicio, t.find_last_not_of(" \t") - inicio + 1);
}

std::string digitos(const std::string& t) {
    std::string d;
    for (char c : t)
        if (c >= '0' && c <= '9') d += c;
    return d;
}

// The leading integer of a text, as the C library reads it (0 when there is none).
long inteiro(const std::string& t) { return std::strtol(t.c_str(), nullptr, 10); }

// A rate written "1,65" or "1.65": CURRENCY ticks. Throws for a text beyond the range.
int64_t valor(const std::string& t) {
    CQVCurrencyEx8 v;
    v.SetValorTexto(t.c_str());
    return v.GetCurrencyEx().GetValor64();
}

std::vector<std::string> campos(const std::string& linha) {
    std::vector<std::string> c;
    size_t inicio = 0;
    for (;;) {
        const size_t fim = linha.find(';', inicio);
        c.push_back(sem_brancos(linha.substr(inicio, fim == std::string::npos ? std::string::npos : fim - inicio)));
        if (fim == std::string::npos) return c;
        inicio = fim + 1;
    }
}

bool eh_entrada(char tipo) { return tipo == '1' || tipo == '2' || tipo == '3'; }

void ajusta_saida(uint16_t& cst) {
    if (cst == 1 || cst == 6 || cst == 7 || cst == 9)
        cst = cst_outras_saidas;
    else if (cst == 0)
        cst = cst_sem_incidencia;
}

}  // namespace

int32_t CQVSugestaoImpostosPisCofins::LeArquivo(CServidorPisCofins& servidor, uint16_t chave,
                                                const _REG_NATUREZAPS& natureza, RESULTADO_ARQUIVO_PIS_COFINS& resultado) {
    resultado.Limpa();
    const std::string codigo =
        ft::le_texto(reinterpret_cast<const char*>(natureza.bytes + natureza_codigo), natureza_codigo_tamanho);
    if (chave == 0 || codigo.empty()) return 0;

    const std::string pasta = m_PastaCadastros.empty() ? QVGetPastaCadastros() : m_PastaCadastros;
    CArquivoTexto arquivo;
    try {
        if (!arquivo.Le(QVMontaCaminho(pasta, ArquivoAliquotasPisCofins))) return 0;
    } catch (...) {
        return 0;
    }

    const std::string procurado = digitos(codigo);
    int numero = 0;
    for (const std::string& linha : arquivo.GetLinhas()) {
        ++numero;
        resultado.Limpa();
        if (linha.size() > TamanhoMaximoLinhaPisCofins) {
            // A rule cut to fit would be a different rule: the line is refused whole.
            qv_event_log(EVENTLOG_WARNING_TYPE, ft::msg::linha_pis_cofins_longa(numero));
            continue;
        }
        const std::vector<std::string> c = campos(linha);
        // Fields 1 and 2 decide whether the line is the rule: the key and the CFOP.
        // Compared whole: a key past 16 bits is another key, not the one its low bits make.
        if (inteiro(digitos(c[0])) != chave) continue;
        resultado.Chave = chave;
        if (c.size() >= 2) {
            if (digitos(c[1]) != procurado) continue;
            resultado.CFOP = c[1];
            const uint8_t entrada = !procurado.empty() && eh_entrada(procurado[0]) ? 1 : 0;
            resultado.EntradaPIS = entrada;
            resultado.EntradaCOFINS = entrada;
        }
        try {
            auto campo = [&](size_t n) -> const std::string* { return c.size() >= n ? &c[n - 1] : nullptr; };
            if (auto* f = campo(4)) resultado.CSTPIS1 = static_cast<uint16_t>(inteiro(*f));
            if (auto* f = campo(5)) resultado.AliquotaPIS1 = valor(*f);
            if (auto* f = campo(6)) resultado.CSTPIS2 = static_cast<uint16_t>(inteiro(*f));
            if (auto* f = campo(7)) resultado.AliquotaPIS2 = valor(*f);
            if (auto* f = campo(9)) resultado.CSTCOFINS1 = static_cast<uint16_t>(inteiro(*f));
            if (auto* f = campo(10)) resultado.AliquotaCOFINS1 = valor(*f);
            if (auto* f = campo(11)) resultado.CSTCOFINS2 = static_cast<uint16_t>(inteiro(*f));
            if (auto* f = campo(12)) resultado.AliquotaCOFINS2 = valor(*f);
            if (auto* f = campo(13)) resultado.ByteLinha = static_cast<uint8_t>(inteiro(*f));
        } catch (...) {
            // A rate no money field can hold: not a rule to apply.
            qv_event_log(EVENTLOG_WARNING_TYPE, ft::msg::linha_pis_cofins_invalida(numero));
            continue;
        }
        if (c.size() >= 14) {
            if (const long pedido = inteiro(c[13]); pedido != 0) {
                uint16_t achado = 0;
                const HRESULT hr = servidor.CodigoPisCofins(resultado.CSTPIS1, static_cast<uint16_t>(pedido), achado);
                if (FAILED(hr))
                    resultado.ErroCodigo = hr;
                else if (achado != 0)
                    resultado.Codigo = achado;
            }
        }
        return 1;
    }
    resultado.Limpa();
    return 0;
}

HRESULT CQVSugestaoImpostosPisCofins::Sugere(CServidorPisCofins& servidor, const _REG_PRODUTOPS& produto,
                                             const _REG_NATUREZAPS& natureza, REG_IMPOSTOS_PRODUTO_NF& item) {
    const char tipo = static_cast<char>(natureza.bytes[natureza_codigo]);
    const bool entrada = eh_entrada(tipo);
    const bool alternativa = m_Alternativa != 0;

    RESULTADO_ARQUIVO_PIS_COFINS arquivo;
    if (LeArquivo(servidor, m_ChaveArquivo, natureza, arquivo) == 1) {
        if (FAILED(arquivo.ErroCodigo)) return arquivo.ErroCodigo;
        item.AliquotaPIS = alternativa ? arquivo.AliquotaPIS2 : arquivo.AliquotaPIS1;
        item.CSTPIS = alternativa ? arquivo.CSTPIS2 : arquivo.CSTPIS1;
        item.AliquotaCOFINS = alternativa ? arquivo.AliquotaCOFINS2 : arquivo.AliquotaCOFINS1;
        item.CSTCOFINS = alternativa ? arquivo.CSTCOFINS2 : arquivo.CSTCOFINS1;
        item.CodigoPisCofins = arquivo.Codigo;
        item.CodigoBytePisCofins = arquivo.ByteLinha;
    } else {
        const bool pis = natureza.bytes[natureza_incide_pis] != 0;
        const bool cofins = natureza.bytes[natureza_incide_cofins] != 0;
        REQ_REGRA_PIS_COFINS pedido;
        pedido.Mascara = 4 + (pis ? 1 : 0) + (cofins ? 2 : 0);
        pedido.Produto = static_cast<int32_t>(produto.ponteiro);
        pedido.Chave = m_ChaveServidor;
        pedido.Data = m_Hoje ? m_Hoje() : QVGetDataAtual(false);
        pedido.Entrada = entrada ? 1 : 0;
        REG_REGRA_PIS_COFINS regra{};
        if (const HRESULT hr = servidor.RegraPisCofins(pedido, regra); FAILED(hr)) return hr;
        item.CodigoPisCofins = regra.Codigo;
        item.CodigoBytePisCofins = regra.CodigoByte;
        item.FlagPisCofins = regra.Flag;
        int32_t codigoNatureza = 0;
        std::memcpy(&codigoNatureza, natureza.bytes + natureza_codigo_pis_cofins, sizeof codigoNatureza);
        if (pis) {
            item.AliquotaPIS = alternativa ? regra.PIS.Aliquota2 : regra.PIS.Aliquota1;
            item.CSTPIS = alternativa ? regra.PIS.CST2 : regra.PIS.CST1;
        } else if (item.CSTPIS == 0) {
            item.CodigoPisCofins = codigoNatureza;
            item.CSTPIS = natureza.bytes[natureza_cst_pis];
        }
        if (cofins) {
            item.AliquotaCOFINS = alternativa ? regra.COFINS.Aliquota2 : regra.COFINS.Aliquota1;
            item.CSTCOFINS = alternativa ? regra.COFINS.CST2 : regra.COFINS.CST1;
        } else if (item.CSTCOFINS == 0) {
            item.CodigoPisCofins = codigoNatureza;
            item.CSTCOFINS = natureza.bytes[natureza_cst_cofins];
        }
    }

    if (m_AjustaCST) {
        if (entrada) {
            item.CSTPIS = cst_entrada;
            item.CSTCOFINS = cst_entrada;
        } else {
            ajusta_saida(item.CSTPIS);
            ajusta_saida(item.CSTCOFINS);
            if (tipo == '7') {
                item.CSTPIS = cst_exportacao;
                item.CSTCOFINS = cst_exportacao;
            }
        }
    }
    return S_OK;
}
