#include "platform/inhouse/caldias/CFeriado.h"

#include <bitset>
#include <map>
#include <string>

#include "base/CQVData.h"
#include "platform/com/failure.h"
#include "platform/inhouse/caldias/feriados_nacionais.h"
#include "platform/inhouse/core/store_processo.h"

// One bit per 16-bit day number: set on the days that are not business days.
class calendario_financeiro {
public:
    std::bitset<65536> nao_util;
    int proprios = 0;  // the company's own holiday rows
};

namespace {

constexpr int primeiro_ano = 1848;
constexpr int ultimo_ano = 2027;

void marca(calendario_financeiro& c, int dia, int mes, int ano) {
    if (dia < 1 || dia > qv_dias_no_mes(mes, ano)) return;  // 29/02 of a common year is no day
    const uint32_t n = qv_numero_dia(dia, mes, ano);
    if (n != 0 && n <= CQVData::maximo_curto) c.nao_util.set(n);
}

const calendario_financeiro& calendario_nacional() {
    static const calendario_financeiro nacional = [] {
        calendario_financeiro c;
        // Day 2 is 01/01/1848; the weekday then repeats every 7 days.
        const int primeiro = CQVData(CQVData::minimo).DiaDaSemana();  // 1 = Sunday .. 7
        for (uint32_t n = CQVData::minimo; n <= CQVData::maximo_curto; ++n) {
            const int semana = (primeiro - 1 + static_cast<int>((n - CQVData::minimo) % 7)) % 7 + 1;
            if (semana == 1 || semana == 7) c.nao_util.set(n);
        }
        for (int ano = primeiro_ano; ano <= ultimo_ano; ++ano)
            for (const auto& f : qv_feriados_nacionais(ano)) marca(c, f.dia, f.mes, ano);
        return c;
    }();
    return nacional;
}

struct calendarios_empresas {
    std::map<std::string, std::shared_ptr<const calendario_financeiro>> por_empresa;
    uint64_t geracao = 0;
    unsigned cargas = 0;
};

calendarios_empresas& calendarios() {
    static calendarios_empresas c;
    return c;
}

std::shared_ptr<const calendario_financeiro> le_calendario(inhouse::store& data, const std::string& empresa) {
    auto c = std::make_shared<calendario_financeiro>(calendario_nacional());
    auto q = data.prepare("SELECT dia, mes, ano FROM feriado_empresa WHERE empresa = ?");
    q.bind_text(1, empresa);
    while (q.step()) {
        const int dia = q.column_int(0), mes = q.column_int(1), ano = q.column_int(2);
        if (ano == 0)
            for (int a = primeiro_ano; a <= ultimo_ano; ++a) marca(*c, dia, mes, a);
        else
            marca(*c, dia, mes, ano);
        ++c->proprios;
    }
    return c;
}

}  // namespace

CFeriado::CFeriado() = default;
CFeriado::~CFeriado() = default;

HRESULT CFeriado::InicializaFinanc(const CQVString& empresa, int* quantidade) try {
    if (empresa.empty()) return E_INVALIDARG;
    inhouse::store* data = inhouse::store_processo();
    if (!data) return E_UNEXPECTED;
    auto& cache = calendarios();
    if (cache.geracao != inhouse::geracao_store_processo()) {
        cache.por_empresa.clear();
        cache.geracao = inhouse::geracao_store_processo();
    }
    CQVString chave = empresa;
    chave.MakeUpper();
    auto& calendario = cache.por_empresa[chave];
    if (!calendario) {
        auto lido = le_calendario(*data, empresa);
        ++cache.cargas;
        calendario = std::move(lido);
    }
    m_calendario = calendario;
    if (quantidade) *quantidade = m_calendario->proprios;
    return S_OK;
} catch (const com::failure& f) {
    calendarios().por_empresa.erase(CQVString(empresa).MakeUpper());
    return FAILED(f.hr) ? f.hr : E_FAIL;
} catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
} catch (...) {
    return E_UNEXPECTED;
}

bool CFeriado::EhDiaUtil(uint16_t dia) const {
    const calendario_financeiro& c = m_calendario ? *m_calendario : calendario_nacional();
    return dia >= CQVData::minimo && !c.nao_util.test(dia);
}

uint16_t CFeriado::GetDiaUtilFinanc(uint16_t /*chave*/, uint16_t dia, uint8_t /*flag*/, bool antecipa,
                                    int32_t /*numero*/) const {
    if (dia < CQVData::minimo) return 0;
    const calendario_financeiro& c = m_calendario ? *m_calendario : calendario_nacional();
    uint32_t n = dia;
    while (c.nao_util.test(n)) {
        if (antecipa ? n == CQVData::minimo : n == CQVData::maximo_curto) return 0;
        n = antecipa ? n - 1 : n + 1;
    }
    return static_cast<uint16_t>(n);
}

unsigned CFeriado::GetCargas() noexcept { return calendarios().cargas; }

void CFeriado::DescartaCalendarios() noexcept { calendarios().por_empresa.clear(); }
