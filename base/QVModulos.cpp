#include "base/QVModulos.h"

#include <iterator>

#include "base/qv_ansi_case.h"

namespace {

constexpr QVModulo modulos[] = {
    {"DF", "Tavon Empresarial", 3, 1999},
    {"CN", "Tavon Contábil", 4, 1999},
    {"ES", "Tavon Estoque", 15, 1999},
    {"FN", "Tavon Financeiro", 12, 1999},
    {"FT", "Tavon Comercial", 13, 1999},
    {"EF", "Vexa Fiscal", 6, 1999},
    {"CM", "Tavon Compras", 14, 2000},
    {"OR", "Tavon Orçamento", 10, 1999},
    {"GE", "Tavon Gerenciador", 11, 2002},
    {"CL", "Tavon Conciliação", 18, 1999},
    {"CX", "Tavon Caixa", 17, 1999},
    {"EC", "Tavon ECF", 19, 2003},
    {"AC", "Tavon Acesso", 8, 1999},
    {"PN", "Tavon Ponto", 7, 1999},
    {"CP", "Vexa Patrimonial", 5, 1999},
    {"FP", "Tavon Folha", 9, 2002},
    {"LL", "Tavon IRPJ Lalur", 0, 1999},
    {"IN", "Tavon IN86", 0, 1999},
    {"EX", "Tavon Executivo", 23, 2007},
    {"PP", "Tavon Produção", 24, 2008},
    {"GD", "Tavon GED", 25, 2008},
    {"GC", "Tavon Custos", 26, 2010},
    {"NF", "Tavon Dorn NF-e", 27, 2012},
    {"CF", "QV ECF", 28, 2013},
    {"CQ", "Tavon Qualidade", 29, 2013},
    {"RH", "Tavon Empresarial RH", 30, 2002},
    {"CE", "Tavon NFC-e", 31, 2013},
};
static_assert(std::size(modulos) == qv_numero_modulos);

const QVModulo* row(int modulo) {
    if (modulo < 1 || modulo > qv_numero_modulos) return nullptr;
    return &modulos[modulo - 1];
}

}  // namespace

std::string QVGetNomeModulo(int modulo) {
    const QVModulo* m = row(modulo);
    return m ? m->nome : "";
}

std::string QVGetSiglaModulo(int modulo) {
    const QVModulo* m = row(modulo);
    return m ? m->sigla : "";
}

int32_t QVGetIdModulo(int modulo) {
    const QVModulo* m = row(modulo);
    return m ? m->id : 0;
}

int32_t QVGetAnoModulo(int modulo) {
    const QVModulo* m = row(modulo);
    return m ? m->ano : 0;
}

int QVBuscaModuloPorSigla(const std::string& sigla) {
    for (int i = 0; i < qv_numero_modulos; ++i)
        if (qv_iguais_sem_caixa(sigla, modulos[i].sigla)) return i + 1;
    return -1;
}

int QVBuscaModuloPorId(int32_t id) {
    for (int i = 0; i < qv_numero_modulos; ++i)
        if (modulos[i].id == id) return i + 1;
    return -1;
}

int QVBuscaModuloPorNome(const std::string& nome) {
    for (int i = 0; i < qv_numero_modulos; ++i)
        if (qv_iguais_sem_caixa(nome, modulos[i].nome)) return i + 1;
    return -1;
}

const QVModulo* QVInicioTabelaModulos() { return std::begin(modulos); }
const QVModulo* QVFimTabelaModulos() { return std::end(modulos); }
