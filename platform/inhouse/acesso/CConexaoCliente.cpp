#include "platform/inhouse/acesso/CConexaoCliente.h"

#include "platform/com/text.h"
#include "platform/inhouse/core/inhouse_guids.h"
#include "platform/inhouse/core/registros_sessao.h"

const CLSID* CConexaoCliente::ClasseServidor() const noexcept { return &inhouse::CLSID_PlanoServer; }

int CConexaoCliente::Existe(const char* codigo, QVCFRT* registro) try {
    if (!codigo || !registro) return 0;
    *registro = QVCFRT{};
    auto* plano = static_cast<IQVDF_Plano*>(GetInterface());
    if (!plano) {
        if (FAILED(CriaServidor())) return 0;
        plano = static_cast<IQVDF_Plano*>(GetInterface());
        if (!plano) return 0;
        if (FAILED(plano->Inicializa(inhouse::bloco_sessao<QV_SESSAO_32>(GetEmpresa(), GetUsuario(), GetSessao())))) {
            Finaliza();
            return 0;
        }
    }
    _RegContaPS conta{};
    LONG posicao = 0;
    const HRESULT hr = plano->BuscaCodigo(com::to_bstr(std::string(codigo)).get(), &posicao,
                                          reinterpret_cast<BYTE*>(&conta));
    // Only a customer's account answers: the account's customer mark.
    if (hr != S_OK || posicao == 0 || conta.marcas[QV_CONTA_MARCA_CLIENTE - 164] != 'S') return 0;
    registro->posicao_plano = posicao;
    registro->posicao_cadastro = conta.posicao_cadastro;
    inhouse::poe_campo(registro->classificacao, inhouse::texto_campo(conta.classificacao));
    inhouse::poe_campo(registro->codigo, inhouse::texto_campo(conta.codigo_proprio));
    inhouse::poe_campo(registro->nome, inhouse::texto_campo(conta.nome));
    inhouse::poe_campo(registro->cnpj_cpf, inhouse::texto_campo(conta.segundo_nome));
    registro->tipo = 'C';
    return 1;
} catch (...) {
    if (registro) *registro = QVCFRT{};
    return 0;
}
