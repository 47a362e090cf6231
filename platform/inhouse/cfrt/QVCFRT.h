#pragma once
// The customer/supplier record of the data-access library and the blocks in which the register
// server delivers and takes it, part by part. One header for the accessor (CBufferCFRT) and the
// stand-in servers, so that reading and writing stay symmetric. All records are packed; every
// named field's offset is asserted, unnamed bytes are named after their offset.
#include <cstddef>
#include <cstdint>
#include <type_traits>

#pragma pack(push, 1)

// One customer, supplier, representative or carrier, as the data-access library lays it out.
// Texts are CP1252, NUL-terminated inside their fields.
struct QVCFRT {
    int64_t valor_0;                  // +0 money (CY) kept by the register in hundredths
    int64_t valor_8;                  // +8
    int64_t valor_16;                 // +16
    int64_t valor_24;                 // +24
    uint8_t reservado_32[32];
    int64_t valor_64;                 // +64
    uint8_t reservado_72[16];
    int32_t chave_info_extras;        // +88 key of the extra-information record
    int32_t posicao_cadastro;         // +92 the register server's key
    int32_t posicao_plano;            // +96 chart position: the key callers pass; 0 = none
    int32_t valor_100;                // +100
    int32_t valor_104;                // +104
    uint8_t reservado_108[40];
    uint16_t condicao_pagamento;      // +148
    uint16_t forma_pagamento;         // +150
    uint16_t tipo_cobranca;           // +152
    uint16_t tabela_preco_produtos;   // +154
    uint16_t tabela_preco_servicos;   // +156
    int32_t valor_158;                // +158 legal entity: goes into the main part
    uint8_t reservado_162[18];
    uint16_t valor_180;               // +180
    uint16_t valor_182;               // +182
    uint8_t reservado_184[6];
    uint16_t data_situacao_ativo;     // +190 16-bit day number
    uint8_t reservado_192[2];
    uint16_t data_situacao_inativo;   // +194
    uint8_t reservado_196[2];
    uint16_t categoria;               // +198
    uint16_t categoria_tipo;          // +200
    uint16_t categoria_regiao;        // +202
    uint8_t reservado_204[780];
    char nome[52];                    // +984
    char classificacao[32];           // +1036 in the CFRT chart
    char codigo_largo[32];            // +1068 the own code again
    char contato[30];                 // +1100
    uint8_t reservado_1130[2];
    char texto_1132[52];              // +1132 a text of the main part
    char cnpj_cpf[20];                // +1184 with its mask; the chart account's second name
    uint8_t reservado_1204[96];
    char codigo[12];                  // +1300 own code
    char texto_taxas[8];              // +1312 delivered with the rates
    char tipo;                        // +1320 'C' 'F' 'R' 'T' 'D' or ' '
    char situacao;                    // +1321 'A' or 'I'
    char pessoa;                      // +1322 'F' natural person, 'J' legal entity
    char flag_1323;                   // +1323 'S'/'N'
    char flag_1324;                   // +1324 legal entity
    char flag_1325;                   // +1325
    char flag_1326;                   // +1326
    char flag_1327;                   // +1327
    char usa_taxas_1328;              // +1328 rate switch
    uint8_t reservado_1329[1];
    char letra_1330;                  // +1330 'A'/'P'
    char flag_1331;                   // +1331
    uint8_t bloqueado_venda;          // +1332 0/1
    uint8_t byte_1333;                // +1333
    uint8_t byte_1334;                // +1334
    char tipo_conta;                  // +1335 the chart account's type
    char caractere_conta;             // +1336
    uint8_t reservado_1337[7];
    uint8_t byte_1344;                // +1344
    uint8_t dias_adicionar;           // +1345
    uint8_t reservado_1346[1];
    uint8_t byte_1347;                // +1347
    uint8_t reservado_1348[1];
    uint8_t byte_1349;                // +1349
    uint8_t reservado_1350[1];
    uint8_t byte_1351;                // +1351
    uint8_t reservado_1352[22];
    char inscricao_estadual[22];      // +1374
    uint8_t reservado_1396[626];
    char estado_civil[16];            // +2022 natural person
    uint8_t reservado_2038[486];
    char cpf_conjuge[16];             // +2524 with its mask
    uint8_t reservado_2540[44];
    int32_t numero;                   // +2584
    uint8_t reservado_2588[8];
    int32_t posicao_transportadora;   // +2596
    int32_t valor_2600;               // +2600 sent when the second switch is on
    uint8_t reservado_2604[4];
    uint16_t posicao_municipio;       // +2608
    char rua[42];                     // +2610 its first byte is required
    char municipio[42];               // +2652
    uint8_t reservado_2694[84];
    char pais[30];                    // +2778
    uint8_t reservado_2808[54];
    char contato_endereco[32];        // +2862
    char complemento[22];             // +2894
    uint8_t reservado_2916[22];
    char bairro[22];                  // +2938
    char cep[18];                     // +2960
    char telefone[12];                // +2978
    uint8_t reservado_2990[44];
    char ddd[8];                      // +3034
    uint8_t reservado_3042[16];
    char uf[3];                       // +3058
    uint8_t reservado_3061[5];
    char flag_3066;                   // +3066 'N' or other
    uint8_t reservado_3067[1];
    char sem_numero;                  // +3068 'S' = no number
    uint8_t reservado_3069[3];
    uint8_t info_extras[252];         // +3072 extra information, whole (the e-mail at its start)
    int64_t valor_3324;               // +3324 money, kept in hundredths
    uint8_t reservado_3332[12];
    int32_t representante;            // +3344
    uint8_t reservado_3348[8];
    char dias_mes[6];                 // +3356
    uint8_t dia_semana;               // +3362
    char proxima_ocorrencia;          // +3363 'S'/'N'
    uint16_t valor_3364;              // +3364
    char texto_3366[16];              // +3366
    uint8_t reservado_3382[2];
    char texto_3384[10];              // +3384
    uint8_t reservado_3394[2];
    char texto_3396[4];               // +3396
    uint8_t reservado_3400[2];
    char texto_3402[4];               // +3402
    uint8_t reservado_3406[2];
    int64_t taxas[5];                 // +3408 money (CY), kept in hundredths
    uint8_t reservado_3448[24];
    uint16_t cliente_desde;           // +3472 16-bit day number
    uint8_t reservado_3474[50];
    char usa_taxas_3524;              // +3524
    char usa_taxas_3525;              // +3525
    uint8_t reservado_3526[7];
    uint8_t atualiza;                 // +3533 non-zero: bypass and drop the cached copy
    int32_t mascara;                  // +3534 parts the record holds
    uint16_t valor_3538;              // +3538
    int32_t valor_3540;               // +3540
    int32_t valor_3544;               // +3544
    int32_t valor_3548;               // +3548
    uint8_t reservado_3552[26];
};
static_assert(sizeof(QVCFRT) == 3578 && std::is_trivially_copyable_v<QVCFRT>);
static_assert(offsetof(QVCFRT, valor_0) == 0 &&
              offsetof(QVCFRT, valor_8) == 8 &&
              offsetof(QVCFRT, valor_16) == 16 &&
              offsetof(QVCFRT, valor_24) == 24 &&
              offsetof(QVCFRT, valor_64) == 64 &&
              offsetof(QVCFRT, chave_info_extras) == 88 &&
              offsetof(QVCFRT, posicao_cadastro) == 92 &&
              offsetof(QVCFRT, posicao_plano) == 96 &&
              offsetof(QVCFRT, valor_100) == 100 &&
              offsetof(QVCFRT, valor_104) == 104 &&
              offsetof(QVCFRT, condicao_pagamento) == 148 &&
              offsetof(QVCFRT, forma_pagamento) == 150 &&
              offsetof(QVCFRT, tipo_cobranca) == 152 &&
              offsetof(QVCFRT, tabela_preco_produtos) == 154 &&
              offsetof(QVCFRT, tabela_preco_servicos) == 156 &&
              offsetof(QVCFRT, valor_158) == 158 &&
              offsetof(QVCFRT, valor_180) == 180 &&
              offsetof(QVCFRT, valor_182) == 182 &&
              offsetof(QVCFRT, data_situacao_ativo) == 190 &&
              offsetof(QVCFRT, data_situacao_inativo) == 194 &&
              offsetof(QVCFRT, categoria) == 198 &&
              offsetof(QVCFRT, categoria_tipo) == 200 &&
              offsetof(QVCFRT, categoria_regiao) == 202 &&
              offsetof(QVCFRT, nome) == 984 &&
              offsetof(QVCFRT, classificacao) == 1036 &&
              offsetof(QVCFRT, codigo_largo) == 1068 &&
              offsetof(QVCFRT, contato) == 1100 &&
              offsetof(QVCFRT, texto_1132) == 1132 &&
              offsetof(QVCFRT, cnpj_cpf) == 1184 &&
              offsetof(QVCFRT, codigo) == 1300 &&
              offsetof(QVCFRT, texto_taxas) == 1312 &&
              offsetof(QVCFRT, tipo) == 1320 &&
              offsetof(QVCFRT, situacao) == 1321 &&
              offsetof(QVCFRT, pessoa) == 1322 &&
              offsetof(QVCFRT, flag_1323) == 1323 &&
              offsetof(QVCFRT, flag_1324) == 1324 &&
              offsetof(QVCFRT, flag_1325) == 1325 &&
              offsetof(QVCFRT, flag_1326) == 1326 &&
              offsetof(QVCFRT, flag_1327) == 1327 &&
              offsetof(QVCFRT, usa_taxas_1328) == 1328 &&
              offsetof(QVCFRT, letra_1330) == 1330 &&
              offsetof(QVCFRT, flag_1331) == 1331 &&
              offsetof(QVCFRT, bloqueado_venda) == 1332 &&
              offsetof(QVCFRT, byte_1333) == 1333 &&
              offsetof(QVCFRT, byte_1334) == 1334 &&
              offsetof(QVCFRT, tipo_conta) == 1335 &&
              offsetof(QVCFRT, caractere_conta) == 1336 &&
              offsetof(QVCFRT, byte_1344) == 1344 &&
              offsetof(QVCFRT, dias_adicionar) == 1345 &&
              offsetof(QVCFRT, byte_1347) == 1347 &&
              offsetof(QVCFRT, byte_1349) == 1349 &&
              offsetof(QVCFRT, byte_1351) == 1351 &&
              offsetof(QVCFRT, inscricao_estadual) == 1374 &&
              offsetof(QVCFRT, estado_civil) == 2022 &&
              offsetof(QVCFRT, cpf_conjuge) == 2524 &&
              offsetof(QVCFRT, numero) == 2584 &&
              offsetof(QVCFRT, posicao_transportadora) == 2596 &&
              offsetof(QVCFRT, valor_2600) == 2600 &&
              offsetof(QVCFRT, posicao_municipio) == 2608 &&
              offsetof(QVCFRT, rua) == 2610 &&
              offsetof(QVCFRT, municipio) == 2652 &&
              offsetof(QVCFRT, pais) == 2778 &&
              offsetof(QVCFRT, contato_endereco) == 2862 &&
              offsetof(QVCFRT, complemento) == 2894 &&
              offsetof(QVCFRT, bairro) == 2938 &&
              offsetof(QVCFRT, cep) == 2960 &&
              offsetof(QVCFRT, telefone) == 2978 &&
              offsetof(QVCFRT, ddd) == 3034 &&
              offsetof(QVCFRT, uf) == 3058 &&
              offsetof(QVCFRT, flag_3066) == 3066 &&
              offsetof(QVCFRT, sem_numero) == 3068 &&
              offsetof(QVCFRT, info_extras) == 3072 &&
              offsetof(QVCFRT, valor_3324) == 3324 &&
              offsetof(QVCFRT, representante) == 3344 &&
              offsetof(QVCFRT, dias_mes) == 3356 &&
              offsetof(QVCFRT, dia_semana) == 3362 &&
              offsetof(QVCFRT, proxima_ocorrencia) == 3363 &&
              offsetof(QVCFRT, valor_3364) == 3364 &&
              offsetof(QVCFRT, texto_3366) == 3366 &&
              offsetof(QVCFRT, texto_3384) == 3384 &&
              offsetof(QVCFRT, texto_3396) == 3396 &&
              offsetof(QVCFRT, texto_3402) == 3402 &&
              offsetof(QVCFRT, taxas) == 3408 &&
              offsetof(QVCFRT, cliente_desde) == 3472 &&
              offsetof(QVCFRT, usa_taxas_3524) == 3524 &&
              offsetof(QVCFRT, usa_taxas_3525) == 3525 &&
              offsetof(QVCFRT, atualiza) == 3533 &&
              offsetof(QVCFRT, mascara) == 3534 &&
              offsetof(QVCFRT, valor_3538) == 3538 &&
              offsetof(QVCFRT, valor_3540) == 3540 &&
              offsetof(QVCFRT, valor_3544) == 3544 &&
              offsetof(QVCFRT, valor_3548) == 3548);

