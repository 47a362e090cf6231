#include "sales/pedido_cadastros.h"

#include <algorithm>
#include <cctype>

#include "platform/com/com_ptr.h"
#include "platform/inhouse/core/registros_sessao.h"
#include "server/holders/CBufferCFRT.h"
#include "server/holders/CCacheServidores.h"
#include "server/holders/CPoolConexoes.h"

namespace sales {

namespace {

server::CPoolConexoes& pool() { return *server::CPoolConexoes::GetInstancia(); }

// The module the nature look-ups of an order name.
constexpr BYTE modulo_pedido = 13;

std::string maiusculas(std::string texto) {
    std::transform(texto.begin(), texto.end(), texto.begin(), [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return texto;
}

}  // namespace

CBufferCFRT& buffer_cfrt() {
    CBufferCFRT& buffer = *server::CCacheServidores::GetInstancia()->GetBufferCFRT();
    if (!buffer.GetServidorCadastro()) buffer.Inicializa(buffer.GetEmpresa(), buffer.GetUsuario(), buffer.GetSessao());
    return buffer;
}

bool le_cliente(const std::string& codigo, int32_t& posicao, QVCFRT& cliente) {
    _RegContaPS conta{};
    DWORD ponteiro = 0;
    if (!pool().GetConexaoPlanoContabil()->Existe(codigo.c_str(), &ponteiro, &conta)) return false;
    posicao = static_cast<int32_t>(ponteiro);
    cliente = {};
    cliente.posicao_plano = posicao;
    // An account without a register record leaves the record as the read left it.
    buffer_cfrt().Le(&cliente, 0);
    cliente.posicao_plano = posicao;
    return true;
}

int32_t posicao_conta(const std::string& codigo) {
    if (codigo.empty()) return 0;
    _RegContaPS conta{};
    DWORD ponteiro = 0;
    return pool().GetConexaoPlanoContabil()->Existe(codigo.c_str(), &ponteiro, &conta) ? static_cast<int32_t>(ponteiro) : 0;
}

uint32_t posicao_operacao(const std::string& codigo) {
    _REG_DFSNTF_OPERACOES_COMERCIAIS_PS registro{};
    DWORD posicao = 0;
    return SUCCEEDED(pool().GetConexaoOpComerciais()->Existe(codigo.c_str(), &posicao, &registro)) ? posicao : 0;
}

uint16_t posicao_natureza(const std::string& codigo, uint16_t filial, uint16_t dia) {
    inhouse::REG_NATUREZA registro{};
    WORD posicao = 0;
    const HRESULT hr =
        pool().GetConexaoNatureza()->Existe(codigo.c_str(), dia, filial, modulo_pedido, &posicao, &registro);
    return SUCCEEDED(hr) ? posicao : 0;
}

uint32_t posicao_tipo_cobranca(const std::string& codigo) {
    _REG_DOCUMENTOPS registro{};
    DWORD posicao = 0;
    return pool().GetConexaoTipoCobranca()->Existe(codigo.c_str(), &posicao, &registro) ? posicao : 0;
}

uint16_t posicao_condicao(const std::string& codigo) {
    _REG_COND_PAGTOPS registro{};
    WORD posicao = 0;
    return pool().GetConexaoCondicaoPagamento()->Existe(codigo.c_str(), &posicao, &registro) ? posicao : 0;
}

bool parametro_comercial(size_t offset, BYTE& valor) {
    com::com_ptr<IQVFT_MestreComercial> mestre = server::CCacheServidores::GetInstancia()->GetServidorMestreComercial();
    if (!mestre) return false;
    BYTE* parametros = nullptr;
    // The server lends its own record: it stays the server's.
    if (FAILED(mestre->Parametros(&parametros)) || !parametros) return false;
    valor = parametros[offset];
    return true;
}

bool tabela_precos(const std::string& codigo, uint16_t& posicao) {
    _REG_TABELA_PRECOSPS tabela{};
    long ponteiro = 0;
    if (pool().GetMyConexaoProduto()->ExisteTabelaPreco(codigo.c_str(), 'V', &ponteiro, &tabela) != 1) return false;
    posicao = static_cast<uint16_t>(ponteiro);
    return true;
}

bool produto(const std::string& codigo, uint16_t tabela, int32_t& posicao, _REG_PRODUTOPS& registro) {
    long ponteiro = 0;
    registro = {};
    if (pool().GetMyConexaoProduto()->ExisteProduto(codigo.c_str(), 'A', tabela, &ponteiro, &registro) != 1) return false;
    posicao = static_cast<int32_t>(ponteiro);
    return true;
}

bool itens_grade(const std::string& codigo, const std::string (&grades)[3], uint16_t tabela, uint16_t (&itens)[3]) {
    itens[0] = itens[1] = itens[2] = 0;
    _REG_PRODUTOPS registro{};
    int32_t posicao = 0;
    if (!produto(codigo, tabela, posicao, registro)) return false;
    const WORD chaves[3] = {registro.grade1, registro.grade2, registro.grade3};
    CConexaoGradesProduto& grades_produto = *pool().GetConexaoGradesProduto();
    for (int n = 0; n < 3; ++n) {
        if (chaves[n] == 0) continue;
        _REG_GRADES_PRODUTOPS grade{};
        if (FAILED(grades_produto.LeGrade(chaves[n], &grade))) return false;
        _REG_ITENS_GRADE_PRODUTOPS item{};
        WORD posicao_item = 0;
        // The grid's items are kept under the grid's position, the header's first field.
        if (grades_produto.ExisteItemGrade(grade.ponteiro, maiusculas(grades[n]).c_str(), &posicao_item, &item) == 1)
            itens[n] = posicao_item;
    }
    return true;
}

std::string descricao_item_grade(uint16_t grade, uint16_t item) {
    if (grade == 0 || item == 0) return {};
    _REG_ITENS_GRADE_PRODUTOPS registro{};
    if (FAILED(pool().GetConexaoGradesProduto()->LeItemGrade(grade, item, &registro))) return {};
    return std::string(inhouse::texto_campo(registro.descricao));
}

}  // namespace sales
