// The arithmetic of the order: apportioning the order's discounts and charges over the items,
// the items' taxes, the nine pairs of totals with the minimum amounts of withholding, the amount
// to pay, the number of volumes and the weights. Every working amount has two decimals: charges
// and order-wide shares are truncated, discount shares rounded; the remainders go to the item
// the rules name, so that the shares always add up to the amount.
#include <cstdio>
#include <cstring>
#include <string>

#include "base/QVCurrency.h"
#include "base/QVEventLog.h"
#include "ft/ftlibrary/CFTAppInfo.h"
#include "ft/ftlibrary/CPedido.h"
#include "ft/ftlibrary/messages.h"

namespace {

CURRENCY zero() { return qv_cy(0); }

CQVCurrencyEx arredondado() {
    CQVCurrencyEx v;
    v.SetPrecisao(true, true);
    return v;
}
CQVCurrencyEx truncado() {
    CQVCurrencyEx v;
    v.SetPrecisao(true, false);
    return v;
}

// amount x value / total; nothing is apportioned over a total of 0.
CURRENCY parte(CURRENCY montante, CURRENCY valor, CURRENCY total) {
    return total.int64 == 0 ? zero() : montante * valor / total;
}

CURRENCY cy_em(const BYTE* registro, size_t offset) {
    CURRENCY v;
    std::memcpy(&v, registro + offset, sizeof v);
    return v;
}

// A unit weight in unit 1 (four decimals, rounding). Unit 6 is multiplied by 2.21 as the product
// register has always done.
CURRENCY peso_unidade_1(CURRENCY peso, BYTE unidade) {
    CQVCurrencyEx convertido;
    convertido.SetPrecisao(false, true);
    switch (unidade) {
    case 2: convertido = peso / qv_cy(100LL * 10000); break;
    case 3: convertido = peso / qv_cy(100000LL * 10000); break;
    case 4: convertido = peso / qv_cy(1000000LL * 10000); break;
    case 5: convertido = peso / qv_cy(1000LL * 10000); break;
    case 6: convertido = peso * qv_cy(22100); break;
    default: convertido = peso; break;
    }
    return convertido;
}

}  // namespace

void CPedido::AtualizaTotaisItens() {
    CQVCurrencyEx produtos = arredondado(), servicos = arredondado();
    CURRENCY soma_produtos = zero(), soma_servicos = zero();
    for (const CItemPedido& item : m_itens) {
        if (!eh_nao_livre(item)) continue;
        (item.EhProduto() ? soma_produtos : soma_servicos) += item.GetValor();
    }
    produtos = soma_produtos;
    servicos = soma_servicos;
    if (produtos.GetValor() != m_TotalProdutos.GetValor()) m_TotalProdutos = produtos;
    if (servicos.GetValor() != m_TotalServicos.GetValor()) m_TotalServicos = servicos;
}

CURRENCY CPedido::CalculaTotalPagar() const {
    CURRENCY soma = zero();
    for (const CItemPedido& item : m_itens) {
        if (eh_nao_livre(item)) soma += item.GetValor();
    }
    CQVCurrencyEx total = arredondado();
    total = soma - GetDescontoTotal() - GetDescontoServicos();
    return total;
}

