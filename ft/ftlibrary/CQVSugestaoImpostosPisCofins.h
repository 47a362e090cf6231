#pragma once
// The PIS and COFINS rates and tax situations of a product item: first a line of the rates file
// "QVAliquotasPisCofins.txt" in the registers folder that matches the branch and the operation
// nature (CFOP), else the product server's rule; then the tax situations adjusted to the kind of
// operation.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>

#include "ft/ftlibrary/CServidoresNotaFiscal.h"
#include "ft/ftlibrary/registros_nota_fiscal.h"
#include "ft/ftlibrary/registros_pedido.h"
#include "platform/inhouse/produtos/registros_produto.h"

inline constexpr char ArquivoAliquotasPisCofins[] = "QVAliquotasPisCofins.txt";
// The longest line of the rates file; a longer line is refused, never cut.
inline constexpr size_t TamanhoMaximoLinhaPisCofins = 999;

// The line of the rates file that matched.
struct RESULTADO_ARQUIVO_PIS_COFINS {
    uint16_t CSTPIS1 = 0;
    int64_t AliquotaPIS1 = 0;         // money, 4 implied decimals
    uint16_t CSTPIS2 = 0;
    int64_t AliquotaPIS2 = 0;
    uint8_t ImpostoPIS = 1;
    uint8_t EntradaPIS = 0;
    uint16_t CSTCOFINS1 = 0;
    int64_t AliquotaCOFINS1 = 0;
    uint16_t CSTCOFINS2 = 0;
    int64_t AliquotaCOFINS2 = 0;
    uint8_t ImpostoCOFINS = 2;
    uint8_t EntradaCOFINS = 0;
    uint16_t Chave = 0;
    std::string CFOP;
    uint8_t ByteLinha = 0;
    int32_t Codigo = 0;               // looked up through the product server
    HRESULT ErroCodigo = S_OK;        // the failure of that look-up

    void Limpa() { *this = RESULTADO_ARQUIVO_PIS_COFINS{}; }
};

class CQVSugestaoImpostosPisCofins {
public:
    CQVSugestaoImpostosPisCofins() = default;
    virtual ~CQVSugestaoImpostosPisCofins() = default;

    void SetAjustaCST(int32_t ajusta) { m_AjustaCST = ajusta; }
    void SetAlternativa(int32_t alternativa) { m_Alternativa = alternativa; }
    void SetChaveArquivo(uint16_t chave) { m_ChaveArquivo = chave; }
    void SetChaveServidor(uint16_t chave) { m_ChaveServidor = chave; }

    // 1 when a line of the rates file matches the key and the nature's CFOP, else 0.
    int32_t LeArquivo(CServidorPisCofins& servidor, uint16_t chave, const _REG_NATUREZAPS& natureza,
                      RESULTADO_ARQUIVO_PIS_COFINS& resultado);
    // Fills the PIS/COFINS fields of the item's tax record; a failure of the product server is
    // returned.
    HRESULT Sugere(CServidorPisCofins& servidor, const _REG_PRODUTOPS& produto, const _REG_NATUREZAPS& natureza,
                   REG_IMPOSTOS_PRODUTO_NF& item);

    // The registers folder the file is read from (empty: the installation's).
    std::string m_PastaCadastros;
    // Today's day number (empty: the clock's).
    std::function<uint16_t()> m_Hoje;

private:
    int32_t m_AjustaCST = 0;
    int32_t m_Alternativa = 0;
    uint16_t m_ChaveArquivo = 0;
    uint16_t m_ChaveServidor = 0;
};
