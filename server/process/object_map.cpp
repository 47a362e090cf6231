#include "server/process/object_map.h"

#include <algorithm>

#include "server/root/CQV_Inicializa.h"
#include "masterdata/CQVDF_Conta.h"
#include "masterdata/CQVDF_PlanoContas.h"
#include "masterdata/CFiliais.h"
#include "masterdata/CFilial.h"
#include "masterdata/CQVcEditor.h"
#include "masterdata/CQVDFNatureza.h"
#include "masterdata/CQVDFcHistorico.h"
#include "masterdata/CQVDFCadDocto.h"
#include "masterdata/CEstado.h"
#include "masterdata/CMunicipio.h"
#include "masterdata/CQVDF_Estados.h"
#include "masterdata/CQVDF_Municipios.h"
#include "masterdata/CCFRT_Cliente.h"
#include "masterdata/CCFRT_Fornecedor.h"
#include "masterdata/CCFRT_Representante.h"
#include "masterdata/CQVDF_CFRTs.h"
#include "sales/CCondicaoPagamentoWeb.h"
#include "sales/CCondicoesPagamento.h"
#include "server/root/CQVHashTable.h"
#include "sales/CItemPedidoWeb.h"
#include "sales/CPedidoWeb.h"
#include "sales/CPedidos.h"
#include "masterdata/fabricas.h"
#include "sales/CWebComercial.h"
#include "sales/fabricas.h"
#include "sales/CQVLocalArmazenagem.h"
#include "sales/CProdutos.h"
#include "sales/CProdutoWeb.h"
#include "sales/CQVLocaisArmazenagemWeb.h"
#include "ft/ftlibrary/calculo_impostos_info_produto.h"
#include "server/process/class_table.h"
#include "platform/com/class_factory.h"

namespace server {

namespace {
constexpr com::class_entry built_classes[] = {
    com::entry<CQV_Inicializa>(),
    com::entry<masterdata::CQVDFcHistorico>(),
    com::entry<masterdata::CQVcEditor>(),
    com::entry<masterdata::CQVDF_Conta>(),
    com::entry<masterdata::CQVDF_PlanoContas>(),
    com::entry<masterdata::CMunicipio>(),
    com::entry<masterdata::CQVDF_Municipios>(),
    com::entry<masterdata::CCFRT_Cliente>(),
    com::entry<masterdata::CCFRT_Fornecedor>(),
    com::entry<masterdata::CQVDF_CFRTs>(),
    com::entry<masterdata::CCFRT_Endereco>(),
    com::entry<masterdata::CFiliais>(),
    com::entry<masterdata::CFilial>(),
    com::entry<masterdata::CQVDFNatureza>(),
    com::entry<sales::CPedidoWeb>(),
    com::entry<sales::CItemPedidoWeb>(),
    com::entry<sales::CPedidos>(),
    com::entry<sales::CProdutos>(),
    com::entry<sales::CProdutoWeb>(),
    com::entry<masterdata::CCFRT_Representante>(),
    com::entry<sales::CCondicoesPagamento>(),
    com::entry<sales::CCondicaoPagamentoWeb>(),
    com::entry<sales::CWebComercial>(),
    com::entry<CQVHashTable>(),
    com::entry<masterdata::CQVDFCadDocto>(),
    com::entry<sales::CQVLocalArmazenagem>(),
    com::entry<sales::CQVLocaisArmazenagemWeb>(),
    com::entry<masterdata::CEstado>(),
    com::entry<masterdata::CQVDF_Estados>(),
};

constexpr bool in_table_order() {
    int last = 0;
    for (const auto& e : built_classes) {
        const int order = creatable(e.info.coclass).order;
        if (order <= last) return false;
        last = order;
    }
    return true;
}
static_assert(in_table_order(), "the object map keeps the order of the creatable-class table");
}  // namespace

std::span<const com::class_entry> object_map() { return built_classes; }

com::module_config product_module() {
    // The root object's factories of the subsystems' classes.
    masterdata::registra_fabricas();
    sales::registra_fabricas();
    // The order library's tax calculation, which the product information of master data uses.
    ft::registra_calculo_impostos_info_produto();
    return {app_name, &appid, &LIBID_VAVEDERAZur, object_map()};
}

}  // namespace server
