#pragma once
// The report viewer launcher of qvcadvis.dll: runs the report viewer for one action on one report
// file. The server uses action 8 only: print the report file into the PDF file named by the
// action's parameter, through the printer last recorded under "UltImpressora_QVRel".
#include <windows.h>

#include <string>

class CChamaVisualizadorRel {
public:
    void SetAcaoEnum(int acao) noexcept { m_iAcao = acao; }
    void SetRelatorio(const std::string& arquivo) { m_sRelatorio = arquivo; }
    void SetParametroAcao(const std::string& parametro) { m_sParametro = parametro; }
    void SetExecucaoLocal(bool local) noexcept { m_bLocal = local; }

    // Runs the action and waits for it, within a time limit. S_OK when the viewer ended well;
    // otherwise a failing HRESULT, with the reason in Erro().
    HRESULT Executa();
    const std::string& Erro() const noexcept { return m_sErro; }

private:
    int m_iAcao = 0;
    std::string m_sRelatorio;
    std::string m_sParametro;
    bool m_bLocal = false;
    std::string m_sErro;
};
