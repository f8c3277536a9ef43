#include "scene/fabric_reset_rule.h"

FabricResetReason fabricResetReason(float totalTime, float nextResetTime, float kineticEnergy) {
    if (totalTime >= nextResetTime)
        return FabricResetReason::TimeUp;
    if (nextResetTime - totalTime < fabricRestCheckLeft && kineticEnergy < fabricRestEnergy)
        return FabricResetReason::AtRest;
    // Written so that a NaN energy (a blown-up cloth) also counts as too fast.
    if (!(kineticEnergy <= fabricTooFastEnergy))
        return FabricResetReason::TooFast;
    return FabricResetReason::None;
}
