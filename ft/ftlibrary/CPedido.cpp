#include "ft/ftlibrary/CPedido.h"

#include <cstring>
#include <utility>

#include "base/CQVChaveOrigem.h"
#include "base/CQVException.h"
#include "base/QVCurrency.h"
#include "ft/ftlibrary/CFTBufferInfoProdServ.h"
#include "ft/ftlibrary/CFTBufferNaturezas.h"
#include "ft/ftlibrary/campo_texto.h"
#include "platform/com/wire_pointer.h"
#include "platform/inhouse/cfrt/QVCFRT.h"
#include "platform/inhouse/login/registros_filial.h"

namespace {

void duas_casas(CQVCurrencyEx& v) { v.SetPrecisao(true, true); }

BYTE maiuscula(uint8_t c) { return c >= 'a' && c <= 'z' ? static_cast<BYTE>(c - 'a' + 'A') : c; }

template <class T>
T le(const void* registro, size_t offset) {
    T valor;
    std::memcpy(&valor, static_cast<const char*>(registro) + offset, sizeof valor);
    return valor;
}

}  // namespace

CPedido::CPedido() {
    for (CQVCurrencyEx* v : {&m_DescontoProdutos, &m_DescontoServicos, &m_DescontoRateio, &m_EncargoRateio, &m_Volumes}) {
        duas_casas(*v);
    }
    for (CQVCurrencyEx& v : m_EncargoProduto) duas_casas(v);
    for (CQVCurrencyEx& v : m_totais) duas_casas(v);
    for (CQVCurrencyEx& v : m_totais_nao_livres) duas_casas(v);
    m_PesoBruto.SetPrecisao(false, true);
    m_PesoLiquido.SetPrecisao(false, true);
    m_erro.Limpa();
}

CItemPedido& CPedido::GetItem(uint16_t indice) {
    if (indice >= m_itens.GetSize()) throw CInvalidArgException();
    return m_itens[indice];
}

const CItemPedido& CPedido::GetItem(uint16_t indice) const {
    if (indice >= m_itens.GetSize()) throw CInvalidArgException();
    return m_itens[indice];
}

void CPedido::passa_filial_cliente(CItemPedido& item) const {
    item.SetOpcaoFilial(m_FilialCobraIPI);
    item.SetPercentualFilial(m_FilialPercentual);
    item.SetFlagFilial4(m_FilialFlag4);
    item.SetClienteFlagItem(m_ClienteFlagItem);
}

bool CPedido::AdicionaItem(const CItemPedido& item) {
    const int i = m_itens.Add(item);
    passa_filial_cliente(m_itens[i]);
    CalculaTotais();
    VerificaVolumes(item.GetVolumes());
    CalculaPesos();
    AtualizaTotaisItens();
    return true;
}

bool CPedido::RemoveItem(uint16_t indice) {
    if (indice >= m_itens.GetSize()) return false;
    const CItemPedido& item = m_itens[indice];
    const bool produto = item.EhProduto();
    const CURRENCY total = produto ? m_TotalProdutos.GetValor() : m_TotalServicos.GetValor();
    const CURRENCY desconto = produto ? m_DescontoProdutos.GetValor() : m_DescontoServicos.GetValor();
    // The item's part of its kind's discount goes with it, so that a discount given as a
    // percentage keeps its percentage on the items that stay. Over a total of 0 there is no part.
    CQVCurrencyEx parte;
    duas_casas(parte);
    if (total.int64 != 0) {
        const CURRENCY p = item.GetValor() * qv_cy(100 * 10000) / total;
        parte = QVCalculaPercentual(desconto, p, -1);
    }
    const CURRENCY volumes = item.GetVolumes();
    if (produto) SetDesconto(desconto - parte.GetValor(), 0);
    else SetDescontoServicos(desconto - parte.GetValor(), 0);

    m_itens.RemoveAt(indice);
    CalculaTotais();
    VerificaVolumes(-volumes);
    CalculaPesos();
    AtualizaTotaisItens();
    return true;
}