// One account of a chart.
struct _RegContaPS {
    int32_t posicao;                  // +0
    int32_t posicao_2;                // +4 both from the registration
    int32_t posicao_cadastro;         // +8
    uint8_t reservado_12[2];
    char classificacao[32];           // +14
    char codigo_proprio[12];          // +46, 11 characters and a NUL
    char nome[52];                    // +58
    char tipo;                        // +110 'A' analytic, 'S' synthetic, 'T' title, 'G' group
    char caractere;                   // +111
    char segundo_nome[20];            // +112
    char codigo[32];                  // +132 own code
    char marcas[11];                  // +164 'S'/'N' per kind: 166 C, 167 F, 168 T, 169 R, 170/171 companions
    uint8_t marcas_extras[25];        // +175
    uint8_t reservado_200[8];
};
static_assert(sizeof(_RegContaPS) == 208 && std::is_trivially_copyable_v<_RegContaPS>);
static_assert(offsetof(_RegContaPS, posicao) == 0 &&
              offsetof(_RegContaPS, posicao_2) == 4 &&
              offsetof(_RegContaPS, posicao_cadastro) == 8 &&
              offsetof(_RegContaPS, classificacao) == 14 &&
              offsetof(_RegContaPS, codigo_proprio) == 46 &&
              offsetof(_RegContaPS, nome) == 58 &&
              offsetof(_RegContaPS, tipo) == 110 &&
              offsetof(_RegContaPS, caractere) == 111 &&
              offsetof(_RegContaPS, segundo_nome) == 112 &&
              offsetof(_RegContaPS, codigo) == 132 &&
              offsetof(_RegContaPS, marcas) == 164 &&
              offsetof(_RegContaPS, marcas_extras) == 175);

