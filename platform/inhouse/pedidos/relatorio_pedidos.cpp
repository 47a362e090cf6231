// The order-list report of the orders server: a plain text file, one line per order of the
// request's representative, customer and issue days, written where the request says. A bare name
// is put in the system's temporary folder, where the report objects look for it.
#include <windows.h>

#include <cstdio>
#include <fstream>

#include "base/CQVChaveOrigem.h"
#include "base/CQVData.h"
#include "platform/com/failure.h"
#include "platform/inhouse/core/registros_sessao.h"
#include "platform/inhouse/pedidos/pedidos_store.h"

namespace inhouse {

namespace {

std::string caminho_de(std::string_view nome) {
    if (nome.find_first_of("\\/:") != std::string_view::npos) return std::string(nome);
    char pasta[MAX_PATH + 1] = {};
    const DWORD n = GetTempPathA(sizeof pasta, pasta);
    if (n == 0 || n > MAX_PATH) throw com::failure{QV_E_RELATORIO_PEDIDOS, "pasta temporária indisponível"};
    return std::string(pasta, n) + std::string(nome);
}

std::string data_texto(int64_t numero) {
    int dia = 0, mes = 0, ano = 0;
    if (!qv_separa_dia(static_cast<uint32_t>(numero), dia, mes, ano)) return "";
    char texto[16];
    std::snprintf(texto, sizeof texto, "%02d/%02d/%04d", dia, mes, ano);
    return texto;
}

std::string valor_texto(int64_t cy) {
    const bool negativo = cy < 0;
    const uint64_t v = negativo ? 0 - static_cast<uint64_t>(cy) : static_cast<uint64_t>(cy);
    const uint64_t centavos = (v + 50) / 100;
    char texto[32];
    std::snprintf(texto, sizeof texto, "%s%llu,%02llu", negativo ? "-" : "", static_cast<unsigned long long>(centavos / 100),
                  static_cast<unsigned long long>(centavos % 100));
    return texto;
}

}  // namespace

std::string relatorio_pedidos(store& dados, const std::string& empresa, const REG_RELATORIO_PEDIDOS& pedido) {
    const std::string nome(texto_campo(pedido.Arquivo, sizeof pedido.Arquivo));
    if (nome.empty()) throw com::failure{QV_E_RELATORIO_PEDIDOS, "relatório sem nome de arquivo"};
    const std::string caminho = caminho_de(nome);

    auto q = dados.prepare(
        "SELECT posicao, data_emissao, cliente, representante, total FROM pedido WHERE empresa = ?"
        " AND (? = 0 OR representante = ?) AND (? = 0 OR cliente = ?) AND data_emissao >= ? AND (? = 0 OR data_emissao <= ?)"
        " ORDER BY mes, sequencia");
    q.bind_text(1, empresa);
    q.bind(2, static_cast<int64_t>(pedido.PosicaoRepresentante)).bind(3, static_cast<int64_t>(pedido.PosicaoRepresentante));
    q.bind(4, static_cast<int64_t>(pedido.PosicaoCliente)).bind(5, static_cast<int64_t>(pedido.PosicaoCliente));
    q.bind(6, static_cast<int64_t>(pedido.DataInicial));
    q.bind(7, static_cast<int64_t>(pedido.DataFinal)).bind(8, static_cast<int64_t>(pedido.DataFinal));

    std::ofstream arquivo(caminho, std::ios::binary | std::ios::trunc);
    if (!arquivo) throw com::failure{QV_E_RELATORIO_PEDIDOS, "não foi possível criar o relatório"};
    arquivo << "Relação de pedidos - " << empresa << "\r\n";
    arquivo << "Pedido;Emissão;Cliente;Representante;Total\r\n";
    int64_t soma = 0;
    size_t n = 0;
    while (q.step()) {
        const auto posicao = static_cast<uint32_t>(q.column_int64(0));
        arquivo << QVFormataChaveMesAno(posicao).c_str() << ';' << data_texto(q.column_int64(1)) << ';'
                << q.column_int64(2) << ';' << q.column_int64(3) << ';' << valor_texto(q.column_int64(4)) << "\r\n";
        soma += q.column_int64(4);
        ++n;
    }
    arquivo << "Pedidos: " << n << ";Total: " << valor_texto(soma) << "\r\n";
    arquivo.close();
    if (!arquivo) throw com::failure{QV_E_RELATORIO_PEDIDOS, "não foi possível gravar o relatório"};
    return caminho;
}

}  // namespace inhouse
