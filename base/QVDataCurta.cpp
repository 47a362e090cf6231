#include "base/QVDataCurta.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "base/CQVData.h"
#include "base/CQVMesAno.h"
#include "base/QVErroValor.h"

namespace {

uint16_t curta(uint32_t numero) {
    if (numero > CQVData::maximo_curto) valores::falha_data(valores::texto_data_curta);
    return static_cast<uint16_t>(numero);
}

// A date text read by its first characters starts at its first non-blank: blanks in front
// ("     28/12/2004") must not push the year's last digit past the limit.
const char* skip_blanks(const char* texto) {
    while (texto && (*texto == ' ' || *texto == '\t')) ++texto;
    return texto;
}

// The digits of the first `limit` characters.
std::string digits_of(const char* texto, size_t limit) {
    std::string out;
    if (!texto) return out;
    for (size_t i = 0; i < limit && texto[i]; ++i)
        if (texto[i] >= '0' && texto[i] <= '9') out.push_back(texto[i]);
    return out;
}

int number_at(const std::string& digits, size_t from, size_t count) {
    int n = 0;
    for (size_t i = from; i < from + count && i < digits.size(); ++i) n = n * 10 + (digits[i] - '0');
    return n;
}

void copy_out(const char* text, char* buffer, size_t size) {
    if (!buffer || size == 0) return;
    const size_t n = strnlen(text, size - 1);
    memcpy(buffer, text, n);
    buffer[n] = '\0';
}

// "d/m/y" with one or two digits for day and month: the fields between the two slashes, so that
// an unpadded "1/1/2024" is not misread by digit positions as 10/12/20. False when the text is
// not made of three digit fields (the digit-position reading applies then).
bool split_fields(const char* texto, size_t limit, int* values, int* widths, int count) {
    if (!texto) return false;
    int field = 0;
    values[0] = widths[0] = 0;
    for (size_t i = 0; i < limit && texto[i]; ++i) {
        const char c = texto[i];
        if (c == '/') {
            if (widths[field] == 0 || ++field == count) return false;
            values[field] = widths[field] = 0;
        } else if (c >= '0' && c <= '9') {
            if (++widths[field] > 4) return false;
            values[field] = values[field] * 10 + (c - '0');
        } else if (c != ' ' && c != '\t') {
            return false;
        }
    }
    return field == count - 1 && widths[field] > 0;
}

// Old numbering: days before each month with a 29-day February.
constexpr int old_days_before[] = {0, 0, 31, 60, 91, 121, 152, 182, 213, 244, 274, 305, 335};

bool old_leap(int ano) { return ano % 4 == 0; }

uint32_t old_number(int dia, int mes, int ano) {
    if (mes < 1 || mes > 12 || dia < 1 || ano < 1850) return 0;
    const int limite = mes == 2 ? (old_leap(ano) ? 29 : 28) : qv_dias_no_mes(mes, 2000);
    if (dia > limite) return 0;
    int before = old_days_before[mes];
    if (mes > 2 && !old_leap(ano)) --before;
    return static_cast<uint32_t>(365 * (ano - 1850) + (ano - 1849) / 4 + before + dia);
}

}  // namespace

uint16_t QVMontaMesAno(int mes, int ano) {
    if (mes == 0 && ano == 0) return 0;
    return CQVMesAno(mes, ano).GetValor();
}

void QVSeparaMesAno(uint16_t indice, int& mes, int& ano) { CQVMesAno(indice).GetMesAno(mes, ano); }

uint16_t QVMontaData(int dia, int mes, int ano) {
    if (dia == 0 && mes == 0 && ano == 0) return 0;
    return curta(qv_numero_dia(dia, mes, qv_ano_completo(ano)));
}

void QVSeparaData(uint16_t numero, int& dia, int& mes, int& ano) { qv_separa_dia(numero, dia, mes, ano); }

uint16_t QVConverteDataMesAno(uint16_t numero) {
    CQVData data;
    data.SetDataCurta(numero);
    return data.GetMesAno().GetValor();
}

uint16_t QVMontaDataMesAno(int dia, uint16_t indice) {
    if (dia == 0 && indice == 0) return 0;
    return curta(CQVMesAno(indice).GetData(dia).GetValor());
}