// The register server's main part (read entry 10, write entry 3).
struct QV_CFRT_PRINCIPAL {
    int32_t posicao_cadastro;         // +0
    uint8_t tipo;                     // +4 kind byte: bits 0-4 kind, 6 inactive, 7 natural person
    uint8_t flags2;                   // +5
    uint8_t flags3;                   // +6
    char caractere_conta;             // +7
    char codigo[12];                  // +8
    char nome[52];                    // +20
    char segundo_nome[20];            // +72
    char contato[30];                 // +92
    char usa_taxas[3];                // +122 record 3524, 3525, 1328
    uint8_t reservado_125[1];
    char tipo_conta;                  // +126
    uint8_t reservado_127[1];
    int32_t chave_taxas;              // +128
    int32_t mascara;                  // +132 parts the record holds
    char texto_1132[52];              // +136
    uint16_t valores[5];              // +188 hundredths: record 0, 8, 16, 24, 64
    uint16_t pagamento[3];            // +198 condition, form, collection type
    uint16_t tabelas_preco[2];        // +204
    uint16_t categorias[3];           // +208
    uint16_t datas[3];                // +214 active, inactive, customer since
    int32_t valor_158;                // +220
    int32_t chave_info_extras;        // +224
    int32_t valores_100[2];           // +228
    uint16_t valores_180[3];          // +236 record 180, 182, 3538
    uint8_t reservado_242[2];
    int32_t valores_3540[3];          // +244
    uint8_t tem_texto[2];             // +256
    uint8_t reservado_258[6];
    uint8_t textos[16];               // +264 two text pointers (pointer-sized, in 8 bytes each)
    int32_t posicao_plano;            // +280 the chart account the register links the CFRT to
    uint8_t reservado_284[1064];
};
static_assert(sizeof(QV_CFRT_PRINCIPAL) == 1348 && std::is_trivially_copyable_v<QV_CFRT_PRINCIPAL>);
static_assert(offsetof(QV_CFRT_PRINCIPAL, posicao_cadastro) == 0 &&
              offsetof(QV_CFRT_PRINCIPAL, tipo) == 4 &&
              offsetof(QV_CFRT_PRINCIPAL, flags2) == 5 &&
              offsetof(QV_CFRT_PRINCIPAL, flags3) == 6 &&
              offsetof(QV_CFRT_PRINCIPAL, caractere_conta) == 7 &&
              offsetof(QV_CFRT_PRINCIPAL, codigo) == 8 &&
              offsetof(QV_CFRT_PRINCIPAL, nome) == 20 &&
              offsetof(QV_CFRT_PRINCIPAL, segundo_nome) == 72 &&
              offsetof(QV_CFRT_PRINCIPAL, contato) == 92 &&
              offsetof(QV_CFRT_PRINCIPAL, usa_taxas) == 122 &&
              offsetof(QV_CFRT_PRINCIPAL, tipo_conta) == 126 &&
              offsetof(QV_CFRT_PRINCIPAL, chave_taxas) == 128 &&
              offsetof(QV_CFRT_PRINCIPAL, mascara) == 132 &&
              offsetof(QV_CFRT_PRINCIPAL, texto_1132) == 136 &&
              offsetof(QV_CFRT_PRINCIPAL, valores) == 188 &&
              offsetof(QV_CFRT_PRINCIPAL, pagamento) == 198 &&
              offsetof(QV_CFRT_PRINCIPAL, tabelas_preco) == 204 &&
              offsetof(QV_CFRT_PRINCIPAL, categorias) == 208 &&
              offsetof(QV_CFRT_PRINCIPAL, datas) == 214 &&
              offsetof(QV_CFRT_PRINCIPAL, valor_158) == 220 &&
              offsetof(QV_CFRT_PRINCIPAL, chave_info_extras) == 224 &&
              offsetof(QV_CFRT_PRINCIPAL, valores_100) == 228 &&
              offsetof(QV_CFRT_PRINCIPAL, valores_180) == 236 &&
              offsetof(QV_CFRT_PRINCIPAL, valores_3540) == 244 &&
              offsetof(QV_CFRT_PRINCIPAL, tem_texto) == 256 &&
              offsetof(QV_CFRT_PRINCIPAL, textos) == 264 &&
              offsetof(QV_CFRT_PRINCIPAL, posicao_plano) == 280);

