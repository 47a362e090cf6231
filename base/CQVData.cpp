#include "base/CQVData.h"

#include <cstdio>
#include <cstring>
#include <ctime>

#include "base/CQVMesAno.h"
#include "base/QVDataTexto.h"
#include "base/QVErroValor.h"
#include "base/QVRelogio.h"

SYSTEMTIME qv_local_now() { return GetCurrentTime_LocalTime(); }   // the server's clock (QV_DATETIME)

int qv_current_year() { return GetCurrentTime_LocalTime().wYear; }   // the server's clock (QV_DATETIME)

int qv_ano_completo(int ano, int ano_atual) {
    if (ano < 0 || ano >= 100) return ano;
    const int seculo = ano_atual - ano_atual % 100;
    return ano <= ano_atual % 100 + 1 ? seculo + ano : seculo - 100 + ano;
}

int qv_ano_completo(int ano) {
    if (ano < 0 || ano >= 100) return ano;
    return qv_ano_completo(ano, qv_current_year());
}

int qv_ultimo_ano_dois_digitos() { return qv_current_year() + 1; }

bool qv_bissexto(int ano) { return ano % 4 == 0 && (ano % 100 != 0 || ano % 400 == 0); }

int qv_dias_no_mes(int mes, int ano) {
    static constexpr int dias[] = {0, 31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31, 31};
    if (mes < 1 || mes > 13) return 0;
    return mes == 2 && !qv_bissexto(ano) ? 28 : dias[mes];
}

