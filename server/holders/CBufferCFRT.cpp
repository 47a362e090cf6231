#include "server/holders/CBufferCFRT.h"

#include <cstring>

#include "base/QVSleep.h"
#include "base/QVTexto.h"
#include "platform/com/text.h"
#include "platform/com/unique.h"
#include "platform/inhouse/core/inhouse_guids.h"
#include "platform/inhouse/core/registros_sessao.h"
#include "server/holders/QVRepeticao.h"

namespace {
template <class Call>
HRESULT com_repeticao(Call&& call) {
    return qv_chama_com_repeticao(std::forward<Call>(call));
}
}  // namespace

CBufferCFRT::CBufferCFRT() = default;

CBufferCFRT::CBufferCFRT(const CBufferCFRT& other) { *this = other; }

CBufferCFRT& CBufferCFRT::operator=(const CBufferCFRT& other) {
    if (this == &other) return *this;
    m_plano = other.m_plano;
    m_cadastro = other.m_cadastro;
    m_cMascara = other.m_cMascara;
    m_configuracao = other.m_configuracao;
    m_sEmpresa = other.m_sEmpresa;
    m_wUsuario = other.m_wUsuario;
    m_lSessao = other.m_lSessao;
    m_bUsaServidorPlano = other.m_bUsaServidorPlano;
    m_bSegundaOpcao = other.m_bSegundaOpcao;
    m_bCodigoObrigatorio = other.m_bCodigoObrigatorio;
    m_cache = other.m_cache;
    m_cache_contatos = other.m_cache_contatos;
    m_cache_info_extras = other.m_cache_info_extras;
    m_lLimiteCache = other.m_lLimiteCache;
    m_bUsaCache = other.m_bUsaCache;
    m_bUsaCacheContatos = other.m_bUsaCacheContatos;
    m_bUsaCacheInfoExtras = other.m_bUsaCacheInfoExtras;
    return *this;
}

CBufferCFRT::~CBufferCFRT() {
    m_cache.clear();
    m_cache_contatos.clear();
    m_cache_info_extras.clear();
    m_cadastro.reset();
    m_plano.reset();
}

HRESULT CBufferCFRT::Inicializa(const CQVString& empresa, WORD usuario, long sessao) {
    m_wUsuario = usuario;
    m_lSessao = sessao;
    const CQVString cortada = empresa.substr(0, 29);
    if (cortada != m_sEmpresa) m_cache.clear();
    m_sEmpresa = cortada;

    if (!m_plano && m_bUsaServidorPlano) {
        if (HRESULT hr = QVCriaInstancia(inhouse::CLSID_PlanoServer, nullptr, QV_CLSCTX_SERVIDOR, IID_IQVDF_Plano,
                                         m_plano.put_void(), QV_CRIA_PADRAO);
            FAILED(hr))
            return hr;
    }
    if (!m_cadastro) {
        if (HRESULT hr = QVCriaInstancia(inhouse::CLSID_CFRTServer, nullptr, QV_CLSCTX_SERVIDOR, IID_IQVDF_CFRT,
                                         m_cadastro.put_void(), QV_CRIA_PADRAO);
            FAILED(hr))
            return hr;
    }

    const QV_SESSAO_32 bloco =
        inhouse::bloco_sessao<QV_SESSAO_32>(m_sEmpresa, m_wUsuario, m_lSessao);
    if (IQVDF_Plano* plano = m_plano.get()) {
        HRESULT hr = com_repeticao([&] { return plano->Inicializa(bloco); });
        if (FAILED(hr)) {
            DescartaServidores();
            return hr;
        }
        if (hr != S_OK) return hr;
        com_repeticao([&] { return plano->Atualiza(); });
        hr = com_repeticao([&] { return plano->Prepara(0, 0); });
        if (FAILED(hr)) {
            DescartaServidores();
            return hr;
        }
        if (hr != S_OK) return hr;
        std::array<uint8_t, QV_CFRT_TAMANHO_CONFIGURACAO> configuracao{};
        hr = com_repeticao([&] { return plano->LeConfiguracao(configuracao.data()); });
        if (FAILED(hr)) {
            DescartaServidores();
            return hr;
        }
        if (hr != S_OK) return hr;
        m_configuracao = configuracao;
    }

    HRESULT hr = S_OK;
    {
        com::unique_bstr bstr = com::to_bstr(m_sEmpresa);
        IQVDF_CFRT* cadastro = m_cadastro.get();
        hr = com_repeticao([&] { return cadastro->Inicializa(bstr.get(), m_wUsuario, m_lSessao); });
        if (FAILED(hr)) DescartaServidores();
    }
    const char codigo = static_cast<char>(m_configuracao[QV_CFRT_CONFIG_CODIGO]);
    m_bCodigoObrigatorio = codigo == 'S' || codigo == 's';
    return hr;
}

void CBufferCFRT::LiberaServidores() noexcept {
    m_cadastro.reset();
    m_plano.reset();
}

void CBufferCFRT::DescartaServidores() noexcept {
    m_cadastro.reset();
    if (m_bUsaServidorPlano) m_plano.reset();
}

