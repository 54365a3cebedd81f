#pragma once

// A value that the input did not give is held as this marker; anything below -1e8 counts as
// "not given".
constexpr float kNoDado = -1e10f;
inline bool esNoDado(float v) {
    return v < -1e8f;
}