// Legal entity part (read 11, write 4).
struct QV_CFRT_JURIDICA {
    char inscricao_estadual[22];      // +0
    char flag_1324;                   // +22
    uint8_t reservado_23[197];
};
static_assert(sizeof(QV_CFRT_JURIDICA) == 220 && std::is_trivially_copyable_v<QV_CFRT_JURIDICA>);
static_assert(offsetof(QV_CFRT_JURIDICA, inscricao_estadual) == 0 &&
              offsetof(QV_CFRT_JURIDICA, flag_1324) == 22);

// Natural person part (read 12, write 5).
struct QV_CFRT_FISICA {
    char estado_civil;                // +0 status character
    uint8_t reservado_1[3];
    int32_t tem_conjuge;              // +4 non-zero: a spouse part follows
    uint8_t reservado_8[56];
};
static_assert(sizeof(QV_CFRT_FISICA) == 64 && std::is_trivially_copyable_v<QV_CFRT_FISICA>);
static_assert(offsetof(QV_CFRT_FISICA, estado_civil) == 0 &&
              offsetof(QV_CFRT_FISICA, tem_conjuge) == 4);

// Spouse part (read 13, write 6).
struct QV_CFRT_CONJUGE {
    uint8_t cpf_bcd[6];               // +0 packed decimal, high digit first, a nibble of 10 ends it
    uint8_t reservado_6[58];
};
static_assert(sizeof(QV_CFRT_CONJUGE) == 64 && std::is_trivially_copyable_v<QV_CFRT_CONJUGE>);
static_assert(offsetof(QV_CFRT_CONJUGE, cpf_bcd) == 0);