namespace {

// Days since 1970-01-01 of a proleptic Gregorian date (H. Hinnant's algorithm).
constexpr int64_t days_from_civil(int64_t y, int m, int d) {
    y -= m <= 2;
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const int64_t yoe = y - era * 400;
    const int64_t doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

constexpr int64_t day_two = days_from_civil(1848, 1, 1);

}  // namespace

uint32_t qv_numero_dia(int dia, int mes, int ano) {
    if (dia < 1 || mes < 1 || mes > 12 || ano < 1848 || ano > 4717) return 0;
    const int limite = qv_dias_no_mes(mes, ano);
    if (dia > limite) dia = limite;
    return static_cast<uint32_t>(days_from_civil(ano, mes, dia) - day_two + 2);
}

bool qv_separa_dia(uint32_t numero, int& dia, int& mes, int& ano) {
    dia = mes = ano = 0;
    if (numero < CQVData::minimo || numero > CQVData::maximo) return false;
    int64_t z = static_cast<int64_t>(numero) - 2 + day_two + 719468;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const int64_t doe = z - era * 146097;
    const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const int64_t mp = (5 * doy + 2) / 153;
    dia = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    mes = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    ano = static_cast<int>(yoe + era * 400 + (mes <= 2));
    return true;
}

void CQVData::SetData(int dia, int mes, int ano) { m_numero = qv_numero_dia(dia, mes, qv_ano_completo(ano)); }

bool CQVData::GetData(int& dia, int& mes, int& ano) const { return qv_separa_dia(m_numero, dia, mes, ano); }

bool CQVData::SetValor(uint32_t numero) {
    if (numero == 0 || (numero >= minimo && numero <= maximo)) {
        m_numero = numero;
        return true;
    }
    m_numero = 0;
    return false;
}

void CQVData::SetDataCurta(uint16_t curta) { m_numero = curta >= minimo_curto ? curta : 0; }

uint16_t CQVData::GetDataCurta() const {
    if (m_numero > maximo_curto) valores::falha_data(valores::texto_data_curta);
    return static_cast<uint16_t>(m_numero);
}

void CQVData::SetDataAntiga(uint16_t antiga) {
    // The old numbering has a 29/02/1900 (18322); from there on it runs one day ahead.
    m_numero = antiga == 0 ? 0 : (antiga < 18322 ? antiga + 732u : antiga + 731u);
}

bool CQVData::SetTexto(const char* texto) {
    int dia = 0, mes = 0, ano = 0;
    const bool ok = qv_analisa_data(texto, &dia, &mes, &ano, true);
    SetData(dia, mes, ano);
    return ok;
}

void CQVData::SetTime(int64_t t) {
    m_numero = 0;
    if (t == 0) return;
    const __time64_t value = t;
    struct tm local {};
    if (_localtime64_s(&local, &value) != 0) return;
    SetData(local.tm_mday, local.tm_mon + 1, local.tm_year + 1900);
}

void CQVData::Hoje() {
    const SYSTEMTIME now = qv_local_now();
    SetData(now.wDay, now.wMonth, now.wYear);
}

int CQVData::GetDia() const {
    int d, m, a;
    GetData(d, m, a);
    return d;
}

int CQVData::GetMes() const {
    int d, m, a;
    GetData(d, m, a);
    return m;
}

int CQVData::GetAno(bool quatroDigitos) const {
    int d, m, a;
    GetData(d, m, a);
    return quatroDigitos ? a : a % 100;
}

void CQVData::SetDia(int dia) {
    int d, m, a;
    GetData(d, m, a);
    SetData(dia, m, a);
}

void CQVData::SetMes(int mes) {
    int d, m, a;
    GetData(d, m, a);
    SetData(d, mes, a);
}

void CQVData::SetAno(int ano) {
    int d, m, a;
    GetData(d, m, a);
    SetData(d, m, ano);
}

CQVData& CQVData::PrimeiroDia() {
    SetDia(1);
    return *this;
}

CQVData& CQVData::UltimoDia() {
    SetDia(31);
    return *this;
}

CQVData CQVData::PrimeiroDia(const CQVData& data) {
    CQVData copia(data);
    return copia.PrimeiroDia();
}

CQVData CQVData::UltimoDia(const CQVData& data) {
    CQVData copia(data);
    return copia.UltimoDia();
}

void CQVData::AdicionaDias(int32_t n) {
    const int64_t numero = static_cast<int64_t>(m_numero) + n;
    m_numero = numero >= minimo && numero <= maximo ? static_cast<uint32_t>(numero) : 0;
}

void CQVData::AdicionaMeses(int n) {
    int d, m, a;
    GetData(d, m, a);
    CQVMesAno mes = GetMesAno();
    mes.AdicionaMeses(n);
    int novoMes = 0, novoAno = 0;
    if (!mes.GetMesAno(novoMes, novoAno)) {
        m_numero = 0;
        return;
    }
    m_numero = qv_numero_dia(d, novoMes, novoAno);
}

void CQVData::AdicionaAnos(int n) {
    if (n == 0) return;
    SetAno(GetAno(true) + n);
}

void CQVData::AdicionaAnos(CURRENCY x) {
    if (x.int64 == 0) return;
    // Far beyond the range of dates: the result is no date (and nothing overflows).
    if (x.int64 > 100000000000LL || x.int64 < -100000000000LL) {
        m_numero = 0;
        return;
    }
    AdicionaMeses(static_cast<int>(x.int64 % 10000 * 12 / 10000));
    SetAno(GetAno(true) + static_cast<int>(x.int64 / 10000));
}

void CQVData::AdicionaHoras(long h) {
    if (h == 0) return;
    AdicionaDias(h / 24);
}

void CQVData::AdicionaHoras(CURRENCY x) {
    if (x.int64 == 0) return;
    const int64_t dias = x.int64 / 10000 / 24;
    if (dias > INT32_MAX || dias < INT32_MIN) {
        m_numero = 0;
        return;
    }
    AdicionaDias(static_cast<int32_t>(dias));
}

void CQVData::Adiciona(CURRENCY x, int unidade) {
    if (x.int64 == 0) return;
    if (unidade >= 2 && unidade <= 4 && (x.int64 > 10000000000000LL || x.int64 < -10000000000000LL)) {
        m_numero = 0;  // millions of years: no date, and no overflow on the way
        return;
    }
    switch (unidade) {
        case 1: AdicionaAnos(x); break;
        case 2:
            AdicionaMeses(static_cast<int>(x.int64 / 10000));
            AdicionaDias(static_cast<int32_t>(x.int64 % 10000 * 30 / 10000));
            break;
        case 3: AdicionaDias(static_cast<int32_t>(x.int64 * 7 / 10000)); break;
        case 4: AdicionaDias(static_cast<int32_t>(x.int64 / 10000)); break;
        case 5: AdicionaHoras(x); break;
        default: break;
    }
}

CQVMesAno CQVData::GetMesAno() const {
    int d, m, a;
    CQVMesAno mes;
    if (GetData(d, m, a)) mes.SetMesAno(m, a);
    return mes;
}

void CQVData::SetMesAnoDia(const CQVMesAno& mesAno, int dia) {
    int m = 0, a = 0;
    mesAno.GetMesAno(m, a);
    SetData(dia, m, a);
}

int CQVData::DiaDaSemana() const { return EhValida() ? static_cast<int>((m_numero + 4) % 7 + 1) : 0; }

void CQVData::NomeDiaDaSemana(char* buffer, size_t size, bool abreviado) const {
    static constexpr const char* nomes[] = {"Domingo",     "Segunda-feira", "Terça-feira", "Quarta-feira",
                                            "Quinta-feira", "Sexta-feira",  "Sábado"};
    if (!buffer || size == 0) return;
    memset(buffer, 0, size);
    const int dia = DiaDaSemana();
    if (dia == 0) return;
    const size_t limite = abreviado && size >= 5 ? 3 : size - 1;
    strncpy(buffer, nomes[dia - 1], limite);
}

CQVString CQVData::NomeDiaDaSemana(bool abreviado) const {
    char buffer[16];
    NomeDiaDaSemana(buffer, sizeof buffer, abreviado);
    return CQVString(buffer);
}

void CQVData::Formata(char* buffer, size_t size, int codigo, char separador, bool alarga) const {
    int d, m, a;
    GetData(d, m, a);
    qv_formata_codigo(buffer, size, d, m, a, codigo, separador, alarga);
}

CQVString CQVData::Formata(int codigo, char separador) const {
    char buffer[12];
    Formata(buffer, sizeof buffer, codigo, separador, false);
    return CQVString(buffer);
}

int CQVData::GetStatus() const { return m_numero == 0 ? 2 : (EhValida() ? 0 : 1); }

bool CQVData::GetOleDateTime(DATE& oleDate) const {
    if (m_numero == 0) {
        oleDate = 0.0;
        return true;
    }
    if (!EhValida()) return false;
    oleDate = static_cast<double>(m_numero) - 18993.0;
    return true;
}
