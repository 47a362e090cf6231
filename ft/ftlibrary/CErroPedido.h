#pragma once
// The order model's refusal: a code the callers turn into their own message (no texts here).
//   1  the products discount is not below the products total (SetDesconto)
//   2  the services discount is not below the services total (SetDescontoServicos)
#include <cstdint>

class CErroPedido {
public:
    static constexpr int16_t DescontoProdutos = 1;
    static constexpr int16_t DescontoServicos = 2;

    virtual ~CErroPedido() = default;
    void Limpa() {
        m_posicao = -1;
        m_codigo = 0;
    }
    void SetErro(int16_t codigo) { m_codigo = codigo; }
    int16_t GetCodigo() const { return m_codigo; }
    int16_t GetPosicao() const { return m_posicao; }

private:
    int16_t m_posicao = -1;
    int16_t m_codigo = 0;
};
