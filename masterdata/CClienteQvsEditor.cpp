#include "masterdata/CClienteQvsEditor.h"

#include <objbase.h>

#include <cstring>
#include <new>

#include "platform/com/text.h"
#include "platform/com/unique.h"
#include "platform/inhouse/core/inhouse_guids.h"
#include "platform/inhouse/core/registros_sessao.h"

namespace masterdata {

namespace {

// In-process server, in-process handler, local server, remote server.
constexpr DWORD contexto_servidor = 23;

}  // namespace

BOOL CClienteQvsEditor::Inicializa(const std::string& modulo, const std::string& extensao,
                                   const std::string& empresa, WORD usuario, long sessao) {
    LiberaInterface();
    try {
        m_extensao = extensao;
        com::com_ptr<IQVSEditor> editor;
        if (CoCreateInstance(inhouse::CLSID_EditorServer, nullptr, contexto_servidor, __uuidof(IQVSEditor),
                             editor.put_void()) != S_OK ||
            !editor)
            return FALSE;
        com::unique_bstr bsModulo = com::to_bstr(modulo);
        com::unique_bstr bsEmpresa = com::to_bstr(empresa);
        if (editor->Inicializa(bsModulo.get(), bsEmpresa.get(), usuario, sessao) != S_OK) return FALSE;
        m_editor = std::move(editor);
        return TRUE;
    } catch (const std::bad_alloc&) {
        return FALSE;
    }
}

BOOL CClienteQvsEditor::BuscaArquivos() {
    m_arquivos.clear();
    if (!m_editor) return FALSE;
    try {
        com::unique_bstr bsExtensao = com::to_bstr(m_extensao);
        SHORT quantidade = 0;
        if (m_editor->QuantidadeArquivos(bsExtensao.get(), &quantidade) != S_OK || quantidade < 0) return FALSE;
        m_arquivos.resize(static_cast<size_t>(quantidade));   // zero-filled entries
        if (quantidade > 0 &&
            m_editor->ListaArquivos(quantidade, reinterpret_cast<BYTE*>(m_arquivos.data())) != S_OK) {
            m_arquivos.clear();
            return FALSE;
        }
        return TRUE;
    } catch (const std::bad_alloc&) {
        m_arquivos.clear();
        return FALSE;
    }
}

BOOL CClienteQvsEditor::LeArquivo(const std::string& nome, std::vector<std::string>& linhas) {
    if (!m_editor) return FALSE;
    try {
        com::unique_bstr bsNome = com::to_bstr(nome);
        LONG tamanho = 0;
        if (m_editor->TamanhoArquivo(bsNome.get(), &tamanho) != S_OK) return FALSE;
        if (tamanho < 0 || tamanho > tamanho_maximo) return FALSE;
        // Two zero bytes past the file: the text always ends inside the buffer.
        std::vector<char> buffer(static_cast<size_t>(tamanho) + 2, '\0');
        if (m_editor->LeArquivo(tamanho, reinterpret_cast<BYTE*>(buffer.data())) != S_OK) return FALSE;
        const std::string_view texto(buffer.data(), std::strlen(buffer.data()));
        std::vector<std::string> novas;
        SeparaLinhas(texto, novas);
        linhas.insert(linhas.end(), std::make_move_iterator(novas.begin()), std::make_move_iterator(novas.end()));
        return TRUE;
    } catch (const std::bad_alloc&) {
        return FALSE;
    }
}

BOOL CClienteQvsEditor::LiberaInterface() {
    m_editor.reset();
    return TRUE;
}

void CClienteQvsEditor::SeparaLinhas(std::string_view texto, std::vector<std::string>& linhas) {
    constexpr char LF = '\n';
    constexpr char CR = '\r';
    while (texto.find(LF) != std::string_view::npos || (texto.size() > 1 && texto.find(CR, 1) != std::string_view::npos)) {
        const size_t lf = texto.find(LF);
        const size_t cr = texto.find(CR);
        size_t fim = lf < cr ? lf : cr;                       // the first terminator
        const char outro = texto[fim] == LF ? CR : LF;
        if (fim + 1 < texto.size() && texto[fim + 1] == outro) ++fim;   // CR LF or LF CR
        linhas.emplace_back(texto.substr(0, fim + 1));
        texto.remove_prefix(fim + 1);
    }
    if (!texto.empty()) {
        std::string ultima;
        ultima.reserve(texto.size());
        for (char c : texto)
            if (static_cast<unsigned char>(c) != 0xFD) ultima += c;
        linhas.push_back(std::move(ultima));
    }
}

std::string NomeArquivo(const QVSEDITOR_ARQUIVO& arquivo) {
    return std::string(inhouse::texto_campo(arquivo.nome));
}

std::string DescricaoArquivo(const QVSEDITOR_ARQUIVO& arquivo) {
    return std::string(inhouse::texto_campo(arquivo.descricao));
}

}  // namespace masterdata
