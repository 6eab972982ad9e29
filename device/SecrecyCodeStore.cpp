#include "SecrecyCodeStore.h"

#include <mutex>

namespace {
std::mutex g_lock;
SecrecyCode g_code{};
}

SecrecyCode currentSecrecyCode()
{
    std::lock_guard<std::mutex> lock(g_lock);
    return g_code;
}

void setCurrentSecrecyCode(const SecrecyCode &code)
{
    std::lock_guard<std::mutex> lock(g_lock);
    g_code = code;
}

bool setCurrentSecrecyCodeFromText(const QString &text)
{
    if (text.size() != hidproto::kSecrecyCodeSize)
        return false;
    SecrecyCode code{};
    for (int i = 0; i < hidproto::kSecrecyCodeSize; ++i)
        code[i] = static_cast<uint8_t>(text.at(i).unicode() & 0xFF);
    setCurrentSecrecyCode(code);
    return true;
}
