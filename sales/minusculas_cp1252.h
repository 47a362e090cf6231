#pragma once
// Lower case of a CP1252 text that does not depend on the machine's locale: A-Z and the accented
// capitals À..Þ (but ×) become their small letters; every other byte stays.
#include <string>
#include <string_view>

namespace sales {

inline std::string minusculas_cp1252(std::string_view texto) {
    std::string r(texto);
    for (char& c : r) {
        const auto b = static_cast<unsigned char>(c);
        if ((b >= 'A' && b <= 'Z') || (b >= 0xC0 && b <= 0xDE && b != 0xD7)) c = static_cast<char>(b + 0x20);
    }
    return r;
}

}  // namespace sales
