// Listing the municipalities of one state as a web page does: the root object's factory, SetUf,
// BuscaPonteiros, then every municipality read through IDispatch from this (another) process. The
// bench installation's demo company gets two made-up states of 1,000 and 5,000 municipalities, so
// that reading both can be compared: a read that grows linearly costs the same per municipality.
#include <objbase.h>

#include <algorithm>
#include <cstdio>
#include <initializer_list>
#include <string>
#include <vector>

#include "VAVEDERAZur.h"
#include "bench/harness.h"
#include "bench/instalacao.h"
#include "platform/com/com_ptr.h"
#include "platform/com/text.h"
#include "platform/com/unique.h"
#include "platform/inhouse/core/store.h"
#include "server/holders/dados_instalacao.h"

namespace {

struct estado_bench {
    const char* uf;
    int municipios;
    int primeira_posicao;
};
estado_bench pequeno{"B1", 1000, 0};
estado_bench grande{"B5", 5000, 0};

// The municipalities of a bench state follow those already in the register without a gap: the
// list reads the register position by position, and a missing position is a failed read.
void prepara_estado(inhouse::store& s, estado_bench& e) {
    auto existe = s.prepare("SELECT MIN(posicao) FROM municipio WHERE empresa = 'DEMO' AND uf = ?");
    existe.bind_text(1, e.uf);
    if (existe.step() && existe.column_int(0) > 0) {
        e.primeira_posicao = existe.column_int(0);
        return;
    }
    auto ultima = s.prepare("SELECT COALESCE(MAX(posicao), 0) FROM municipio WHERE empresa = 'DEMO'");
    ultima.step();
    e.primeira_posicao = ultima.column_int(0) + 1;
    s.write([&] {
        auto m = s.prepare("INSERT INTO municipio (empresa, posicao, codigo_fiscal, codigo_ibge, nome, uf)"
                           " VALUES ('DEMO', ?, ?, ?, ?, ?)");
        for (int i = 0; i < e.municipios; ++i) {
            char nome[32];
            std::snprintf(nome, sizeof nome, "Munic\xedpio %s %05d", e.uf, i);
            const int posicao = e.primeira_posicao + i;
            m.reset();
            m.bind(1, posicao).bind(2, 800000 + posicao).bind(3, 8000000 + posicao).bind_text(4, nome).bind_text(5, e.uf).run();
        }
    });
}

using bench::chama;
using bench::i4;

struct lista_municipios {
    com::com_ptr<IDispatch> lista;
    LONG quantidade = -1;
    DISPID le_posicao = 0, codigo = 0, nome = 0, uf = 0;
};

// A new list from the root's factory, filtered and loaded.
lista_municipios carrega(IDispatch* raiz, DISPID fabrica, const char* uf) {
    lista_municipios l;
    com::unique_variant objeto;
    if (chama(raiz, fabrica, {}, objeto.get()) != S_OK || V_VT(objeto.get()) != VT_DISPATCH || !V_DISPATCH(objeto.get()))
        return l;
    l.lista = com::com_ptr<IDispatch>(V_DISPATCH(objeto.get()));
    com::unique_bstr texto = com::to_bstr(std::string(uf));
    if (chama(l.lista.get(), bench::dispid_of(l.lista.get(), L"SetUf"), {bench::bstr(texto.get())}, nullptr) != S_OK) return l;
    com::unique_variant n;
    if (chama(l.lista.get(), bench::dispid_of(l.lista.get(), L"BuscaPonteiros"), {}, n.get()) != S_OK) return l;
    if (VariantChangeType(n.get(), n.get(), 0, VT_I4) != S_OK) return l;
    l.quantidade = V_I4(n.get());
    l.le_posicao = bench::dispid_of(l.lista.get(), L"LePosicao");
    l.codigo = bench::dispid_of(l.lista.get(), L"GetCodigo");
    l.nome = bench::dispid_of(l.lista.get(), L"GetNome");
    l.uf = bench::dispid_of(l.lista.get(), L"GetUf");
    return l;
}

// One municipality as a page reads it: the cursor, then its code, name and state.
bool le_municipio(const lista_municipios& l, LONG i, const estado_bench& e) {
    com::unique_variant codigo, nome, uf;
    return chama(l.lista.get(), l.le_posicao, {i4(i)}, nullptr) == S_OK &&
           chama(l.lista.get(), l.codigo, {}, codigo.get()) == S_OK && V_VT(codigo.get()) == VT_I4 &&
           V_I4(codigo.get()) == 800000 + e.primeira_posicao + i && chama(l.lista.get(), l.nome, {}, nome.get()) == S_OK &&
           chama(l.lista.get(), l.uf, {}, uf.get()) == S_OK && V_VT(uf.get()) == VT_BSTR &&
           com::from_bstr(V_BSTR(uf.get())) == e.uf;
}

void run() {
    const auto clientes = bench::abre_instalacao([&](inhouse::store& s) {
        prepara_estado(s, pequeno);
        prepara_estado(s, grande);
    });
    if (!clientes) return;
    const auto& [sonda, raiz] = *clientes;
    if (!bench::login(raiz.get(), L"DEMO", L"ADMIN", L"admin123").ok()) {
        std::printf("  (login failed)\n");
        return;
    }
    const DISPID vazio = bench::dispid_of(sonda.get(), L"Vazio");
    const DISPID fabrica = bench::dispid_of(raiz.get(), L"TW_DF_ListaMunicipios");
    DISPPARAMS none{};

    constexpr int chamadas_por_municipio = 4;
    bench::sample por_municipio[2];
    for (int k = 0; k < 2; ++k) {
        const estado_bench& e = k == 0 ? pequeno : grande;
        const lista_municipios l = carrega(raiz.get(), fabrica, e.uf);
        if (l.quantidade != e.municipios) {
            std::printf("  (the state %s did not load: %ld)\n", e.uf, static_cast<long>(l.quantidade));
            return;
        }
        LONG i = 0;
        long falhas = 0, falhas_vazio = 0;
        const auto [leitura, vazias] = bench::measure_pair(
            [&] {
                if (!le_municipio(l, i, e)) ++falhas;
                i = (i + 1) % e.municipios;
            },
            [&] {
                for (int c = 0; c < chamadas_por_municipio; ++c) {
                    com::unique_variant r;
                    if (sonda->Invoke(vazio, IID_NULL, 0, DISPATCH_METHOD, &none, r.get(), nullptr, nullptr) != S_OK)
                        ++falhas_vazio;
                }
            },
            e.municipios / 10, 10);
        const std::string tamanho = std::to_string(e.municipios);
        bench::print("read one municipality: LePosicao + code, name, state (" + tamanho + ", each checked)", leitura,
                     falhas);
        bench::print("4 empty method calls through IDispatch", vazias, falhas_vazio);
        bench::ratio(("municipality read / 4 empty calls (" + tamanho + ")").c_str(), leitura, vazias);
        por_municipio[k] = leitura;
    }
    bench::ratio("read per municipality 5,000 / 1,000 (1.00: linear)", por_municipio[1], por_municipio[0]);
}

bench::registrar reg("8 municipalities of a state", run);

}  // namespace
