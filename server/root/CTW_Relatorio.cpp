#include "server/root/CTW_Relatorio.h"

#include <winspool.h>

#include <algorithm>
#include <cwctype>
#include <limits>
#include <optional>

#include "base/CQVChaveRegistro.h"
#include "base/QVCaminhos.h"
#include "base/QVDCOM.h"
#include "base/QVDataCurta.h"
#include "base/QVTexto.h"
#include "inhouse_relatorios.h"
#include "platform/com/com_ptr.h"
#include "platform/com/failure.h"
#include "platform/com/text.h"
#include "platform/inhouse/core/inhouse_guids.h"
#include "platform/inhouse/qvcadvis/CChamaVisualizadorRel.h"
#include "platform/inhouse/relatorios/registro_relatorio.h"
#include "server/messages.h"

namespace server {

namespace {

constexpr char marcador[] = "*#";
constexpr int acao_imprime_pdf = 8;
constexpr char chave_impressora[] = "Software\\RO Vivavevo";
constexpr char valor_impressora[] = "UltImpressora_QVRel";
constexpr wchar_t porta_pdf[] = L"CPW2:";

impressoras_teste* g_impressoras_teste = nullptr;

std::string formata(const char* texto, const std::string& arquivo) {
    std::string t = texto;
    if (const size_t p = t.find("%s"); p != std::string::npos) t.replace(p, 2, arquivo);
    return t;
}

// The size of a file, or nothing when it cannot be read.
std::optional<uint64_t> tamanho_arquivo(const std::string& caminho) {
    WIN32_FILE_ATTRIBUTE_DATA dados{};
    if (!GetFileAttributesExW(com::to_wide(caminho).c_str(), GetFileExInfoStandard, &dados)) return std::nullopt;
    return (static_cast<uint64_t>(dados.nFileSizeHigh) << 32) | dados.nFileSizeLow;
}

// Closes the component's file on every road once it was opened.
struct fecha_componente {
    IQVRelatorio* componente;
    ~fecha_componente() { componente->Fecha(); }
};

void grava(const std::string& caminho, const std::string& bytes) {
    HANDLE h = CreateFileW(com::to_wide(caminho).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) com::fail(msg::gravar_relatorio_pdf, HRESULT_FROM_WIN32(GetLastError()));
    com::unique_handle arquivo(h);
    DWORD escritos = 0;
    if (!WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &escritos, nullptr) || escritos != bytes.size())
        com::fail(msg::gravar_relatorio_pdf, HRESULT_FROM_WIN32(GetLastError()));
}

// The PDF's bytes in a BSTR of exactly that byte length. A PDF that is missing or empty is a
// failed print, never an empty result.
com::unique_bstr le_pdf(const std::string& caminho) {
    HANDLE h = CreateFileW(com::to_wide(caminho).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) com::fail(msg::pdf_nao_gerado, HRESULT_FROM_WIN32(GetLastError()));
    com::unique_handle arquivo(h);
    LARGE_INTEGER tamanho{};
    if (!GetFileSizeEx(h, &tamanho)) com::fail(msg::ler_pdf, HRESULT_FROM_WIN32(GetLastError()));
    if (tamanho.QuadPart == 0) com::fail(msg::pdf_nao_gerado);
    if (tamanho.QuadPart > std::numeric_limits<UINT>::max() / 2) com::fail(msg::ler_pdf, E_OUTOFMEMORY);
    const auto n = static_cast<UINT>(tamanho.QuadPart);
    com::unique_bstr bytes(SysAllocStringByteLen(nullptr, n));
    if (!bytes) throw std::bad_alloc();
    DWORD lidos = 0;
    if (!ReadFile(h, bytes.get(), n, &lidos, nullptr)) com::fail(msg::ler_pdf, HRESULT_FROM_WIN32(GetLastError()));
    if (lidos != n) com::fail(msg::ler_pdf, HRESULT_FROM_WIN32(ERROR_HANDLE_EOF));
    return bytes;
}

}  // namespace

