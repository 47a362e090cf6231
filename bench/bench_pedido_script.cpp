// The order page's whole road from VBScript through cscript: an order of 100 items added, totalled,
// given its instalments and header and saved, against the calls' own cost (empty calls of the test
// probe, and the order object's discount calculator, which touches neither store nor clock, timed
// in the same batches). The road makes about one call per item, so its time over that of 100 such
// calls shows what the server adds to the calls.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "bench/harness.h"

namespace {

constexpr int batches = 9;
constexpr int itens_pedido = 100;
constexpr int chamadas_vazias = 500;    // each kind timed in one loop, for the timer's resolution

void run() {
    const std::string out = bench::run_cscript(L"\"" + bench::beside_bench(L"pedido_completo.vbs") + L"\" " +
                                               std::to_wstring(batches) + L" " + std::to_wstring(itens_pedido) + L" " +
                                               std::to_wstring(chamadas_vazias));
    bench::sample pedido, por_item, cem_vazias, cem_calculos;
    long gravados = -1;
    bool desconto_ok = false;
    for (const std::string& line : bench::script_lines(out)) {
        if (line.rfind("batch ", 0) == 0) {
            char* fim = nullptr;
            const double t_pedido = std::strtod(line.c_str() + 6, &fim);
            const double t_vazias = std::strtod(fim, &fim);
            const double t_calculos = std::strtod(fim, nullptr);
            pedido.batches.push_back(t_pedido * 1e9);
            por_item.batches.push_back(t_pedido * 1e9 / itens_pedido);
            cem_vazias.batches.push_back(t_vazias * 1e9 * 100 / chamadas_vazias);
            cem_calculos.batches.push_back(t_calculos * 1e9 * 100 / chamadas_vazias);
        } else if (line.rfind("saved ", 0) == 0) {
            gravados = std::atol(line.c_str() + 6);
        } else if (line == "discount 20.00") {   // 10 % of 200,00, its comma made a point
            desconto_ok = true;
        }
    }
    if (pedido.batches.size() != batches) {
        std::printf("  (the VBScript client did not run: %s)\n", out.c_str());
        return;
    }
    const long falhas = batches - gravados;
    bench::print("VBScript order of 100 items, whole road and Grava", pedido, falhas);
    bench::print("  the same, per item", por_item, falhas);
    bench::print("VBScript 100 empty calls of the probe (500 timed)", cem_vazias);
    bench::print("VBScript 100 CalculaDescontoItem calls (500 timed)", cem_calculos, desconto_ok ? 0 : 1);
    bench::ratio("order of 100 items / 100 empty calls", pedido, cem_vazias);
    bench::ratio("order of 100 items / 100 CalculaDescontoItem calls", pedido, cem_calculos);
}

bench::registrar reg("11 VBScript order road", run);

}  // namespace
