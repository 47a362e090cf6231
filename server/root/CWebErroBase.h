#pragma once
// The error base of the server's COM classes and the numbered-message road of the worker objects.
#include <windows.h>

#include <source_location>
#include <string>

#include "platform/com/failure.h"

namespace server {

class CWebErroBase {
public:
    virtual ~CWebErroBase() = default;
    // Sets the thread's error information with this source and description.
    static void SetErro(const std::string& source, const std::string& description) noexcept;
};

// "Arquivo= %s  linha= %d  data=%s": the source file's name, the line and the build date.
std::string texto_local(const char* arquivo, int linha, const char* data = __DATE__);

// 0x800A0000 plus the message number: what most worker objects return with their message.
constexpr HRESULT hresult_mensagem(int numero) {
    return static_cast<HRESULT>(0x800A0000u + static_cast<unsigned>(numero));
}

// A worker's numbered message as a thrown failure; the boundary sets the location as source.
[[noreturn]] void falha_numerada(std::string mensagem, HRESULT hr,
                                 std::source_location where = std::source_location::current());

}  // namespace server
