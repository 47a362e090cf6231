#pragma once
// The balances control of the finance module. The root object keeps one for its life.
// TODO: the balance protocol (Inicializa, SetPeriodo, SetBancos, ProcessaSaldos,
// ProcessaContasTitulo, GetQuantidadeBancos, BuscaBancos) joins with the bank balances.
namespace server {

class CControleSaldos {
public:
    CControleSaldos() = default;
    CControleSaldos(const CControleSaldos&) = delete;
    CControleSaldos& operator=(const CControleSaldos&) = delete;
    virtual ~CControleSaldos() = default;
};

}  // namespace server
