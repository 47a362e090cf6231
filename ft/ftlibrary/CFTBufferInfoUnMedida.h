#pragma once
// The unit-of-measure cache of the order library: the unit text and the decimals of quantities of
// product units and of service units, in one map each, read from the product server on a miss.
// This cache always keeps what it reads.
#include <windows.h>

#include <cstdint>

#include "ft/ftlibrary/CFTBufferRegistros.h"
#include "inhouse_produtos.h"

#pragma pack(push, 1)
struct REG_INFO_UN_MEDIDA {
    char Unidade[12];        // +0, 11 characters and a zero
    uint8_t Casas;           // +12, decimals of quantities: 0, 2 or 4
    uint8_t Reservado;       // +13
};
#pragma pack(pop)
static_assert(sizeof(REG_INFO_UN_MEDIDA) == 14 && offsetof(REG_INFO_UN_MEDIDA, Casas) == 12);

class CFTAppInfo;

class CFTBufferInfoUnMedida {
public:
    virtual ~CFTBufferInfoUnMedida() = default;

    void Inicializa(bool mostraErros, CFTAppInfo* contexto) {
        m_MostraErros = mostraErros;
        m_Contexto = contexto;
    }
    // A unit code of 0 gives a zero-filled record and 0. `produto` non-zero: product units.
    virtual HRESULT Carrega(IQVDF_Produto* servidor, uint16_t unidade, bool produto, REG_INFO_UN_MEDIDA& registro);
    virtual void Limpa();

private:
    CFTBufferRegistros<uint16_t, REG_INFO_UN_MEDIDA>* Mapa(bool produto);

    struct mapa_unidades : CFTBufferRegistros<uint16_t, REG_INFO_UN_MEDIDA> {
        HRESULT Carrega(uint16_t, REG_INFO_UN_MEDIDA&) override { return E_UNEXPECTED; }
    };
    mapa_unidades m_Produtos;
    mapa_unidades m_Servicos;
    CFTAppInfo* m_Contexto = nullptr;
    bool m_MostraErros = false;

public:
    // Today's day number for both maps; tests set another clock.
    void SetRelogio(std::function<uint16_t()> hoje) {
        m_Produtos.m_Hoje = hoje;
        m_Servicos.m_Hoje = std::move(hoje);
    }
};
