#pragma once
// The report base: every report class keeps a model and a type, has its report server write the
// report into a temporary file, and hands the file back to the client in a BSTR, as the maker's
// report text ("qvr", marked "*#") or as the bytes of a PDF printed from it ("pdf").
//
//     class CTW_XX_Relatorio : public server::relatorio_com<CTW_XX_Relatorio, ITW_XX_Relatorio> {
//         server::arquivo_temporario GravaRelatorio() override {
//             server::arquivo_temporario arquivo(NomeTemporario("XXX"));
//             ... the report server writes arquivo.caminho() ...
//             return arquivo;          // read back, then deleted
//         }
//     };
#include <windows.h>
#include <oaidl.h>

#include <cstdint>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "platform/com/unique.h"

namespace server {

// A file that is deleted when its holder goes: report files exist only to hand their bytes over.
class arquivo_temporario {
public:
    arquivo_temporario() noexcept = default;
    explicit arquivo_temporario(std::string caminho) noexcept : m_caminho(std::move(caminho)) {}
    arquivo_temporario(arquivo_temporario&& outro) noexcept : m_caminho(std::exchange(outro.m_caminho, {})) {}
    arquivo_temporario& operator=(arquivo_temporario&& outro) noexcept;
    arquivo_temporario(const arquivo_temporario&) = delete;
    arquivo_temporario& operator=(const arquivo_temporario&) = delete;
    ~arquivo_temporario() { apaga(); }

    const std::string& caminho() const noexcept { return m_caminho; }
    void apaga() noexcept;

private:
    std::string m_caminho;
};

// A new temporary file name with the prefix, in the system's temporary folder.
std::string nome_temporario(const char* prefixo);

// The texts of a read-back: the report classes' and the worker objects' own. `abertura` may hold
// one "%s", replaced by the file's name.
struct textos_transferencia {
    const char* criacao;
    const char* abertura;
    const char* leitura;
};
extern const textos_transferencia textos_relatorio;

// Reads a report file through the report component (created through the retrying creation):
// the file's bytes, with "*#" in front when a file of two bytes or more lacks it. The length the
// component gives is checked against the file before anything is allocated. Throws com::failure
// with the texts and the component's HRESULT.
std::string le_arquivo_relatorio(const std::string& arquivo, const textos_transferencia& textos);

// A printer as the system lists it.
struct impressora {
    std::wstring nome;
    std::wstring porta;
};
// The first printer whose port, upper-cased, begins with "CPW2:" (the PDF printer), or null.
const impressora* impressora_pdf(std::span<const impressora> impressoras) noexcept;
// The local printers and connections (level 2 of the enumeration); empty when none can be listed.
std::vector<impressora> impressoras_instaladas();

// For tests: while one lives, impressoras_instaladas answers this list.
class impressoras_teste {
public:
    explicit impressoras_teste(std::vector<impressora> lista);
    ~impressoras_teste();
    impressoras_teste(const impressoras_teste&) = delete;
    impressoras_teste& operator=(const impressoras_teste&) = delete;

    const std::vector<impressora>& lista() const noexcept { return m_lista; }

private:
    impressoras_teste* m_anterior;
    std::vector<impressora> m_lista;
};

class CTW_Relatorio {
public:
    // The report type as the object keeps it.
    enum tipo : int32_t { nao_definido = 0, qvr = 1, pdf = 2 };

    CTW_Relatorio() = default;
    CTW_Relatorio(const CTW_Relatorio&) = delete;
    CTW_Relatorio& operator=(const CTW_Relatorio&) = delete;
    virtual ~CTW_Relatorio() = default;

    // Each report class: checks its filters and the session, has its report server write the
    // report into a new temporary file and hands the file over. Throws com::failure.
    virtual arquivo_temporario GravaRelatorio() = 0;

    // The model's name, kept in CP1252.
    void SetModelo(BSTR bsModelo);
    // "pdf" or "qvr" in any mix of case; any other text throws "Tipo de relatório inválido."
    // (DISP_E_EXCEPTION) and keeps the type.
    void SetTipo(BSTR bsTipo);
    const std::string& Modelo() const noexcept { return m_sModelo; }
    tipo Tipo() const noexcept { return m_iTipo; }

    // The report as the client receives it: the class writes the file, then "qvr" reads it back
    // as text and any other type prints it into a PDF. The file is deleted afterwards.
    com::unique_bstr Relatorio();

    // The report file's text (ANSI to UTF-16), marked "*#".
    static com::unique_bstr TransfereRelatorio(const std::string& arquivo);
    // The report file printed into a PDF by the report viewer launcher through the PDF printer: a
    // BSTR that carries exactly the PDF's bytes. Every file made on the way is deleted.
    static com::unique_bstr GeraPDF(const std::string& arquivo);
    // Records the PDF printer (the first on a port beginning "CPW2:") as "UltImpressora_QVRel"
    // under HKEY_CURRENT_USER "Software\RO Vivavevo"; throws "Não há driver PDF instalado."
    // (DISP_E_EXCEPTION) when there is none.
    static void VerificaImpressoraPDF();

    // A report filter's end date: the 16-bit day number of a two- or four-digit-year date text.
    // A date outside the 16-bit range throws com::failure and leaves the filter unchanged.
    static void SetDataFinal(BSTR bsDataFinal, uint16_t& usDataFinal);

protected:
    static std::string NomeTemporario(const char* prefixo) { return nome_temporario(prefixo); }

private:
    std::string m_sModelo;
    tipo m_iTipo = nao_definido;
};

}  // namespace server
