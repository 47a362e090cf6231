#include "base/CQVChaveOrigem.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "base/QVDataCurta.h"
#include "base/QVErroValor.h"

namespace {

constexpr const char* nomes_origem[qv_origem_maxima + 1] = {
    "",
    "Financeiro - Provisão de variação Cambial",
    "Vexa Fiscal - Entradas",
    "Vexa Patrimonial",
    "Financeiro - Contas a receber",
    "Comercial - Nota Fiscal",
    "Financeiro - Contas a pagar",
    "Estoque",
    "Financeiro - Tesouraria",
    "Vexa Fiscal - Saídas",
    "Vexa Fiscal - Serviços prestados",
    "Vexa Fiscal - Serviços tomados",
    "ECF - Cupom Fiscal",
    "Vexa Fiscal - Impostos",
    "Financeiro - Baixa contas a receber",
    "Financeiro - Baixa contas a pagar",
    "VexaFiscal - Rubricas",
    "Gerador de Lançamentos",
    "Compras - Registro de entradas",
    "Compras - Ordem de compra",
    "Compras - Conhecimento de transporte",
    "Origem: Importação",
    "Origem: Lote",
    "Comercial - Pedido",
    "Conciliação",
    "Compras - Solicitação de Cotação",
    "Folha - Pagamentos",
    "Folha - Décimo Terceiro",
    "Folha - Férias",
    "Folha - Rescisão",
    "ECF",
    "Gerenciador - Faturamento",
    "Custos",
    "Gerenciador - Acompanhamento de Serviços",
    "Gerenciador - Contratos",
    "Gerenciador - Adicional de Contrato",
    "Gerenciador - Faturamento",
    "Gerenciador - Assistência Técnica",
    "Gerenciador - Atendimento Técnico",
    "Compras - Cotação de Preços",
    "Comercial - DARF",
    "Estoque - MRP",
    "Compras - Solicitação de Compra",
    "Estoque - RI",
    "Produção - Apontamento da Produção",
    "Contábil",
    "Escrita Fiscal",
    "Folha",
    "Produção - Remessa para Industrialização",
    "Produção - Gestão da Manutenção",
    "Folha - Financeiro",
    "Produção - Ordem de Produção",
    "Produção - Agrupamento de OPs para RI",
    "Compras - Contrato de Compras",
    "Dorn - Arquivo Eletrônico",
    "QV ECF - Cupom Fiscal",
    "QV ECF - Mapa Resumo",
    "QV ECF - Nota Avulsa",
    "QV ECF - PVDAV",
    "Qualidade - Registro da Qualidade",
    "Produção - Ordem Mestra de Produção",
    "Qualidade - Apontamento de Não Conformidade",
    "",
    "Financeiro - Provisão de correção monetária",
    "Qualidade - Apontamento de Autocontrole",
    "Qualidade - Apontamento de Parada de Autocontrole",
    "NFC-e - Nota Fiscal de Consumidor Eletrônica",
};

const char* nome(unsigned origem) { return origem <= qv_origem_maxima ? nomes_origem[origem] : ""; }

void copy_out(const std::string& text, char* buffer, size_t size) {
    if (!buffer || size == 0) return;
    memset(buffer, 0, size);
    memcpy(buffer, text.data(), text.size() < size ? text.size() : size - 1);
}

void refuse_unless(bool fits) {
    if (!fits) valores::falha_origem();
}

constexpr uint64_t mask_tipo = 0x3;
constexpr uint64_t mask_origem = 0xFFFull << 2;
constexpr uint64_t mask_chave = 0xFFFFFFFFull << 14;
constexpr uint64_t mask_data = 0x3FFFFull << 46;

}  // namespace

CQVChaveOrigem::CQVChaveOrigem(uint32_t chave, unsigned origem, const CQVData& data) {
    SetData(data);
    SetChave(chave);
    SetNumeroOrigem(origem);
}

CQVChaveOrigem::CQVChaveOrigem(uint32_t chave, unsigned origem, const CQVMesAno& mesAno) {
    SetMesAno(mesAno);
    SetChave(chave);
    SetNumeroOrigem(origem);
}

void CQVChaveOrigem::SetTipoData(unsigned tipo) {
    refuse_unless(tipo <= 3);
    m_valor = (m_valor & ~mask_tipo) | tipo;
}

void CQVChaveOrigem::SetNumeroOrigem(unsigned origem) {
    refuse_unless(origem <= 0xFFF);
    m_valor = (m_valor & ~mask_origem) | static_cast<uint64_t>(origem) << 2;
}

