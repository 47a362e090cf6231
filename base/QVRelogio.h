#pragma once
// The server's one clock. Every "now" and "today" comes from here, so that an installation (a
// test, the demo) can run at a simulated moment: the machine environment value QV_DATETIME
// (HKLM "SYSTEM\CurrentControlSet\Control\Session Manager\Environment"), read anew on every
// call, holds
//     flag;dd/mm/yyyy;hh:mm:ss:mmm;dd/mm/yyyy;hh:mm:ss:mmm
// a non-zero flag, the simulated local moment A and the real local moment B at which A was
// set; the clock then reads  real now - B + A.  A value that does not name valid moments is
// reported once in the event log and the real time is used.
#include <windows.h>
#include <oleauto.h>

#include <cstdint>
#include <ctime>
#include <string>

FILETIME GetCurrentTime_LocalFileTime();
SYSTEMTIME GetCurrentTime_LocalTime();
FILETIME GetCurrentTime_SystemTimeAsFileTime();
SYSTEMTIME GetCurrentTime_SystemTime();
// The local moment as a 64-bit time (daylight saving decided by the C library).
__time64_t GetCurrentTime_CTime();
// The local moment as an OLE date.
DATE GetCurrentTime_OleDateTime();
// The 64-bit time narrowed to 32 bits; throws CQVException when it does not fit.
int32_t GetCurrentTime_time_t();

std::string QVGetHoraAtualTexto();              // hh:mm:ss
std::string QVGetHoraAtualMilissegundos();      // hh:mm:ss.mmm
std::string QVGetDataAtualTexto(bool quatroDigitos);     // dd/mm/yyyy or dd/mm/yy
std::string QVGetMesAnoAtualTexto(bool quatroDigitos);   // mm/yyyy or mm/yy
std::string QVGetDataHoraAtualTexto(bool quatroDigitos); // date, a blank, time

int32_t QVGetMinutosAtual();       // h * 60 + m
int32_t QVGetHHMMAtual();          // h * 100 + m
std::string QVGetHHMMAtualTexto();
int32_t QVGetHHMMSSAtual();        // h * 10000 + m * 100 + s
int32_t QVGetSegundosAtual();      // h * 3600 + m * 60 + s
std::string QVGetHoraAtualSegundosTexto();
// UTC minus local time of now, as hours * 100 + minutes (Brasília, UTC-3, gives 300).
int32_t QVGetFusoHorario();

// Time-of-day numbers: form 0 counts (minutes or seconds), form 1 clock digits (hhmm or
// hhmmss); precision 0 minutes, 1 seconds.
void QVSeparaHora(int32_t valor, int forma, int precisao, int32_t* h, int32_t* m, int32_t* s);
int32_t QVMontaHora(int forma, int precisao, int32_t h, int32_t m, int32_t s);
std::string QVFormataSegundos(int32_t segundos, int32_t* h = nullptr, int32_t* m = nullptr, int32_t* s = nullptr);

int32_t QVConverteHHMMSSParaHHMM(int32_t hhmmss, int32_t* h = nullptr, int32_t* m = nullptr, int32_t* s = nullptr);
int32_t QVConverteHHMMParaHHMMSS(int32_t hhmm, int32_t segundos = 0, int32_t* h = nullptr, int32_t* m = nullptr,
                                 int32_t* s = nullptr);
int32_t QVConverteSegundosParaMinutos(int32_t segundos, int32_t* h = nullptr, int32_t* m = nullptr,
                                      int32_t* s = nullptr);
int32_t QVConverteMinutosParaSegundos(int32_t minutos, int32_t segundos = 0, int32_t* h = nullptr,
                                      int32_t* m = nullptr, int32_t* s = nullptr);
int32_t QVConverteSegundosParaHHMMSS(int32_t segundos, int32_t* h = nullptr, int32_t* m = nullptr,
                                     int32_t* s = nullptr);
int32_t QVConverteHHMMSSParaSegundos(int32_t hhmmss, int32_t* h = nullptr, int32_t* m = nullptr,
                                     int32_t* s = nullptr);
int32_t QVConverteMinutosParaHHMM(int32_t minutos, int32_t* h = nullptr, int32_t* m = nullptr);
int32_t QVConverteHHMMParaMinutos(int32_t hhmm, int32_t* h = nullptr, int32_t* m = nullptr);

// For the demo and tests: write or clear QV_DATETIME so that the clock reads `momento` (a
// local time) from now on. 0 or the registry's error.
LONG qv_write_simulated_clock(const SYSTEMTIME& momento);
LONG qv_clear_simulated_clock();

// Today and this month in the value types' numberings (QVDataCurta.h): with antiga, today's
// dd/mm/yyyy (mm/yyyy) read as an old day number (month index); otherwise dd/mm/yy (mm/yy)
// read as a short day number (month index).
uint16_t QVGetDataAtual(bool antiga = false);
uint16_t QVGetMesAnoAtual(bool antiga = false);
