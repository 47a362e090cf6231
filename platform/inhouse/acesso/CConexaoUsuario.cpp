#include "platform/inhouse/acesso/CConexaoUsuario.h"

#include "platform/inhouse/core/inhouse_guids.h"

const CLSID* CConexaoUsuario::ClasseServidor() const noexcept { return &inhouse::CLSID_UsuarioServer; }

HRESULT CConexaoUsuario::CriaServidor() {
    if (GetServidor()) return S_OK;
    if (HRESULT hr = CConexaoServidor::CriaServidor(); FAILED(hr)) return hr;
    IQVUsuarios* s = GetServidor();
    if (!s) return E_UNEXPECTED;
    const HRESULT hr = s->Inicializa(
        inhouse::bloco_sessao<QV_SESSAO_38>(GetEmpresa(), GetUsuario(), static_cast<int32_t>(GetSessao())));
    if (FAILED(hr)) Finaliza();
    return hr;
}

HRESULT CConexaoUsuario::servidor(IQVUsuarios*& s) {
    s = GetServidor();
    if (s) return S_OK;
    if (HRESULT hr = CriaServidor(); FAILED(hr)) return hr;
    s = GetServidor();
    return s ? S_OK : E_UNEXPECTED;
}

HRESULT CConexaoUsuario::LeFiliaisAtivas(WORD usuario, inhouse::FILIAIS_ATIVAS& bloco) {
    IQVUsuarios* s = nullptr;
    if (HRESULT hr = servidor(s); FAILED(hr)) return hr;
    QV_FILIAIS_ATIVAS_1002 lido{};
    const HRESULT hr = s->LeFiliaisAtivas(usuario, &lido);
    if (SUCCEEDED(hr)) bloco = inhouse::de_bloco<inhouse::FILIAIS_ATIVAS>(lido);
    return hr;
}

HRESULT CConexaoUsuario::GravaFiliaisAtivas(WORD usuario, const inhouse::FILIAIS_ATIVAS& bloco) {
    IQVUsuarios* s = nullptr;
    if (HRESULT hr = servidor(s); FAILED(hr)) return hr;
    const auto gravado = inhouse::como_bloco<QV_FILIAIS_ATIVAS_1002>(bloco);
    return s->GravaFiliaisAtivas(usuario, &gravado);
}

HRESULT CConexaoUsuario::PossuiTodosDireitos(WORD usuario, bool& todos) {
    todos = false;
    IQVUsuarios* s = nullptr;
    if (HRESULT hr = servidor(s); FAILED(hr)) return hr;
    inhouse::REG_CHAVE_DIREITO chave{};
    chave.usuario = usuario;
    inhouse::copia_texto(chave.modulo, sizeof chave.modulo - 1, "DF");
    QV_USUARIO_GERAL_154 geral{};
    const HRESULT hr = s->LeRegistroGeral(inhouse::como_bloco<QV_CHAVE_DIREITO_8>(chave), &geral);
    if (SUCCEEDED(hr)) todos = inhouse::de_bloco<inhouse::REG_USUARIO_GERAL>(geral).todos_direitos != 0;
    return hr;
}

HRESULT CConexaoUsuario::SessaoAberta(WORD usuario, long sessao, bool& aberta) {
    aberta = false;
    IQVUsuarios* s = nullptr;
    if (HRESULT hr = servidor(s); FAILED(hr)) return hr;
    LONG resposta = 0;
    const HRESULT hr = s->SessaoAberta(usuario, static_cast<LONG>(sessao), &resposta);
    if (SUCCEEDED(hr)) aberta = resposta != 0;
    return hr;
}

HRESULT CConexaoUsuario::BuscaQuantidade(CResultadoBusca& resultado) {
    IQVUsuarios* s = nullptr;
    if (HRESULT hr = servidor(s); FAILED(hr)) return hr;
    WORD quantidade = 0;
    if (HRESULT hr = s->QuantidadeUsuarios(&quantidade); FAILED(hr)) return hr;
    CResultadoBusca lido;
    lido.usuarios.reserve(quantidade);
    lido.registros.reserve(quantidade);
    for (WORD i = 0; i < quantidade; ++i) {
        LONG numero = 0;
        QV_USUARIO_256 registro{};
        if (HRESULT hr = s->LeUsuarioPosicao(i, &numero, &registro); FAILED(hr)) return hr;
        lido.usuarios.push_back(static_cast<uint32_t>(numero));
        lido.registros.push_back(inhouse::de_bloco<inhouse::REG_USUARIO>(registro));
    }
    lido.quantidade = quantidade;
    resultado = std::move(lido);
    return S_OK;
}
