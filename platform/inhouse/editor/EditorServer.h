#pragma once
// The editor server: a company's text files of one module (report layouts, formula screens) in
// the installation, listed by extension and read whole (arquivos_editor.h says where they lie).
// Calls before Inicializa answer E_UNEXPECTED; LeArquivo reads the file TamanhoArquivo chose.
#include <string>
#include <vector>

#include "inhouse_editor.h"
#include "platform/inhouse/core/stand_in.h"
#include "platform/inhouse/editor/arquivos_editor.h"

namespace inhouse {

class EditorServer final : public stand_in_object<EditorServer, IQVSEditor> {
public:
    using stand_in_object::stand_in_object;

    HRESULT STDMETHODCALLTYPE Inicializa(BSTR modulo, BSTR empresa, WORD usuario, LONG sessao) noexcept override;
    ZU_RESERVADO(04)
    HRESULT STDMETHODCALLTYPE TamanhoArquivo(BSTR nome, LONG* tamanho) noexcept override;
    HRESULT STDMETHODCALLTYPE LeArquivo(LONG tamanho, BYTE* buffer) noexcept override;
    ZU_RESERVADO(07)
    HRESULT STDMETHODCALLTYPE QuantidadeArquivos(BSTR extensao, SHORT* quantidade) noexcept override;
    HRESULT STDMETHODCALLTYPE ListaArquivos(SHORT quantidade, BYTE* arquivos) noexcept override;

private:
    ~EditorServer() override = default;   // objects come only from com::make

    std::string m_pasta;                  // empty until Inicializa
    std::string m_arquivo;                // the file TamanhoArquivo chose
    std::vector<arquivo_editor> m_lista;  // the files QuantidadeArquivos counted
};

}  // namespace inhouse
