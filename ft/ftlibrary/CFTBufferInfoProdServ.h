#pragma once
// The product/service information cache: the 474-byte item-information record of a product
// position or a service code, assembled from the product (or service) record, its unit, its
// description, the customer and the customer's municipality and the product server's tax query,
// and kept by position (or code). It serves one branch and one customer: a look-up for another
// empties both maps first; an entry read on another day is assembled again.
#include <windows.h>

#include <cstdint>

#include "ft/ftlibrary/CFTBufferInfoUnMedida.h"
#include "ft/ftlibrary/CFTBufferRegistros.h"
#include "ft/ftlibrary/CFTBufferReferenciaGrade.h"
#include "ft/ftlibrary/registros_pedido.h"

class CFTAppInfo;
class CFTBufferMunicipio;
class CConexaoServico;
class CBufferCFRT;
struct QVCFRT;

class CFTBufferInfoProdServ {
public:
    // Parts of a look-up (bit mask; 0 asks for all).
    static constexpr uint32_t ParteProduto = 1, ParteDescricao = 2, ParteUnidade = 4, ParteImpostos = 8;

    CFTBufferInfoProdServ() = default;
    // None is owned; each must outlive the cache.
    CFTBufferInfoProdServ(CFTBufferReferenciaGrade* grade, CConexaoServico* servico, CFTBufferInfoUnMedida* unidades,
                          CBufferCFRT* cfrt, CFTBufferMunicipio* municipios)
        : m_Grade(grade), m_Servico(servico), m_Unidades(unidades), m_CFRT(cfrt), m_Municipios(municipios) {}
    virtual ~CFTBufferInfoProdServ() = default;

    void Inicializa(bool mostraErros, CFTAppInfo* contexto) {
        m_MostraErros = mostraErros;
        m_Contexto = contexto;
    }
    // Fills the 474-byte record for the key; a failing HRESULT when it could not be assembled (the
    // record then keeps what was filled before the failure, and nothing is kept).
    virtual HRESULT Le(const REG_CHAVE_INFO_ITEM* chave, REG_INFO_ITEM_PEDIDO* registro);
    virtual void Limpa();

    // Whether assembled records are kept.
    bool m_Guarda = true;
    void SetRelogio(std::function<uint16_t()> hoje) {
        m_Posicoes.m_Hoje = hoje;
        m_Servicos.m_Hoje = hoje;
        m_Hoje = std::move(hoje);
    }

protected:
    // The customer record at a position (mask 0) through the customer/supplier accessor.
    virtual HRESULT LeCliente(int32_t posicao, QVCFRT& cliente);

private:
    HRESULT LeProduto(const REG_CHAVE_INFO_ITEM& k, uint32_t partes, REG_INFO_ITEM_PEDIDO& r);
    HRESULT LeServico(const REG_CHAVE_INFO_ITEM& k, uint32_t partes, REG_INFO_ITEM_PEDIDO& r);
    HRESULT Falha(HRESULT hr, int ponto) const;

    template <class K>
    struct mapa_info : CFTBufferRegistros<K, REG_INFO_ITEM_PEDIDO, std::conditional_t<std::is_integral_v<K>, tracos_chave_hash<K>, tracos_posicao_produto>> {
        HRESULT Carrega(K, REG_INFO_ITEM_PEDIDO&) override { return E_UNEXPECTED; }
    };

    CFTAppInfo* m_Contexto = nullptr;
    CFTBufferReferenciaGrade* m_Grade = nullptr;
    CConexaoServico* m_Servico = nullptr;
    CFTBufferInfoUnMedida* m_Unidades = nullptr;
    CBufferCFRT* m_CFRT = nullptr;
    CFTBufferMunicipio* m_Municipios = nullptr;
    mapa_info<_REG_POSICAO_PRODUTOPS> m_Posicoes;
    mapa_info<uint32_t> m_Servicos;
    int32_t m_Cliente = 0;
    uint16_t m_Filial = 0;
    bool m_MostraErros = false;
    std::function<uint16_t()> m_Hoje = [] { return QVGetDataAtual(); };
};