HRESULT CBufferCFRT::Retoma() {
    if (m_cadastro && (m_plano || !m_bUsaServidorPlano)) return S_OK;
    return Inicializa(m_sEmpresa, m_wUsuario, m_lSessao);
}

void CBufferCFRT::SetCache(bool usa, long limite) {
    m_bUsaCache = usa;
    m_lLimiteCache = limite;
    if (!usa || static_cast<long>(m_cache.size()) > limite) m_cache.clear();
}

void CBufferCFRT::SetCacheContatos(bool usa) {
    m_bUsaCacheContatos = usa;
    if (!usa) LimpaCacheContatos();
}

void CBufferCFRT::SetCacheInfoExtras(bool usa) {
    m_bUsaCacheInfoExtras = usa;
    if (!usa) LimpaCacheInfoExtras();
}

// ---- Conversions between the record and the register's parts ----

namespace {

using inhouse::copia_texto;
using inhouse::poe_campo;
using inhouse::texto_campo;

// A field copied whole, its text cut to the target and always ended inside it.
template <size_t N, size_t M>
void copia_campo(char (&destino)[N], const char (&origem)[M]) noexcept {
    poe_campo(destino, texto_campo(origem));
}

bool sim(char c) noexcept { return c == 'S' || c == 's'; }
char sim_nao(bool b) noexcept { return b ? 'S' : 'N'; }

// Hundredths from the register (0 to 655.35) to money ticks, and back. Exact integers: the
// register's values are whole hundredths, and a value that does not fit is refused instead of
// wrapping round to a different amount.
int64_t ticks_de_centesimos(uint16_t v) noexcept { return static_cast<int64_t>(v) * 100; }

bool centesimos_de_ticks(int64_t ticks, uint16_t& out) noexcept {
    if (ticks < 0) return false;
    int64_t q = ticks / 100;
    const int64_t r = ticks % 100;
    if (r > 50 || (r == 50 && (q & 1))) ++q;    // to the nearest hundredth, ties to even
    if (q > 0xFFFF) return false;
    out = static_cast<uint16_t>(q);
    return true;
}

const char* estado_civil_texto(char c) noexcept {
    switch (c) {
        case 'C': case 'c': return "Casado";
        case 'S': case 's': return "Solteiro";
        case 'D': case 'd': return "Divorciado";
        case 'V': case 'v': return "Viúvo";
        case 'X': case 'x': return "Separado";
        case 'Z': case 'z': return "Convivente";
        default: return "";
    }
}

char estado_civil_caractere(std::string_view t) noexcept {
    if (t == "Separado") return 'X';
    if (t == "Convivente") return 'Z';
    return t.empty() ? '\0' : t.front();
}

// The spouse's CPF: digits two a byte, high digit first; a nibble of 10 ends the number early.
void compacta_cpf(std::string_view digitos, uint8_t (&bcd)[6]) noexcept {
    for (size_t i = 0; i < 12; ++i) {
        const uint8_t nibble = i < digitos.size() ? static_cast<uint8_t>(digitos[i] - '0') : 10;
        if (i % 2 == 0)
            bcd[i / 2] = static_cast<uint8_t>(nibble << 4);
        else
            bcd[i / 2] |= nibble;
    }
}

std::string expande_cpf(const uint8_t (&bcd)[6]) {
    std::string out;
    for (size_t i = 0; i < 12; ++i) {
        const uint8_t nibble = i % 2 == 0 ? bcd[i / 2] >> 4 : bcd[i / 2] & 15;
        if (nibble > 9) break;
        out += static_cast<char>('0' + nibble);
    }
    return out;
}

uint8_t bit(bool b, int n) noexcept { return b ? static_cast<uint8_t>(1u << n) : 0; }

// The CFRT types and their bits in the main part, in the order a read looks for them.
struct tipo_cfrt {
    char letra;
    uint8_t bit;
};
constexpr tipo_cfrt tipos_cfrt[] = {{'C', 1}, {'F', 2}, {'R', 4}, {'T', 8}, {'D', 16}};

// The two chart-account marks that each type sets, by number (the account's marks start at 164).
// A read takes the type of the last own mark set, in this order.
struct marcas_tipo {
    char letra;
    int proprio, companheiro;
};
constexpr int primeira_marca = 164;
constexpr marcas_tipo marcas_por_tipo[] = {{'C', 166, 170}, {'F', 167, 171}, {'R', 169, 171}, {'T', 168, 171}};

char maiuscula(char c) noexcept { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

// The fields that the record and a part hold alike, as (record field, part field) pairs: a read
// copies each pair into the record, a write into the part. Fields that change on the way (money,
// flags, cut texts, values that depend on the options) are converted where they are read or
// written.
template <size_t N, size_t M>
void copia(char (&destino)[N], const char (&origem)[M]) noexcept {
    copia_campo(destino, origem);
}
template <class D, class O>
void copia(D& destino, const O& origem) noexcept {
    destino = origem;
}
struct para_registro {
    template <class R, class P>
    void operator()(R& registro, const P& parte) const noexcept { copia(registro, parte); }
};
struct para_parte {
    template <class R, class P>
    void operator()(const R& registro, P& parte) const noexcept { copia(parte, registro); }
};

template <class R, class P, class F>
void campos_principal(R& r, P& p, F f) {
    f(r.contato, p.contato);
    f(r.texto_1132, p.texto_1132);
    f(r.usa_taxas_3524, p.usa_taxas[0]);
    f(r.usa_taxas_3525, p.usa_taxas[1]);
    f(r.usa_taxas_1328, p.usa_taxas[2]);
    f(r.mascara, p.mascara);
    f(r.condicao_pagamento, p.pagamento[0]);
    f(r.forma_pagamento, p.pagamento[1]);
    f(r.tipo_cobranca, p.pagamento[2]);
    f(r.tabela_preco_produtos, p.tabelas_preco[0]);
    f(r.tabela_preco_servicos, p.tabelas_preco[1]);
    f(r.categoria, p.categorias[0]);
    f(r.categoria_tipo, p.categorias[1]);
    f(r.categoria_regiao, p.categorias[2]);
    f(r.data_situacao_ativo, p.datas[0]);
    f(r.data_situacao_inativo, p.datas[1]);
    f(r.cliente_desde, p.datas[2]);
    f(r.chave_info_extras, p.chave_info_extras);
    f(r.valor_100, p.valores_100[0]);
    f(r.valor_104, p.valores_100[1]);
    f(r.valor_180, p.valores_180[0]);
    f(r.valor_182, p.valores_180[1]);
    f(r.valor_3538, p.valores_180[2]);
    f(r.valor_3540, p.valores_3540[0]);
    f(r.valor_3544, p.valores_3540[1]);
    f(r.valor_3548, p.valores_3540[2]);
}

template <class R, class P, class F>
void campos_juridica(R& r, P& j, F f) {
    f(r.inscricao_estadual, j.inscricao_estadual);
    f(r.flag_1324, j.flag_1324);
}

template <class R, class P, class F>
void campos_complemento(R& r, P& k, F f) {
    f(r.byte_1344, k.byte_1344);
    f(r.dias_adicionar, k.dias_adicionar);
    f(r.representante, k.representante);
    f(r.dias_mes, k.dias_mes);
    f(r.dia_semana, k.dia_semana);
}

template <class R, class P, class F>
void campos_complemento2(R& r, P& k2, F f) {
    f(r.valor_3364, k2.valor_3364);
    f(r.texto_3366, k2.texto_3366);
    f(r.texto_3384, k2.texto_3384);
    f(r.texto_3396, k2.texto_3396);
    f(r.texto_3402, k2.texto_3402);
}

template <class R, class P, class F>
void campos_endereco(R& r, P& e, F f) {
    f(r.numero, e.numero);
    f(r.posicao_transportadora, e.posicao_transportadora);
    f(r.posicao_municipio, e.posicao_municipio);
    f(r.rua, e.rua);
    f(r.municipio, e.municipio);
    f(r.pais, e.pais);
    f(r.contato_endereco, e.contato);
    f(r.complemento, e.complemento);
    f(r.bairro, e.bairro);
    f(r.telefone, e.telefone);
    f(r.ddd, e.ddd);
    f(r.uf, e.uf);
}

}  // namespace

// ---- Reading ----

HRESULT CBufferCFRT::Le(QVCFRT* registro, long mascara) {
    if (!registro) return E_POINTER;
    CQVCFRTDados dados(*registro);
    const HRESULT hr = LeRegistro(&dados, mascara);
    // Only a complete read reaches the caller; anything else leaves its record as it was.
    if (hr == S_OK) *registro = dados.m_registro;
    return hr;
}

HRESULT CBufferCFRT::LeRegistro(CQVCFRTDados* dados, long mascara) {
    if (!dados) return E_POINTER;
    if (!m_bUsaServidorPlano || !m_plano || !m_cadastro) return QVCFRT_SEM_SERVIDOR;
    IQVDF_Plano* plano = m_plano.get();
    IQVDF_CFRT* cadastro = m_cadastro.get();
    auto falhou = [this](HRESULT hr) {
        DescartaServidores();
        return hr;
    };

    const QVCFRT& pedido = dados->m_registro;
    const bool atualiza = pedido.atualiza != 0;
    long posicao = pedido.posicao_plano;
    const std::string codigo(texto_campo(pedido.codigo));
    const std::string classificacao(texto_campo(pedido.classificacao));
    if (posicao == 0 && codigo.empty() && classificacao.empty()) return QVCFRT_SEM_CHAVE;

    _RegContaPS conta{};
    bool completando = false;
    if (posicao == 0) {
        com::unique_bstr chave = com::to_bstr(!codigo.empty() ? codigo : classificacao);
        LONG achada = 0;
        const HRESULT hr = com_repeticao(
            [&] { return plano->BuscaCodigo(chave.get(), &achada, reinterpret_cast<BYTE*>(&conta)); });
        if (FAILED(hr)) return falhou(hr);
        if (hr != S_OK) return QVCFRT_NAO_ENCONTRADO;
        posicao = achada;
    } else {
        if (m_bUsaCache) {
            if (!atualiza) {
                if (auto it = m_cache.find(posicao); it != m_cache.end()) {
                    const long guardada = it->second.m_registro.mascara;
                    if (mascara == 0 || (guardada & mascara) == mascara) {
                        *dados = it->second;
                        return S_OK;
                    }
                    mascara |= guardada;
                    completando = true;
                }
            } else {
                m_cache.erase(posicao);
            }
        }
        if (regra_posicao() != 'S') {
            const HRESULT hr =
                com_repeticao([&] { return plano->LeConta(posicao, reinterpret_cast<BYTE*>(&conta)); });
            if (FAILED(hr)) return falhou(hr);
            if (hr != S_OK) return QVCFRT_CONTA_INEXISTENTE;
        }
    }

    // The new record is built aside and handed over only when the whole read succeeded.
    CQVCFRTDados novo;
    QVCFRT& r = novo.m_registro;
    if (regra_posicao() == 'S') {
        r.posicao_cadastro = posicao;
    } else {
        r.posicao_plano = conta.posicao;
        r.posicao_cadastro = conta.posicao_cadastro;
        copia_campo(r.classificacao, conta.classificacao);
        poe_campo(r.codigo, texto_campo(conta.codigo).substr(0, 10));
        copia_campo(r.nome, conta.nome);
        copia_campo(r.cnpj_cpf, conta.segundo_nome);
        r.caractere_conta = conta.caractere;
        r.tipo_conta = conta.tipo;
        copia_campo(r.codigo_largo, conta.codigo);
        r.tipo = ' ';
        for (const marcas_tipo& m : marcas_por_tipo)
            if (conta.marcas[m.proprio - primeira_marca] == 'S') r.tipo = m.letra;
    }
    if (r.posicao_cadastro == 0) {
        // The CFRT exists only in the chart.
        r.situacao = 'A';
        *dados = novo;
        return S_OK;
    }

    QV_CFRT_PRINCIPAL p{};
    HRESULT hr = com_repeticao(
        [&] { return cadastro->LePrincipal(r.posicao_cadastro, reinterpret_cast<BYTE*>(&p), mascara); });
    if (FAILED(hr)) return falhou(hr);
    if (hr != S_OK) return hr;

    // Flags.
    r.tipo = ' ';
    for (const tipo_cfrt& t : tipos_cfrt) {
        if (p.tipo & t.bit) {
            r.tipo = t.letra;
            break;
        }
    }
    r.situacao = (p.tipo & 64) ? 'I' : 'A';
    r.pessoa = (p.tipo & 128) ? 'F' : 'J';
    r.flag_1323 = sim_nao(p.flags2 & 1);
    r.flag_1325 = sim_nao(p.flags2 & 2);
    r.flag_1326 = sim_nao(p.flags2 & 4);
    r.flag_1327 = sim_nao(p.flags2 & 8);
    r.letra_1330 = (p.flags3 & 1) ? 'A' : 'P';
    r.flag_1331 = sim_nao(p.flags3 & 2);
    r.bloqueado_venda = (p.flags3 >> 2) & 1;
    r.byte_1333 = (p.flags3 >> 3) & 1;
    r.byte_1334 = (p.flags3 >> 4) & 1;
    r.byte_1347 = (p.flags3 >> 5) & 1;
    r.byte_1349 = (p.flags3 >> 6) & 1;
    r.byte_1351 = (p.flags3 >> 7) & 1;
    for (int i = 0; i < 2; ++i) {
        if (!p.tem_texto[i]) continue;
        uint64_t endereco = 0;
        std::memcpy(&endereco, &p.textos[i * 8], sizeof endereco);
        const char* t = reinterpret_cast<const char*>(static_cast<uintptr_t>(endereco));
        (i == 0 ? novo.m_sTexto1 : novo.m_sTexto2) = t ? t : "";
    }
    if (regra_posicao() == 'S') {
        copia_campo(r.nome, p.nome);
        r.posicao_plano = r.posicao_cadastro;
        std::memset(r.classificacao, 0, sizeof r.classificacao);
        poe_campo(r.codigo, texto_campo(p.codigo).substr(0, 10));
        copia_campo(r.cnpj_cpf, p.segundo_nome);
        r.tipo_conta = p.tipo_conta;
        r.caractere_conta = p.caractere_conta;
    }

    // The main part's other fields.
    campos_principal(r, p, para_registro{});
    r.valor_158 = p.valor_158;

    // Rates.
    if ((p.usa_taxas[0] == 'S' || p.usa_taxas[1] == 'S' || p.usa_taxas[2] == 'S') && p.chave_taxas != 0) {
        QV_CFRT_TAXAS t{};
        hr = com_repeticao([&] { return cadastro->LeTaxas(p.chave_taxas, reinterpret_cast<BYTE*>(&t)); });
        if (FAILED(hr)) return falhou(hr);
        if (hr != S_OK) return hr;
        for (int i = 0; i < 5; ++i) r.taxas[i] = ticks_de_centesimos(t.taxas[i]);
        copia_campo(r.texto_taxas, t.texto);
    }
    r.valor_0 = ticks_de_centesimos(p.valores[0]);
    r.valor_8 = ticks_de_centesimos(p.valores[1]);
    r.valor_16 = ticks_de_centesimos(p.valores[2]);
    r.valor_24 = ticks_de_centesimos(p.valores[3]);
    r.valor_64 = ticks_de_centesimos(p.valores[4]);

    // Person part.
    QV_CFRT_FISICA fisica{};
    QV_CFRT_CONJUGE conjuge{};
    QV_CFRT_JURIDICA juridica{};
    bool tem_conjuge = false;
    if (p.tipo & 128) {
        hr = com_repeticao([&] { return cadastro->LeFisica(0, reinterpret_cast<BYTE*>(&fisica)); });
        if (FAILED(hr)) return falhou(hr);
        if (fisica.tem_conjuge != 0) {
            tem_conjuge = true;
            hr = com_repeticao([&] { return cadastro->LeConjuge(0, reinterpret_cast<BYTE*>(&conjuge)); });
            if (FAILED(hr)) return falhou(hr);
        }
    } else {
        hr = com_repeticao([&] { return cadastro->LeJuridica(0, reinterpret_cast<BYTE*>(&juridica)); });
        if (FAILED(hr)) return falhou(hr);
    }

    QV_CFRT_COMPLEMENTO k{};
    hr = com_repeticao([&] { return cadastro->LeComplemento(0, reinterpret_cast<BYTE*>(&k)); });
    if (FAILED(hr)) return falhou(hr);
    campos_complemento(r, k, para_registro{});
    r.valor_3324 = ticks_de_centesimos(k.valor_3324);
    r.proxima_ocorrencia = k.proxima_ocorrencia;
    if (k.tem_complemento2 != 0) {
        QV_CFRT_COMPLEMENTO2 k2{};
        hr = com_repeticao([&] { return cadastro->LeComplemento2(0, reinterpret_cast<BYTE*>(&k2)); });
        if (FAILED(hr)) return falhou(hr);
        campos_complemento2(r, k2, para_registro{});
    }

    QV_CFRT_ENDERECO e{};
    hr = com_repeticao([&] { return cadastro->LeEndereco(0, reinterpret_cast<BYTE*>(&e)); });
    if (FAILED(hr)) return falhou(hr);
    if (hr != S_OK) return hr;
    campos_endereco(r, e, para_registro{});
    r.valor_2600 = e.valor_2600;
    poe_campo(r.cep, FormataCEP(e.cep > 0 ? std::to_string(e.cep) : std::string()));
    r.flag_3066 = (e.flags & 2) ? 'S' : 'N';
    r.sem_numero = (e.flags & 4) ? 'S' : 'N';
    // Record byte 3073 lies inside the extra information: the whole record, when there is one,
    // has the last word.
    r.info_extras[1] = e.byte_3073;
    if (e.tem_info_extras != 0) {
        hr = com_repeticao([&] { return cadastro->LeInfoExtras(0, r.info_extras); });
        if (FAILED(hr)) return falhou(hr);
        if (hr != S_OK) return hr;
    }

    if (p.tipo & 128) {
        poe_campo(r.estado_civil, estado_civil_texto(fisica.estado_civil));
        if (tem_conjuge) {
            char cpf[21] = {};
            copia_texto(cpf, 16, expande_cpf(conjuge.cpf_bcd));
            MascaraCpfCnpj(cpf, 1);
            poe_campo(r.cpf_conjuge, cpf);
        }
    } else {
        campos_juridica(r, juridica, para_registro{});
    }

    if (m_bUsaCache && r.posicao_plano != 0 &&
        (completando || static_cast<long>(m_cache.size()) < m_lLimiteCache))
        m_cache[r.posicao_plano] = novo;
    *dados = novo;
    return S_OK;
}

HRESULT CBufferCFRT::LeInfoExtras(long chave, uint8_t* info) {
    if (!info) return E_POINTER;
    if (m_bUsaCacheInfoExtras) {
        if (auto it = m_cache_info_extras.find(chave); it != m_cache_info_extras.end()) {
            std::memcpy(info, it->second.data(), QV_CFRT_TAMANHO_INFO_EXTRAS);
            return S_OK;
        }
    }
    if (!m_cadastro) return QVCFRT_SEM_SERVIDOR;
    std::array<uint8_t, QV_CFRT_TAMANHO_INFO_EXTRAS> lido{};
    const HRESULT hr = m_cadastro->LeInfoExtrasChave(chave, lido.data());
    if (FAILED(hr)) return hr;
    if (hr == S_OK) {
        std::memcpy(info, lido.data(), lido.size());
        if (m_bUsaCacheInfoExtras) m_cache_info_extras[chave] = lido;
    }
    return hr;
}

CQVString CBufferCFRT::FormataCEP(const CQVString& cep) const {
    if (cep.size() < 7) return cep;
    CQVString t = cep.size() == 7 ? CQVString("0" + cep) : cep;
    if (m_cMascara == 'S') {
        const size_t n = t.size();
        t = CQVString(t.substr(0, n - 6) + "." + t.substr(n - 6, 3) + "-" + t.substr(n - 3, 3));
    }
    return t;
}

void CBufferCFRT::MascaraCpfCnpj(char* texto, int modo) {
    if (!texto) return;
    const size_t n = strnlen(texto, 20);
    const std::string original(texto, n);
    if (modo == 1) {
        std::string out;
        if (n == 11)
            out = original.substr(0, 3) + "." + original.substr(3, 3) + "." + original.substr(6, 3) + "-" +
                  original.substr(9, 2);
        else if (n == 14)
            out = original.substr(0, 2) + "." + original.substr(2, 3) + "." + original.substr(5, 3) + "/" +
                  original.substr(8, 4) + "-" + original.substr(12, 2);
        else
            return;
        std::memcpy(texto, out.c_str(), out.size() + 1);
        return;
    }
    std::string digitos;
    for (char c : original)
        if (c >= '0' && c <= '9') digitos += c;
    // A masked CPF (14 characters) keeps its 11 digits and a masked CNPJ (18) all its 14: the
    // check digits are part of the number.
    if (n == 14 && digitos.size() > 11) digitos.resize(11);
    if (n == 18 && digitos.size() > 14) digitos.resize(14);
    std::memcpy(texto, digitos.c_str(), digitos.size() + 1);
}

void CBufferCFRT::CalculaDigitosCpfCnpj(char* texto) {
    if (!texto) return;
    const bool cnpj = std::strlen(texto) == 12;
    for (int which = 1; which <= 2; ++which) {
        const int d = cnpj ? QVCalculaDigitoCNPJ(which, texto) : QVCalculaDigitoCPF(which, texto);
        if (d < 0) return;
        const size_t n = std::strlen(texto);
        texto[n] = static_cast<char>('0' + d);
        texto[n + 1] = '\0';
    }
}

// ---- Writing ----

HRESULT CBufferCFRT::Grava(QVCFRT* registro) {
    if (!registro) return E_POINTER;
    CQVCFRTDados dados(*registro);
    if (registro->posicao_plano != 0) {
        // The stored CFRT gives the free texts; the caller's fields win over everything else.
        // Only a complete read counts: "not found" codes have success severity.
        const HRESULT hr = LeRegistro(&dados, -1);
        if (hr != S_OK) return hr;
        dados.m_registro = *registro;
    }
    const HRESULT hr = GravaRegistro(&dados);
    // Whatever the result: after a partial write the record carries the chart position of the
    // account registered on the way, so that a retry updates that account instead of adding one.
    *registro = dados.m_registro;
    return hr;
}

HRESULT CBufferCFRT::GravaRegistro(CQVCFRTDados* dados) {
    if (!dados) return E_POINTER;
    // Written back to the holder when everything is saved; a registered chart account goes back
    // at once.
    QVCFRT r = dados->m_registro;
    const std::string classificacao(texto_campo(r.classificacao));
    const std::string codigo(texto_campo(r.codigo));
    const char regra = regra_posicao();

    // Every check comes before the first write, so that a refused record leaves nothing behind
    // (no chart account without its register record).
    if ((classificacao.empty() && regra == 'N') || (codigo.empty() && m_bCodigoObrigatorio)) return QVCFRT_FALTA_CODIGO;
    if (!m_bUsaServidorPlano || !m_plano || !m_cadastro) return QVCFRT_SEM_SERVIDOR;
    if (r.posicao_plano == 0 && codigo.empty() && classificacao.empty()) return QVCFRT_SEM_CHAVE;
    if (r.rua[0] == 0) return QVCFRT_FALTA_ENDERECO;

    IQVDF_Plano* plano = m_plano.get();
    IQVDF_CFRT* cadastro = m_cadastro.get();
    auto falhou = [this](HRESULT hr) {
        DescartaServidores();
        return hr;
    };

    const bool novo = r.posicao_plano == 0;
    _RegContaPS conta{};
    if (!novo) {
        m_cache.erase(r.posicao_plano);
        if (regra != 'S') {
            const HRESULT hr =
                com_repeticao([&] { return plano->LeConta(r.posicao_plano, reinterpret_cast<BYTE*>(&conta)); });
            if (FAILED(hr)) return falhou(hr);
            if (hr != S_OK) return QVCFRT_CONTA_INEXISTENTE;
        }
    } else {
        if (r.posicao_cadastro != 0) return QVCFRT_NOVO_COM_POSICAO;
        if (r.nome[0] == 0 || classificacao.empty()) return QVCFRT_SEM_CHAVE;
    }

    QV_CFRT_PRINCIPAL p{};
    for (const tipo_cfrt& t : tipos_cfrt)
        if (maiuscula(r.tipo) == t.letra) p.tipo = t.bit;
    if (p.tipo == 0) return QVCFRT_TIPO_INVALIDO;
    if (r.situacao != 'A' && r.situacao != 'a') p.tipo |= 64;
    const bool fisica = r.pessoa == 'F' || r.pessoa == 'f';
    if (fisica)
        p.tipo |= 128;
    else if (r.pessoa != 'J' && r.pessoa != 'j')
        return QVCFRT_PESSOA_INVALIDA;

    p.flags2 = bit(sim(r.flag_1323), 0) | bit(sim(r.flag_1325), 1) | bit(sim(r.flag_1327), 3);
    if (!fisica) {
        p.flags2 |= bit(sim(r.flag_1326), 2);
        p.valor_158 = r.valor_158;
    }
    p.flags3 = bit(r.letra_1330 == 'A' || r.letra_1330 == 'a', 0) | bit(sim(r.flag_1331), 1) |
               bit(r.bloqueado_venda != 0, 2) | bit(r.byte_1333 != 0, 3) | bit(r.byte_1334 != 0, 4) |
               bit(r.byte_1347 != 0, 5) | bit(r.byte_1349 != 0, 6) | bit(r.byte_1351 != 0, 7);

    // Money goes to the register in whole hundredths of at most 655.35.
    const int64_t valores[5] = {r.valor_0, r.valor_8, r.valor_16, r.valor_24, r.valor_64};
    for (int i = 0; i < 5; ++i)
        if (!centesimos_de_ticks(valores[i], p.valores[i])) return QVCFRT_VALOR_FORA_DA_FAIXA;
    const bool com_taxas = r.usa_taxas_3524 == 'S' || r.usa_taxas_3525 == 'S' || r.usa_taxas_1328 == 'S';
    QV_CFRT_TAXAS taxas{};
    if (com_taxas) {
        for (int i = 0; i < 5; ++i)
            if (!centesimos_de_ticks(r.taxas[i], taxas.taxas[i])) return QVCFRT_VALOR_FORA_DA_FAIXA;
        copia_campo(taxas.texto, r.texto_taxas);
    }
    QV_CFRT_COMPLEMENTO k{};
    if (!centesimos_de_ticks(r.valor_3324, k.valor_3324)) return QVCFRT_VALOR_FORA_DA_FAIXA;

    // The main part.
    p.posicao_cadastro = r.posicao_cadastro;
    copia_campo(p.codigo, r.codigo);
    copia_campo(p.nome, r.nome);
    copia_campo(p.segundo_nome, r.cnpj_cpf);
    campos_principal(r, p, para_parte{});
    p.tipo_conta = r.tipo_conta;

    // The other parts.
    campos_complemento(r, k, para_parte{});
    k.proxima_ocorrencia = sim(r.proxima_ocorrencia) ? 'S' : r.proxima_ocorrencia;
    k.tem_complemento2 = 1;
    QV_CFRT_COMPLEMENTO2 k2{};
    campos_complemento2(r, k2, para_parte{});
    QV_CFRT_JURIDICA juridica{};
    QV_CFRT_FISICA pessoa_fisica{};
    QV_CFRT_CONJUGE conjuge{};
    const std::string estado_civil(texto_campo(r.estado_civil));
    const bool casado = fisica && !estado_civil.empty() && (estado_civil[0] == 'C' || estado_civil[0] == 'c');
    if (fisica) {
        pessoa_fisica.estado_civil = estado_civil_caractere(estado_civil);
        pessoa_fisica.tem_conjuge = casado ? 1 : 0;
        if (casado) {
            char cpf[21] = {};
            copia_texto(cpf, 16, texto_campo(r.cpf_conjuge));
            MascaraCpfCnpj(cpf, 0);
            compacta_cpf(cpf, conjuge.cpf_bcd);
        }
    } else {
        campos_juridica(r, juridica, para_parte{});
    }
    QV_CFRT_ENDERECO e{};
    {
        std::string digitos;
        for (char c : texto_campo(r.cep))
            if (c >= '0' && c <= '9') digitos += c;
        e.cep = digitos.empty() ? 0 : static_cast<int32_t>(std::stoll(digitos.substr(0, 9)));
    }
    e.flags = static_cast<uint8_t>((r.flag_3066 == 'N' || r.flag_3066 == 'n' ? 0 : 2) | (sim(r.sem_numero) ? 4 : 0));
    e.byte_3073 = r.info_extras[1];
    e.valor_2600 = m_bSegundaOpcao ? r.valor_2600 : 0;
    campos_endereco(r, e, para_parte{});
    e.tem_info_extras = 1;

    // The chart account: the first write.
    if (regra != 'S') {
        char tipo = conta.tipo;
        if (novo) {
            tipo = 'A';
            const size_t ponto = classificacao.rfind('.');
            if (ponto != std::string::npos) {
                com::unique_bstr pai = com::to_bstr(classificacao.substr(0, ponto));
                LONG posicao_pai = 0;
                HRESULT hr = com_repeticao([&] { return plano->BuscaClassificacao(pai.get(), &posicao_pai); });
                if (FAILED(hr)) return falhou(hr);
                if (posicao_pai != 0) {
                    _RegContaPS conta_pai{};
                    hr = com_repeticao(
                        [&] { return plano->LeConta(posicao_pai, reinterpret_cast<BYTE*>(&conta_pai)); });
                    if (FAILED(hr)) return falhou(hr);
                    tipo = conta_pai.tipo == 'G' || conta_pai.tipo == 'A' ? 'S' : 'A';
                }
            }
        }
        com::unique_bstr bstr_classificacao = com::to_bstr(classificacao);
        LONG registrada = 0;
        HRESULT hr = tipo == 'S' ? plano->RegistraClassificacaoSintetica(bstr_classificacao.get(), &registrada)
                                 : plano->RegistraClassificacao(bstr_classificacao.get(), &registrada);
        if (FAILED(hr)) return falhou(hr);

        _RegContaPS nova{};
        nova.posicao = registrada;
        nova.posicao_2 = registrada;
        nova.posicao_cadastro = r.posicao_cadastro;
        copia_campo(nova.classificacao, r.classificacao);
        copia_campo(nova.codigo, r.codigo);
        copia_campo(nova.nome, r.nome);
        copia_campo(nova.segundo_nome, r.cnpj_cpf);
        nova.caractere = r.caractere_conta;
        nova.tipo = tipo;
        // A new CFRT takes its type letter in either case, an existing one in capitals only.
        const char letra = novo ? maiuscula(r.tipo) : r.tipo;
        if (novo) {
            std::memset(nova.marcas, 'N', sizeof nova.marcas);
        } else {
            std::memcpy(nova.marcas, conta.marcas, sizeof nova.marcas);
            std::memcpy(nova.marcas_extras, conta.marcas_extras, sizeof nova.marcas_extras);
        }
        auto marca = [&](int proprio, int companheiro) {
            nova.marcas[proprio - primeira_marca] = 'S';
            nova.marcas[companheiro - primeira_marca] = 'S';
        };
        for (const marcas_tipo& m : marcas_por_tipo)
            if (letra == m.letra) marca(m.proprio, m.companheiro);
        LONG posicao = 0;
        hr = plano->GravaConta(novo ? 0 : r.posicao_plano, reinterpret_cast<const BYTE*>(&nova), &posicao);
        if (FAILED(hr)) return falhou(hr);
        if (hr != S_OK) return hr;
        r.posicao_plano = posicao;
        r.tipo_conta = tipo;
        dados->m_registro.posicao_plano = posicao;
        dados->m_registro.tipo_conta = tipo;
    } else {
        p.caractere_conta = r.caractere_conta;
    }
    p.posicao_plano = r.posicao_plano;

    if (com_taxas) {
        p.chave_taxas = r.posicao_cadastro;
        const HRESULT hr = cadastro->GravaTaxas(r.posicao_cadastro, reinterpret_cast<const BYTE*>(&taxas));
        if (FAILED(hr)) return falhou(hr);
    }

    // The free texts travel in task memory whose addresses go into the main part.
    struct bloco_tarefa {
        char* p = nullptr;
        ~bloco_tarefa() { CoTaskMemFree(p); }
    } blocos[2];
    const CQVString* textos[2] = {&dados->m_sTexto1, &dados->m_sTexto2};
    for (int i = 0; i < 2; ++i) {
        if (textos[i]->empty()) continue;
        blocos[i].p = static_cast<char*>(CoTaskMemAlloc(textos[i]->size() + 1));
        if (!blocos[i].p) return E_OUTOFMEMORY;
        std::memcpy(blocos[i].p, textos[i]->c_str(), textos[i]->size() + 1);
        const uint64_t endereco = reinterpret_cast<uintptr_t>(blocos[i].p);
        std::memcpy(&p.textos[i * 8], &endereco, sizeof endereco);
        p.tem_texto[i] = 1;
    }
    HRESULT hr = cadastro->GravaPrincipal(r.posicao_cadastro, reinterpret_cast<const BYTE*>(&p));
    if (FAILED(hr)) return falhou(hr);

    hr = cadastro->GravaComplemento(0, reinterpret_cast<const BYTE*>(&k));
    if (FAILED(hr)) return falhou(hr);
    if (fisica) {
        hr = cadastro->GravaFisica(0, reinterpret_cast<const BYTE*>(&pessoa_fisica));
        if (FAILED(hr)) return falhou(hr);
        if (casado) {
            hr = cadastro->GravaConjuge(0, reinterpret_cast<const BYTE*>(&conjuge));
            if (FAILED(hr)) return falhou(hr);
        }
    } else {
        hr = cadastro->GravaJuridica(0, reinterpret_cast<const BYTE*>(&juridica));
        if (FAILED(hr)) return falhou(hr);
    }
    hr = cadastro->GravaComplemento2(0, reinterpret_cast<const BYTE*>(&k2));
    if (FAILED(hr)) return falhou(hr);
    hr = cadastro->GravaInfoExtras(0, r.info_extras);
    if (FAILED(hr)) return falhou(hr);

    LONG posicao_cadastro = 0;
    hr = cadastro->GravaEndereco(0, reinterpret_cast<const BYTE*>(&e), &posicao_cadastro);
    if (FAILED(hr)) return falhou(hr);
    if (hr != S_OK) return hr;
    r.posicao_cadastro = posicao_cadastro;
    if (regra == 'S') r.posicao_plano = posicao_cadastro;
    dados->m_registro = r;
    return S_OK;
}
