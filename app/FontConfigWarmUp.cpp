#include "app/FontConfigWarmUp.h"

#include <fontconfig/fontconfig.h>

#include <system_error>

CFontConfigWarmUp::CFontConfigWarmUp()
{
    try {
        m_thread = std::thread([] { FcInit(); });
    } catch (const std::system_error&) {
        // No helper: the font database reads the configuration itself, as it always can.
    }
}

CFontConfigWarmUp::~CFontConfigWarmUp() { Wait(); }

void CFontConfigWarmUp::Wait()
{
    if (m_thread.joinable())
        m_thread.join();
}