bool CPedido::aplica_desconto(CQVCurrencyEx& destino, CURRENCY total, CURRENCY valor, BYTE percentual, int16_t codigo) {
    m_erro.Limpa();
    const CURRENCY desconto = percentual ? QVCalculaPercentual(total, valor, 6) : valor;
    if (desconto >= total) {
        m_erro.SetErro(codigo);
        return false;
    }
    destino = desconto;
    return true;
}

bool CPedido::SetDesconto(CURRENCY valor, BYTE percentual) {
    return aplica_desconto(m_DescontoProdutos, m_TotalProdutos.GetValor(), valor, percentual, CErroPedido::DescontoProdutos);
}

bool CPedido::SetDescontoServicos(CURRENCY valor, BYTE percentual) {
    return aplica_desconto(m_DescontoServicos, m_TotalServicos.GetValor(), valor, percentual, CErroPedido::DescontoServicos);
}

CURRENCY CPedido::GetDescontoTotal() const {
    return m_DescontoProdutos.GetValor() > m_TotalProdutos.GetValor() ? qv_cy(0) : m_DescontoProdutos.GetValor();
}

CURRENCY CPedido::GetDescontoServicos() const {
    return m_DescontoServicos.GetValor() > m_TotalServicos.GetValor() ? qv_cy(0) : m_DescontoServicos.GetValor();
}

bool CPedido::SetValorDescontoRateio(CURRENCY valor) {
    m_DescontoRateio = valor;
    return true;
}

void CPedido::SetEncargoProduto(int k, CURRENCY valor) {
    if (k < 1 || k > 3) throw CInvalidArgException();
    m_EncargoProduto[k - 1] = valor;
}

CURRENCY CPedido::GetEncargoProduto(int k) const {
    if (k < 1 || k > 3) throw CInvalidArgException();
    return m_EncargoProduto[k - 1];
}

void CPedido::SetFilial(const inhouse::REG_FILIAL& filial) {
    const auto* b = reinterpret_cast<const uint8_t*>(&filial);
    const BYTE flag1 = maiuscula(b[3482]) == 'S';
    const BYTE flag2 = maiuscula(b[734]) == 'S';
    const BYTE cobra_ipi = maiuscula(b[3483]) == 'S';
    const BYTE flag4 = maiuscula(b[734]) == 'S';
    const auto percentual = static_cast<uint16_t>(le<int64_t>(b, 756) / 100);
    if (flag1 == m_FilialFlag1 && flag2 == m_FilialFlag2 && cobra_ipi == m_FilialCobraIPI && flag4 == m_FilialFlag4 &&
        percentual == m_FilialPercentual) {
        return;
    }
    m_FilialFlag1 = flag1;
    m_FilialFlag2 = flag2;
    m_FilialCobraIPI = cobra_ipi;
    m_FilialFlag4 = flag4;
    m_FilialPercentual = percentual;
    CalculaTotais();
}

void CPedido::SetCliente(const QVCFRT& cliente) {
    const auto* b = reinterpret_cast<const uint8_t*>(&cliente);
    const BYTE pessoa_fisica = maiuscula(b[1322]) == 'F';
    const BYTE flag2 = maiuscula(b[3069]) == 'S';
    const BYTE flag3 = b[3524] == 'S';
    const BYTE flag4 = b[1349] != 0;
    const BYTE flag_item = b[216] != 0;
    if (pessoa_fisica == m_PessoaFisica && flag2 == m_ClienteFlag2 && flag3 == m_ClienteFlag3 && flag4 == m_ClienteFlag4 &&
        flag_item == m_ClienteFlagItem) {
        return;
    }
    m_PessoaFisica = pessoa_fisica;
    m_ClienteFlag2 = flag2;
    m_ClienteFlag3 = flag3;
    m_ClienteFlag4 = flag4;
    m_ClienteFlagItem = flag_item;
    CalculaTotais();
}

