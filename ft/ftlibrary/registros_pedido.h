#pragma once
// The order record and the order item record as the orders server receives them: packed,
// little-endian, money as OLE CURRENCY, texts CP1252 ended by a NUL inside their field. Bytes the
// library neither reads nor writes are named after their offset; a record built from scratch has
// them zero. The layouts are the same on both builds: the pointer fields are 32 bits wide and go
// through com::wire_pointer_put / wire_pointer_get / wire_pointer_take.
//
// Every 16-bit field is its own member, also where the order-entry object looks up a 32-bit
// value for it (820, 832, the item's 290): such a look-up is written as two 16-bit fields, never
// as a 32-bit store that leaves a stale half behind when it finds nothing.
#include <windows.h>
#include <wtypes.h>

#include <cstddef>
#include <cstdint>
#include <type_traits>

#pragma pack(push, 1)

// The 10-byte product-position key: the product record's position and the item positions of grids
// 1 to 3 (0 = none).
struct _REG_POSICAO_PRODUTOPS {
    int32_t Produto;
    uint16_t Grade1;
    uint16_t Grade2;
    uint16_t Grade3;
};

// An entry of the arrays of 32-byte entries hanging from the order record (2200) and from an item
// record (1508): its layout belongs to the orders server, the library only frees the block at 28.
struct REG_ENTRADA_PEDIDO {
    uint8_t reservado_0[28];
    uint32_t Bloco;                      // +28 task-memory block of the entry
};

struct REG_PEDIDO {
    uint8_t reservado_0[316];
    CURRENCY Volumes;                    // +316
    CURRENCY PesoBruto;                  // +324
    CURRENCY PesoLiquido;                // +332
    int32_t PosicaoTransportadora;       // +340 kept by the model
    int32_t PosicaoRedespacho;           // +344
    char EspecieVolumes[62];             // +348
    char NumeroVolumes[20];              // +410
    char MarcaVolumes[62];               // +430
    uint8_t reservado_492[78];
    CURRENCY DescontoProdutos;           // +570
    CURRENCY DescontoServicos;           // +578
    CURRENCY EncargoProduto1;            // +586
    CURRENCY EncargoProduto2;            // +594
    CURRENCY EncargoProduto3;            // +602
    CURRENCY DescontoRateio;             // +610
    CURRENCY EncargoRateio;              // +618
    CURRENCY TotalIPI;                   // +626
    CURRENCY TotalRetencao1;             // +634
    CURRENCY TotalRetencao3;             // +642
    CURRENCY TotalRetencao4;             // +650
    CURRENCY TotalRetencao5;             // +658
    CURRENCY TotalRetencao2;             // +666
    CURRENCY TotalRetencao6;             // +674
    CURRENCY TotalICMS;                  // +682
    CURRENCY TotalICMSST;                // +690
    CURRENCY TotalProdutosCliente;       // +698 the client's products total (three copies)
    CURRENCY TotalProdutosCliente2;      // +706
    uint8_t reservado_714[8];
    CURRENCY TotalProdutosCliente3;      // +722
    CURRENCY TotalProdutos;              // +730
    CURRENCY TotalServicos;              // +738
    uint8_t reservado_746[16];
    int32_t PosicaoCliente;              // +762 kept by the model
    int32_t PosicaoRepresentante;        // +766
    uint8_t reservado_770[8];
    int32_t PosicaoOperacao;             // +778 kept by the model
    uint8_t reservado_782[38];
    uint16_t PosicaoTipoCobranca;        // +820
    uint16_t PosicaoCondicaoPagamento;   // +822
    uint16_t Valor824;                   // +824 kept by the model
    uint16_t PosicaoNatureza;            // +826 kept by the model
    uint8_t reservado_828[4];
    uint16_t PosicaoFilial;              // +832 kept by the model
    uint16_t DataEmissao;                // +834 16-bit day number
    uint16_t DataEntrega;                // +836
    uint16_t QtdItens;                   // +838 item records at Itens
    uint16_t TamanhoObservacoes;         // +840 bytes of the notes block (text + NUL; 0 without)
    uint16_t QtdEntradas;                // +842 32-byte entries at Entradas
    uint8_t reservado_844[50];
    char PedidoCliente[52];              // +894 customer's purchase-order number, kept by the model
    char LocalEntrega[202];              // +946
    uint8_t reservado_1148[764];
    uint8_t QtdParcelas;                 // +1912 instalment records at Parcelas
    uint8_t PagadorFrete;                // +1913
    uint8_t reservado_1914[2];
    uint8_t FlagPedido2;                 // +1916
    uint8_t Byte1917;                    // +1917
    uint8_t reservado_1918[1];
    uint8_t FlagPedido1;                 // +1919
    uint8_t FlagPedido3;                 // +1920
    uint8_t ModoTransporte;              // +1921
    uint8_t Byte1922;                    // +1922
    uint8_t Byte1923;                    // +1923
    uint8_t reservado_1924[9];
    uint8_t Byte1933;                    // +1933
    uint8_t reservado_1934[254];
    uint32_t Observacoes;                // +2188 wire pointer: the notes text
    uint32_t Itens;                      // +2192 wire pointer: REG_ITEM_PEDIDO[QtdItens]
    uint32_t Parcelas;                   // +2196 wire pointer: 126-byte instalments[QtdParcelas]
    uint32_t Entradas;                   // +2200 wire pointer: REG_ENTRADA_PEDIDO[QtdEntradas]
    uint32_t Bloco;                      // +2204 wire pointer: a block of the order-entry object
};

