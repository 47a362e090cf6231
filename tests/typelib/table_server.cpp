// Server core: the root object and the small objects it hands out.
#include "member_table.h"

namespace typelib_table {
namespace {
using enum kind;

constexpr itf interfaces[] = {
    {L"IQV_Inicializa", L"IDispatch", true},
};

constexpr member members[] = {
    {L"IQV_Inicializa", 7, L"Inicializa", method, L"in BSTR, in BSTR, in BSTR, out int*"},
    {L"IQV_Inicializa", 8, L"Finaliza", method, L""},
    {L"IQV_Inicializa", 9, L"m_sEmpresa", get, L"out retval BSTR*"},
    {L"IQV_Inicializa", 10, L"m_sRazaoSocial", get, L"out retval BSTR*"},
    {L"IQV_Inicializa", 11, L"m_iUsuario", get, L"out retval long*"},
    {L"IQV_Inicializa", 12, L"m_lNumeroSessao", get, L"out retval long*"},
    {L"IQV_Inicializa", 13, L"m_bInicializado", get, L"out retval long*"},
};

constexpr coclass coclasses[] = {
    {L"QV_Inicializa", L"IQV_Inicializa", true},
};
}  // namespace

subsystem_table server_table() { return {L"server", interfaces, members, coclasses}; }

}  // namespace typelib_table
