#include "base/CQVMensagem.h"

#include <share.h>

#include <cstdio>
#include <cstdlib>

#include "base/QVCaminhos.h"
#include "base/QVEventLog.h"
#include "base/QVModulos.h"

namespace {

constexpr size_t max_linha = 1023;
constexpr size_t inicio_texto = 8;

// One line of the file without its line break, cut to the longest line the format allows;
// false at the end of the file.
bool read_line(FILE* f, std::string& linha) {
    linha.clear();
    int c;
    bool any = false;
    while ((c = fgetc(f)) != EOF) {
        any = true;
        if (c == '\n') break;
        if (linha.size() < max_linha) linha += static_cast<char>(c);
    }
    if (!any) return false;
    if (!linha.empty() && linha.back() == '\r') linha.pop_back();
    return true;
}

// The number at the start of a line; lines that start with no digit match no message.
bool leading_number(const std::string& linha, long& numero) {
    const char* p = linha.c_str();
    while (*p == ' ' || *p == '\t') ++p;
    if (!((*p >= '0' && *p <= '9') || ((*p == '-' || *p == '+') && p[1] >= '0' && p[1] <= '9'))) return false;
    numero = strtol(p, nullptr, 10);
    return true;
}

std::string texto_da_linha(const std::string& linha) {
    if (linha.size() <= inicio_texto) return "";
    std::string texto;
    for (size_t i = inicio_texto; i < linha.size(); ++i) {
        if (linha[i] == '\\' && i + 1 < linha.size() && linha[i + 1] == 'n') {
            texto += '\n';
            ++i;
        } else {
            texto += linha[i];
        }
    }
    if (!texto.empty() && texto.back() == '\n') texto.pop_back();
    return texto;
}

}  // namespace

WORD qv_tipo_evento_caixa(UINT tipoCaixa) {
    switch (tipoCaixa & MB_ICONMASK) {
        case MB_ICONHAND: return EVENTLOG_ERROR_TYPE;
        case MB_ICONASTERISK: return EVENTLOG_INFORMATION_TYPE;
        default: return EVENTLOG_WARNING_TYPE;
    }
}

std::string CQVMensagem::CaminhoArquivo(int modulo) {
    return QVMontaCaminho(QVGetPastaMensagens(), "QV" + QVGetSiglaModulo(modulo) + "Mens.txt");
}

std::string CQVMensagem::GetTexto(int numero, int modulo) {
    const std::string caminho = CaminhoArquivo(modulo);
    FILE* f = _fsopen(caminho.c_str(), "rb", _SH_DENYNO);
    if (!f) {
        char texto[1400];
        snprintf(texto, sizeof texto,
                 "Erro: Não foi possível abrir o arquivo texto de Mensagens %s. Caso o caminho esteja correto, "
                 "atualize o arquivo.",
                 caminho.c_str());
        qv_event_log(EVENTLOG_WARNING_TYPE, texto);
        return "";
    }
    std::string linha, resultado;
    while (read_line(f, linha)) {
        long n = 0;
        if (leading_number(linha, n) && n == numero) {
            resultado = texto_da_linha(linha);
            break;
        }
    }
    fclose(f);
    return resultado;
}

std::string qv_texto_completo(std::string texto, int numero, DWORD erroSistema) {
    if (texto.empty()) {
        char buffer[80];
        snprintf(buffer, sizeof buffer, "Erro desconhecido encontrado. Código (%d)", numero);
        texto = buffer;
    }
    if (erroSistema != 0) {
        char buffer[400];
        snprintf(buffer, sizeof buffer, "\nErro do SO: %lu - %s", static_cast<unsigned long>(erroSistema),
                 CQVMensagem::GetErroSO(erroSistema).c_str());
        texto += buffer;
    }
    return texto;
}

std::string CQVMensagem::Mostra(int numero, int modulo, DWORD erroSistema, UINT tipoCaixa) {
    const std::string texto = qv_texto_completo(GetTexto(numero, modulo), numero, erroSistema);
    qv_event_log(qv_tipo_evento_caixa(tipoCaixa), QVGetNomeModulo(modulo) + ": " + texto);
    return texto;
}

std::string CQVMensagem::GetErroSO(DWORD codigo) {
    char buffer[256] = {};
    DWORD n = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS | FORMAT_MESSAGE_MAX_WIDTH_MASK,
                             nullptr, codigo, MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), buffer,
                             sizeof buffer - 1, nullptr);
    if (n == 0) return "";
    std::string texto(buffer, n);
    while (!texto.empty() && (texto.back() == ' ' || texto.back() == '\r' || texto.back() == '\n'))
        texto.pop_back();
    return texto;
}