// Part of record 1344, 1345 and 3324 to 3363 (read 23, write 21).
struct QV_CFRT_COMPLEMENTO {
    uint8_t byte_1344;                // +0
    uint8_t dias_adicionar;           // +1
    uint16_t valor_3324;              // +2 hundredths
    int32_t representante;            // +4
    char dias_mes[6];                 // +8
    uint8_t dia_semana;               // +14
    char proxima_ocorrencia;          // +15
    int32_t tem_complemento2;         // +16
    uint8_t reservado_20[44];
};
static_assert(sizeof(QV_CFRT_COMPLEMENTO) == 64 && std::is_trivially_copyable_v<QV_CFRT_COMPLEMENTO>);
static_assert(offsetof(QV_CFRT_COMPLEMENTO, byte_1344) == 0 &&
              offsetof(QV_CFRT_COMPLEMENTO, dias_adicionar) == 1 &&
              offsetof(QV_CFRT_COMPLEMENTO, valor_3324) == 2 &&
              offsetof(QV_CFRT_COMPLEMENTO, representante) == 4 &&
              offsetof(QV_CFRT_COMPLEMENTO, dias_mes) == 8 &&
              offsetof(QV_CFRT_COMPLEMENTO, dia_semana) == 14 &&
              offsetof(QV_CFRT_COMPLEMENTO, proxima_ocorrencia) == 15 &&
              offsetof(QV_CFRT_COMPLEMENTO, tem_complemento2) == 16);