void CQVChaveOrigem::SetChave(uint32_t chave) { m_valor = (m_valor & ~mask_chave) | static_cast<uint64_t>(chave) << 14; }

void CQVChaveOrigem::SetValorData(uint32_t valor) {
    // 18 bits hold day numbers up to 262143 (year 2565); a later one is refused, not cut.
    refuse_unless(valor <= 0x3FFFF);
    m_valor = (m_valor & ~mask_data) | static_cast<uint64_t>(valor) << 46;
}

void CQVChaveOrigem::SetDados(uint32_t chave, unsigned origem, uint32_t valorData, unsigned tipo) {
    refuse_unless(origem <= 0xFFF && valorData <= 0x3FFFF && tipo <= 3);
    SetChave(chave);
    SetNumeroOrigem(origem);
    SetValorData(valorData);
    SetTipoData(tipo);
}

void CQVChaveOrigem::SetData(const CQVData& data) {
    SetValorData(data.GetValor());
    SetTipoData(data.GetValor() != 0 ? tipo_dia : tipo_nenhum);
}

CQVData CQVChaveOrigem::GetData() const {
    const uint32_t valor = GetValorData();
    return CQVData(valor == 1 ? 0u : valor);
}

void CQVChaveOrigem::SetMesAno(const CQVMesAno& mesAno) {
    SetValorData(mesAno.GetValor());
    SetTipoData(mesAno.GetValor() != 0 ? tipo_mes_ano : tipo_nenhum);
}

CQVMesAno CQVChaveOrigem::GetMesAno() const {
    // A key of a day holds a day number, not a month index: its month is the date's.
    if (GetTipoData() == tipo_dia) return GetData().GetMesAno();
    const uint32_t baixo = GetValorData() & 0xFFFF;
    return CQVMesAno(static_cast<uint16_t>(baixo >= CQVMesAno::minimo && baixo <= CQVMesAno::maximo ? baixo : 0));
}

void CQVChaveOrigem::SetAno(unsigned short valor) {
    SetValorData(valor);
    SetTipoData(valor != 0 ? tipo_ano : tipo_nenhum);
}

void CQVChaveOrigem::SetOrigem(const QVOrigem& origem, unsigned tipo) {
    SetChave(origem.chave >> 8);
    SetNumeroOrigem(origem.chave & 0xFF);
    SetValorData(origem.mesAno);
    SetTipoData(tipo);
}

QVOrigem CQVChaveOrigem::GetOrigem() const {
    return QVMontaOrigem(GetChave(), GetNumeroOrigem(), static_cast<uint16_t>(GetValorData() & 0xFFFF));
}

bool CQVChaveOrigem::EhVazia() const { return GetChave() == 0 && GetNumeroOrigem() == 0 && GetValorData() == 0; }

bool CQVChaveOrigem::EhValida() const {
    if (EhVazia()) return false;
    const uint32_t valor = GetValorData();
    switch (GetTipoData()) {
        case tipo_ano:
            if (valor < 1848 || valor > 4717) return false;
            break;
        case tipo_mes_ano:
            if (valor < CQVMesAno::minimo || valor > CQVMesAno::maximo) return false;
            break;
        case tipo_dia:
            if (valor < CQVData::minimo || valor > CQVData::maximo) return false;
            break;
        default: break;
    }
    return GetNumeroOrigem() <= qv_origem_maxima && GetChave() != 0;
}

int CQVChaveOrigem::GetStatus() const { return EhVazia() ? 2 : (EhValida() ? 0 : 1); }

bool CQVChaveOrigem::SetValor64(uint64_t valor) {
    CQVChaveOrigem candidate;
    candidate.m_valor = valor;
    m_valor = candidate.EhValida() ? valor : 0;
    return m_valor == valor && candidate.EhValida();
}

void CQVChaveOrigem::FormataChave(char* buffer, size_t size) const {
    if (!buffer || size == 0) return;
    buffer[0] = '\0';
    if (size < 12) return;
    char mes[8];
    GetMesAno().Formata(mes, sizeof mes, 6, '\0');
    const std::string text = std::string(mes) + "-" + [this] {
        char n[16];
        snprintf(n, sizeof n, "%06lu", static_cast<unsigned long>(GetChave()));
        return std::string(n);
    }();
    copy_out(text, buffer, size);
}

CQVString CQVChaveOrigem::FormataChave() const {
    char buffer[24];
    FormataChave(buffer, sizeof buffer);
    return CQVString(buffer);
}

