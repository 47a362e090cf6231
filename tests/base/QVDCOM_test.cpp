#include <gtest/gtest.h>

#include "base/QVDCOM.h"

namespace {

TEST(QVDCOM, SecuritySetUpAnswersLikeCoInitializeSecurity) {
    const HRESULT hr = QVInicializaSeguranca();
    EXPECT_TRUE(SUCCEEDED(hr) || hr == RPC_E_TOO_LATE) << std::hex << hr;
}

}  // namespace
