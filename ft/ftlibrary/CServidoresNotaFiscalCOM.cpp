#include "ft/ftlibrary/CServidoresNotaFiscalCOM.h"

#include <cstring>

#include "base/QVDCOM.h"
#include "platform/com/text.h"
#include "platform/inhouse/core/inhouse_guids.h"
#include "platform/inhouse/localidades/registros_localidades.h"

namespace {

// A server used before Inicializa made it.
constexpr HRESULT sem_servidor = E_UNEXPECTED;

template <class I>
HRESULT cria_e_inicializa(const CLSID& classe, com::com_ptr<I>& servidor, BSTR empresa, WORD usuario, LONG sessao) {
    servidor.reset();
    if (const HRESULT hr = QVCriaInstancia(classe, nullptr, QV_CLSCTX_SERVIDOR, __uuidof(I), servidor.put_void(),
                                           QV_CRIA_PADRAO);
        FAILED(hr)) {
        servidor.reset();
        return hr;
    }
    return servidor->Inicializa(empresa, usuario, sessao);
}

}  // namespace

HRESULT CServidoresNotaFiscalCOM::Inicializa(const std::string& empresa, WORD usuario, LONG sessao) {
    const auto chave = com::to_bstr(empresa);
    if (const HRESULT hr = cria_e_inicializa(inhouse::CLSID_ProdutoServer, m_Produto, chave.get(), usuario, sessao);
        FAILED(hr))
        return hr;
    if (const HRESULT hr = cria_e_inicializa(inhouse::CLSID_NaturezasServer, m_Naturezas, chave.get(), usuario, sessao);
        FAILED(hr))
        return hr;
    if (const HRESULT hr = cria_e_inicializa(inhouse::CLSID_MunicipioServer, m_Municipio, chave.get(), usuario, sessao);
        FAILED(hr))
        return hr;
    return cria_e_inicializa(inhouse::CLSID_EstadoFiscalServer, m_Estado, chave.get(), usuario, sessao);
}

HRESULT CServidoresNotaFiscalCOM::LeNatureza(uint16_t natureza, uint16_t data, _REG_NATUREZAPS& registro) {
    if (!m_Naturezas) return sem_servidor;
    return m_Naturezas->LeNatureza(natureza, data, 0, registro.bytes);
}

HRESULT CServidoresNotaFiscalCOM::LeProduto(int32_t produto, _REG_PRODUTOPS& registro) {
    if (!m_Produto) return sem_servidor;
    return m_Produto->LeProduto(produto, 1, reinterpret_cast<QV_PRODUTO_984*>(&registro));
}

HRESULT CServidoresNotaFiscalCOM::RegraICMS(const CHAVE_REGRA_PRODUTO_NF& chave, REG_REGRA_ICMS_NF& regra) {
    if (!m_Produto) return sem_servidor;
    QV_CHAVE_18 k;
    std::memcpy(k.dados, &chave, sizeof k);
    return m_Produto->RegraICMS(k, reinterpret_cast<BYTE*>(&regra));
}

HRESULT CServidoresNotaFiscalCOM::RegraDocumento(const CHAVE_REGRA_PRODUTO_NF& chave, REG_REGRA_DOCUMENTO_NF& regra) {
    if (!m_Produto) return sem_servidor;
    QV_CHAVE_18 k;
    std::memcpy(k.dados, &chave, sizeof k);
    return m_Produto->RegraDocumento(k, reinterpret_cast<BYTE*>(&regra));
}

HRESULT CServidoresNotaFiscalCOM::SituacaoTributaria(uint16_t codigo, std::string& texto) {
    if (!m_Produto) return sem_servidor;
    BYTE registro[296] = {};
    const HRESULT hr = m_Produto->SituacaoTributaria(codigo, registro);
    texto.clear();
    if (SUCCEEDED(hr)) {
        const auto* fim = static_cast<const BYTE*>(std::memchr(registro, 0, sizeof registro));
        texto.assign(reinterpret_cast<const char*>(registro), fim ? static_cast<size_t>(fim - registro) : sizeof registro);
    }
    return hr;
}

HRESULT CServidoresNotaFiscalCOM::FilialProduto(uint16_t filial, int32_t produto, REG_FILIAL_PRODUTO_NF& resposta) {
    if (!m_Produto) return sem_servidor;
    return m_Produto->FilialProduto(filial, produto, reinterpret_cast<BYTE*>(&resposta));
}

HRESULT CServidoresNotaFiscalCOM::EstadoMunicipio(uint16_t municipio, uint16_t& estado) {
    if (!m_Municipio) return sem_servidor;
    _REG_MUNICIPIO_PS registro{};
    const HRESULT hr = m_Municipio->Le(municipio, reinterpret_cast<BYTE*>(&registro));
    // The register answers S_FALSE for a position without a municipality: no state to take.
    if (hr != S_OK) return FAILED(hr) ? hr : E_FAIL;
    estado = registro.estado;
    return hr;
}

HRESULT CServidoresNotaFiscalCOM::LeEstado(uint16_t estado) {
    if (!m_Estado) return sem_servidor;
    BYTE registro[108] = {};
    return m_Estado->LeEstado(estado, registro);
}

HRESULT CServidoresNotaFiscalCOM::PesquisaEstado(const std::string& uf, uint16_t& estado) {
    if (!m_Estado) return sem_servidor;
    BYTE registro[108] = {};
    WORD codigo = 0;
    const HRESULT hr = m_Estado->PesquisaSigla(com::to_bstr(uf).get(), &codigo, registro);
    if (SUCCEEDED(hr)) estado = codigo;
    return hr;
}

HRESULT CServidoresNotaFiscalCOM::AliquotasEstado(uint16_t estado, uint16_t filial, int64_t& primeira, int64_t& segunda) {
    if (!m_Estado) return sem_servidor;
    LONGLONG a = 0, b = 0;
    const HRESULT hr = m_Estado->Aliquotas(estado, filial, &a, &b);
    if (SUCCEEDED(hr)) {
        primeira = a;
        segunda = b;
    }
    return hr;
}

HRESULT CServidoresNotaFiscalCOM::CodigoPisCofins(uint16_t cst, uint16_t codigo, uint16_t& resposta) {
    if (!m_Produto) return sem_servidor;
    BYTE pedido[64] = {};
    BYTE bloco[64] = {};
    std::memcpy(pedido, &cst, 2);
    std::memcpy(pedido + 2, &codigo, 2);
    const HRESULT hr = m_Produto->CodigoPisCofins(pedido, bloco);
    if (SUCCEEDED(hr)) std::memcpy(&resposta, bloco + 2, 2);
    return hr;
}

HRESULT CServidoresNotaFiscalCOM::RegraPisCofins(const REQ_REGRA_PIS_COFINS& pedido, REG_REGRA_PIS_COFINS& resposta) {
    if (!m_Produto) return sem_servidor;
    return m_Produto->RegraPisCofins(pedido.Um, pedido.Mascara, pedido.Produto, pedido.Chave, pedido.Data,
                                     pedido.Entrada, reinterpret_cast<BYTE*>(&resposta));
}
