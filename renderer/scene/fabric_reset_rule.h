#pragma once

constexpr float fabricFallDuration = 45.0f;
// The rest rule waits until this much of the fall is left (4 s into it).
constexpr float fabricRestCheckLeft = 41.0f;
constexpr float fabricRestEnergy = 5.0f;
constexpr float fabricTooFastEnergy = 9800.0f;

enum class FabricResetReason { None, TimeUp, AtRest, TooFast };

// Why the cloth is laid out afresh this frame, from the previous frame's kinetic energy.
FabricResetReason fabricResetReason(float totalTime, float nextResetTime, float kineticEnergy);

inline bool isFabricResetDue(float totalTime, float nextResetTime, float kineticEnergy) {
    return fabricResetReason(totalTime, nextResetTime, kineticEnergy) != FabricResetReason::None;
}
