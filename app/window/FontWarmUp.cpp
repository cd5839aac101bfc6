#include "app/window/FontWarmUp.h"

#ifdef GSM_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

FontWarmUp::FontWarmUp() {
#ifdef GSM_HAVE_FONTCONFIG
    // FcInit loads the configuration once per process; Qt's own call later
    // finds it loaded.
    m_thread = std::thread([] { FcInit(); });
#endif
}

FontWarmUp::~FontWarmUp() {
    if (m_thread.joinable())
        m_thread.join();
}
