#pragma once
// The base library's exceptions and the one translator from the exception in flight to an
// HRESULT. Exceptions are thrown by value and caught by reference.
#include <windows.h>

#include <cstdint>
#include <exception>
#include <string>

#include "platform/com/failure.h"

// Root of the framework-style exceptions of the system; anything derived from it that the
// translator does not know gives 0x8004EA63. The COM boundary (com::report_current_exception)
// answers each with its text and the translator's HRESULT.
class CException : public std::exception, public com::translated_exception {
public:
    HRESULT hresult() const noexcept override;
    std::string text() const override { return GetMensagem(); }
    // Copies at most `tamanho` characters of the text (always terminated); TRUE when there is one.
    virtual BOOL GetErrorMessage(char* buffer, UINT tamanho, UINT* contextoAjuda = nullptr) const;
    virtual std::string GetMensagem() const { return ""; }
    const char* what() const noexcept override;

private:
    mutable std::string m_what;
};

// Out of memory, as the framework raises it.
class CMemoryException : public CException {
public:
    HRESULT hresult() const noexcept override;
    std::string GetMensagem() const override { return "Memória insuficiente."; }
};

// A file operation failed; m_lOsError is the Win32 code.
class CFileException : public CException {
public:
    CFileException(LONG lOsError, std::string strFileName = "")
        : m_lOsError(lOsError), m_strFileName(std::move(strFileName)) {}
    HRESULT hresult() const noexcept override;
    std::string GetMensagem() const override;
    LONG m_lOsError;
    std::string m_strFileName;
};

// An argument outside what an operation accepts (such as an index outside an array).
class CInvalidArgException : public CException {
public:
    std::string GetMensagem() const override { return "Parâmetro inválido."; }
};

// The base library's own failure: a numbered message of a module's message file or an explicit
// text, and an optional operating-system error.
class CQVException : public CException {
public:
    CQVException(int32_t numeroMensagem, int32_t modulo, DWORD erroSistema = 0)
        : m_numeroMensagem(numeroMensagem), m_modulo(modulo), m_erroSistema(erroSistema) {}
    CQVException(const char* texto, int32_t modulo, DWORD erroSistema = 0)
        : m_modulo(modulo), m_erroSistema(erroSistema), m_texto(texto ? texto : "") {}

    // The explicit text, or the message file's text for (number, module), kept once read.
    std::string GetMensagem() const override;
    HRESULT hresult() const noexcept override;
    // The server shows no message box: the text (with the system's text for the error, when
    // there is one) goes to the event log. Returns IDOK, the answer of a box with one button.
    int ReportError(UINT tipoCaixa = MB_OK, UINT idAjuda = 0) const;
    // The text ReportError writes, caption first.
    std::string TextoRelatorio() const;

    int32_t GetNumeroMensagem() const { return m_numeroMensagem; }
    int32_t GetModulo() const { return m_modulo; }
    DWORD GetErroSistema() const { return m_erroSistema; }

private:
    int32_t m_numeroMensagem = 0;
    int32_t m_modulo = 0;
    DWORD m_erroSistema = 0;
    mutable std::string m_texto;
};

// A failure that carries its HRESULT.
class CQVExceptionEx {
public:
    CQVExceptionEx(HRESULT hr, int32_t valor1 = 0, int32_t valor2 = 0, std::string texto1 = "",
                   std::string texto2 = "", int32_t valor3 = 0)
        : m_hr(hr), m_valor1(valor1), m_valor2(valor2), m_texto1(std::move(texto1)),
          m_texto2(std::move(texto2)), m_valor3(valor3) {}
    virtual ~CQVExceptionEx() = default;

    HRESULT GetHResult() const { return m_hr; }
    int32_t GetValor1() const { return m_valor1; }
    int32_t GetValor2() const { return m_valor2; }
    const std::string& GetTexto1() const { return m_texto1; }
    const std::string& GetTexto2() const { return m_texto2; }
    int32_t GetValor3() const { return m_valor3; }

private:
    HRESULT m_hr;
    int32_t m_valor1, m_valor2;
    std::string m_texto1, m_texto2;
    int32_t m_valor3;
};

// HRESULTs of the translator.
inline constexpr HRESULT qv_hr_sem_excecao = static_cast<HRESULT>(0x8004EA60);
inline constexpr HRESULT qv_hr_excecao_qv = static_cast<HRESULT>(0x8004EA61);
inline constexpr HRESULT qv_hr_memoria = static_cast<HRESULT>(0x8004EA62);
inline constexpr HRESULT qv_hr_excecao = static_cast<HRESULT>(0x8004EA63);
inline constexpr HRESULT qv_hr_bad_alloc = static_cast<HRESULT>(0x8004EA64);
inline constexpr HRESULT qv_hr_std_exception = static_cast<HRESULT>(0x8004EA65);
inline constexpr HRESULT qv_hr_desconhecida = static_cast<HRESULT>(0x8004EA66);

// Called inside a catch block (or anywhere): the HRESULT for the exception in flight.
//   com::failure (the COM error object)  its HRESULT (DISP_E_EXCEPTION when it has none)
//   CQVExceptionEx                       its HRESULT
//   CQVException                         0x80040000 | system error, or 0x8004EA61 without one
//   CFileException                       HRESULT_FROM_WIN32 of its system error
//   CMemoryException                     0x8004EA62
//   other CException                     0x8004EA63
//   a thrown long                        that value
//   std::bad_alloc                       0x8004EA64
//   other std::exception                 0x8004EA65
//   anything else                        0x8004EA66
//   nothing in flight                    0x8004EA60
HRESULT QVTrataExcecao() noexcept;
