#pragma once
// Data servers of the invoice tax calculation as tables of answers: every call is recorded
// ("RegraICMS estado=20"), a scripted failure is answered by method name, and the records are
// raw bytes written at the offsets the layouts fix.
#include <cstring>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "bytes_registro.h"
#include "ft/ftlibrary/CServidoresNotaFiscal.h"

class servidores_nota_falsos : public CServidoresNotaFiscal {
public:
    std::vector<std::string> chamadas;
    std::map<std::string, HRESULT> falhas;

    bytes_natureza natureza;
    bytes_registro<984> produto;
    std::map<uint16_t, bytes_registro<60>> regras_icms;    // by state code
    bytes_registro<32> documento;
    std::map<uint16_t, std::string> situacoes;
    bytes_registro<48> filial_produto;
    std::map<uint16_t, uint16_t> estado_municipio;
    std::map<std::string, uint16_t> estados_sigla;
    std::map<std::pair<uint16_t, uint16_t>, int64_t> aliquotas;  // (state, branch) -> hundredths
    std::map<std::pair<uint16_t, uint16_t>, uint16_t> codigos_pis_cofins;
    bytes_registro<48> regra_pis_cofins;
    REQ_REGRA_PIS_COFINS ultimo_pedido_pis_cofins;

    int conta(const std::string& prefixo) const {
        int n = 0;
        for (const auto& c : chamadas) n += c.rfind(prefixo, 0) == 0;
        return n;
    }

    HRESULT Inicializa(const std::string& empresa, WORD usuario, LONG sessao) override {
        return registra("Inicializa", empresa + " " + std::to_string(usuario) + " " + std::to_string(sessao));
    }
    HRESULT LeNatureza(uint16_t n, uint16_t data, _REG_NATUREZAPS& r) override {
        if (HRESULT hr = registra("LeNatureza", std::to_string(n) + " " + std::to_string(data)); FAILED(hr)) return hr;
        std::memcpy(r.bytes, natureza.b.data(), 704);
        return S_OK;
    }
    HRESULT LeProduto(int32_t p, _REG_PRODUTOPS& r) override {
        if (HRESULT hr = registra("LeProduto", std::to_string(p)); FAILED(hr)) return hr;
        std::memcpy(&r, produto.b.data(), 984);
        return S_OK;
    }
    HRESULT RegraICMS(const CHAVE_REGRA_PRODUTO_NF& k, REG_REGRA_ICMS_NF& r) override {
        if (HRESULT hr = registra("RegraICMS", "estado=" + std::to_string(k.Estado) + " data=" + std::to_string(k.Data));
            FAILED(hr))
            return hr;
        std::memcpy(&r, regras_icms[k.Estado].b.data(), 60);
        return S_OK;
    }
    HRESULT RegraDocumento(const CHAVE_REGRA_PRODUTO_NF& k, REG_REGRA_DOCUMENTO_NF& r) override {
        if (HRESULT hr = registra("RegraDocumento", "estado=" + std::to_string(k.Estado) + " data=" + std::to_string(k.Data));
            FAILED(hr))
            return hr;
        std::memcpy(&r, documento.b.data(), 32);
        return S_OK;
    }
    HRESULT SituacaoTributaria(uint16_t codigo, std::string& texto) override {
        if (HRESULT hr = registra("SituacaoTributaria", std::to_string(codigo)); FAILED(hr)) return hr;
        texto = situacoes[codigo];
        return S_OK;
    }
    HRESULT FilialProduto(uint16_t filial, int32_t p, REG_FILIAL_PRODUTO_NF& r) override {
        if (HRESULT hr = registra("FilialProduto", std::to_string(filial) + " " + std::to_string(p)); FAILED(hr)) return hr;
        std::memcpy(&r, filial_produto.b.data(), 48);
        return S_OK;
    }
    HRESULT EstadoMunicipio(uint16_t m, uint16_t& e) override {
        if (HRESULT hr = registra("EstadoMunicipio", std::to_string(m)); FAILED(hr)) return hr;
        auto it = estado_municipio.find(m);
        if (it == estado_municipio.end()) return E_FAIL;
        e = it->second;
        return S_OK;
    }
    HRESULT LeEstado(uint16_t e) override { return registra("LeEstado", std::to_string(e)); }
    HRESULT PesquisaEstado(const std::string& uf, uint16_t& e) override {
        if (HRESULT hr = registra("PesquisaEstado", uf); FAILED(hr)) return hr;
        auto it = estados_sigla.find(uf);
        if (it == estados_sigla.end()) return E_FAIL;
        e = it->second;
        return S_OK;
    }
    HRESULT AliquotasEstado(uint16_t e, uint16_t f, int64_t& primeira, int64_t& segunda) override {
        if (HRESULT hr = registra("AliquotasEstado", std::to_string(e) + " " + std::to_string(f)); FAILED(hr)) return hr;
        auto it = aliquotas.find({e, f});
        if (it == aliquotas.end()) return E_FAIL;
        primeira = 0;
        segunda = it->second * 100;
        return S_OK;
    }
    HRESULT CodigoPisCofins(uint16_t cst, uint16_t codigo, uint16_t& resposta) override {
        if (HRESULT hr = registra("CodigoPisCofins", std::to_string(cst) + " " + std::to_string(codigo)); FAILED(hr))
            return hr;
        resposta = codigos_pis_cofins[{cst, codigo}];
        return S_OK;
    }
    HRESULT RegraPisCofins(const REQ_REGRA_PIS_COFINS& pedido, REG_REGRA_PIS_COFINS& r) override {
        ultimo_pedido_pis_cofins = pedido;
        if (HRESULT hr = registra("RegraPisCofins", "mascara=" + std::to_string(pedido.Mascara)); FAILED(hr)) return hr;
        std::memcpy(&r, regra_pis_cofins.b.data(), 48);
        return S_OK;
    }

private:
    HRESULT registra(const std::string& metodo, const std::string& argumentos) {
        chamadas.push_back(metodo + " " + argumentos);
        auto it = falhas.find(metodo);
        return it == falhas.end() ? S_OK : it->second;
    }
};