struct REG_ITEM_PEDIDO {
    uint8_t reservado_0[72];
    _REG_POSICAO_PRODUTOPS Posicao;      // +72
    CURRENCY Quantidade;                 // +82
    int64_t ValorUnitario;               // +90 eight implied decimals
    int64_t DescontoUnitario;            // +98 eight implied decimals
    CURRENCY AliquotaIPI;                // +106
    CURRENCY ValorIPI;                   // +114
    CURRENCY Retencao1;                  // +122
    CURRENCY Retencao3;                  // +130
    CURRENCY Retencao4;                  // +138
    CURRENCY Retencao5;                  // +146
    CURRENCY Retencao2;                  // +154
    CURRENCY Retencao6;                  // +162
    CURRENCY Valor;                      // +170
    CURRENCY Quantidade2;                // +178
    CURRENCY Quantidade3;                // +186
    CURRENCY Volumes;                    // +194
    uint8_t reservado_202[8];
    CURRENCY ValorICMS;                  // +210
    CURRENCY ValorICMSST;                // +218
    CURRENCY ValorTributoUnitario1;      // +226
    CURRENCY ValorTributoUnitario2;      // +234
    uint8_t reservado_242[16];
    CURRENCY MargemST;                   // +258
    uint8_t reservado_266[24];
    uint16_t PosicaoTabelaPreco;         // +290
    uint16_t Codigo2;                    // +292
    uint16_t CodigoNatureza;             // +294
    uint16_t PercentualDesconto;         // +296 hundredths of a percent
    uint16_t AliquotaRetencao1;          // +298 rates: two implied decimals
    uint16_t QtdSubEntradas;             // +300 32-byte sub-entries at Blocos[0]
    uint8_t reservado_302[6];
    uint16_t Codigo3;                    // +308
    uint16_t AliquotaICMS;               // +310
    uint16_t AliquotaICMSST;             // +312
    uint16_t AliquotaICMSST2;            // +314
    uint16_t AliquotaICMSST3;            // +316
    uint16_t AliquotaRetencao3;          // +318
    uint16_t AliquotaRetencao5;          // +320
    uint16_t AliquotaRetencao4;          // +322
    uint16_t AliquotaRetencao2;          // +324
    uint16_t AliquotaRetencao6;          // +326
    uint16_t DataEntrega;                // +328 16-bit day number
    uint8_t reservado_330[6];
    uint16_t PercentualReducao;          // +336
    uint8_t reservado_338[6];
    char Complemento[1002];              // +344 at most 1000 characters
    char Texto1[22];                     // +1346 at most 20 characters
    char Texto2[20];                     // +1368 at most 20 characters, NUL only when shorter
    uint8_t reservado_1388[6];
    uint8_t DescontoPercentual;          // +1394
    uint8_t Flag1;                       // +1395
    uint8_t LivreCobranca;               // +1396
    uint8_t NaoTotaliza;                 // +1397
    uint8_t Produto;                     // +1398
    uint8_t CasasDecimais;               // +1399
    uint8_t Flag3;                       // +1400
    uint8_t IPIPorUnidade;               // +1401
    uint8_t reservado_1402[2];
    uint8_t Flag4;                       // +1404
    uint8_t TipoItem;                    // +1405
    uint8_t reservado_1406[1];
    uint8_t ReducaoBase;                 // +1407
    char CST[11];                        // +1408
    uint8_t reservado_1419[1];
    char CFOP[6];                        // +1420
    uint8_t reservado_1426[82];
    uint32_t Blocos[4];                  // +1508 wire pointers; the first: REG_ENTRADA_PEDIDO[QtdSubEntradas]
};

