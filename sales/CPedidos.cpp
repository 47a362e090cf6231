#include "sales/CPedidos.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "base/QVDCOM.h"
#include "ft/ftlibrary/memoria_tarefa.h"
#include "masterdata/CCFRT_Representante.h"
#include "masterdata/CFiliais.h"
#include "platform/com/failure.h"
#include "platform/com/out_param.h"
#include "platform/com/text.h"
#include "platform/com/wire_pointer.h"
#include "platform/inhouse/core/inhouse_guids.h"
#include "sales/CPedidoWeb.h"
#include "sales/messages.h"

namespace sales {

namespace {

// The orders server's initialisation block: company (27 characters and a NUL), user @28,
// session @30.
QV_SESSAO_40 bloco_sessao(const std::string& empresa, WORD usuario, LONG sessao) {
    QV_SESSAO_40 bloco{};
    std::memcpy(bloco.dados, empresa.data(), std::min<size_t>(empresa.size(), 27));
    std::memcpy(bloco.dados + 28, &usuario, sizeof usuario);
    std::memcpy(bloco.dados + 30, &sessao, sizeof sessao);
    return bloco;
}

// The block the orders server's list answers: a count and a task-memory array of positions.
#pragma pack(push, 1)
struct resultado_busca {
    int32_t quantidade;
    uint32_t posicoes;   // wire pointer
};
#pragma pack(pop)

}  // namespace

CPedidos::CPedidos() {
    m_produtos.SetTrataErros(false);
    m_grades.SetTrataErros(false);
    m_app.m_MostraErros = false;
}

CPedidos::~CPedidos() {
    if (m_bInicializado) {
        m_produtos.Finaliza();
        m_cfrt.LiberaServidores();
        // Its answer has no one to go to.
        if (m_servidor) (void)m_servidor->Finaliza();
    }
}

void CPedidos::exige_inicializacao() const {
    if (!m_bInicializado) com::fail(msg::pedidos_nao_inicializado, E_UNEXPECTED);
}

HRESULT CPedidos::Inicializa(IQV_Inicializa* pInicializa) noexcept try {
    if (m_bInicializado) return S_OK;
    if (!pInicializa) return E_POINTER;
    com::unique_bstr empresa;
    LONG usuario = 0;
    LONG sessao = 0;
    (void)pInicializa->get_m_sEmpresa(empresa.put());
    (void)pInicializa->get_m_iUsuario(&usuario);
    (void)pInicializa->get_m_lNumeroSessao(&sessao);
    const std::string sEmpresa = com::from_bstr(empresa.get());
    const WORD iUsuario = static_cast<WORD>(usuario);

    // Everything is made aside and kept only when every step passed: a failed Inicializa leaves
    // nothing half made, and the next one starts from scratch.
    m_produtos.Finaliza();
    m_grades.Finaliza();
    m_cfrt.LiberaServidores();
    m_servidor = nullptr;
    m_filiais = nullptr;
    m_filial_padrao = nullptr;

    struct desfaz {
        CPedidos& p;
        bool feito = false;
        ~desfaz() {
            if (feito) return;
            p.m_produtos.Finaliza();
            p.m_grades.Finaliza();
            p.m_cfrt.LiberaServidores();
            p.m_servidor = nullptr;
        }
    } guarda{*this};

    com::check(m_produtos.Inicializa(sEmpresa, iUsuario, sessao), msg::pedidos_inicializar_produtos);
    com::check(m_produtos.CriaServidor(), msg::pedidos_inicializar_produtos);
    com::check(m_grades.Inicializa(sEmpresa, iUsuario, sessao), msg::pedidos_inicializar_grades);
    com::check(m_grades.CriaServidor(), msg::pedidos_inicializar_grades);
    com::check(m_cfrt.Inicializa(sEmpresa, iUsuario, sessao), msg::pedidos_inicializar_cfrt);

    com::com_ptr<IQVFT_Pedidos> servidor;
    com::check(QVCriaInstancia(inhouse::CLSID_PedidosServer, nullptr, QV_CLSCTX_SERVIDOR, __uuidof(IQVFT_Pedidos),
                               reinterpret_cast<void**>(servidor.put()), 0),
               msg::pedidos_criar_servidor);
    com::check(servidor->Inicializa(bloco_sessao(sEmpresa, iUsuario, sessao)), msg::pedidos_inicializar_servidor);

    // This program's own branch list, made in process: the same class a client creates.
    com::com_ptr<masterdata::CFiliais> filiais;
    try {
        filiais = com::make<masterdata::CFiliais>();
    } catch (const std::bad_alloc&) {
        com::fail(msg::pedidos_inicializar_filiais, E_OUTOFMEMORY);
    }
    com::com_ptr<IFiliais> lista = com::com_ptr<IFiliais>::attach(filiais.detach());
    // The list's own answers are not the collection's to report; a missing branch leaves the
    // new orders without one.
    LONG ativas = 0;
    com::com_ptr<IFilial> filial;
    (void)lista->Inicializa(pInicializa);
    (void)lista->BuscaAtivas(&ativas);
    (void)lista->Proxima(filial.put());
    filial = nullptr;
    (void)lista->Le(0, filial.put());

    m_raiz = com::com_ptr<IQV_Inicializa>(pInicializa);
    m_sEmpresa = sEmpresa;
    m_iUsuario = iUsuario;
    m_lSessao = sessao;
    m_app.Inicializa(sEmpresa, 0, iUsuario, sessao);
    m_servidor = std::move(servidor);
    m_filiais = std::move(lista);
    m_filial_padrao = std::move(filial);
    guarda.feito = true;
    m_bInicializado = true;
    return S_OK;
} catch (...) {
    return report();
}

com::com_ptr<CPedidoWeb> CPedidos::novo_pedido(LONG representante, const char* texto) {
    com::com_ptr<CPedidoWeb> pedido;
    try {
        pedido = com::make<CPedidoWeb>();
    } catch (const std::bad_alloc&) {
        com::fail(texto, E_OUTOFMEMORY);
    }
    AddRef();
    // An order of no representative is still linked: GetPedidoLight loads it afterwards.
    (void)pedido->Prepara(com::com_ptr<CPedidos>::attach(this), representante);
    if (m_filial_padrao) (void)pedido->put_Filial(m_filial_padrao.get());
    return pedido;
}

HRESULT CPedidos::NovoPedido(LONG lPosicaoRepresentante, IPedidoWeb** ppPedido) noexcept try {
    if (!ppPedido) return E_POINTER;
    *ppPedido = nullptr;
    exige_inicializacao();
    auto pedido = novo_pedido(lPosicaoRepresentante, msg::pedidos_criar_pedido);
    return com::put_object(ppPedido, com::com_ptr<IPedidoWeb>(pedido.get()));
} catch (...) {
    return report();
}

HRESULT CPedidos::GravaPedido(IPedidoWeb* pIPedido, LONG* lPosicao) noexcept try {
    if (!lPosicao) return E_POINTER;
    *lPosicao = -1;
    CPedidoWeb* pedido = CPedidoWeb::deste_servidor(pIPedido);
    if (!pedido) com::fail(msg::pedidos_pedido_estranho, E_INVALIDARG);
    exige_inicializacao();

    registro_gravacao gravacao;
    pedido->MontaRegistro(gravacao);

    com::com_ptr<IQVFT_MestreComercial> mestre;
    if (HRESULT hr = QVCriaInstancia(inhouse::CLSID_MestreComercialServer, nullptr, QV_CLSCTX_SERVIDOR,
                                     __uuidof(IQVFT_MestreComercial), reinterpret_cast<void**>(mestre.put()),
                                     QV_CRIA_PADRAO);
        FAILED(hr))
        return hr;
    if (HRESULT hr = mestre->Inicializa(com::to_bstr(m_sEmpresa).get(), m_iUsuario, m_lSessao); FAILED(hr)) return hr;
    BYTE* parametros = nullptr;
    if (HRESULT hr = mestre->Parametros(&parametros); FAILED(hr)) return hr;
    if (parametros && parametros[381] == 1) {
        gravacao.registro.Byte1933 = 1;
        pedido->Cabecalho().Byte1933 = 1;
    }

    QV_PEDIDO_2208 bloco;
    static_assert(sizeof bloco == sizeof gravacao.registro);
    std::memcpy(&bloco, &gravacao.registro, sizeof bloco);
    LONG posicao = -1;
    const HRESULT hr = m_servidor->Grava(0, bloco, m_lSessao, &posicao);
    if (FAILED(hr)) com::fail(msg::pedidos_gravar, hr);
    // The saved order's position; the record's blocks go with `gravacao` on every road.
    *lPosicao = posicao;
    return S_OK;
} catch (...) {
    return report();
}

HRESULT CPedidos::BuscaPonteiros(LONG lPosicaoRepresentante, LONG* lQuantidade) noexcept try {
    if (!lQuantidade) return E_POINTER;
    *lQuantidade = 0;
    exige_inicializacao();
    QV_FILTRO_PEDIDOS_1014 filtro{};
    std::memcpy(filtro.dados + 376, &lPosicaoRepresentante, sizeof lPosicaoRepresentante);
    QV_FAIXA_PEDIDOS_16 faixa{};
    const uint16_t palavras[4] = {0, 65535, 0, 1};
    std::memcpy(faixa.dados, palavras, sizeof palavras);

    BYTE* bloco = nullptr;
    com::check(m_servidor->BuscaPedidos(faixa, filtro, &bloco), msg::pedidos_ler);
    if (!bloco) {
        m_lQuantidade = 0;
        return S_OK;
    }
    resultado_busca r{};
    std::memcpy(&r, bloco, sizeof r);
    auto* posicoes = static_cast<int32_t*>(com::wire_pointer_take(r.posicoes));
    std::vector<int32_t> lidas;
    try {
        if (posicoes && r.quantidade > 0) lidas.assign(posicoes, posicoes + r.quantidade);
    } catch (...) {
        CoTaskMemFree(posicoes);
        CoTaskMemFree(bloco);
        throw;
    }
    CoTaskMemFree(posicoes);
    CoTaskMemFree(bloco);
    m_posicoes = std::move(lidas);
    m_lRepresentante = lPosicaoRepresentante;
    m_lQuantidade = static_cast<LONG>(m_posicoes.size());
    return com::put_number(lQuantidade, m_lQuantidade);
} catch (...) {
    return report();
}

HRESULT CPedidos::pedido_da_lista(LONG indice, IPedidoWeb** ppPedido) {
    if (!ppPedido) return E_POINTER;
    *ppPedido = nullptr;
    if (indice < 0 || indice >= m_lQuantidade) return S_OK;
    exige_inicializacao();
    auto pedido = novo_pedido(0, msg::pedidos_criar_retorno);
    if (HRESULT hr = pedido->LePosicao(m_posicoes[static_cast<size_t>(indice)], FALSE); FAILED(hr)) return hr;
    return com::put_object(ppPedido, com::com_ptr<IPedidoWeb>(pedido.get()));
}

HRESULT CPedidos::GetPedidoLight(LONG iIndice, IPedidoWeb** ppPedido) noexcept try {
    return pedido_da_lista(iIndice, ppPedido);
} catch (...) {
    return report();
}

HRESULT CPedidos::GetPedidoLightInvertido(LONG iIndice, IPedidoWeb** ppPedido) noexcept try {
    if (iIndice < 0 || iIndice >= m_lQuantidade) return pedido_da_lista(-1, ppPedido);
    return pedido_da_lista(m_lQuantidade - 1 - iIndice, ppPedido);
} catch (...) {
    return report();
}

HRESULT CPedidos::BuscaRepresentante(LONG lPosicaoRepresentante, ICFRT_Representante** ppRepresentante) noexcept try {
    if (!ppRepresentante) return E_POINTER;
    *ppRepresentante = nullptr;
    exige_inicializacao();
    com::com_ptr<masterdata::CCFRT_Representante> representante;
    try {
        representante = com::make<masterdata::CCFRT_Representante>();
    } catch (const std::bad_alloc&) {
        com::fail(msg::pedidos_criar_representante, E_OUTOFMEMORY);
    }
    QVCFRT registro{};
    registro.posicao_plano = lPosicaoRepresentante;
    (void)m_cfrt.Le(&registro, 0);
    representante->SetDados(lPosicaoRepresentante, registro);
    return com::put_object(ppRepresentante, com::com_ptr<ICFRT_Representante>(representante.get()));
} catch (...) {
    return report();
}

BYTE CPedidos::byte_parametros(size_t posicao) {
    com::com_ptr<IQVFT_MestreComercial> mestre;
    if (HRESULT hr = QVCriaInstancia(inhouse::CLSID_MestreComercialServer, nullptr, QV_CLSCTX_SERVIDOR,
                                     __uuidof(IQVFT_MestreComercial), reinterpret_cast<void**>(mestre.put()),
                                     QV_CRIA_PADRAO);
        FAILED(hr))
        throw com::failure{hr, {}};
    if (HRESULT hr = mestre->Inicializa(com::to_bstr(m_sEmpresa).get(), m_iUsuario, m_lSessao); FAILED(hr))
        throw com::failure{hr, {}};
    BYTE* parametros = nullptr;
    if (HRESULT hr = mestre->Parametros(&parametros); FAILED(hr)) throw com::failure{hr, {}};
    return parametros ? parametros[posicao] : 0;
}

HRESULT CPedidos::QuantidadesCondizentesEmbalagem(BOOL* pbRetorno) noexcept {
    if (!pbRetorno) return E_POINTER;
    *pbRetorno = 0;
    if (!m_bInicializado) return E_UNEXPECTED;
    try {
        *pbRetorno = byte_parametros(365) != 0 ? 65535 : 0;
        return S_OK;
    } catch (const com::failure& f) {
        // The commercial master's failures come back bare, as the web pages expect.
        return f.hr;
    } catch (...) {
        return report();
    }
}

HRESULT CPedidos::RelatorioPedidos(const QV_RELATORIO_PEDIDOS_834& pedido) {
    if (!m_servidor) return E_UNEXPECTED;
    return m_servidor->RelatorioPedidos(pedido);
}

HRESULT CPedidos::LeConta(int32_t posicao, _RegContaPS& conta) {
    conta = _RegContaPS{};
    IQVDF_Plano* plano = m_cfrt.GetServidorPlano();
    if (!plano) return E_UNEXPECTED;
    return plano->LeConta(posicao, reinterpret_cast<BYTE*>(&conta));
}

void CPedidos::BuscaConta(const std::string& codigo, int32_t& posicao) {
    IQVDF_Plano* plano = m_cfrt.GetServidorPlano();
    if (!plano) return;
    LONG achada = 0;
    _RegContaPS conta{};
    if (plano->BuscaCodigo(com::to_bstr(codigo).get(), &achada, reinterpret_cast<BYTE*>(&conta)) == S_OK && achada != 0)
        posicao = achada;
}

}  // namespace sales
