#pragma once
// One price table of the web catalogue's list (IProdutos::BuscaTabelasDePreco): its record as
// the catalogue read it, its position (the table's own pointer), and the payment conditions the
// product server says it does not allow. The catalogue's product connection is borrowed; the
// catalogue is kept alive.
#include <string>

#include "VAVEDERAZur.h"
#include "platform/com/com_ptr.h"
#include "platform/com/object.h"
#include "platform/inhouse/acesso/QVAcesso.h"
#include "platform/inhouse/produtos/registros_produto.h"

namespace sales {

class CTabelaDePreco final : public com::object<CTabelaDePreco, ITabelaDePreco> {
public:
    HRESULT STDMETHODCALLTYPE get_Posicao(USHORT* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_Codigo(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_Nome(BSTR* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_Inativa(VARIANT_BOOL* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE get_CondicoesNaoPermitidas(BSTR* pVal) noexcept override;

    void Define(WORD posicao, bool produto, const _REG_TABELA_PRECOSPS& registro, CMyConexaoProduto* conexao,
                com::com_ptr<IUnknown> dono);

    // "[a,b,...]" of the first 32 bits of each 8-byte entry.
    static std::string FormataCondicoes(const BYTE* entradas, long quantidade);

private:
    ~CTabelaDePreco() override = default;   // objects come only from com::make

    WORD m_posicao = 0;
    bool m_produto = true;
    _REG_TABELA_PRECOSPS m_registro{};
    CMyConexaoProduto* m_conexao = nullptr;
    com::com_ptr<IUnknown> m_dono;
};

}  // namespace sales