#pragma pack(pop)

static_assert(sizeof(_REG_POSICAO_PRODUTOPS) == 10);
static_assert(sizeof(REG_ENTRADA_PEDIDO) == 32 && offsetof(REG_ENTRADA_PEDIDO, Bloco) == 28);

static_assert(sizeof(REG_PEDIDO) == 2208 && std::is_trivially_copyable_v<REG_PEDIDO>);
static_assert(offsetof(REG_PEDIDO, Volumes) == 316 && offsetof(REG_PEDIDO, PesoBruto) == 324 &&
              offsetof(REG_PEDIDO, PesoLiquido) == 332 && offsetof(REG_PEDIDO, PosicaoTransportadora) == 340 &&
              offsetof(REG_PEDIDO, PosicaoRedespacho) == 344 && offsetof(REG_PEDIDO, EspecieVolumes) == 348 &&
              offsetof(REG_PEDIDO, NumeroVolumes) == 410 && offsetof(REG_PEDIDO, MarcaVolumes) == 430);
static_assert(offsetof(REG_PEDIDO, DescontoProdutos) == 570 && offsetof(REG_PEDIDO, DescontoServicos) == 578 &&
              offsetof(REG_PEDIDO, EncargoProduto1) == 586 && offsetof(REG_PEDIDO, EncargoProduto2) == 594 &&
              offsetof(REG_PEDIDO, EncargoProduto3) == 602 && offsetof(REG_PEDIDO, DescontoRateio) == 610 &&
              offsetof(REG_PEDIDO, EncargoRateio) == 618 && offsetof(REG_PEDIDO, TotalIPI) == 626 &&
              offsetof(REG_PEDIDO, TotalRetencao1) == 634 && offsetof(REG_PEDIDO, TotalRetencao3) == 642 &&
              offsetof(REG_PEDIDO, TotalRetencao4) == 650 && offsetof(REG_PEDIDO, TotalRetencao5) == 658 &&
              offsetof(REG_PEDIDO, TotalRetencao2) == 666 && offsetof(REG_PEDIDO, TotalRetencao6) == 674 &&
              offsetof(REG_PEDIDO, TotalICMS) == 682 && offsetof(REG_PEDIDO, TotalICMSST) == 690 &&
              offsetof(REG_PEDIDO, TotalProdutosCliente) == 698 && offsetof(REG_PEDIDO, TotalProdutosCliente2) == 706 &&
              offsetof(REG_PEDIDO, TotalProdutosCliente3) == 722 && offsetof(REG_PEDIDO, TotalProdutos) == 730 &&
              offsetof(REG_PEDIDO, TotalServicos) == 738);
