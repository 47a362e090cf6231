#include "base/CQVQuemGerou.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "base/QVErroValor.h"

CQVQuemGerou::CQVQuemGerou(uint32_t chaveMesAno, unsigned origem) {
    uint16_t mesAno = 0;
    uint32_t chave = 0;
    QVSeparaChaveMesAno(chaveMesAno, mesAno, chave);
    SetDados(chave, origem, mesAno, tipo_mes_ano);
}

CQVString CQVQuemGerou::GetTexto64() const { return CQVString(std::to_string(GetValor64())); }

uint32_t CQVQuemGerou::GetChaveMesAno() const { return QVMontaChaveMesAno(GetMesAno().GetValor(), GetChave()); }

CQVString CQVQuemGerou::Descricao() const {
    char buffer[129];
    Descricao(buffer, sizeof buffer);
    return CQVString(buffer);
}

CQVString CQVQuemGerou::Formata() const {
    static constexpr const char* tipos[] = {"Nenhum", "Ano", "MA", "DMA"};
    const unsigned tipo = GetTipoData();
    char data[16] = "";
    const CQVMesAno mes(static_cast<uint16_t>(GetValorData() <= 0xFFFF ? GetValorData() : 0));
    if (tipo == tipo_mes_ano && GetValorData() <= CQVMesAno::maximo && mes.EhValido()) {
        mes.Formata(data, sizeof data, 7, '/');
    } else if (tipo == tipo_dia && GetData().EhValida()) {
        GetData().Formata(data, sizeof data, 1, '/');
    } else {
        snprintf(data, sizeof data, "%lu", static_cast<unsigned long>(GetValorData()));
    }
    const CQVString nome = QVNomeOrigem(GetNumeroOrigem());
    CQVString text;
    text.Format("%s - %s - %lu - %u%s", tipos[tipo], data, static_cast<unsigned long>(GetChave()),
                GetNumeroOrigem(), nome.empty() ? "" : (" (" + nome + ")").c_str());
    return text;
}

namespace {

uint32_t digits_value(const std::string& s) {
    uint64_t v = 0;
    for (char c : s) {
        if (c < '0' || c > '9') continue;
        v = v * 10 + static_cast<unsigned>(c - '0');
        if (v > 0xFFFFFFFFu) valores::falha_origem();
    }
    return static_cast<uint32_t>(v);
}

}  // namespace

CQVQuemGerou CQVQuemGerou::LeTexto(const char* texto) {
    CQVQuemGerou stamp;
    if (!texto || !*texto) return stamp;
    std::string s;
    for (const char* at = texto; *at; ++at)
        if (*at != ' ') s.push_back(*at);
    std::vector<std::string> pieces;
    for (size_t from = 0;;) {
        const size_t at = s.find('-', from);
        pieces.push_back(s.substr(from, at == std::string::npos ? std::string::npos : at - from));
        if (at == std::string::npos) break;
        from = at + 1;
    }
    unsigned tipo = tipo_nenhum;
    const std::string& kind = pieces[0];
    if (kind == "Nenhum" || kind == "0") tipo = tipo_nenhum;
    else if (kind == "Ano" || kind == "1") tipo = tipo_ano;
    else if (kind == "MA" || kind == "2") tipo = tipo_mes_ano;
    else if (kind == "DMA" || kind == "3") tipo = tipo_dia;

    uint32_t valorData = 0;
    if (pieces.size() > 1) {
        const std::string& date = pieces[1];
        if (tipo == tipo_mes_ano) {
            CQVMesAno mes;
            if (date.find('/') != std::string::npos) mes.SetTexto(date.c_str(), true);
            else mes.SetValor(digits_value(date));
            valorData = mes.GetValor();
        } else if (tipo == tipo_dia) {
            CQVData dia;
            if (date.find('/') != std::string::npos) dia.SetTexto(date.c_str());
            else dia.SetValor(static_cast<uint32_t>(atol(date.c_str())));
            valorData = dia.GetValor();
        } else {
            valorData = digits_value(date);
        }
    }
    const uint32_t chave = pieces.size() > 2 ? static_cast<uint32_t>(strtoul(pieces[2].c_str(), nullptr, 10)) : 0;
    // The origin's digits come before the name in brackets.
    const uint32_t origem = pieces.size() > 3 ? digits_value(pieces[3].substr(0, pieces[3].find('('))) : 0;
    stamp.SetDados(chave, origem, valorData, tipo);
    return stamp;
}
