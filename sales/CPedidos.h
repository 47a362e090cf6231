#pragma once
// The entry point of the older web order road (ProgID ZidizUvi.Pedidos): initialised once with
// the root object, it owns its own product and grid connections, customer/supplier accessor,
// orders server, library context and branch list, starts web orders (CPedidoWeb), saves them,
// and lists, reads and reports a representative's orders. Each web order it makes holds a
// counted reference to it.
#include <string>
#include <vector>

#include "VAVEDERAZur.h"
#include "ft/ftlibrary/CFTAppInfo.h"
#include "inhouse_cache.h"
#include "platform/com/com_ptr.h"
#include "platform/com/object.h"
#include "platform/inhouse/acesso/QVAcesso.h"
#include "server/holders/CBufferCFRT.h"
#include "server/process/class_table.h"

namespace sales {

class CPedidoWeb;

class CPedidos final : public com::object<CPedidos, IPedidos> {
public:
    static constexpr com::class_info info = server::class_info_of(L"Pedidos", &CLSID_Pedidos);

    CPedidos();

    HRESULT STDMETHODCALLTYPE NovoPedido(LONG lPosicaoRepresentante, IPedidoWeb** ppPedido) noexcept override;
    HRESULT STDMETHODCALLTYPE Inicializa(IQV_Inicializa* pInicializa) noexcept override;
    HRESULT STDMETHODCALLTYPE GravaPedido(IPedidoWeb* pIPedido, LONG* lPosicao) noexcept override;
    HRESULT STDMETHODCALLTYPE BuscaPonteiros(LONG lPosicaoRepresentante, LONG* lQuantidade) noexcept override;
    HRESULT STDMETHODCALLTYPE GetPedidoLight(LONG iIndice, IPedidoWeb** ppPedido) noexcept override;
    HRESULT STDMETHODCALLTYPE BuscaRepresentante(LONG lPosicaoRepresentante,
                                                 ICFRT_Representante** ppRepresentante) noexcept override;
    HRESULT STDMETHODCALLTYPE QuantidadesCondizentesEmbalagem(BOOL* pbRetorno) noexcept override;
    HRESULT STDMETHODCALLTYPE GetPedidoLightInvertido(LONG iIndice, IPedidoWeb** ppPedido) noexcept override;

    // The order-list report of the commercial reports: the request goes to the orders server.
    HRESULT RelatorioPedidos(const QV_RELATORIO_PEDIDOS_834& pedido);

    // What the web orders use (only after a successful Inicializa).
    bool Inicializado() const noexcept { return m_bInicializado; }
    IQV_Inicializa* Raiz() const noexcept { return m_raiz.get(); }
    const std::string& Empresa() const noexcept { return m_sEmpresa; }
    WORD Usuario() const noexcept { return m_iUsuario; }
    LONG Sessao() const noexcept { return m_lSessao; }
    CMyConexaoProduto& Produtos() noexcept { return m_produtos; }
    CConexaoGradesProduto& Grades() noexcept { return m_grades; }
    CBufferCFRT& CFRT() noexcept { return m_cfrt; }
    CFTAppInfo& AppInfo() noexcept { return m_app; }
    IQVFT_Pedidos* ServidorPedidos() const noexcept { return m_servidor.get(); }
    // The customer/supplier server's short record of a chart position (code @46, name @58).
    HRESULT LeConta(int32_t posicao, _RegContaPS& conta);
    // The chart position of a customer/supplier code into `posicao`; left as it was when the
    // code is not found.
    void BuscaConta(const std::string& codigo, int32_t& posicao);

private:
    ~CPedidos() override;   // objects come only from com::make

    void exige_inicializacao() const;
    com::com_ptr<CPedidoWeb> novo_pedido(LONG representante, const char* texto);
    HRESULT pedido_da_lista(LONG indice, IPedidoWeb** ppPedido);
    // The commercial master's parameter record byte at `posicao` (a fresh server each call).
    BYTE byte_parametros(size_t posicao);

    com::com_ptr<IQV_Inicializa> m_raiz;
    bool m_bInicializado = false;
    CMyConexaoProduto m_produtos;
    CConexaoGradesProduto m_grades;
    CBufferCFRT m_cfrt;
    CFTAppInfo m_app;
    com::com_ptr<IQVFT_Pedidos> m_servidor;
    com::com_ptr<IFiliais> m_filiais;
    com::com_ptr<IFilial> m_filial_padrao;
    std::string m_sEmpresa;
    WORD m_iUsuario = 0;
    LONG m_lSessao = 0;
    LONG m_lRepresentante = 0;
    std::vector<int32_t> m_posicoes;
    LONG m_lQuantidade = 0;
};

}  // namespace sales