static_assert(offsetof(REG_PEDIDO, PosicaoCliente) == 762 && offsetof(REG_PEDIDO, PosicaoRepresentante) == 766 &&
              offsetof(REG_PEDIDO, PosicaoOperacao) == 778 && offsetof(REG_PEDIDO, PosicaoTipoCobranca) == 820 &&
              offsetof(REG_PEDIDO, PosicaoCondicaoPagamento) == 822 && offsetof(REG_PEDIDO, Valor824) == 824 &&
              offsetof(REG_PEDIDO, PosicaoNatureza) == 826 && offsetof(REG_PEDIDO, PosicaoFilial) == 832 &&
              offsetof(REG_PEDIDO, DataEmissao) == 834 && offsetof(REG_PEDIDO, DataEntrega) == 836 &&
              offsetof(REG_PEDIDO, QtdItens) == 838 && offsetof(REG_PEDIDO, TamanhoObservacoes) == 840 &&
              offsetof(REG_PEDIDO, QtdEntradas) == 842 && offsetof(REG_PEDIDO, PedidoCliente) == 894 &&
              offsetof(REG_PEDIDO, LocalEntrega) == 946);
static_assert(offsetof(REG_PEDIDO, QtdParcelas) == 1912 && offsetof(REG_PEDIDO, PagadorFrete) == 1913 &&
              offsetof(REG_PEDIDO, FlagPedido2) == 1916 && offsetof(REG_PEDIDO, Byte1917) == 1917 &&
              offsetof(REG_PEDIDO, FlagPedido1) == 1919 && offsetof(REG_PEDIDO, FlagPedido3) == 1920 &&
              offsetof(REG_PEDIDO, ModoTransporte) == 1921 && offsetof(REG_PEDIDO, Byte1922) == 1922 &&
              offsetof(REG_PEDIDO, Byte1923) == 1923 && offsetof(REG_PEDIDO, Byte1933) == 1933 &&
              offsetof(REG_PEDIDO, Observacoes) == 2188 && offsetof(REG_PEDIDO, Itens) == 2192 &&
              offsetof(REG_PEDIDO, Parcelas) == 2196 && offsetof(REG_PEDIDO, Entradas) == 2200 &&
              offsetof(REG_PEDIDO, Bloco) == 2204);

static_assert(sizeof(REG_ITEM_PEDIDO) == 1524 && std::is_trivially_copyable_v<REG_ITEM_PEDIDO>);
static_assert(offsetof(REG_ITEM_PEDIDO, Posicao) == 72 && offsetof(REG_ITEM_PEDIDO, Quantidade) == 82 &&
              offsetof(REG_ITEM_PEDIDO, ValorUnitario) == 90 && offsetof(REG_ITEM_PEDIDO, DescontoUnitario) == 98 &&
              offsetof(REG_ITEM_PEDIDO, AliquotaIPI) == 106 && offsetof(REG_ITEM_PEDIDO, ValorIPI) == 114 &&
              offsetof(REG_ITEM_PEDIDO, Retencao1) == 122 && offsetof(REG_ITEM_PEDIDO, Retencao3) == 130 &&
              offsetof(REG_ITEM_PEDIDO, Retencao4) == 138 && offsetof(REG_ITEM_PEDIDO, Retencao5) == 146 &&
              offsetof(REG_ITEM_PEDIDO, Retencao2) == 154 && offsetof(REG_ITEM_PEDIDO, Retencao6) == 162 &&
              offsetof(REG_ITEM_PEDIDO, Valor) == 170 && offsetof(REG_ITEM_PEDIDO, Quantidade2) == 178 &&
              offsetof(REG_ITEM_PEDIDO, Quantidade3) == 186 && offsetof(REG_ITEM_PEDIDO, Volumes) == 194 &&
              offsetof(REG_ITEM_PEDIDO, ValorICMS) == 210 && offsetof(REG_ITEM_PEDIDO, ValorICMSST) == 218 &&
              offsetof(REG_ITEM_PEDIDO, ValorTributoUnitario1) == 226 &&
              offsetof(REG_ITEM_PEDIDO, ValorTributoUnitario2) == 234 && offsetof(REG_ITEM_PEDIDO, MargemST) == 258);