// Part of record 3364 to 3405 (read 29, write 30).
struct QV_CFRT_COMPLEMENTO2 {
    uint16_t valor_3364;              // +0
    char texto_3366[16];              // +2
    char texto_3384[10];              // +18
    char texto_3396[4];               // +28
    char texto_3402[4];               // +32
    uint8_t reservado_36[12];
};
static_assert(sizeof(QV_CFRT_COMPLEMENTO2) == 48 && std::is_trivially_copyable_v<QV_CFRT_COMPLEMENTO2>);
static_assert(offsetof(QV_CFRT_COMPLEMENTO2, valor_3364) == 0 &&
              offsetof(QV_CFRT_COMPLEMENTO2, texto_3366) == 2 &&
              offsetof(QV_CFRT_COMPLEMENTO2, texto_3384) == 18 &&
              offsetof(QV_CFRT_COMPLEMENTO2, texto_3396) == 28 &&
              offsetof(QV_CFRT_COMPLEMENTO2, texto_3402) == 32);

// Address part (read 14, write 7).
struct QV_CFRT_ENDERECO {
    int32_t numero;                   // +0
    int32_t posicao_transportadora;   // +4
    int32_t valor_2600;               // +8
    uint16_t posicao_municipio;       // +12
    char rua[42];                     // +14
    char municipio[42];               // +56
    char pais[30];                    // +98
    char contato[32];                 // +128
    char complemento[22];             // +160
    char bairro[22];                  // +182
    int32_t cep;                      // +204 digits as a number; 0 when empty
    char telefone[12];                // +208
    char ddd[8];                      // +220
    char uf[3];                       // +228
    uint8_t flags;                    // +231 2: record 3066 not 'N'; 4: record 3068 'S'
    uint8_t byte_3073;                // +232
    uint8_t reservado_233[3];
    int32_t tem_info_extras;          // +236
    uint8_t reservado_240[16];
};
static_assert(sizeof(QV_CFRT_ENDERECO) == 256 && std::is_trivially_copyable_v<QV_CFRT_ENDERECO>);
static_assert(offsetof(QV_CFRT_ENDERECO, numero) == 0 &&
              offsetof(QV_CFRT_ENDERECO, posicao_transportadora) == 4 &&
              offsetof(QV_CFRT_ENDERECO, valor_2600) == 8 &&
              offsetof(QV_CFRT_ENDERECO, posicao_municipio) == 12 &&
              offsetof(QV_CFRT_ENDERECO, rua) == 14 &&
              offsetof(QV_CFRT_ENDERECO, municipio) == 56 &&
              offsetof(QV_CFRT_ENDERECO, pais) == 98 &&
              offsetof(QV_CFRT_ENDERECO, contato) == 128 &&
              offsetof(QV_CFRT_ENDERECO, complemento) == 160 &&
              offsetof(QV_CFRT_ENDERECO, bairro) == 182 &&
              offsetof(QV_CFRT_ENDERECO, cep) == 204 &&
              offsetof(QV_CFRT_ENDERECO, telefone) == 208 &&
              offsetof(QV_CFRT_ENDERECO, ddd) == 220 &&
              offsetof(QV_CFRT_ENDERECO, uf) == 228 &&
              offsetof(QV_CFRT_ENDERECO, flags) == 231 &&
              offsetof(QV_CFRT_ENDERECO, byte_3073) == 232 &&
              offsetof(QV_CFRT_ENDERECO, tem_info_extras) == 236);

