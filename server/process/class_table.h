#pragma once
// The 49 classes that clients create, in object-map order, with their registration scripts.
#include <windows.h>

#include <array>
#include <cstdint>

namespace server {

struct creatable_class {
    int order;                  // position in the object map, from 1
    int script;                 // registration script number
    const wchar_t* coclass;
    bool typelib_entries;       // false: no CurVer, Programmable or TypeLib keys
};

// The class id of a creatable class follows from its script number: {D7A3Cnnn-...}.
constexpr GUID clsid_for_script(int script) {
    const auto digits = static_cast<uint32_t>(((script / 100) << 8) | (((script / 10) % 10) << 4) | (script % 10));
    return GUID{0xD7A3C000u | digits, 0x4C1E, 0x4F5A, {0x8B, 0x2D, 0x5A, 0x0C, 0x3E, 0x9F, 0x10, 0x00}};
}

inline constexpr GUID appid = {0xD7A30002, 0x4C1E, 0x4F5A, {0x8B, 0x2D, 0x5A, 0x0C, 0x3E, 0x9F, 0x10, 0x00}};
inline constexpr const wchar_t* app_name = L"ZidizUvi";
// The source of every error the server reports.
inline constexpr const wchar_t* root_progid = L"ZidizUvi.QV_Inicializa.1";

inline constexpr std::array<creatable_class, 49> creatable_classes{{
    {1, 101, L"QV_Inicializa", true},          {2, 102, L"QV_Empresarial", true},
    {3, 103, L"QV_EmpresarialRel", true},      {4, 104, L"QVWebContabil", true},
    {5, 109, L"QVCNFiltroRel", true},          {6, 110, L"QVCNSaldoContabil", true},
    {7, 112, L"QVCNAcompanhamento", true},     {8, 115, L"QVCNGerador", true},
    {9, 118, L"QVDFcHistorico", true},         {10, 119, L"QVcEditor", true},
    {11, 121, L"QV_DfcGer_Tela", true},        {12, 122, L"QV_DfcGer_LinhaTela", true},
    {13, 123, L"QV_DfcGer_CampoLinha", true},  {14, 124, L"QVDF_Conta", true},
    {15, 125, L"QVDF_PlanoContas", true},      {16, 126, L"Municipio", true},
    {17, 127, L"QVDF_Municipios", true},       {18, 128, L"CFRT_Cliente", true},
    {19, 129, L"CFRT_Fornecedor", true},       {20, 130, L"QVDF_CFRTs", true},
    {21, 131, L"CFRT_Endereco", true},         {22, 132, L"Historico", true},
    {23, 133, L"Historicos", true},            {24, 134, L"Lancamento", true},
    {25, 135, L"FiltroLancamento", true},      {26, 136, L"Lancamentos", true},
    {27, 137, L"Filiais", true},               {28, 138, L"Filial", true},
    {29, 140, L"QVDFNatureza", true},          {30, 148, L"Pedido", false},
    {31, 150, L"ItemPedido", false},           {32, 152, L"Pedidos", false},
    {33, 154, L"Produtos", false},             {34, 156, L"ProdutoWeb", false},
    {35, 158, L"CFRT_Representante", false},   {36, 162, L"CondicoesPagamento", true},
    {37, 160, L"CondicaoPagamentoWeb", true},  {38, 163, L"WebComercial", true},
    {39, 165, L"QVHashTable", true},           {40, 168, L"QVDFCadDocto", true},
    {41, 172, L"QVLocalArmazenagem", true},    {42, 174, L"QVLocaisArmazenagemWeb", true},
    {43, 170, L"Estado", true},                {44, 173, L"QVDF_Estados", true},
    {45, 201, L"WebGE_AtTec", true},           {46, 203, L"WebGE_DespesaAtTec", true},
    {47, 204, L"WebGE_ServicoAtTec", true},    {48, 175, L"QVWEB_TipoPeriodo", true},
    {49, 176, L"QVWEB_TipoPeriodoWeb", true},
}};

// The row of a coclass; the object map takes its description from here.
constexpr const creatable_class& creatable(const wchar_t* coclass) {
    for (const auto& c : creatable_classes) {
        const wchar_t* a = c.coclass;
        const wchar_t* b = coclass;
        while (*a && *a == *b) { ++a; ++b; }
        if (*a == *b) return c;
    }
    throw "not a creatable class";
}

}  // namespace server

#include "platform/com/class_info.h"

namespace server {

// A built class's registration data: its row of the table and its class id from the type library.
constexpr com::class_info class_info_of(const wchar_t* coclass, const CLSID* clsid) {
    const auto& row = creatable(coclass);
    return {clsid, row.coclass, row.script, row.typelib_entries};
}

}  // namespace server
