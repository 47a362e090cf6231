#include "base/QVTexto.h"

#include <windows.h>

#include <atomic>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <random>
#include <string>

namespace {

bool is_digit(char c) { return c >= '0' && c <= '9'; }

// Weights 2, 3, ... from the right over positions last .. 0; CNPJ weights return to 2 after 9.
int check_digit(const char* digits, int last, bool wraps) {
    if (!digits || strnlen(digits, static_cast<size_t>(last) + 1) < static_cast<size_t>(last) + 1)
        return -1;
    int sum = 0, weight = 2;
    for (int i = last; i >= 0; --i) {
        if (!is_digit(digits[i])) return -1;
        sum += (digits[i] - '0') * weight;
        if (++weight > 9 && wraps) weight = 2;
    }
    const int r = sum % 11;
    return r < 2 ? 0 : 11 - r;
}

}  // namespace

int QVCalculaDigitoCNPJ(int which, const char* digits) {
    return check_digit(digits, which == 2 ? 12 : 11, true);
}

int QVCalculaDigitoCPF(int which, const char* digits) {
    return check_digit(digits, which == 2 ? 9 : 8, false);
}

void QVSomenteDigitos(char* text) {
    if (!text) return;
    char* out = text;
    for (const char* in = text; *in; ++in)
        if (is_digit(*in)) *out++ = *in;
    *out = '\0';
}

CQVString QVSomenteDigitosTexto(const CQVString& text) { return text.SomenteDigitos(); }

int QVSomenteDigitos(const char* source, char* target, size_t size) {
    if (!target || size == 0) return 0;
    size_t n = 0;
    for (const char* in = source ? source : ""; *in && n + 1 < size; ++in)
        if (is_digit(*in)) target[n++] = *in;
    target[n] = '\0';
    return static_cast<int>(n);
}

CQVString QVSemBrancosFinais(const CQVString& text) { return text.SemBrancosFinais(); }

void QVSemAspas(char* text) {
    if (!text) return;
    char* out = text;
    for (const char* in = text; *in; ++in)
        if (*in != '"') *out++ = *in;
    *out = '\0';
}

void QVPreencheNulos(char* field, short width) {
    if (!field || width <= 0) return;
    const size_t length = strnlen(field, static_cast<size_t>(width));
    memset(field + length, 0, static_cast<size_t>(width) - length);
}

bool QVTestaQuartoCaractere(const char* field) { return field && field[3] != '\0'; }

void QVCompactaBCD(const char* text, unsigned char* out, short bytes) {
    if (!out || bytes <= 0) return;
    const char* at = text ? text : "";
    auto next = [&at]() -> unsigned {
        if (!*at) return 10;  // the end and everything after it
        const char c = *at++;
        return c == ' ' ? 10u : static_cast<unsigned>(static_cast<unsigned char>(c) & 0x0F);
    };
    for (short i = 0; i < bytes; ++i) {
        const unsigned high = next();
        const unsigned low = next();
        out[i] = static_cast<unsigned char>(high << 4 | low);
    }
}

void QVExpandeBCD(char* out, const unsigned char* in, short bytes) {
    if (!out) return;
    if (!in || bytes <= 0) { *out = '\0'; return; }
    bool ended = false;
    for (int i = 0; i < bytes * 2; ++i) {
        const unsigned nibble = i % 2 == 0 ? in[i / 2] >> 4 : in[i / 2] & 0x0F;
        char c;
        switch (nibble) {
            case 10: c = '\0'; break;
            case 13: c = '-'; break;
            case 14: c = '.'; break;
            case 15: c = '/'; break;
            default: c = static_cast<char>('0' + nibble); break;
        }
        if (c == '\0') ended = true;
        out[i] = ended ? '\0' : c;
    }
    out[bytes * 2] = '\0';
}

