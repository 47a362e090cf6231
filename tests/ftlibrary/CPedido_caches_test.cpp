// The order model over the real caches and the stand-in servers: loading an order record asks the
// servers once per product and nature however many orders are loaded, and a look-up that fails
// makes the load fail with the order left as it was.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "bytes_registro.h"
#include "ft/ftlibrary/CFTBufferInfoProdServ.h"
#include "ft/ftlibrary/CFTBufferMunicipio.h"
#include "ft/ftlibrary/CFTBufferNaturezas.h"
#include "ft/ftlibrary/CPedido.h"
#include "platform/com/wire_pointer.h"
#include "platform/inhouse/acesso/QVAcesso.h"
#include "platform/inhouse/core/inhouse_guids.h"
#include "server/holders/CBufferCFRT.h"
#include "support/stand_in_fixture.h"

namespace {

// An order of one product item (product 2, nature 1) for branch 1 and customer 2.
struct pedido_um_item {
    pedido_um_item() {
        bytes_item item;
        item.poe<int32_t>(72, 2).poe<uint8_t>(1398, 1).poe<uint16_t>(294, 1);
        bloco.assign(item.b.begin(), item.b.end());
        r.poe<uint16_t>(832, 1).poe<int32_t>(762, 2).poe<uint16_t>(838, 1);
        r.poe<uint32_t>(2192, com::wire_pointer_put(bloco.data()));
    }
    ~pedido_um_item() { com::wire_pointer_take(r.le<uint32_t>(2192)); }
    const REG_PEDIDO& registro() const { return r.como<REG_PEDIDO>(); }
    bytes_pedido r;
    std::vector<uint8_t> bloco;
};

class PedidoCaches : public stand_in_fixture {
protected:
    PedidoCaches() : info(&grade, &servico, &unidades, &cfrt, &municipios) {
        grade.Inicializa("DEMO", 1, 1);
        municipios.Inicializa("DEMO", 1, 1);
        naturezas.Inicializa("DEMO", 1, 1);
        EXPECT_EQ(cfrt.Inicializa(CQVString(std::string("DEMO")), 1, 1), S_OK);
        info.Inicializa(true, nullptr);
    }
    inhouse::fault_plan& produto() { return factory(inhouse::CLSID_ProdutoServer).object_faults(); }
    void liga(CPedido& p) {
        p.SetBufferInfoProdServ(&info);
        p.SetBufferNaturezas(&naturezas);
    }

    CFTBufferReferenciaGrade grade;
    CConexaoServico servico;
    CFTBufferInfoUnMedida unidades;
    CFTBufferMunicipio municipios;
    CBufferCFRT cfrt;
    CFTBufferNaturezas naturezas;
    CFTBufferInfoProdServ info;
    pedido_um_item gravado;
};

TEST_F(PedidoCaches, TwoOrdersOfTheSameProductAskTheServersOnce) {
    CPedido primeiro, segundo;
    liga(primeiro);
    liga(segundo);
    ASSERT_EQ(primeiro.SetRegistro(gravado.registro()), S_OK);
    ASSERT_EQ(segundo.SetRegistro(gravado.registro()), S_OK);
    ASSERT_EQ(segundo.GetQtdItens(), 1);
    EXPECT_EQ(produto().count("LeProduto"), 1u);
    EXPECT_EQ(produto().count("ConsultaImposto"), 1u);
    EXPECT_EQ(factory(inhouse::CLSID_NaturezasServer).object_faults().count("LeNatureza"), 1u);
}

TEST_F(PedidoCaches, AFailedLookUpFailsTheLoad) {
    produto().answer("ConsultaImposto", {E_UNEXPECTED});
    CPedido p;
    liga(p);
    EXPECT_EQ(p.SetRegistro(gravado.registro()), E_UNEXPECTED);
    EXPECT_EQ(p.GetQtdItens(), 0);
    ASSERT_EQ(p.SetRegistro(gravado.registro()), S_OK);
    EXPECT_EQ(p.GetQtdItens(), 1);
}

}  // namespace
