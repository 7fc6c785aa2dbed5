#include "renderer/SceneGeometry.h"

#include <cmath>

namespace wavorin::renderer {

// Loop variables are floats stepped by repeated addition; every bound lies half a step away
// from the last wanted value, so rounding can neither add nor drop a band.

Strips RingStrips(int level)
{
    const float e = 0.5f * static_cast<float>(level);
    const float s = 1.0f - e;
    const float tubeStep = kPi / (2.0f * s + 5.0f * e);
    const float aroundStep = kPi / (6.0f * s + 20.0f * e);

    Strips strips;
    for (float theta = 0.0f; theta < 2.0f * kPi - tubeStep / 2.0f;) {
        const float next = theta + tubeStep;
        const float r = 1.0f + 0.2f * std::cos(theta), y = 0.2f * std::sin(theta);
        const float rNext = 1.0f + 0.2f * std::cos(next), yNext = 0.2f * std::sin(next);
        const float t = theta / (2.0f * kPi), tNext = next / (2.0f * kPi);

        Strip strip;
        strip.push_back({0.0f, t, 1.0f, 0.0f, y, r});
        strip.push_back({0.0f, tNext, 1.0f, 0.0f, yNext, rNext});
        for (float phi = aroundStep; phi <= 2.0f * kPi + aroundStep / 2.0f; phi += aroundStep) {
            const float sigma = phi / kPi;
            const float sinPhi = std::sin(phi), cosPhi = std::cos(phi);
            strip.push_back({sigma, t, 1.0f, -r * sinPhi, y, r * cosPhi});
            strip.push_back({sigma, tNext, 1.0f, -rNext * sinPhi, yNext, rNext * cosPhi});
        }
        strips.push_back(std::move(strip));
        theta = next;
    }
    return strips;
}

float ArcTubeRadius(float phi) { return 0.1f * std::sin(std::exp(kPi - phi - 2.05f)); }

Strips ArcStrips()
{
    const float tubeStep = kPi / 5.0f;
    const float alongStep = kPi / 20.0f;

    Strips strips;
    float theta = 0.0f;
    do {
        const float next = theta + tubeStep;
        const float t = theta / (2.0f * kPi), tNext = next / (2.0f * kPi);
        Strip strip;
        for (float phi = 0.0f; phi <= kPi + kPi / 40.0f; phi += alongStep) {
            const float w = ArcTubeRadius(phi);
            const float rho = 1.0f + w * std::cos(theta), rhoNext = 1.0f + w * std::cos(next);
            const float grey = 1.0f - phi / kPi;
            const float s = phi / kPi;
            const float sinPhi = std::sin(phi), cosPhi = std::cos(phi);
            strip.push_back({s, t, grey, -rho * sinPhi, w * std::sin(theta), rho * cosPhi});
            strip.push_back({s, tNext, grey, -rhoNext * sinPhi, w * std::sin(next), rhoNext * cosPhi});
        }
        strips.push_back(std::move(strip));
        theta = next;
    } while (theta < 1.9f * kPi);
    return strips;
}

}  // namespace wavorin::renderer
