#pragma once
// The price tables a salesperson may use (IProdutos::BuscaTabelasDePreco): the sale or purchase
// tables of products or of services that are open today, plus any table named "padrão" whatever
// its state. Each table keeps its own pointer as its position.
#include <vector>

#include "VAVEDERAZur.h"
#include "platform/com/com_ptr.h"
#include "platform/com/object.h"
#include "platform/inhouse/acesso/QVAcesso.h"
#include "platform/inhouse/produtos/registros_produto.h"

namespace sales {

class CResultadoBuscaTabelaDePreco final
    : public com::object<CResultadoBuscaTabelaDePreco, IResultadoBuscaTabelaDePreco> {
public:
    HRESULT STDMETHODCALLTYPE get_Size(USHORT* pVal) noexcept override;
    HRESULT STDMETHODCALLTYPE GetItem(USHORT i, ITabelaDePreco** ppTabela) noexcept override;
    HRESULT STDMETHODCALLTYPE GetItemByTabela(USHORT iTabela, ITabelaDePreco** ppTabela) noexcept override;

    // Reads the tables of a kind ('V' sale, 'C' purchase) kept on day `hoje`; throws com::failure.
    void Busca(CMyConexaoProduto* conexao, com::com_ptr<IUnknown> dono, bool produto, BYTE tipo, uint16_t hoje);

    // Whether a table is kept on day `hoje`.
    static bool Mantida(const _REG_TABELA_PRECOSPS& tabela, uint16_t hoje);

private:
    ~CResultadoBuscaTabelaDePreco() override = default;   // objects come only from com::make

    std::vector<WORD> m_posicoes;
    std::vector<_REG_TABELA_PRECOSPS> m_tabelas;
    bool m_produto = true;
    CMyConexaoProduto* m_conexao = nullptr;
    com::com_ptr<IUnknown> m_dono;
};

}  // namespace sales