static_assert(offsetof(REG_ITEM_PEDIDO, PosicaoTabelaPreco) == 290 && offsetof(REG_ITEM_PEDIDO, Codigo2) == 292 &&
              offsetof(REG_ITEM_PEDIDO, CodigoNatureza) == 294 && offsetof(REG_ITEM_PEDIDO, PercentualDesconto) == 296 &&
              offsetof(REG_ITEM_PEDIDO, AliquotaRetencao1) == 298 && offsetof(REG_ITEM_PEDIDO, QtdSubEntradas) == 300 &&
              offsetof(REG_ITEM_PEDIDO, Codigo3) == 308 && offsetof(REG_ITEM_PEDIDO, AliquotaICMS) == 310 &&
              offsetof(REG_ITEM_PEDIDO, AliquotaICMSST) == 312 && offsetof(REG_ITEM_PEDIDO, AliquotaICMSST2) == 314 &&
              offsetof(REG_ITEM_PEDIDO, AliquotaICMSST3) == 316 && offsetof(REG_ITEM_PEDIDO, AliquotaRetencao3) == 318 &&
              offsetof(REG_ITEM_PEDIDO, AliquotaRetencao5) == 320 && offsetof(REG_ITEM_PEDIDO, AliquotaRetencao4) == 322 &&
              offsetof(REG_ITEM_PEDIDO, AliquotaRetencao2) == 324 && offsetof(REG_ITEM_PEDIDO, AliquotaRetencao6) == 326 &&
              offsetof(REG_ITEM_PEDIDO, DataEntrega) == 328 && offsetof(REG_ITEM_PEDIDO, PercentualReducao) == 336);
static_assert(offsetof(REG_ITEM_PEDIDO, Complemento) == 344 && offsetof(REG_ITEM_PEDIDO, Texto1) == 1346 &&
              offsetof(REG_ITEM_PEDIDO, Texto2) == 1368 && offsetof(REG_ITEM_PEDIDO, DescontoPercentual) == 1394 &&
              offsetof(REG_ITEM_PEDIDO, Flag1) == 1395 && offsetof(REG_ITEM_PEDIDO, LivreCobranca) == 1396 &&
              offsetof(REG_ITEM_PEDIDO, NaoTotaliza) == 1397 && offsetof(REG_ITEM_PEDIDO, Produto) == 1398 &&
              offsetof(REG_ITEM_PEDIDO, CasasDecimais) == 1399 && offsetof(REG_ITEM_PEDIDO, Flag3) == 1400 &&
              offsetof(REG_ITEM_PEDIDO, IPIPorUnidade) == 1401 && offsetof(REG_ITEM_PEDIDO, Flag4) == 1404 &&
              offsetof(REG_ITEM_PEDIDO, TipoItem) == 1405 && offsetof(REG_ITEM_PEDIDO, ReducaoBase) == 1407 &&
              offsetof(REG_ITEM_PEDIDO, CST) == 1408 && offsetof(REG_ITEM_PEDIDO, CFOP) == 1420 &&
              offsetof(REG_ITEM_PEDIDO, Blocos) == 1508);

// The item-information record (474 bytes) and the operation-nature record (704 bytes) are read
// at scattered byte positions only; the library keeps them as plain byte blocks.
struct REG_INFO_ITEM_PEDIDO {
    uint8_t bytes[474];
};
struct _REG_NATUREZAPS {
    uint8_t bytes[704];
};
static_assert(sizeof(REG_INFO_ITEM_PEDIDO) == 474 && sizeof(_REG_NATUREZAPS) == 704);

// The key of an item-information look-up (24 bytes).
#pragma pack(push, 1)
struct REG_CHAVE_INFO_ITEM {
    _REG_POSICAO_PRODUTOPS Posicao;      // +0 product (or, for a service, the service code)
    uint16_t Filial;                     // +10 branch code of the order
    int32_t Cliente;                     // +12 customer position of the order
    uint32_t Produto;                    // +16 non-zero for a product
    uint32_t Partes;                     // +20 parts wanted; 0 = all
};
#pragma pack(pop)
static_assert(sizeof(REG_CHAVE_INFO_ITEM) == 24 && offsetof(REG_CHAVE_INFO_ITEM, Filial) == 10 &&
              offsetof(REG_CHAVE_INFO_ITEM, Cliente) == 12 && offsetof(REG_CHAVE_INFO_ITEM, Produto) == 16 &&
              offsetof(REG_CHAVE_INFO_ITEM, Partes) == 20);
