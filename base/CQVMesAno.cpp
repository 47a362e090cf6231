#include "base/CQVMesAno.h"

#include <string>

#include "base/QVDataTexto.h"

void CQVMesAno::SetMesAno(int mes, int ano) {
    ano = qv_ano_completo(ano);
    m_indice = mes >= 1 && mes <= 12 && ano >= 1848 && ano <= 4717
                   ? static_cast<uint16_t>((ano - 1848) * 12 + mes)
                   : 0;
}

bool CQVMesAno::GetMesAno(int& mes, int& ano) const {
    mes = ano = 0;
    if (m_indice == 0 || m_indice > maximo) return false;
    ano = m_indice / 12;
    mes = m_indice - 12 * ano;
    if (mes == 0) {
        mes = 12;
        --ano;
    }
    ano += 1848;
    return true;
}

bool CQVMesAno::SetValor(uint32_t indice) {
    if (indice <= maximo) {
        m_indice = static_cast<uint16_t>(indice);
        return true;
    }
    m_indice = 0;
    return false;
}

void CQVMesAno::SetMesAnoCurto(uint16_t indice) {
    const int ultimo = (qv_ultimo_ano_dois_digitos() - 1848) * 12 + 12;
    m_indice = indice >= minimo_curto && indice <= ultimo ? indice : 0;
}

void CQVMesAno::SetMesAnoAntigo(uint16_t indice) {
    m_indice = indice >= 1 && indice <= 2154 ? static_cast<uint16_t>(indice + 24) : 0;
}

int CQVMesAno::GetMes() const {
    int m, a;
    GetMesAno(m, a);
    return m;
}

int CQVMesAno::GetAno(bool quatroDigitos) const {
    int m, a;
    GetMesAno(m, a);
    return quatroDigitos ? a : a % 100;
}

void CQVMesAno::SetMes(int mes) {
    int m, a;
    if (!GetMesAno(m, a)) {
        m_indice = 0;
        return;
    }
    SetMesAno(mes, a);
}

void CQVMesAno::SetAno(int ano) {
    int m, a;
    if (!GetMesAno(m, a)) {
        m_indice = 0;
        return;
    }
    SetMesAno(m, ano);
}

void CQVMesAno::AdicionaMeses(int n) {
    const int64_t indice = static_cast<int64_t>(m_indice) + n;
    m_indice = indice >= 0 && indice <= maximo ? static_cast<uint16_t>(indice) : 0;
}

CQVData CQVMesAno::GetDataInicial() const { return GetData(1); }
CQVData CQVMesAno::GetDataFinal() const { return GetData(31); }

CQVData CQVMesAno::GetData(int dia) const {
    CQVData data;
    data.SetMesAnoDia(*this, dia);
    return data;
}

void CQVMesAno::MesAtual() {
    const SYSTEMTIME now = qv_local_now();
    SetMesAno(now.wMonth, now.wYear);
}

bool CQVMesAno::SetTexto(const char* texto) {
    int mes = 0, ano = 0;
    const bool ok = qv_analisa_data(texto, nullptr, &mes, &ano, false);
    SetMesAno(mes, ano);
    return ok;
}

bool CQVMesAno::SetTexto(const char* texto, bool comBarra) {
    if (comBarra || !texto) return SetTexto(texto);
    std::string com(texto);
    com.insert(com.size() < 2 ? com.size() : 2, "/");
    return SetTexto(com.c_str());
}

namespace {

std::string trimmed(const std::string& s) {
    const size_t first = s.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

bool all_digits(const std::string& s) {
    if (s.empty() || s.size() > 9) return false;
    for (char c : s)
        if (c < '0' || c > '9') return false;
    return true;
}

}  // namespace

bool CQVMesAno::SetTexto(const char* texto, int codigo, char separador) {
    m_indice = 0;
    if (!texto || !*texto) return true;
    std::string tokens[3];
    int count = 0;
    std::string rest(texto);
    for (;;) {
        const size_t at = rest.find(separador);
        if (count == 3) return false;
        tokens[count++] = trimmed(rest.substr(0, at));
        if (at == std::string::npos) break;
        rest.erase(0, at + 1);
    }
    if (count == 3 && !tokens[2].empty()) return false;
    if (count < 2 || !all_digits(tokens[0]) || !all_digits(tokens[1])) return false;
    int mes, ano;
    if (codigo == 6 || codigo == 7) {
        mes = std::stoi(tokens[0]);
        ano = std::stoi(tokens[1]);
    } else if (codigo == 8 || codigo == 9) {
        ano = std::stoi(tokens[0]);
        mes = std::stoi(tokens[1]);
    } else {
        return false;
    }
    ano = qv_ano_completo(ano);
    if (ano < 1848 || ano > 4717 || mes < 1 || mes > 12) return false;
    SetMesAno(mes, ano);
    return true;
}

void CQVMesAno::Formata(char* buffer, size_t size, int codigo, char separador, bool alarga) const {
    // A date code asks for the month text of the same order.
    static constexpr int de_data[] = {6, 7, 6, 7, 8, 9};
    if (codigo >= 0 && codigo <= 5) codigo = de_data[codigo];
    int m, a;
    GetMesAno(m, a);
    qv_formata_codigo(buffer, size, 0, m, a, codigo, separador, alarga);
}

CQVString CQVMesAno::Formata(int codigo, char separador) const {
    char buffer[10];
    Formata(buffer, sizeof buffer, codigo, separador, false);
    return CQVString(buffer);
}

int CQVMesAno::GetStatus() const { return m_indice == 0 ? 2 : (EhValido() ? 0 : 1); }
