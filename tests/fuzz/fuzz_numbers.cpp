// The leading-number reader never fails on any text, and the number writer's
// text reads back as the number it was written from.
#include "ui/Numbers.h"
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const double v = Numbers::Val(text);
    (void)Numbers::ReadTyped(text);
    (void)Numbers::FormatFourDecimals(v);

    if (size >= sizeof(double)) {
        double d;
        std::memcpy(&d, data, sizeof d);
        if (std::isfinite(d)) {
            const QString written = Numbers::PlainText(d);
            const double back = Numbers::Val(written);
            // Fifteen significant digits: equal to within the last of them, and stable.
            if (std::fabs(back - d) > std::fabs(d) * 1e-14 || Numbers::PlainText(back) != written)
                std::abort();
        }
    }
    return 0;
}