void CPedido::Rateia() {
    const int n = m_itens.GetSize();
    CURRENCY soma_produtos = zero(), soma_servicos = zero();
    int ultimo_produto = -1, ultimo_servico = -1, escolhido = -1;
    for (int i = 0; i < n; ++i) {
        const CItemPedido& item = m_itens[i];
        if (!eh_totalizado(item)) continue;
        if (!item.EhProduto()) {
            soma_servicos += item.GetValor();
            ultimo_servico = i;
            continue;
        }
        soma_produtos += item.GetValor();
        ultimo_produto = i;
        if (escolhido < 0) {
            escolhido = i;
        } else {
            // The remainders go to the highest ICMS rate, then the larger value, then the earlier.
            const CItemPedido& atual = m_itens[escolhido];
            if (item.GetAliquotaICMS() > atual.GetAliquotaICMS() ||
                (item.GetAliquotaICMS() == atual.GetAliquotaICMS() && item.GetValor() > atual.GetValor())) {
                escolhido = i;
            }
        }
    }
    const CURRENCY total = soma_produtos + soma_servicos;
    const int ultimo = ultimo_produto > ultimo_servico ? ultimo_produto : ultimo_servico;

    CURRENCY soma_desc_produtos = zero(), soma_desc_servicos = zero(), soma_encargos[3] = {};
    CURRENCY soma_desc_rateio = zero(), soma_enc_rateio = zero();
    for (int i = 0; i < n; ++i) {
        CItemPedido& item = m_itens[i];
        if (!eh_totalizado(item)) continue;
        const CURRENCY valor = item.GetValor();
        CQVCurrencyEx d = arredondado();
        if (!item.EhProduto()) {
            if (soma_servicos.int64 == 0) {
                d = zero();
            } else if (i != ultimo_servico) {
                d = parte(m_DescontoServicos, valor, soma_servicos);
                soma_desc_servicos += d.GetValor();
            } else {
                d = m_DescontoServicos.GetValor() - soma_desc_servicos;
            }
        } else {
            for (int k = 0; k < 3; ++k) {
                CQVCurrencyEx encargo = truncado();
                encargo = parte(m_EncargoProduto[k], valor, soma_produtos);
                soma_encargos[k] += encargo.GetValor();
                item.SetRateioEncargo(k + 1, encargo);
            }
            if (soma_produtos.int64 == 0) {
                d = zero();
            } else if (i != ultimo_produto) {
                d = parte(m_DescontoProdutos, valor, soma_produtos);
                soma_desc_produtos += d.GetValor();
            } else {
                d = m_DescontoProdutos.GetValor() - soma_desc_produtos;
                CItemPedido& recebe = m_itens[escolhido];
                for (int k = 0; k < 3; ++k) {
                    const CURRENCY resto = m_EncargoProduto[k].GetValor() - soma_encargos[k];
                    recebe.SetRateioEncargo(k + 1, recebe.GetRateioEncargo(k + 1) + resto);
                }
            }
        }
        CQVCurrencyEx r = truncado(), e = truncado();
        if (total.int64 == 0) {
            r = e = zero();
        } else if (i != ultimo) {
            r = parte(m_DescontoRateio, valor, total);
            soma_desc_rateio += r.GetValor();
            e = parte(m_EncargoRateio, valor, total);
            soma_enc_rateio += e.GetValor();
        } else {
            r = m_DescontoRateio.GetValor() - soma_desc_rateio;
            e = m_EncargoRateio.GetValor() - soma_enc_rateio;
        }
        d += r.GetValor();
        item.SetRateioDesconto(d);
        item.SetRateioEncargo(e);
    }
}