CQVString QVGeraNomeTemporario(const CQVString& prefix) {
    static std::atomic<unsigned> counter{1};
    static std::mutex random_lock;
    static std::mt19937 random{std::random_device{}() ^ GetCurrentProcessId() ^ GetTickCount()};
    static constexpr char alphabet[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    char drawn[4] = {};
    {
        std::lock_guard guard(random_lock);
        for (int i = 0; i < 3; ++i) drawn[i] = alphabet[random() % 36];
    }
    const unsigned n = counter.fetch_add(1);
    char number[40];
    // The counter's six digits keep numbers of different processes apart.
    snprintf(number, sizeof number, "%lu%06u", static_cast<unsigned long>(GetCurrentProcessId()),
             n % 1000000);
    CQVString name(prefix);
    name += drawn;
    name += number;
    name += ".tmp";
    return name;
}

namespace {

bool starts_with_nocase(const char* at, const char* marker) {
    for (; *marker; ++at, ++marker)
        if (!*at || (*at | 0x20) != *marker) return false;
    return true;
}

std::string expand_history(const char* modelo, const char* complemento, const char* debito,
                           const char* credito, const char* debitoGerencial,
                           const char* creditoGerencial) {
    std::string out;
    const std::string model(modelo ? modelo : "", modelo ? strnlen(modelo, 500) : 0);
    const char* cursor = complemento ? complemento : "";
    if (model.empty()) return cursor;

    auto next_line = [&cursor]() {
        std::string line;
        while (*cursor && *cursor != '\n' && *cursor != '\r') line.push_back(*cursor++);
        // One past where copying stopped, but never past the end of the complement.
        if (*cursor) ++cursor;
        return line;
    };
    auto has = [](const char* s) { return s && *s; };

    for (size_t i = 0; i < model.size(); ++i) {
        if (model[i] != '*') { out.push_back(model[i]); continue; }
        const char* at = model.c_str() + i + 1;
        std::string replacement;
        size_t consumed = 0;  // characters of the marker after the '*'
        bool known = true;
        if (!*at || *at == ' ' || *at == ',') {
            replacement = next_line();
        } else if (starts_with_nocase(at, "dma")) {
            replacement = next_line(); consumed = 3;
        } else if (starts_with_nocase(at, "ma")) {
            replacement = next_line(); consumed = 2;
        } else if (starts_with_nocase(at, "n")) {
            replacement = next_line(); consumed = 1;
        } else if (starts_with_nocase(at, "gd")) {
            if (has(debitoGerencial)) replacement = debitoGerencial;
            consumed = 2;
        } else if (starts_with_nocase(at, "gc")) {
            if (has(creditoGerencial)) replacement = creditoGerencial;
            consumed = 2;
        } else if (starts_with_nocase(at, "d")) {
            if (has(debito)) replacement = debito;
            consumed = 1;
        } else if (starts_with_nocase(at, "c")) {
            if (has(credito)) replacement = credito;
            consumed = 1;
        } else {
            known = false;
        }
        if (!known || replacement.empty()) {
            out.push_back('*');  // the marker's letters follow as plain text
            continue;
        }
        out += replacement;
        i += consumed;
    }
    return out;
}

}  // namespace

void QVMontaHistorico(const char* modelo, const char* complemento, char* out, size_t size,
                      const char* debito, const char* credito, const char* debitoGerencial,
                      const char* creditoGerencial) {
    if (!out || size == 0) return;
    const std::string text =
        expand_history(modelo, complemento, debito, credito, debitoGerencial, creditoGerencial);
    const size_t n = text.size() < size ? text.size() : size - 1;
    memcpy(out, text.data(), n);
    out[n] = '\0';
}

CQVString QVMontaHistorico(const char* modelo, const char* complemento, const char* debito,
                           const char* credito, const char* debitoGerencial,
                           const char* creditoGerencial) {
    return CQVString(
        expand_history(modelo, complemento, debito, credito, debitoGerencial, creditoGerencial));
}