const textos_transferencia textos_relatorio = {msg::instanciar_servidor_relatorios,
                                               msg::inicializar_servidor_relatorios, msg::transferir_relatorio};

arquivo_temporario& arquivo_temporario::operator=(arquivo_temporario&& outro) noexcept {
    if (this != &outro) {
        apaga();
        m_caminho = std::exchange(outro.m_caminho, {});
    }
    return *this;
}

void arquivo_temporario::apaga() noexcept {
    if (m_caminho.empty()) return;
    try {
        DeleteFileW(com::to_wide(m_caminho).c_str());
    } catch (...) {
        // A name that cannot even be converted names no file we made.
    }
    m_caminho.clear();
}

std::string le_arquivo_relatorio(const std::string& arquivo, const textos_transferencia& textos) {
    com::com_ptr<IQVRelatorio> componente;
    com::check(QVCriaInstancia(inhouse::CLSID_RelatorioComponente, nullptr, QV_CLSCTX_SERVIDOR,
                               __uuidof(IQVRelatorio), componente.put_void(), QV_CRIA_PADRAO),
               textos.criacao);
    inhouse::QV_INFO_RELATORIO informacao{};
    {
        com::unique_bstr nome = com::to_bstr(arquivo);
        com::check(componente->Abre(nome.get(), reinterpret_cast<BYTE*>(&informacao)), formata(textos.abertura, arquivo));
    }
    fecha_componente fecha{componente.get()};
    const uint32_t tamanho = informacao.tamanho;
    // A length that the file cannot hold would have the buffer allocated for nothing, or read
    // past what the component has.
    const std::optional<uint64_t> real = tamanho_arquivo(arquivo);
    if (!real) com::fail(textos.leitura, HRESULT_FROM_WIN32(GetLastError()));
    if (tamanho > *real) com::fail(textos.leitura, HRESULT_FROM_WIN32(ERROR_INVALID_DATA));
    std::string bytes(static_cast<size_t>(tamanho) + 2, '\0');
    com::check(componente->Le(static_cast<LONG>(tamanho), reinterpret_cast<BYTE*>(bytes.data() + 2)), textos.leitura);
    if (tamanho >= 2 && bytes.compare(2, 2, marcador) != 0) {
        bytes.replace(0, 2, marcador);
        return bytes;
    }
    return bytes.substr(2);
}

const impressora* impressora_pdf(std::span<const impressora> impressoras) noexcept {
    constexpr size_t n = std::size(porta_pdf) - 1;
    for (const impressora& i : impressoras) {
        if (i.porta.size() < n) continue;
        bool igual = true;
        for (size_t k = 0; k < n && igual; ++k) igual = std::towupper(i.porta[k]) == porta_pdf[k];
        if (igual) return &i;
    }
    return nullptr;
}

std::vector<impressora> impressoras_instaladas() {
    if (g_impressoras_teste) return g_impressoras_teste->lista();
    constexpr DWORD tipos = PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS;
    DWORD necessario = 0, quantidade = 0;
    EnumPrintersW(tipos, nullptr, 2, nullptr, 0, &necessario, &quantidade);
    if (necessario == 0) return {};
    // PRINTER_INFO_2W holds pointers: the block is allocated as such, not as bytes.
    std::vector<PRINTER_INFO_2W> bloco(necessario / sizeof(PRINTER_INFO_2W) + 1);
    const DWORD tamanho = static_cast<DWORD>(bloco.size() * sizeof(PRINTER_INFO_2W));
    if (!EnumPrintersW(tipos, nullptr, 2, reinterpret_cast<BYTE*>(bloco.data()), tamanho, &necessario, &quantidade))
        return {};
    std::vector<impressora> lista;
    lista.reserve(quantidade);
    for (DWORD i = 0; i < quantidade; ++i)
        lista.push_back({bloco[i].pPrinterName ? bloco[i].pPrinterName : L"",
                         bloco[i].pPortName ? bloco[i].pPortName : L""});
    return lista;
}

