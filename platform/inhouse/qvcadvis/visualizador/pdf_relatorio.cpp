#include "platform/inhouse/qvcadvis/visualizador/pdf_relatorio.h"

#include <hpdf.h>

#include <algorithm>
#include <cstdio>
#include <memory>

namespace visualizador {
namespace {

// A4 in points, with the margins of a line printer's page.
constexpr float largura_a4 = 595.0f;
constexpr float altura_a4 = 842.0f;
constexpr float margem = 36.0f;
constexpr float largura_caractere = 0.6f;   // Courier's advance: 600 of 1000 units
constexpr float entrelinha = 1.2f;
constexpr float corpo_maximo = 10.0f;
constexpr float corpo_minimo_retrato = 6.0f;
constexpr float corpo_minimo = 3.0f;

// The library calls this on each error; the first one is kept and the calls go on answering
// their status, which every step checks. Nothing is thrown through the C library.
struct erro_haru {
    HPDF_STATUS codigo = HPDF_OK;
    HPDF_STATUS detalhe = 0;
};

void anota_erro(HPDF_STATUS codigo, HPDF_STATUS detalhe, void* dados) {
    auto* erro = static_cast<erro_haru*>(dados);
    if (erro->codigo == HPDF_OK) *erro = {codigo, detalhe};
}

struct libera_documento {
    void operator()(HPDF_Doc doc) const noexcept { HPDF_Free(doc); }
};
using documento_haru = std::unique_ptr<std::remove_pointer_t<HPDF_Doc>, libera_documento>;

class pdf_em_memoria {
public:
    pdf_em_memoria() : m_doc(HPDF_New(&anota_erro, &m_erro)) {
        if (!m_doc) throw falha_pdf("a biblioteca de PDF não iniciou");
    }
    HPDF_Doc get() const noexcept { return m_doc.get(); }

    void confere(HPDF_STATUS status, const char* passo) const {
        if (status == HPDF_OK && m_erro.codigo == HPDF_OK) return;
        char texto[160];
        std::snprintf(texto, sizeof texto, "%s: erro 0x%04lX, detalhe %lu", passo,
                      static_cast<unsigned long>(m_erro.codigo != HPDF_OK ? m_erro.codigo : status),
                      static_cast<unsigned long>(m_erro.detalhe));
        throw falha_pdf(texto);
    }
    template <typename T>
    T confere_objeto(T objeto, const char* passo) const {
        confere(objeto ? HPDF_OK : HPDF_FAILD_TO_ALLOC_MEM, passo);
        return objeto;
    }

    std::string bytes() const {
        confere(HPDF_SaveToStream(get()), "gravação");
        HPDF_UINT32 tamanho = HPDF_GetStreamSize(get());
        confere(tamanho ? HPDF_OK : HPDF_INVALID_STREAM, "tamanho");
        confere(HPDF_ResetStream(get()), "leitura");
        std::string saida(tamanho, '\0');
        HPDF_UINT32 lidos = tamanho;
        confere(HPDF_ReadFromStream(get(), reinterpret_cast<HPDF_BYTE*>(saida.data()), &lidos), "leitura");
        confere(lidos == tamanho ? HPDF_OK : HPDF_STREAM_EOF, "leitura");
        return saida;
    }

private:
    erro_haru m_erro;
    documento_haru m_doc;
};

struct formato_pagina {
    float largura;
    float altura;
    float corpo;
    size_t linhas_por_pagina;
};

// The widest line decides: portrait while the font can stay readable, landscape beyond.
formato_pagina escolhe_formato(const std::vector<linha_relatorio>& linhas) {
    size_t colunas = 1;
    for (const auto& linha : linhas) colunas = std::max(colunas, linha.texto.size());
    auto corpo_para = [&](float largura) {
        return std::min(corpo_maximo, (largura - 2 * margem) / (largura_caractere * static_cast<float>(colunas)));
    };
    formato_pagina f{largura_a4, altura_a4, corpo_para(largura_a4), 0};
    if (f.corpo < corpo_minimo_retrato) f = {altura_a4, largura_a4, corpo_para(altura_a4), 0};
    f.corpo = std::max(f.corpo, corpo_minimo);
    f.linhas_por_pagina = std::max<size_t>(1, static_cast<size_t>((f.altura - 2 * margem) / (f.corpo * entrelinha)));
    return f;
}

}  // namespace

std::string imprime_pdf(const std::vector<linha_relatorio>& linhas, const documento_pdf& documento) {
    pdf_em_memoria pdf;
    pdf.confere(HPDF_SetCompressionMode(pdf.get(), HPDF_COMP_ALL), "compressão");
    if (!documento.titulo.empty())
        pdf.confere(HPDF_SetInfoAttr(pdf.get(), HPDF_INFO_TITLE, documento.titulo.c_str()), "título");
    if (!documento.impressora.empty())
        pdf.confere(HPDF_SetInfoAttr(pdf.get(), HPDF_INFO_CREATOR, documento.impressora.c_str()), "criador");
    HPDF_Font fonte = pdf.confere_objeto(HPDF_GetFont(pdf.get(), "Courier", "WinAnsiEncoding"), "fonte");
    const formato_pagina formato = escolhe_formato(linhas);

    HPDF_Page pagina = nullptr;
    size_t na_pagina = 0;
    auto fecha_pagina = [&] {
        if (pagina) pdf.confere(HPDF_Page_EndText(pagina), "fim do texto");
        pagina = nullptr;
    };
    auto abre_pagina = [&] {
        fecha_pagina();
        pagina = pdf.confere_objeto(HPDF_AddPage(pdf.get()), "página");
        pdf.confere(HPDF_Page_SetWidth(pagina, formato.largura), "largura");
        pdf.confere(HPDF_Page_SetHeight(pagina, formato.altura), "altura");
        pdf.confere(HPDF_Page_BeginText(pagina), "texto");
        pdf.confere(HPDF_Page_SetFontAndSize(pagina, fonte, formato.corpo), "corpo");
        pdf.confere(HPDF_Page_SetTextLeading(pagina, formato.corpo * entrelinha), "entrelinha");
        // The first baseline one body below the top margin; each line then moves down one leading.
        pdf.confere(HPDF_Page_MoveTextPos(pagina, margem, formato.altura - margem - formato.corpo), "posição");
        na_pagina = 0;
    };

    abre_pagina();
    for (const auto& linha : linhas) {
        if ((linha.nova_pagina && na_pagina > 0) || na_pagina == formato.linhas_por_pagina) abre_pagina();
        if (na_pagina > 0) pdf.confere(HPDF_Page_MoveToNextLine(pagina), "linha");
        pdf.confere(HPDF_Page_ShowText(pagina, linha.texto.c_str()), "linha");
        ++na_pagina;
    }
    fecha_pagina();
    return pdf.bytes();
}

}  // namespace visualizador
