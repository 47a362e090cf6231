#include "ft/ftlibrary/itens_nota_fiscal.h"

#include <cstring>

namespace {

template <size_t N>
void limpa8(std::array<CQVCurrencyEx8, N>& v, int casas) {
    for (auto& x : v) {
        x.SetPrecisao(casas, true);
        x = int64_t{0};
    }
}

}  // namespace

void CItemNotaProduto::Limpa() {
    m_Valores.Limpa();
    for (auto& x : m_Valores4) {
        x.SetPrecisao(false, true);
        x = 0.0;
    }
    limpa8(m_Valores8, 8);
    m_Valores8[0].SetPrecisao(2, true);
    m_Valores8[1].SetPrecisao(2, true);
    m_Valores8[2].SetPrecisao(2, true);
    std::memset(m_Texto1, 0, sizeof m_Texto1);
    std::memset(m_Texto2, 0, sizeof m_Texto2);
    m_Numero = 0;
    m_Flag1 = 1;
    m_Flag2 = 1;
}

void CItemNotaServico::Limpa() {
    m_Valores.Limpa();
    limpa8(m_Valores8, 2);
    std::memset(m_Texto1, 0, sizeof m_Texto1);
    std::memset(m_Texto2, 0, sizeof m_Texto2);
    m_DeducoesINSS.clear();
    m_DeducoesISS.clear();
    m_DeducoesIRRF.clear();
}

void CItemNotaProdutoCalculado::Limpa() {
    m_Valores.Limpa();
    limpa8(m_Valores8, 8);
    std::memset(m_Texto1, 0, sizeof m_Texto1);
    std::memset(m_Texto2, 0, sizeof m_Texto2);
}

void CItemNotaServicoCalculado::Limpa() {
    m_Valores.Limpa();
    limpa8(m_Valores8, 8);
    std::memset(m_Texto1, 0, sizeof m_Texto1);
    std::memset(m_Texto2, 0, sizeof m_Texto2);
}
