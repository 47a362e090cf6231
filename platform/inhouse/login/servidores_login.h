#pragma once
// The data servers of the login, over the store: the company server (companies per module and
// the start-up data of QVFirma), the user server, the user-branch server and the accounting
// master. Records: platform/inhouse/registros_login.h.
#include "inhouse_login.h"
#include "inhouse_registros.h"
#include <string>

#include "platform/inhouse/core/stand_in.h"
#include "platform/inhouse/login/registros_login.h"

namespace inhouse {

// A user's active-branch block as the store keeps it (the user server and the branch server read it).
FILIAIS_ATIVAS le_filiais_ativas(store& data, const std::string& empresa, WORD usuario);

class EmpresaServer final : public stand_in_object<EmpresaServer, IQVEmpresas> {
public:
    using stand_in_object::stand_in_object;

    HRESULT STDMETHODCALLTYPE QuantidadeEmpresas(BSTR modulo, LONG* quantidade) noexcept override;
    HRESULT STDMETHODCALLTYPE ListaEmpresas(BSTR modulo, LONG capacidade, QV_EMPRESA_LISTA_24* lista) noexcept override;
    HRESULT STDMETHODCALLTYPE DadosInicializacao(BSTR empresa, WORD usuario, LONG* resultado, LONG* sessao,
                                                 BSTR* razao_social, QV_TIPOS_VEVUREZE_64* tipos) noexcept override;
    HRESULT STDMETHODCALLTYPE EncerraSessao(BSTR empresa, LONG sessao) noexcept override;

private:
    ~EmpresaServer() override = default;   // objects come only from com::make
};

// Session of the servers that are initialised with the 38-byte session record.
struct sessao_servidor {
    bool inicializado = false;
    std::string empresa;
    WORD usuario = 0;
    LONG sessao = 0;
};

class UsuarioServer final : public stand_in_object<UsuarioServer, IQVUsuarios> {
public:
    using stand_in_object::stand_in_object;

    HRESULT STDMETHODCALLTYPE Inicializa(QV_SESSAO_38 sessao) noexcept override;
    HRESULT STDMETHODCALLTYPE VerificaUsuario(QV_CREDENCIAIS_36 credenciais, WORD* usuario,
                                              QV_USUARIO_256* registro, LONG opcao) noexcept override;
    HRESULT STDMETHODCALLTYPE LePosicaoRepresentante(WORD usuario, LONG* posicao) noexcept override;
    HRESULT STDMETHODCALLTYPE LeRegistroGeral(QV_CHAVE_DIREITO_8 chave, QV_USUARIO_GERAL_154* registro) noexcept override;
    HRESULT STDMETHODCALLTYPE PossuiDireito(QV_CHAVE_DIREITO_8 chave, LONG controle, LONG* resposta) noexcept override;
    HRESULT STDMETHODCALLTYPE LeFiliaisAtivas(WORD usuario, QV_FILIAIS_ATIVAS_1002* filiais) noexcept override;
    HRESULT STDMETHODCALLTYPE GravaFiliaisAtivas(WORD usuario, const QV_FILIAIS_ATIVAS_1002* filiais) noexcept override;
    HRESULT STDMETHODCALLTYPE QuantidadeUsuarios(WORD* quantidade) noexcept override;
    HRESULT STDMETHODCALLTYPE LeUsuarioPosicao(WORD i, LONG* usuario, QV_USUARIO_256* registro) noexcept override;
    HRESULT STDMETHODCALLTYPE SessaoAberta(WORD usuario, LONG sessao, LONG* aberta) noexcept override;

private:
    sessao_servidor m_sessao;

private:
    ~UsuarioServer() override = default;   // objects come only from com::make
};

class UsuarioFilialServer final : public stand_in_object<UsuarioFilialServer, IQVUsuarioFilial> {
public:
    using stand_in_object::stand_in_object;

    HRESULT STDMETHODCALLTYPE Inicializa(QV_SESSAO_38 sessao) noexcept override;
    HRESULT STDMETHODCALLTYPE LeDireitosFiliais(WORD usuario, QV_FILIAIS_ATIVAS_1002* direitos) noexcept override;

private:
    sessao_servidor m_sessao;

private:
    ~UsuarioFilialServer() override = default;   // objects come only from com::make
};

class MestreContabilServer final : public stand_in_object<MestreContabilServer, IQVCN_MestreContabil> {
public:
    using stand_in_object::stand_in_object;

    HRESULT STDMETHODCALLTYPE LeEmpresa(QV_SOLICITACAO_EMPRESA_40 solicitacao, QV_EMPRESA_CONTABIL_244* empresa) noexcept override;
    HRESULT STDMETHODCALLTYPE VersaoBase(BSTR empresa, BSTR chave, WORD* resposta) noexcept override;
    HRESULT STDMETHODCALLTYPE LePeriodoMovimentacao(QV_PERIODO_MOVIMENTACAO_10* periodo) noexcept override;
    HRESULT STDMETHODCALLTYPE Reservado06() noexcept override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE PeriodoInicial(WORD* data) noexcept override;
    HRESULT STDMETHODCALLTYPE PeriodoFinal(WORD* data) noexcept override;
    HRESULT STDMETHODCALLTYPE Reservado09() noexcept override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Reservado10() noexcept override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Reservado11() noexcept override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Reservado12() noexcept override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Reservado13() noexcept override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Reservado14() noexcept override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Reservado15() noexcept override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Reservado16() noexcept override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Reservado17() noexcept override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Reservado18() noexcept override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Reservado19() noexcept override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Reservado20() noexcept override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Inicializa(BSTR empresa, WORD usuario, LONG sessao) noexcept override;

private:
    // One date column of the company's period row as a 16-bit day number (0 when unset).
    HRESULT le_data(const char* metodo, const char* coluna, WORD* data) noexcept;

    sessao_servidor m_sessao;

private:
    ~MestreContabilServer() override = default;   // objects come only from com::make
};

}  // namespace inhouse