bool CQVChaveOrigem::LeChave(const char* texto) {
    m_valor = 0;
    if (!texto) return false;
    if (!*texto) return true;
    if (strlen(texto) != 11) return false;
    if (strcmp(texto, "0000-000000") == 0) return true;
    const std::string mes = std::string(texto, 2) + "/" + std::string(texto + 2, 2);
    CQVMesAno mesAno;
    if (!mesAno.SetTexto(mes.c_str(), 6, '/') || !mesAno.EhValido()) return false;
    const long numero = atol(texto + 5);
    if (numero < 1 || numero > 999999) return false;
    SetDados(static_cast<uint32_t>(numero), 0, mesAno.GetValor(), tipo_mes_ano);
    return true;
}

void CQVChaveOrigem::Descricao(char* buffer, size_t size) const {
    const unsigned origem = GetNumeroOrigem();
    std::string text;
    if (origem != 21 && origem != 22) text = "Módulo ";
    text += std::string(nome(origem)).substr(0, 50);
    if (origem != 24) {
        char date[16] = "";
        switch (GetTipoData()) {
            case tipo_ano:
                snprintf(date, sizeof date, "%04lu", static_cast<unsigned long>(GetValorData()));
                text += " - Ano: ";
                text += date;
                break;
            case tipo_mes_ano:
                GetMesAno().Formata(date, sizeof date, 6, '/');
                text += " - Mês/Ano: ";
                text += date;
                break;
            case tipo_dia:
                GetData().Formata(date, sizeof date, 1, '/');
                text += " - Data: ";
                text += date;
                break;
            default: break;
        }
    }
    text += " - Chave: " + std::to_string(GetChave());
    copy_out(text, buffer, size);
}

void QVNomeOrigem(unsigned origem, char* buffer, size_t size) { copy_out(nome(origem), buffer, size); }

CQVString QVNomeOrigem(unsigned origem) { return CQVString(nome(origem)); }

bool QVOrigemAlteravel(unsigned origem) { return origem == 17 || origem == 21 || origem == 22; }

QVOrigem QVMontaOrigem(uint32_t chave, unsigned origem, uint16_t mesAno) {
    refuse_unless(chave <= 0xFFFFFF && origem <= 0xFF);
    return QVOrigem{chave << 8 | origem, mesAno};
}

void QVSeparaOrigem(const QVOrigem& origem, uint32_t& chave, unsigned& numeroOrigem, uint16_t& mesAno) {
    chave = origem.chave >> 8;
    numeroOrigem = origem.chave & 0xFF;
    mesAno = origem.mesAno;
}

uint32_t QVCompactaOrigem(const QVOrigem& origem, uint16_t base) {
    const uint32_t chave = origem.chave >> 8;
    const unsigned numero = origem.chave & 0xFF;
    const int d = static_cast<int>(origem.mesAno) - static_cast<int>(base);
    refuse_unless(chave <= 0xFFFFF && numero <= 31 && d >= -63 && d <= 63);
    return chave << 12 | numero << 7 | (d < 0 ? 0x40u : 0u) | static_cast<uint32_t>(d < 0 ? -d : d);
}

QVOrigem QVExpandeOrigem(uint32_t codigo, uint16_t base) {
    const uint32_t v = codigo & 0x7F;
    const int mes = v <= 63 ? base + static_cast<int>(v) : base + (64 - static_cast<int>(v));
    return QVOrigem{(codigo >> 12) << 8 | (codigo >> 7 & 0x1F), static_cast<uint16_t>(mes)};
}

uint32_t QVMontaChaveMesAno(uint16_t mesAno, uint32_t chave) {
    refuse_unless(chave <= 0xFFFFF && mesAno <= 0xFFF);
    return chave << 12 | mesAno;
}

void QVSeparaChaveMesAno(uint32_t codigo, uint16_t& mesAno, uint32_t& chave) {
    mesAno = static_cast<uint16_t>(codigo & 0xFFF);
    chave = codigo >> 12;
}

CQVString QVFormataChaveMesAno(uint32_t codigo) {
    uint16_t mesAno = 0;
    uint32_t chave = 0;
    QVSeparaChaveMesAno(codigo, mesAno, chave);
    CQVString mes = QVFormataMesAno(mesAno, false);
    mes.Remove('/');
    CQVString text;
    text.Format("%s-%06lu", mes.c_str(), static_cast<unsigned long>(chave));
    return text;
}

CQVString QVFormataOrigem(const QVOrigem& origem) {
    CQVChaveOrigem chave;
    chave.SetOrigem(origem, CQVChaveOrigem::tipo_mes_ano);
    char buffer[129];
    chave.Descricao(buffer, sizeof buffer);
    return CQVString(buffer);
}