void CPedido::CalculaTotais() {
    for (CQVCurrencyEx& t : m_totais) t = zero();
    for (CQVCurrencyEx& t : m_totais_nao_livres) t = zero();
    Rateia();

    const BYTE* parametros = m_app ? m_app->GetParametrosFT() : nullptr;
    for (CItemPedido& item : m_itens) {
        passa_filial_cliente(item);
        if (m_FilialFlag2) item.SetAliquotaRetencao(1, 0);
        if (m_FilialFlag2 || m_ClienteFlag2) {
            for (int k = 3; k <= 5; ++k) item.SetAliquotaRetencao(k, 0);
        }
        if (!eh_totalizado(item)) continue;
        if (parametros) item.CalculaImpostos(parametros[CFTAppInfo::ParametroImpostos]);
        const bool nao_livre = !item.GetLivreCobranca();
        auto soma = [&](Total t, CURRENCY valor, bool tambem_nao_livre) {
            m_totais[t] += valor;
            if (tambem_nao_livre) m_totais_nao_livres[t] += valor;
        };
        if (m_FilialCobraIPI) soma(IPI, item.GetValorIPI(), nao_livre);
        for (int k = 1; k <= 6; ++k) {
            if (m_PessoaFisica) {
                item.SetRetencao(k, zero());
                continue;
            }
            const bool dispensa_nao_livre = k == 1 && item.GetFlag4() && m_FilialFlag1;
            soma(static_cast<Total>(Retencao1 + k - 1), item.GetRetencao(k), nao_livre && !dispensa_nao_livre);
        }
        soma(ICMS, item.GetValorICMS(), nao_livre);
        soma(ICMSST, item.GetValorICMSST(), nao_livre);
    }
    if (!parametros) return;

    // Withholdings up to the minimum amounts are not withheld.
    auto dispensa_item = [&](Total t, size_t limite) {
        const CURRENCY total = m_totais[t].GetValor();
        if (total <= zero() || total > cy_em(parametros, limite)) return;
        m_totais[t] = zero();
        m_totais_nao_livres[t] = zero();
        if (m_PessoaFisica) return;
        for (CItemPedido& item : m_itens) {
            if (eh_totalizado(item)) item.SetRetencao(t - Retencao1 + 1, zero());
        }
    };
    dispensa_item(Retencao1, CFTAppInfo::LimiteRetencao1);
    dispensa_item(Retencao2, CFTAppInfo::LimiteRetencao2);
    if (m_ClienteFlag3 || m_ClienteFlag4) return;

    const CURRENCY limite = cy_em(parametros, CFTAppInfo::LimiteRetencoes345);
    auto zera = [&](Total t) {
        m_totais[t] = zero();
        m_totais_nao_livres[t] = zero();
    };
    if (parametros[CFTAppInfo::Retencoes345Juntas]) {
        CQVCurrencyEx soma = arredondado();
        soma = m_totais[Retencao3].GetValor() + m_totais[Retencao4].GetValor() + m_totais[Retencao5].GetValor();
        if (soma.GetValor() <= limite) {
            for (Total t : {Retencao3, Retencao4, Retencao5}) zera(t);
        }
    } else {
        for (Total t : {Retencao3, Retencao4, Retencao5}) {
            if (m_totais[t].GetValor() <= limite) zera(t);
        }
    }
}

void CPedido::VerificaVolumes(CURRENCY delta) {
    CURRENCY calculado = zero();
    for (const CItemPedido& item : m_itens) {
        if (eh_totalizado(item)) calculado += item.GetVolumes();
    }
    const CURRENCY atual = m_Volumes.GetValor();
    const CURRENCY esperado = atual + delta;
    if (calculado != esperado && calculado != atual && m_PerguntaVolumes) {
        // Nobody is there to answer: the question goes to the event log and is taken as "no",
        // so the calculated number stands.
        const std::string c = QVFormataCYDecimais(calculado, 0), v = QVFormataCYDecimais(atual, 0);
        char pergunta[512];
        std::snprintf(pergunta, sizeof pergunta, ft::msg::pergunta_volumes, c.c_str(), v.c_str(), v.c_str());
        qv_event_log(EVENTLOG_WARNING_TYPE,
                     std::string(ft::msg::titulo_volumes) + ": " + pergunta + " " + ft::msg::resposta_volumes);
    }
    m_Volumes = calculado;
}

void CPedido::CalculaPesos() {
    CQVCurrencyEx bruto, liquido;
    bruto.SetPrecisao(false, true);
    liquido.SetPrecisao(false, true);
    for (const CItemPedido& item : m_itens) {
        if (!eh_totalizado(item) || !item.EhProduto() || item.GetPosicao().Produto == 0) continue;
        bruto += item.GetQuantidade() * peso_unidade_1(item.GetPesoBruto(), item.GetUnidadePesoBruto());
        liquido += item.GetQuantidade() * peso_unidade_1(item.GetPesoLiquido(), item.GetUnidadePesoLiquido());
    }
    // Weights the client entered stay while no item has a weight.
    if (bruto.GetValor64() != 0 || liquido.GetValor64() != 0) {
        m_PesoBruto = bruto;
        m_PesoLiquido = liquido;
    }
}
