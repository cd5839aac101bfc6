#include "LocalTime.h"

namespace gsm {

std::tm LocalTime(std::time_t at) {
    std::tm local{};
    // std::localtime shares one buffer between callers; each platform has a
    // reentrant form of its own.
#ifdef _WIN32
    localtime_s(&local, &at);
#else
    localtime_r(&at, &local);
#endif
    return local;
}

std::tm LocalNow() {
    return LocalTime(std::time(nullptr));
}

} // namespace gsm
