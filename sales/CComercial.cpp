#include "sales/CComercial.h"

#include <cstdio>
#include <cstring>

#include "base/QVCaminhos.h"
#include "base/QVDataCurta.h"
#include "base/QVTexto.h"
#include "inhouse_relatorios.h"
#include "platform/com/failure.h"
#include "platform/com/text.h"
#include "platform/com/wire_pointer.h"
#include "platform/inhouse/acesso/QVAcesso.h"
#include "platform/inhouse/cache/registros_relatorios.h"
#include "platform/inhouse/core/registros_sessao.h"
#include "platform/inhouse/pedidos/registros_pedidos.h"
#include "platform/inhouse/core/inhouse_guids.h"
#include "server/holders/CCacheServidores.h"
#include "server/holders/CPoolConexoes.h"
#include "server/root/CTW_Relatorio.h"
#include "server/root/CWebErroBase.h"

namespace sales {

namespace {

constexpr DWORD contexto_mestre = 23;
constexpr DWORD contexto_relatorios = 21;
constexpr size_t offset_mestre_326 = 326;
constexpr uint8_t relatorio_comissoes = 5, relatorio_movimentos = 17;

std::string hresult_texto(const char* formato, HRESULT hr) {
    char texto[160] = {};
    std::snprintf(texto, sizeof texto, formato, static_cast<unsigned>(hr));
    return texto;
}

// The filter's values; an absent key is an empty text.
class filtro_relatorio {
public:
    explicit filtro_relatorio(IQVHashTable* filtro) {
        if (auto tabela = server::CQVHashTable::De(filtro)) m_valores = tabela->GetValores();
    }
    std::string texto(const char* chave) const {
        auto i = m_valores.find(chave);
        return i == m_valores.end() ? std::string() : i->second;
    }
    uint16_t data(const char* chave) const {
        const std::string t = texto(chave);
        return t.empty() ? 0 : QVConverteTextoData(t.c_str());
    }
    uint32_t numero(const char* chave) const { return static_cast<uint32_t>(std::strtoul(texto(chave).c_str(), nullptr, 10)); }
    char primeiro(const char* chave) const {
        const std::string t = texto(chave);
        return t.empty() ? '\0' : t[0];
    }

private:
    server::CQVHashTable::valores m_valores;
};


}  // namespace

HRESULT CComercial::Inicializa(IQV_Inicializa* pInicializa) {
    if (m_bInicializado) return S_OK;
    if (HRESULT hr = CEmpresarialInicializa::Inicializa(pInicializa); FAILED(hr)) return hr;
    com::com_ptr<IQVFT_MestreComercial> mestre;
    HRESULT hr = CoCreateInstance(inhouse::CLSID_MestreComercialServer, nullptr, contexto_mestre,
                                  __uuidof(IQVFT_MestreComercial), mestre.put_void());
    if (FAILED(hr)) {
        LimpaSessao();
        server::falha_numerada(
            hresult_texto("25\t-\tNão Conseguiu instanciar o servidor de mestre comercial!\n HRESULT: %x  ", hr),
            server::hresult_mensagem(25));
    }
    hr = mestre->Inicializa(com::to_bstr(m_sEmpresa).get(), m_iUsuario, m_lNumeroSessao);
    if (FAILED(hr)) {
        LimpaSessao();
        server::falha_numerada(
            hresult_texto("26\t-\tNão Conseguiu inicializar o servidor de mestre comercial!\n HRESULT: %x  ", hr),
            server::hresult_mensagem(26));
    }
    m_mestre = std::move(mestre);
    m_raiz = com::com_ptr<IQV_Inicializa>(pInicializa);
    return S_OK;
}

HRESULT CComercial::GeraRelRelacaoPedidos(IQVHashTable* filtro, BSTR* pbsDadosRel, REFCLSID clsid, REFIID iid) {
    VerificaInicializado();
    const filtro_relatorio f(filtro);
    const server::arquivo_temporario arquivo(server::nome_temporario("FTL"));
    QV_PARAMETROS_472 parametros{};
    m_mestre->LeParametros(&parametros);
    REG_RELATORIO_PEDIDOS pedido{};
    pedido.ByteMestre326 = parametros.dados[offset_mestre_326];
    pedido.DataInicial = f.data("DATAINICIAL");
    pedido.DataFinal = f.data("DATAFINAL");
    pedido.PosicaoRepresentante = f.numero("REPRESENTANTE");
    inhouse::poe_campo(pedido.Modelo, f.texto("RELATORIO"));
    if (const std::string cliente = f.texto("CLIENTE"); !cliente.empty()) {
        DWORD ponteiro = 0;
        _RegContaPS conta{};
        server::CPoolConexoes::GetInstancia()->GetConexaoPlano()->Existe(cliente.c_str(), &ponteiro, &conta);
        pedido.PosicaoCliente = static_cast<int32_t>(ponteiro);
    }
    inhouse::poe_campo(pedido.Arquivo, arquivo.caminho());
    inhouse::poe_campo(pedido.Empresa, m_sEmpresa);
    auto pedidos = server::CCacheServidores::GetInstancia()->GetServidorPedidos();
    if (!pedidos) return E_FAIL;
    QV_RELATORIO_PEDIDOS_834 bloco;
    std::memcpy(&bloco, &pedido, sizeof bloco);
    if (HRESULT hr = pedidos->RelatorioPedidos(bloco); FAILED(hr)) return hr;
    return TransfereRelatorio(arquivo.caminho(), pbsDadosRel, clsid, iid);
}

HRESULT CComercial::GeraRelComissoesAPagar(IQVHashTable* filtro, BSTR* pbsDadosRel, REFCLSID clsid, REFIID iid) {
    return GeraRelComercial(filtro, true, pbsDadosRel, clsid, iid);
}

HRESULT CComercial::GeraRelMovimentos(IQVHashTable* filtro, BSTR* pbsDadosRel, REFCLSID clsid, REFIID iid) {
    return GeraRelComercial(filtro, false, pbsDadosRel, clsid, iid);
}

HRESULT CComercial::GeraRelComercial(IQVHashTable* filtro, bool comissoes, BSTR* pbsDadosRel, REFCLSID clsid,
                                     REFIID iid) {
    VerificaInicializado();
    const filtro_relatorio f(filtro);
    com::com_ptr<IQVRelatoriosComerciais> servidor;
    if (HRESULT hr = CoCreateInstance(inhouse::CLSID_RelatoriosComerciais, nullptr, contexto_relatorios,
                                      __uuidof(IQVRelatoriosComerciais), servidor.put_void());
        FAILED(hr))
        return hr;
    const server::arquivo_temporario arquivo(server::nome_temporario(comissoes ? "FCO" : "FNR"));
    // The commissions report comes back under the name with "0" before its extension.
    const server::arquivo_temporario lido(comissoes ? inhouse::arquivo_comissoes(arquivo.caminho()) : std::string());
    // The texts the request points to live until the server's call has returned.
    const std::string representante = f.texto("REPRESENTANTE");
    const std::string texto_representante = representante.empty() ? std::string() : representante + "\n";
    const std::string modelo = f.texto("RELATORIO");
    const com::wire_pointer_loan nome(arquivo.caminho().c_str()), rep(texto_representante.c_str()),
        mod(modelo.c_str()), razao(m_sRazaoSocial.c_str()), empresa(m_sEmpresa.c_str());

    inhouse::REQ_RELATORIO_COMERCIAL pedido{};
    pedido.sessao = static_cast<uint32_t>(m_lNumeroSessao);
    pedido.arquivo = nome.field();
    pedido.modelo = mod.field();
    pedido.razao_social = razao.field();
    pedido.empresa = empresa.field();
    pedido.data_inicial = f.data("DATAINICIAL");
    pedido.data_final = f.data("DATAFINAL");
    pedido.usuario = m_iUsuario;
    if (comissoes) {
        if (!texto_representante.empty()) {
            pedido.representante_texto = rep.field();
            pedido.com_representante = 1;
        }
        pedido.constante_113 = 'N';
        pedido.constante_134 = relatorio_comissoes;
    } else {
        pedido.representante = f.numero("REPRESENTANTE");
        pedido.tipo_data = f.primeiro("TIPODATA");
        pedido.constante_107 = 'T';
        pedido.situacao = f.primeiro("SITUACAO");
        pedido.constante_110 = 'N';
        pedido.constante_130 = 1;
        pedido.constante_134 = relatorio_movimentos;
    }
    if (HRESULT hr = servidor->Relatorio(reinterpret_cast<BYTE*>(&pedido)); hr != S_OK) return FAILED(hr) ? hr : E_FAIL;
    return TransfereRelatorio(comissoes ? lido.caminho() : arquivo.caminho(), pbsDadosRel, clsid, iid);
}

}  // namespace sales
