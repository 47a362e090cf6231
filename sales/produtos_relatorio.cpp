#include "sales/produtos_relatorio.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "platform/com/text.h"
#include "platform/com/wire_pointer.h"
#include "platform/inhouse/acesso/QVAcesso.h"
#include "server/holders/CPoolConexoes.h"

namespace sales {

namespace {
constexpr char tipo_todos = 'T';
constexpr WORD tabela_produto = 1;
}  // namespace

bool produtos_relatorio::Adiciona(BSTR bsProduto, BSTR bsGrade1, BSTR bsGrade2, BSTR bsGrade3) {
    auto* pool = server::CPoolConexoes::GetInstancia();
    inhouse::CHAVE_PRODUTO_RELATORIO chave{};
    _REG_PRODUTOPS produto{};
    long ponteiro = 0;
    pool->GetMyConexaoProduto()->ExisteProduto(com::from_bstr(bsProduto).c_str(), tipo_todos, tabela_produto,
                                               &ponteiro, &produto);
    chave.produto = static_cast<uint32_t>(ponteiro);
    const WORD grades[3] = {produto.grade1, produto.grade2, produto.grade3};
    const BSTR codigos[3] = {bsGrade1, bsGrade2, bsGrade3};
    CConexaoGradesProduto* conexao = pool->GetConexaoGradesProduto();
    for (int i = 0; i < 3; ++i) {
        _REG_GRADES_PRODUTOPS grade{};
        _REG_ITENS_GRADE_PRODUTOPS item{};
        conexao->LeGrade(grades[i], &grade);
        WORD posicao_item = 0;
        conexao->ExisteItemGrade(grade.codigo, com::from_bstr(codigos[i]).c_str(), &posicao_item, &item);
        chave.itens_grade[i] = posicao_item;
    }
    const bool repetida = std::any_of(m_chaves.begin(), m_chaves.end(), [&](const auto& c) {
        return std::memcmp(&c, &chave, sizeof chave) == 0;
    });
    if (repetida) return false;
    m_chaves.push_back(chave);
    return true;
}

bloco_chaves::bloco_chaves(const std::vector<inhouse::CHAVE_PRODUTO_RELATORIO>& chaves) {
    const size_t tamanho = chaves.size() * sizeof(inhouse::CHAVE_PRODUTO_RELATORIO);
    m_bloco.reset(CoTaskMemAlloc(tamanho ? tamanho : 1));
    if (!m_bloco) throw std::bad_alloc();
    if (tamanho) std::memcpy(m_bloco.get(), chaves.data(), tamanho);
    m_emprestimo.emplace(m_bloco.get());
}

}  // namespace sales
