#include "base/CQVException.h"

#include <cstdio>
#include <cstring>
#include <new>

#include "base/CQVMensagem.h"
#include "base/QVEventLog.h"
#include "base/QVModulos.h"
#include "platform/com/failure.h"

BOOL CException::GetErrorMessage(char* buffer, UINT tamanho, UINT* contextoAjuda) const {
    if (contextoAjuda) *contextoAjuda = 0;
    const std::string texto = GetMensagem();
    if (buffer && tamanho > 0) {
        const size_t n = texto.size() < tamanho - 1 ? texto.size() : tamanho - 1;
        memcpy(buffer, texto.data(), n);
        buffer[n] = '\0';
    }
    return texto.empty() ? FALSE : TRUE;
}

const char* CException::what() const noexcept {
    try {
        m_what = GetMensagem();
        return m_what.c_str();
    } catch (...) {
        return "CException";
    }
}

HRESULT CException::hresult() const noexcept { return qv_hr_excecao; }
HRESULT CMemoryException::hresult() const noexcept { return qv_hr_memoria; }
HRESULT CFileException::hresult() const noexcept { return HRESULT_FROM_WIN32(static_cast<DWORD>(m_lOsError)); }
HRESULT CQVException::hresult() const noexcept {
    return m_erroSistema != 0 ? static_cast<HRESULT>(0x80040000u | m_erroSistema) : qv_hr_excecao_qv;
}

std::string CFileException::GetMensagem() const {
    std::string texto = CQVMensagem::GetErroSO(static_cast<DWORD>(m_lOsError));
    if (!m_strFileName.empty()) texto += (texto.empty() ? "" : " ") + m_strFileName;
    return texto;
}

std::string CQVException::GetMensagem() const {
    if (m_texto.empty()) m_texto = CQVMensagem::GetTexto(m_numeroMensagem, m_modulo);
    return m_texto;
}

std::string CQVException::TextoRelatorio() const {
    return QVGetNomeModulo(m_modulo) + ": " + qv_texto_completo(GetMensagem(), m_numeroMensagem, m_erroSistema);
}

int CQVException::ReportError(UINT tipoCaixa, UINT) const {
    if ((tipoCaixa & MB_ICONMASK) == 0) tipoCaixa |= MB_ICONEXCLAMATION;
    qv_event_log(qv_tipo_evento_caixa(tipoCaixa), TextoRelatorio());
    return IDOK;
}

HRESULT QVTrataExcecao() noexcept {
    if (!std::current_exception()) return qv_hr_sem_excecao;
    try {
        throw;
    } catch (const com::failure& f) {
        return f.hr ? f.hr : DISP_E_EXCEPTION;
    } catch (const CQVExceptionEx& e) {
        return e.GetHResult();
    } catch (const CException& e) {
        return e.hresult();
    } catch (long valor) {
        return static_cast<HRESULT>(valor);
    } catch (const std::bad_alloc&) {
        return qv_hr_bad_alloc;
    } catch (const std::exception&) {
        return qv_hr_std_exception;
    } catch (...) {
        return qv_hr_desconhecida;
    }
}
