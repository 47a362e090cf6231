#include "masterdata/DFCadDocumento.h"

#include <objbase.h>

#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <source_location>

#include "masterdata/messages.h"
#include "platform/com/wire_pointer.h"
#include "platform/inhouse/acesso/QVAVISO.h"
#include "server/root/CWebErroBase.h"

namespace masterdata {

namespace {

[[gnu::format(printf, 1, 2)]] std::string formata(const char* modelo, ...) {
    char texto[1024];
    va_list args;
    va_start(args, modelo);
    std::vsnprintf(texto, sizeof texto, modelo, args);
    va_end(args);
    return texto;
}

// A failure of the document server: its HRESULT in decimal and the message library's text.
[[noreturn]] void falha_servidor(const char* mensagem, HRESULT hr,
                                 std::source_location where = std::source_location::current()) {
    const std::string texto = CQVBuscaErrosQVMens().BuscaMensagem(hr, "DF");
    server::falha_numerada(formata(mensagem, static_cast<int>(hr), texto.c_str()), hr, where);
}

struct libera_tarefa {
    void operator()(void* p) const noexcept { CoTaskMemFree(p); }
};

template <size_t N>
std::string texto(const char (&campo)[N]) {
    const void* nul = std::memchr(campo, 0, N);
    return std::string(campo, nul ? static_cast<size_t>(static_cast<const char*>(nul) - campo) : N);
}

}  // namespace

HRESULT DFCadDocumento::Inicializa(IQV_Inicializa* pInicializa, short iTipoChave) {
    m_iTipoChave = iTipoChave;
    if (HRESULT hr = CEmpresarialInicializa::Inicializa(pInicializa); FAILED(hr)) return hr;
    // A root without a session (or none at all) gives no company to open the register of.
    VerificaInicializado();
    m_conexao.SetTrataErros(false);
    m_conexao.SetTratarMensagens(false);
    m_conexao.Finaliza();
    if (HRESULT hr = m_conexao.Inicializa(m_sEmpresa, m_iUsuario, m_lNumeroSessao); FAILED(hr))
        falha_servidor(msg::documento_inicializar, hr);
    if (iTipoChave == 2) return S_OK;

    // Loaded afresh: a second Inicializa lists every type once.
    m_registros.clear();
    IQVDF_CadastroDocumento* servidor = m_conexao.GetInterface();
    if (!servidor) falha_servidor(msg::documento_quantidade, E_UNEXPECTED);
    BYTE* bloco = nullptr;
    if (HRESULT hr = servidor->Posicoes(&bloco); FAILED(hr)) falha_servidor(msg::documento_quantidade, hr);
    std::unique_ptr<BYTE, libera_tarefa> lista(bloco);
    if (!lista) return S_OK;
    uint16_t quantidade = 0;
    uint32_t campo = 0;
    std::memcpy(&quantidade, lista.get(), sizeof quantidade);
    std::memcpy(&campo, lista.get() + 2, sizeof campo);
    std::unique_ptr<uint32_t, libera_tarefa> array(static_cast<uint32_t*>(com::wire_pointer_take(campo)));
    lista.reset();
    if (quantidade == 0 || !array) return S_OK;
    const std::vector<uint32_t> posicoes(array.get(), array.get() + quantidade);
    array.reset();

    m_registros.reserve(posicoes.size());
    for (uint32_t posicao : posicoes) {
        tagREG_CADDOCPS registro{};
        if (HRESULT hr = m_conexao.Le(static_cast<long>(posicao), &registro); FAILED(hr))
            falha_servidor(msg::documento_ler, hr);
        m_registros.push_back(registro);
    }
    return S_OK;
}

const tagREG_CADDOCPS& DFCadDocumento::Registro(short iPosicao, const char* mensagem) const {
    if (iPosicao < 0 || iPosicao >= GetQuantidade())
        server::falha_numerada(formata(mensagem, 0, static_cast<int>(GetQuantidade()) - 1),
                               static_cast<HRESULT>(0xFFFFFFFFu));
    return m_registros[static_cast<size_t>(iPosicao)];
}

short DFCadDocumento::GetFilial(short iPosicao) const {
    return static_cast<short>(Registro(iPosicao, msg::documento_indice_filial).filial);
}

std::string DFCadDocumento::GetCodigo(short iPosicao) const {
    return texto(Registro(iPosicao, msg::documento_indice_codigo).codigo);
}

std::string DFCadDocumento::GetDescricao(short iPosicao) const {
    return texto(Registro(iPosicao, msg::documento_indice_descricao).descricao);
}

}  // namespace masterdata