HRESULT CPedido::SetRegistro(const REG_PEDIDO& r) {
    const auto* registros = static_cast<const REG_ITEM_PEDIDO*>(com::wire_pointer_get(r.Itens));
    if (r.QtdItens > 0 && !registros) return E_INVALIDARG;

    // Every item is built and looked up first: a failed look-up leaves the order as it was.
    CQVArray<CItemPedido> itens;
    itens.SetSize(r.QtdItens);
    for (uint16_t i = 0; i < r.QtdItens; ++i) {
        const REG_ITEM_PEDIDO& registro = registros[i];
        CItemPedido& item = itens[i];
        item = CItemPedido(registro);
        passa_filial_cliente(item);
        if (m_info) {
            REG_CHAVE_INFO_ITEM chave{};
            chave.Posicao = registro.Posicao;
            chave.Filial = r.PosicaoFilial;
            chave.Cliente = r.PosicaoCliente;
            chave.Produto = registro.Produto;
            REG_INFO_ITEM_PEDIDO info{};
            const HRESULT hr = m_info->Le(&chave, &info);
            if (FAILED(hr)) return hr;
            item.SetInfoItem(info);
        }
        if (m_naturezas) {
            _REG_NATUREZAPS natureza{};
            const uint16_t codigo = registro.CodigoNatureza;
            if (codigo != 0 && !m_naturezas->Busca(codigo, natureza)) {
                const HRESULT hr = m_naturezas->Carrega(codigo, natureza);
                if (FAILED(hr)) return hr;
                if (m_naturezas->Habilitado()) m_naturezas->Guarda(codigo, natureza);
            }
            item.SetNatureza(natureza);
        }
    }

    m_DescontoProdutos = r.DescontoProdutos;
    m_DescontoServicos = r.DescontoServicos;
    m_EncargoProduto[0] = r.EncargoProduto1;
    m_EncargoProduto[1] = r.EncargoProduto2;
    m_EncargoProduto[2] = r.EncargoProduto3;
    m_DescontoRateio = r.DescontoRateio;
    m_EncargoRateio = r.EncargoRateio;
    m_Volumes = r.Volumes;
    m_PesoBruto = r.PesoBruto;
    m_PesoLiquido = r.PesoLiquido;
    m_TotalProdutos = r.TotalProdutos;
    m_TotalServicos = r.TotalServicos;
    m_totais[IPI] = r.TotalIPI;
    m_totais[Retencao1] = r.TotalRetencao1;
    m_totais[Retencao2] = r.TotalRetencao2;
    m_totais[Retencao3] = r.TotalRetencao3;
    m_totais[Retencao4] = r.TotalRetencao4;
    m_totais[Retencao5] = r.TotalRetencao5;
    m_totais[Retencao6] = r.TotalRetencao6;
    m_totais[ICMS] = r.TotalICMS;
    m_totais[ICMSST] = r.TotalICMSST;
    for (CQVCurrencyEx& t : m_totais_nao_livres) t = qv_cy(0);
    m_FlagPedido1 = r.FlagPedido1;
    m_FlagPedido2 = r.FlagPedido2;
    m_FlagPedido3 = r.FlagPedido3;
    m_PosicaoTransportadora = r.PosicaoTransportadora;
    m_PosicaoCliente = r.PosicaoCliente;
    m_PosicaoOperacao = r.PosicaoOperacao;
    m_Valor824 = r.Valor824;
    m_PosicaoNatureza = r.PosicaoNatureza;
    m_PosicaoFilial = r.PosicaoFilial;
    m_PedidoCliente = ft::le_texto(r.PedidoCliente, sizeof r.PedidoCliente);

    m_itens = std::move(itens);
    for (const CItemPedido& item : m_itens) {
        if (eh_nao_livre(item)) {
            if (!(item.GetFlag4() && m_FilialFlag1)) m_totais_nao_livres[Retencao1] += item.GetRetencao(1);
            m_totais_nao_livres[IPI] += item.GetValorIPI();
            m_totais_nao_livres[ICMS] += item.GetValorICMS();
            m_totais_nao_livres[ICMSST] += item.GetValorICMSST();
            for (int k = 2; k <= 6; ++k) m_totais_nao_livres[Retencao1 + k - 1] += item.GetRetencao(k);
        }
    }
    CalculaTotais();
    AtualizaTotaisItens();
    return S_OK;
}

CQVString CPedido::FormataNumeroPedido(uint32_t chave) { return QVFormataChaveMesAno(chave); }
