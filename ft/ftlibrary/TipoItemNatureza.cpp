#include "ft/ftlibrary/TipoItemNatureza.h"

#include <cstddef>
#include <iterator>

BYTE TipoItemNatureza(const _REG_NATUREZAPS& natureza) {
    const BYTE primeiro = natureza.bytes[0];
    if (primeiro == 0 || primeiro == '8' || primeiro == '9') return 0;
    static constexpr size_t bytes_tipo[] = {552, 551, 554, 553, 594, 595, 596, 597};
    for (size_t i = 0; i < std::size(bytes_tipo); ++i) {
        if (natureza.bytes[bytes_tipo[i]] != 0) return static_cast<BYTE>(i + 1);
    }
    return 0;
}
