#pragma once
// The editor server's client: opens the server for one module and company, lists the files of
// one extension and reads a file as lines. CDFQVcEditor drives it for web clients; the
// accounting reports read their layout and formula files through it.
//
//     CClienteQvsEditor editor;
//     if (editor.Inicializa("CN", "REL", empresa, usuario, sessao) && editor.BuscaArquivos())
//         for (const auto& a : editor.GetArquivos()) ... NomeArquivo(a) ...
//     std::vector<std::string> linhas;
//     editor.LeArquivo("BALANCO.REL", linhas);     // each line keeps its CR/LF
#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

#include "inhouse_editor.h"
#include "platform/com/com_ptr.h"
#include "platform/inhouse/editor/registros_editor.h"

namespace masterdata {

class CClienteQvsEditor {
public:
    CClienteQvsEditor() = default;
    CClienteQvsEditor(const CClienteQvsEditor&) = delete;
    CClienteQvsEditor& operator=(const CClienteQvsEditor&) = delete;
    virtual ~CClienteQvsEditor() = default;   // releases the server, frees the list

    // Releases the open server, keeps the extension, creates the editor server and opens it for
    // the module and company with the session. FALSE when the creation or the opening fails.
    BOOL Inicializa(const std::string& modulo, const std::string& extensao, const std::string& empresa,
                    WORD usuario, long sessao);
    // Empties the list and fills it with the files of the kept extension. TRUE when the server
    // counted and listed them; on FALSE the list is empty.
    BOOL BuscaArquivos();
    // Reads the file and appends its lines to `linhas` (SeparaLinhas). FALSE when the server
    // could not give its size or its bytes; `linhas` is then unchanged.
    BOOL LeArquivo(const std::string& nome, std::vector<std::string>& linhas);
    // Releases the server; always TRUE.
    BOOL LiberaInterface();

    const std::vector<QVSEDITOR_ARQUIVO>& GetArquivos() const noexcept { return m_arquivos; }
    bool EstaAberto() const noexcept { return static_cast<bool>(m_editor); }

    // The file's text up to its first NUL, split into lines that keep their terminator: LF, CR,
    // or the pairs CR LF and LF CR. A last line without terminator loses its bytes 0xFD (the
    // editor's end-of-text marks); a remainder that starts with a CR and holds no LF is that
    // last line, unsplit.
    static void SeparaLinhas(std::string_view texto, std::vector<std::string>& linhas);

    // The largest file LeArquivo reads: a size beyond it is a server's error, not a text file.
    static constexpr LONG tamanho_maximo = 16 * 1024 * 1024;

private:
    std::vector<QVSEDITOR_ARQUIVO> m_arquivos;
    com::com_ptr<IQVSEditor> m_editor;
    std::string m_extensao;
};

// The entry's name and description (each up to its NUL, never past its field).
std::string NomeArquivo(const QVSEDITOR_ARQUIVO& arquivo);
std::string DescricaoArquivo(const QVSEDITOR_ARQUIVO& arquivo);

}  // namespace masterdata
