#include "platform/inhouse/login/servidores_login.h"

#include <cstdio>
#include <cstring>
#include <optional>

#include "base/CQVData.h"
#include "platform/com/text.h"
#include "platform/inhouse/login/registros_login.h"
#include "platform/inhouse/login/senha.h"

namespace inhouse {

namespace {

bool empresa_existe(store& data, const std::string& empresa) {
    auto query = data.prepare("SELECT 1 FROM empresa WHERE chave = ? COLLATE NOCASE");
    query.bind_text(1, empresa);
    return query.step();
}

// The 38-byte session record into a server's session; the company must exist.
HRESULT inicializa_sessao(store& data, const QV_SESSAO_38& bloco, sessao_servidor& sessao) {
    const auto r = de_bloco<REG_SESSAO_38>(bloco);
    const std::string empresa = empresa_sessao(bloco);
    if (!empresa_existe(data, empresa)) return QV_E_EMPRESA_DESCONHECIDA;
    sessao = {true, empresa, r.usuario, r.sessao};
    return S_OK;
}

std::string descreve(const QV_SESSAO_38& bloco) {
    const auto r = de_bloco<REG_SESSAO_38>(bloco);
    return descreve_sessao(empresa_sessao(bloco), r.usuario, r.sessao);
}

REG_USUARIO registro_usuario(const sqlite::statement& row, int first_column) {
    // Columns: nome, nome_completo, bloqueado, apelido.
    REG_USUARIO r{};
    copia_texto(r.nome, sizeof r.nome - 1, row.column_text(first_column));
    copia_texto(r.nome_completo, sizeof r.nome_completo - 1, row.column_text(first_column + 1));
    r.bloqueado = row.column_int(first_column + 2) ? 1 : 0;
    copia_texto(r.apelido, sizeof r.apelido - 1, row.column_text(first_column + 3));
    return r;
}

constexpr const char* colunas_usuario = "nome, nome_completo, bloqueado, apelido";

// The period tables keep dates as "yyyy-mm-dd" (empty: no date). A date the 16-bit field cannot
// hold is refused, never wrapped into another day.
std::optional<WORD> dia_do_periodo(const std::string& texto) {
    if (texto.empty()) return WORD{0};
    int ano = 0, mes = 0, dia = 0;
    char resto = 0;
    if (std::sscanf(texto.c_str(), "%4d-%2d-%2d%c", &ano, &mes, &dia, &resto) != 3) return std::nullopt;
    if (mes < 1 || mes > 12 || dia < 1 || dia > qv_dias_no_mes(mes, ano)) return std::nullopt;
    const uint32_t numero = qv_numero_dia(dia, mes, ano);
    if (numero == 0 || numero > CQVData::maximo_curto) return std::nullopt;
    return static_cast<WORD>(numero);
}

}  // namespace

FILIAIS_ATIVAS le_filiais_ativas(store& data, const std::string& empresa, WORD usuario) {
    FILIAIS_ATIVAS bloco{};
    auto query = data.prepare(
        "SELECT filial FROM usuario_filial WHERE empresa = ? COLLATE NOCASE AND usuario = ? AND ativa <> 0");
    query.bind_text(1, empresa).bind(2, static_cast<int>(usuario));
    while (query.step()) {
        const int64_t p = query.column_int64(0);
        if (p >= 0 && p < static_cast<int64_t>(sizeof bloco.filiais) && !bloco.filiais[p]) {
            bloco.filiais[p] = 1;
            ++bloco.quantidade;
        }
    }
    return bloco;
}

// ---- EmpresaServer ----

HRESULT STDMETHODCALLTYPE EmpresaServer::QuantidadeEmpresas(BSTR modulo, LONG* quantidade) noexcept try {
    if (!quantidade) return E_POINTER;
    const std::string m = com::from_bstr(modulo);
    if (HRESULT hr = faults().enter("QuantidadeEmpresas", "modulo=" + m); FAILED(hr)) return hr;
    auto query = m_store.prepare(
        "SELECT COUNT(*) FROM empresa_modulo WHERE modulo = ? COLLATE NOCASE");
    query.bind_text(1, m);
    *quantidade = query.step() ? static_cast<LONG>(query.column_int64(0)) : 0;
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE EmpresaServer::ListaEmpresas(BSTR modulo, LONG capacidade, QV_EMPRESA_LISTA_24* lista) noexcept try {
    if (capacidade < 0) return E_INVALIDARG;
    if (capacidade > 0 && !lista) return E_POINTER;
    const std::string m = com::from_bstr(modulo);
    if (HRESULT hr = faults().enter("ListaEmpresas", "modulo=" + m + " capacidade=" + std::to_string(capacidade));
        FAILED(hr))
        return hr;
    auto query = m_store.prepare(
        "SELECT empresa FROM empresa_modulo WHERE modulo = ? COLLATE NOCASE ORDER BY empresa");
    query.bind_text(1, m);
    for (LONG i = 0; i < capacidade && query.step(); ++i) {
        REG_EMPRESA_LISTA entrada{};
        copia_texto(entrada.chave, max_chave_empresa, query.column_text(0));
        lista[i] = como_bloco<QV_EMPRESA_LISTA_24>(entrada);
    }
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE EmpresaServer::DadosInicializacao(BSTR empresa, WORD usuario, LONG* resultado, LONG* sessao,
                                                            BSTR* razao_social, QV_TIPOS_VEVUREZE_64* tipos) noexcept try {
    if (!resultado || !sessao || !razao_social || !tipos) return E_POINTER;
    *razao_social = nullptr;
    const std::string chave = com::from_bstr(empresa);
    if (HRESULT hr = faults().enter("DadosInicializacao", "empresa=" + chave + " usuario=" + std::to_string(usuario));
        FAILED(hr))
        return hr;
    auto query = m_store.prepare(
        "SELECT e.razao_social, COALESCE(s.situacao_inicializacao, 0), s.tipos_vevureze FROM empresa e"
        " LEFT JOIN empresa_sistema s ON s.empresa = e.chave WHERE e.chave = ? COLLATE NOCASE");
    query.bind_text(1, chave);
    if (!query.step()) {
        *resultado = 1;
        return S_OK;
    }
    const int situacao = query.column_int(1);
    if (situacao != 0) {
        *resultado = situacao;
        return S_OK;
    }
    std::array<uint8_t, 64> sistema{};
    const std::string blob = query.column_blob(2);
    std::memcpy(sistema.data(), blob.data(), blob.size() < sistema.size() ? blob.size() : sistema.size());
    com::unique_bstr razao = com::to_bstr(query.column_text(0));
    int64_t numero = 0;
    m_store.write([&] {
        m_store.prepare("INSERT INTO sessao (empresa, usuario, processo) VALUES (?, ?, ?)")
            .bind_text(1, chave)
            .bind(2, static_cast<int>(usuario))
            .bind(3, static_cast<int64_t>(GetCurrentProcessId()))
            .run();
        numero = m_store.db().last_insert_rowid();
    });
    *sessao = static_cast<LONG>(numero);
    std::memcpy(tipos->dados, sistema.data(), sizeof tipos->dados);
    *resultado = 0;
    *razao_social = razao.release();
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

// Only open sessions stay: the table would otherwise grow by a row a login for ever.
HRESULT STDMETHODCALLTYPE EmpresaServer::EncerraSessao(BSTR empresa, LONG sessao) noexcept try {
    const std::string chave = com::from_bstr(empresa);
    if (HRESULT hr = faults().enter("EncerraSessao", "empresa=" + chave + " sessao=" + std::to_string(sessao));
        FAILED(hr))
        return hr;
    m_store.write([&] {
        m_store.prepare("DELETE FROM sessao WHERE numero = ? AND empresa = ? COLLATE NOCASE")
            .bind(1, static_cast<int64_t>(sessao))
            .bind_text(2, chave)
            .run();
    });
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

// ---- UsuarioServer ----

HRESULT STDMETHODCALLTYPE UsuarioServer::Inicializa(QV_SESSAO_38 sessao) noexcept try {
    if (HRESULT hr = faults().enter("Inicializa", descreve(sessao)); FAILED(hr)) return hr;
    return inicializa_sessao(m_store, sessao, m_sessao);
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE UsuarioServer::VerificaUsuario(QV_CREDENCIAIS_36 credenciais, WORD* usuario,
                                                         QV_USUARIO_256* registro, LONG opcao) noexcept try {
    if (!usuario || !registro) return E_POINTER;
    const auto c = de_bloco<REG_CREDENCIAIS>(credenciais);
    const std::string nome(texto_campo(c.usuario, sizeof c.usuario));
    const std::string senha(texto_campo(c.senha, sizeof c.senha));
    // The password never goes into the call record.
    if (HRESULT hr = faults().enter("VerificaUsuario", "usuario=" + nome + " opcao=" + std::to_string(opcao));
        FAILED(hr))
        return hr;
    if (!m_sessao.inicializado) return QV_E_NAO_INICIALIZADO;
    *usuario = 0;
    auto query = m_store.prepare(std::string("SELECT numero, senha_sal, senha_hash, senha_iteracoes, ") +
                                 colunas_usuario +
                                 " FROM usuario WHERE empresa = ? COLLATE NOCASE AND nome = ? COLLATE NOCASE");
    query.bind_text(1, m_sessao.empresa).bind_text(2, nome);
    // An unknown user costs the same derivation as a wrong password: the time does not tell
    // which names exist.
    const bool existe = query.step();
    const senha_protegida guardada =
        existe ? senha_protegida{query.column_blob(1), query.column_blob(2), static_cast<uint32_t>(query.column_int64(3))}
               : senha_inexistente();
    if (!confere_senha(senha, guardada) || !existe) return S_OK;
    *registro = como_bloco<QV_USUARIO_256>(registro_usuario(query, 4));
    *usuario = static_cast<WORD>(query.column_int(0));
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE UsuarioServer::LePosicaoRepresentante(WORD usuario, LONG* posicao) noexcept try {
    if (!posicao) return E_POINTER;
    if (HRESULT hr = faults().enter("LePosicaoRepresentante", "usuario=" + std::to_string(usuario)); FAILED(hr))
        return hr;
    if (!m_sessao.inicializado) return QV_E_NAO_INICIALIZADO;
    auto query = m_store.prepare(
        "SELECT posicao_representante FROM usuario WHERE empresa = ? COLLATE NOCASE AND numero = ?");
    query.bind_text(1, m_sessao.empresa).bind(2, static_cast<int>(usuario));
    *posicao = query.step() ? query.column_int(0) : 0;
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE UsuarioServer::LeRegistroGeral(QV_CHAVE_DIREITO_8 chave, QV_USUARIO_GERAL_154* registro) noexcept try {
    if (!registro) return E_POINTER;
    const auto k = de_bloco<REG_CHAVE_DIREITO>(chave);
    if (HRESULT hr = faults().enter("LeRegistroGeral", "usuario=" + std::to_string(k.usuario)); FAILED(hr))
        return hr;
    if (!m_sessao.inicializado) return QV_E_NAO_INICIALIZADO;
    auto query = m_store.prepare(
        "SELECT todos_direitos FROM usuario WHERE empresa = ? COLLATE NOCASE AND numero = ?");
    query.bind_text(1, m_sessao.empresa).bind(2, static_cast<int>(k.usuario));
    REG_USUARIO_GERAL r{};
    if (query.step()) r.todos_direitos = query.column_int(0) ? 1 : 0;
    *registro = como_bloco<QV_USUARIO_GERAL_154>(r);
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE UsuarioServer::PossuiDireito(QV_CHAVE_DIREITO_8 chave, LONG controle, LONG* resposta) noexcept try {
    if (!resposta) return E_POINTER;
    const auto k = de_bloco<REG_CHAVE_DIREITO>(chave);
    const std::string modulo(texto_campo(k.modulo, sizeof k.modulo));
    if (HRESULT hr = faults().enter("PossuiDireito", "usuario=" + std::to_string(k.usuario) + " modulo=" + modulo +
                                                         " controle=" + std::to_string(controle));
        FAILED(hr))
        return hr;
    if (!m_sessao.inicializado) return QV_E_NAO_INICIALIZADO;
    auto query = m_store.prepare(
        "SELECT 1 FROM usuario_direito WHERE empresa = ? COLLATE NOCASE AND usuario = ? AND modulo = ? COLLATE NOCASE"
        " AND controle = ?");
    query.bind_text(1, m_sessao.empresa).bind(2, static_cast<int>(k.usuario)).bind_text(3, modulo).bind(4, static_cast<int>(controle));
    *resposta = query.step() ? 1 : 0;
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE UsuarioServer::LeFiliaisAtivas(WORD usuario, QV_FILIAIS_ATIVAS_1002* filiais) noexcept try {
    if (!filiais) return E_POINTER;
    if (HRESULT hr = faults().enter("LeFiliaisAtivas", "usuario=" + std::to_string(usuario)); FAILED(hr)) return hr;
    if (!m_sessao.inicializado) return QV_E_NAO_INICIALIZADO;
    *filiais = como_bloco<QV_FILIAIS_ATIVAS_1002>(le_filiais_ativas(m_store, m_sessao.empresa, usuario));
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE UsuarioServer::GravaFiliaisAtivas(WORD usuario, const QV_FILIAIS_ATIVAS_1002* filiais) noexcept try {
    if (!filiais) return E_POINTER;
    if (HRESULT hr = faults().enter("GravaFiliaisAtivas", "usuario=" + std::to_string(usuario)); FAILED(hr))
        return hr;
    if (!m_sessao.inicializado) return QV_E_NAO_INICIALIZADO;
    const auto bloco = de_bloco<FILIAIS_ATIVAS>(*filiais);
    m_store.write([&] {
        m_store.prepare("DELETE FROM usuario_filial WHERE empresa = ? COLLATE NOCASE AND usuario = ?")
            .bind_text(1, m_sessao.empresa)
            .bind(2, static_cast<int>(usuario))
            .run();
        auto insert = m_store.prepare("INSERT INTO usuario_filial (empresa, usuario, filial, ativa) VALUES (?, ?, ?, 1)");
        for (int p = 0; p < static_cast<int>(sizeof bloco.filiais); ++p) {
            if (!bloco.filiais[p]) continue;
            insert.reset();
            insert.bind_text(1, m_sessao.empresa).bind(2, static_cast<int>(usuario)).bind(3, p).run();
        }
    });
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE UsuarioServer::QuantidadeUsuarios(WORD* quantidade) noexcept try {
    if (!quantidade) return E_POINTER;
    if (HRESULT hr = faults().enter("QuantidadeUsuarios"); FAILED(hr)) return hr;
    if (!m_sessao.inicializado) return QV_E_NAO_INICIALIZADO;
    auto query = m_store.prepare("SELECT COUNT(*) FROM usuario WHERE empresa = ? COLLATE NOCASE");
    query.bind_text(1, m_sessao.empresa);
    *quantidade = query.step() ? static_cast<WORD>(query.column_int(0)) : 0;
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE UsuarioServer::LeUsuarioPosicao(WORD i, LONG* usuario, QV_USUARIO_256* registro) noexcept try {
    if (!usuario || !registro) return E_POINTER;
    if (HRESULT hr = faults().enter("LeUsuarioPosicao", "i=" + std::to_string(i)); FAILED(hr)) return hr;
    if (!m_sessao.inicializado) return QV_E_NAO_INICIALIZADO;
    auto query = m_store.prepare(std::string("SELECT numero, ") + colunas_usuario +
                                 " FROM usuario WHERE empresa = ? COLLATE NOCASE ORDER BY numero LIMIT 1 OFFSET ?");
    query.bind_text(1, m_sessao.empresa).bind(2, static_cast<int>(i));
    if (!query.step()) return E_INVALIDARG;
    *registro = como_bloco<QV_USUARIO_256>(registro_usuario(query, 1));
    *usuario = query.column_int(0);
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE UsuarioServer::SessaoAberta(WORD usuario, LONG sessao, LONG* aberta) noexcept try {
    if (!aberta) return E_POINTER;
    *aberta = 0;
    if (HRESULT hr = faults().enter("SessaoAberta", "usuario=" + std::to_string(usuario) + " sessao=" +
                                                        std::to_string(sessao));
        FAILED(hr))
        return hr;
    if (!m_sessao.inicializado) return QV_E_NAO_INICIALIZADO;
    auto query = m_store.prepare("SELECT 1 FROM sessao WHERE numero = ? AND empresa = ? COLLATE NOCASE AND usuario = ?");
    query.bind(1, static_cast<int64_t>(sessao)).bind_text(2, m_sessao.empresa).bind(3, static_cast<int>(usuario));
    *aberta = query.step() ? 1 : 0;
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

// ---- UsuarioFilialServer ----

HRESULT STDMETHODCALLTYPE UsuarioFilialServer::Inicializa(QV_SESSAO_38 sessao) noexcept try {
    if (HRESULT hr = faults().enter("Inicializa", descreve(sessao)); FAILED(hr)) return hr;
    return inicializa_sessao(m_store, sessao, m_sessao);
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE UsuarioFilialServer::LeDireitosFiliais(WORD usuario, QV_FILIAIS_ATIVAS_1002* direitos) noexcept try {
    if (!direitos) return E_POINTER;
    if (HRESULT hr = faults().enter("LeDireitosFiliais", "usuario=" + std::to_string(usuario)); FAILED(hr))
        return hr;
    if (!m_sessao.inicializado) return QV_E_NAO_INICIALIZADO;
    *direitos = como_bloco<QV_FILIAIS_ATIVAS_1002>(le_filiais_ativas(m_store, m_sessao.empresa, usuario));
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

// ---- MestreContabilServer ----

HRESULT STDMETHODCALLTYPE MestreContabilServer::LeEmpresa(QV_SOLICITACAO_EMPRESA_40 solicitacao,
                                                          QV_EMPRESA_CONTABIL_244* empresa) noexcept try {
    if (!empresa) return E_POINTER;
    const auto s = de_bloco<REG_SOLICITACAO_EMPRESA>(solicitacao);
    const std::string chave(texto_campo(s.empresa, sizeof s.empresa));
    if (HRESULT hr = faults().enter("LeEmpresa", "empresa=" + chave + " sessao=" + std::to_string(s.sessao) +
                                                     " usuario=" + std::to_string(s.usuario));
        FAILED(hr))
        return hr;
    auto query = m_store.prepare(
        "SELECT e.chave, e.razao_social, COALESCE(s.versao_registro, 1307) FROM empresa e"
        " LEFT JOIN empresa_sistema s ON s.empresa = e.chave WHERE e.chave = ? COLLATE NOCASE");
    query.bind_text(1, chave);
    if (!query.step()) return QV_E_EMPRESA_DESCONHECIDA;
    REG_EMPRESA_CONTABIL r{};
    copia_texto(r.chave, sizeof r.chave - 1, query.column_text(0));
    copia_texto(r.razao_social, sizeof r.razao_social - 1, query.column_text(1));
    r.versao = static_cast<uint16_t>(query.column_int(2));
    *empresa = como_bloco<QV_EMPRESA_CONTABIL_244>(r);
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE MestreContabilServer::VersaoBase(BSTR empresa, BSTR chave, WORD* resposta) noexcept try {
    if (!resposta) return E_POINTER;
    const std::string key = com::from_bstr(chave);
    if (HRESULT hr = faults().enter("VersaoBase", "empresa=" + com::from_bstr(empresa) + " chave=" + key); FAILED(hr))
        return hr;
    auto query = m_store.prepare(
        "SELECT COALESCE(s.versao_base, 'Y') FROM empresa e LEFT JOIN empresa_sistema s ON s.empresa = e.chave"
        " WHERE e.chave = ? COLLATE NOCASE");
    query.bind_text(1, key);
    if (!query.step()) return QV_E_EMPRESA_DESCONHECIDA;
    const std::string versao = query.column_text(0);
    *resposta = versao.empty() ? 0 : static_cast<unsigned char>(versao[0]);
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE MestreContabilServer::LePeriodoMovimentacao(QV_PERIODO_MOVIMENTACAO_10* periodo) noexcept try {
    if (!periodo) return E_POINTER;
    if (HRESULT hr = faults().enter("LePeriodoMovimentacao"); FAILED(hr)) return hr;
    if (!m_sessao.inicializado) return QV_E_NAO_INICIALIZADO;
    auto query = m_store.prepare(
        "SELECT movimentacao_inicial, movimentacao_final FROM periodo_contabil WHERE empresa = ? COLLATE NOCASE");
    query.bind_text(1, m_sessao.empresa);
    REG_PERIODO_MOVIMENTACAO r{};
    if (query.step()) {
        const auto inferior = dia_do_periodo(query.column_text(0));
        const auto superior = dia_do_periodo(query.column_text(1));
        if (!inferior || !superior) return QV_E_DATA_PERIODO;
        r.inferior = *inferior;
        r.superior = *superior;
    }
    *periodo = como_bloco<QV_PERIODO_MOVIMENTACAO_10>(r);
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

HRESULT MestreContabilServer::le_data(const char* metodo, const char* coluna, WORD* data) noexcept try {
    if (!data) return E_POINTER;
    if (HRESULT hr = faults().enter(metodo); FAILED(hr)) return hr;
    if (!m_sessao.inicializado) return QV_E_NAO_INICIALIZADO;
    auto query = m_store.prepare(std::string("SELECT ") + coluna +
                                 " FROM periodo_contabil WHERE empresa = ? COLLATE NOCASE");
    query.bind_text(1, m_sessao.empresa);
    WORD numero = 0;
    if (query.step()) {
        const auto dia = dia_do_periodo(query.column_text(0));
        if (!dia) return QV_E_DATA_PERIODO;
        numero = *dia;
    }
    *data = numero;
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

HRESULT STDMETHODCALLTYPE MestreContabilServer::PeriodoInicial(WORD* data) noexcept {
    return le_data("PeriodoInicial", "periodo_inicial", data);
}

HRESULT STDMETHODCALLTYPE MestreContabilServer::PeriodoFinal(WORD* data) noexcept {
    return le_data("PeriodoFinal", "periodo_final", data);
}

HRESULT STDMETHODCALLTYPE MestreContabilServer::Inicializa(BSTR empresa, WORD usuario, LONG sessao) noexcept try {
    const std::string chave = com::from_bstr(empresa);
    if (HRESULT hr = faults().enter("Inicializa", descreve_sessao(chave, usuario, sessao)); FAILED(hr)) return hr;
    if (!empresa_existe(m_store, chave)) return QV_E_EMPRESA_DESCONHECIDA;
    m_sessao = {true, chave, usuario, sessao};
    return S_OK;
} catch (...) {
    return stand_in_failure();
}

}  // namespace inhouse