void QVTextoMesAno(int mes, int ano, char* buffer, size_t size, bool quatroDigitos) {
    char text[32];
    if (quatroDigitos) snprintf(text, sizeof text, "%02d/%04d", mes, (mes == 0 && ano == 0) ? 0 : qv_ano_completo(ano));
    else snprintf(text, sizeof text, "%02d/%02d", mes, ano % 100);
    copy_out(text, buffer, size);
}

void QVTextoData(int dia, int mes, int ano, char* buffer, size_t size, bool quatroDigitos) {
    char text[32];
    // All zero is the empty date: "00/00/0000".
    const bool vazia = dia == 0 && mes == 0 && ano % 100 == 0 && ano < 100;
    if (quatroDigitos) snprintf(text, sizeof text, "%02d/%02d/%04d", dia, mes, vazia ? 0 : qv_ano_completo(ano));
    else snprintf(text, sizeof text, "%02d/%02d/%02d", dia, mes, ano % 100);
    copy_out(text, buffer, size);
}

void QVFormataMesAno(uint16_t indice, char* buffer, size_t size, bool quatroDigitos) {
    int mes = 0, ano = 0;
    QVSeparaMesAno(indice, mes, ano);
    QVTextoMesAno(mes, ano, buffer, size, quatroDigitos);
}

void QVFormataData(uint16_t numero, char* buffer, size_t size, bool quatroDigitos) {
    int dia = 0, mes = 0, ano = 0;
    QVSeparaData(numero, dia, mes, ano);
    QVTextoData(dia, mes, ano, buffer, size, quatroDigitos);
}

CQVString QVFormataMesAno(uint16_t indice, bool quatroDigitos) {
    char buffer[16];
    QVFormataMesAno(indice, buffer, sizeof buffer, quatroDigitos);
    return CQVString(buffer);
}

CQVString QVFormataData(uint16_t numero, bool quatroDigitos) {
    char buffer[16];
    QVFormataData(numero, buffer, sizeof buffer, quatroDigitos);
    return CQVString(buffer);
}

void QVLeTextoMesAno(const char* texto, int& mes, int& ano) {
    mes = ano = 0;
    if (!texto) return;
    int values[2], widths[2];
    if (split_fields(texto, 16, values, widths, 2) && widths[0] <= 2) {
        mes = values[0];
        ano = widths[1] >= 3 || (mes == 0 && values[1] == 0) ? values[1] : qv_ano_completo(values[1]);
        return;
    }
    const size_t length = strnlen(texto, 16);
    mes = atoi(std::string(texto, length < 2 ? length : 2).c_str());
    // The year is everything after the separator: "05/2024" is 2024, not 20 read as 2020.
    const std::string year = length > 3 ? digits_of(texto + 3, length - 3).substr(0, 4) : std::string();
    ano = number_at(year, 0, year.size());
    if (year.size() < 3 && !(mes == 0 && ano == 0)) ano = qv_ano_completo(ano);
}

void QVLeTextoData(const char* texto, int& dia, int& mes, int& ano) {
    dia = mes = ano = 0;
    texto = skip_blanks(texto);
    int values[3], widths[3];
    if (split_fields(texto, 14, values, widths, 3) && widths[0] <= 2 && widths[1] <= 2) {
        dia = values[0];
        mes = values[1];
        const bool vazia = dia == 0 && mes == 0 && values[2] == 0;
        ano = widths[2] >= 3 || vazia ? values[2] : qv_ano_completo(values[2]);
        return;
    }
    const std::string digits = digits_of(texto, 14);
    dia = number_at(digits, 0, 2);
    mes = number_at(digits, 2, 2);
    if (digits.size() == 8) {
        ano = number_at(digits, 4, 4);  // a four-digit year is taken as written
        return;
    }
    ano = number_at(digits, 4, 2);
    if (!(dia == 0 && mes == 0 && ano == 0)) ano = qv_ano_completo(ano);
}

uint16_t QVConverteTextoMesAno(const char* texto) {
    int mes = 0, ano = 0;
    QVLeTextoMesAno(texto, mes, ano);
    return QVMontaMesAno(mes, ano);
}

uint16_t QVConverteTextoData(const char* texto) {
    int dia = 0, mes = 0, ano = 0;
    QVLeTextoData(texto, dia, mes, ano);
    return QVMontaData(dia, mes, ano);
}