impressoras_teste::impressoras_teste(std::vector<impressora> lista)
    : m_anterior(g_impressoras_teste), m_lista(std::move(lista)) {
    g_impressoras_teste = this;
}

impressoras_teste::~impressoras_teste() { g_impressoras_teste = m_anterior; }

void CTW_Relatorio::SetModelo(BSTR bsModelo) { m_sModelo = com::from_bstr(bsModelo); }

void CTW_Relatorio::SetTipo(BSTR bsTipo) {
    struct nome_tipo {
        const char* nome;
        tipo valor;
    };
    static constexpr nome_tipo tipos[] = {{"pdf", pdf}, {"qvr", qvr}};
    std::string texto = com::from_bstr(bsTipo);
    std::transform(texto.begin(), texto.end(), texto.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
    for (const nome_tipo& t : tipos)
        if (texto == t.nome) {
            m_iTipo = t.valor;
            return;
        }
    com::fail(msg::tipo_relatorio_invalido);
}

com::unique_bstr CTW_Relatorio::Relatorio() {
    arquivo_temporario arquivo = GravaRelatorio();
    return m_iTipo == qvr ? TransfereRelatorio(arquivo.caminho()) : GeraPDF(arquivo.caminho());
}

com::unique_bstr CTW_Relatorio::TransfereRelatorio(const std::string& arquivo) {
    return com::to_bstr(le_arquivo_relatorio(arquivo, textos_relatorio));
}

com::unique_bstr CTW_Relatorio::GeraPDF(const std::string& arquivo) {
    try {
        VerificaImpressoraPDF();
    } catch (const com::failure& f) {
        com::fail(msg::verificar_driver_pdf, f.hr ? f.hr : DISP_E_EXCEPTION);
    }
    std::string texto;
    try {
        texto = le_arquivo_relatorio(arquivo, textos_relatorio);
    } catch (const com::failure& f) {
        com::fail(msg::transferir_relatorio, f.hr);
    }
    // The launcher prints a copy of the report (marker included) kept in the reports folder.
    std::string pasta = QVGetPastaRelatorios();
    if (pasta.empty()) pasta = QVGetPastaTemporaria();
    arquivo_temporario copia(QVMontaCaminho(pasta, QVGetNomeArquivo(arquivo)));
    grava(copia.caminho(), texto);
    arquivo_temporario pdf(NomeTemporario("PLA"));
    CChamaVisualizadorRel visualizador;
    visualizador.SetAcaoEnum(acao_imprime_pdf);
    visualizador.SetRelatorio(copia.caminho());
    visualizador.SetParametroAcao(pdf.caminho());
    visualizador.SetExecucaoLocal(true);
    if (const HRESULT hr = visualizador.Executa(); FAILED(hr))
        com::fail(visualizador.Erro().empty() ? std::string(msg::gerar_pdf)
                                              : std::string(msg::gerar_pdf) + " " + visualizador.Erro(),
                  hr);
    return le_pdf(pdf.caminho());
}

void CTW_Relatorio::VerificaImpressoraPDF() {
    const std::vector<impressora> impressoras = impressoras_instaladas();
    const impressora* escolhida = impressora_pdf(impressoras);
    if (!escolhida) com::fail(msg::sem_driver_pdf);
    // The launcher prints to the printer recorded here: a printer that could not be recorded
    // would have the report printed elsewhere.
    const LONG rc = QVGravaRegistroTexto(HKEY_CURRENT_USER, chave_impressora, valor_impressora,
                                         com::to_ansi(escolhida->nome).c_str());
    if (rc != ERROR_SUCCESS) com::fail(msg::gravar_impressora_pdf, HRESULT_FROM_WIN32(rc));
}

void CTW_Relatorio::SetDataFinal(BSTR bsDataFinal, uint16_t& usDataFinal) {
    usDataFinal = QVConverteTextoData(com::from_bstr(bsDataFinal).c_str());
}

std::string nome_temporario(const char* prefixo) {
    return QVMontaCaminho(QVGetPastaTemporaria(), QVGeraNomeTemporario(prefixo).c_str());
}

}  // namespace server