// One entry of a chart's index (chart server entry 15): the low 24 bits of the first word are the
// account's record pointer; the top byte and the rest belong to the server.
struct _REGCON_INDEXPS {
    uint32_t ponteiro;                // +0
    uint8_t reservado_4[14];
};
static_assert(sizeof(_REGCON_INDEXPS) == 18 && std::is_trivially_copyable_v<_REGCON_INDEXPS>);

// Rates (read 32, write 33).
struct QV_CFRT_TAXAS {
    uint16_t taxas[5];                // +0 hundredths
    char texto[8];                    // +10
    uint8_t reservado_18[2];
};
static_assert(sizeof(QV_CFRT_TAXAS) == 20 && std::is_trivially_copyable_v<QV_CFRT_TAXAS>);
static_assert(offsetof(QV_CFRT_TAXAS, taxas) == 0 &&
              offsetof(QV_CFRT_TAXAS, texto) == 10);

#pragma pack(pop)

// The chart settings record (read by the chart server's entry 7).
inline constexpr size_t QV_CFRT_TAMANHO_CONFIGURACAO = 1364;
inline constexpr size_t QV_CFRT_CONFIG_CODIGO = 291;          // 'S'/'s': own code required
inline constexpr size_t QV_CFRT_CONFIG_REGRA_POSICAO = 721;   // 'S': chart position = register position
// The whole chart settings record as the chart classes read it; the models of a new account's
// classification per kind (31 characters and a NUL each).
inline constexpr size_t QV_PLANO_TAMANHO_CONFIGURACAO = 2772;
inline constexpr size_t QV_PLANO_CONFIG_MODELO_CLIENTE = 626;
inline constexpr size_t QV_PLANO_CONFIG_MODELO_FORNECEDOR = 658;
inline constexpr size_t QV_PLANO_CONFIG_MODELO_REPRESENTANTE = 690;
inline constexpr size_t QV_PLANO_CONFIG_MODELO_TRANSPORTADORA = 722;
// The account's flag bytes of _RegContaPS: a customer, supplier, carrier or representative
// account ('S'), and the hidden flag (non-zero: not offered to searches).
inline constexpr size_t QV_CONTA_MARCA_CLIENTE = 166;
inline constexpr size_t QV_CONTA_MARCA_FORNECEDOR = 167;
inline constexpr size_t QV_CONTA_MARCA_TRANSPORTADORA = 168;
inline constexpr size_t QV_CONTA_MARCA_REPRESENTANTE = 169;
inline constexpr size_t QV_CONTA_OCULTA = 177;
inline constexpr size_t QV_CONTA_CODIGO_PROPRIO = 46;   // 11 characters and a NUL
// The answer of the chart server's search (entry 20): the count and the pointer to the account
// pointers, which the server puts in the same task-memory block, right after this header.
struct QV_PLANO_BUSCA {
    uint32_t quantidade;
    uint32_t* ponteiros;
};

// The extra-information record (_Reg_InfoExtras_PS).
inline constexpr size_t QV_CFRT_TAMANHO_INFO_EXTRAS = 252;