bool QVValidaData(const char* texto, bool aceitaSoMes, bool aceitaMes13) {
    const int limiteMes = aceitaMes13 ? 13 : 12;
    texto = skip_blanks(texto);
    int values[3], widths[3];
    if (split_fields(texto, 14, values, widths, 3) && widths[0] <= 2 && widths[1] <= 2) {
        const int ano = widths[2] >= 3 ? values[2] : qv_ano_completo(values[2]);
        return ano >= 1848 && ano <= 4717 && values[1] >= 1 && values[1] <= 12 && values[0] >= 1 &&
               values[0] <= qv_dias_no_mes(values[1], ano);
    }
    const std::string digits = digits_of(texto, 14);
    // Too short for a date: a month text ("05/24"), unless the flag says the day comes first. The
    // flag's name reads the other way round; this is its established meaning.
    if (digits.size() < 6 && !aceitaSoMes) {
        const int mes = number_at(digits, 0, 2);
        return mes >= 1 && mes <= limiteMes;
    }
    const int dia = number_at(digits, 0, 2);
    const int mes = number_at(digits, 2, 2);
    int ano;
    if (digits.size() == 8) {
        ano = number_at(digits, 4, 4);
        if (ano < 1848 || ano > 4717) return false;
    } else {
        ano = qv_ano_completo(number_at(digits, 4, 2));
    }
    if (dia == 0 || mes < 1 || mes > 12) return false;
    // February 29 only in a real leap year (1900 had none).
    return dia <= qv_dias_no_mes(mes, ano);
}

bool QVValidaTextoData(const char* texto) { return QVValidaData(texto, false, false); }
bool QVValidaTextoData(const char* texto, bool aceitaSoMes) { return QVValidaData(texto, aceitaSoMes, false); }

uint16_t QVDiaDaSemana(uint16_t numero, bool antiga) {
    if (antiga) {
        if (numero == 18322) return 65535;  // 29/02/1900
        CQVData data;
        data.SetDataAntiga(numero);
        return static_cast<uint16_t>(data.DiaDaSemana());
    }
    CQVData data;
    data.SetDataCurta(numero);
    return static_cast<uint16_t>(data.DiaDaSemana());
}

void QVFormataDataAntiga(uint16_t antiga, char* buffer, size_t size) {
    int dia = 0, mes = 0, ano = 0;
    if (antiga != 0) {
        int anos = static_cast<int>(antiga) * 4 / 1461;  // trunc(old / 365.25)
        int doy = antiga - 365 * anos - (anos + 1) / 4;
        if (doy == 0) {
            --anos;
            doy = old_leap(1850 + anos) ? 366 : 365;
        }
        ano = 1850 + anos;
        const bool leap = old_leap(ano);
        for (mes = 1; mes < 12; ++mes) {
            const int len = mes == 2 ? (leap ? 29 : 28) : qv_dias_no_mes(mes, 2000);
            if (doy <= len) break;
            doy -= len;
        }
        dia = doy;
    }
    char text[16];
    snprintf(text, sizeof text, "%02d/%02d/%04d", dia, mes, ano);
    copy_out(text, buffer, size);
}

CQVString QVFormataDataAntiga(uint16_t antiga) {
    char buffer[16];
    QVFormataDataAntiga(antiga, buffer, sizeof buffer);
    return CQVString(buffer);
}

uint16_t QVConverteTextoDataAntiga(const char* texto) {
    const std::string digits = digits_of(skip_blanks(texto), 16);
    const int dia = number_at(digits, 0, 2), mes = number_at(digits, 2, 2), ano = number_at(digits, 4, 4);
    if (dia == 0 && mes == 0 && ano == 0) return 0;
    const uint32_t numero = old_number(dia, mes, ano);
    if (numero > 65535) valores::falha_data(valores::texto_data_antiga);
    return static_cast<uint16_t>(numero);
}

uint16_t QVConverteTextoMesAnoAntigo(const char* texto) {
    const std::string digits = digits_of(texto, 16);
    const int mes = number_at(digits, 0, 2), ano = number_at(digits, 2, 4);
    if (mes == 0 && ano == 0) return 0;
    if (mes < 1 || mes > 12 || ano < 1850) return 0;
    const int indice = mes + (ano - 1850) * 12;
    if (indice > 65535) valores::falha_data(valores::texto_data_antiga);
    return static_cast<uint16_t>(indice);
}
