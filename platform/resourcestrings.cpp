#include "platform/resourcestrings.h"

#include "resources/buttonstrips.h"

namespace platform {

// The string table holds each picture button's tool tip under its control id.
QString LoadResourceString(int id)
{
    for (const resources::ButtonStrip& button : resources::kButtonStrips)
        if (button.controlId == id)
            return QString::fromUtf16(button.tip);
    return {};
}

} // namespace platform
