#include "render/Particles.h"

#include <GL/gl.h>

namespace {

uint32_t random32(std::mt19937& random) { return static_cast<uint32_t>(random()); }
// In (0, 1): never exactly 0, so a star never starts at depth 0.
double openUniform(std::mt19937& random) {
    return (double(random32(random)) + 0.5) * (1.0 / 4294967296.0);
}
// In [0, 1].
double closedUniform(std::mt19937& random) {
    return double(random32(random)) * (1.0 / 4294967295.0);
}

// From bluish white (t near 0) to reddish white (t near 1).
void tint(Particle& p, std::mt19937& random) {
    double t = openUniform(random);
    p.r = float(0.7 + 0.2 * t);
    p.g = 0.8f;
    p.b = float(0.7 + 0.2 * (1.0 - t));
}

void setVelocity(Particle& p, float vx, float vy, float vz) {
    p.vx = vx;
    p.vy = vy;
    p.vz = vz;
}

void moveByVelocity(Particle& p) {
    p.x += p.vx;
    p.y += p.vy;
    p.z += p.vz;
}

bool inside(float sx, float sy, float w, float h) {
    return sx >= 0.0f && sx <= w && sy >= 0.0f && sy <= h;
}

// --- star field (window pixels) ---

void starProjection(const Particle& p, WindowSize window, float& sx, float& sy) {
    float w = float(window.width);
    sx = w * p.x / p.z + float(window.width / 2);
    sy = w * p.y / p.z + float(window.height / 2);
}

void spawnStarAnywhere(Particle& p, std::mt19937& random) {
    p.z = float(openUniform(random));
    p.y = float(openUniform(random) - 0.5);
    p.x = float(openUniform(random) - 0.5);
    tint(p, random);
    setVelocity(p, 0.0f, 0.0f, -0.01f);
}

void spawnStarFar(Particle& p, std::mt19937& random) {
    p.y = float(openUniform(random) - 0.5);
    p.x = float(openUniform(random) - 0.5);
    p.z = 1.0f;
    tint(p, random);
    setVelocity(p, 0.0f, 0.0f, -0.01f);
}

// --- intro drift field (intro units: ten pixels) ---

float introWidth(WindowSize window) { return float(window.width * 0.1); }
float introHeight(WindowSize window) { return float(window.height * 0.1); }

void driftProjection(const Particle& p, WindowSize window, float& sx, float& sy) {
    sx = p.x * introWidth(window) / p.z;
    sy = introHeight(window) * p.y;
}

void spawnDriftAnywhere(Particle& p, std::mt19937& random) {
    p.z = float(openUniform(random));
    p.y = float(openUniform(random));
    p.x = float(openUniform(random));
    setVelocity(p, 0.001f, 0.0f, 0.0f);
    tint(p, random);
}

void spawnDriftAtEdge(Particle& p, std::mt19937& random) {
    p.z = float(openUniform(random));
    p.y = float(openUniform(random));
    p.x = 0.0f;
    setVelocity(p, 0.001f, 0.0f, 0.0f);
    tint(p, random);
}

// --- intro exhaust (relative to the ship, intro units) ---

void exhaustProjection(const Particle& p, WindowSize window, float& sx, float& sy) {
    sx = p.x * float(window.width) * 0.1f;
    sy = float(window.height * 0.1) * p.y;
}

void spawnExhaust(Particle& p, std::mt19937& random) {
    double u1 = closedUniform(random), u2 = closedUniform(random), u3 = closedUniform(random);
    double u4 = closedUniform(random), u5 = closedUniform(random), u6 = closedUniform(random);
    p.x = 0.0f;
    p.y = float(0.5 + 0.05 * (u1 - 0.5));
    p.z = 0.0f;
    setVelocity(p, float(0.01 + 0.005 * u3), float(0.002 * (u2 - 0.5)), 0.0f);
    p.r = float(0.9 + 0.1 * (u4 - 0.5));
    p.g = float(p.r - 0.2 * u5);
    p.b = float(p.g - 0.5 * u6);
    p.dr = -0.001f;
    p.dg = -0.0015f;
    p.db = -0.0015f;
    p.life = 1;
}

template <typename Project>
void drawPoints(const ParticleSet& set, WindowSize window, float size, bool liveOnly,
                Project project) {
    glDisable(GL_TEXTURE_2D);
    glPointSize(size);
    glBegin(GL_POINTS);
    for (int i = 0; i < int(set.items.size()); ++i) {
        const Particle& p = set.items[i];
        if (liveOnly && p.life <= 0) continue;
        float sx, sy;
        project(p, window, sx, sy);
        glColor3f(p.r, p.g, p.b);
        glVertex2f(sx, sy);
    }
    glEnd();
    glPointSize(1.0f);
    glEnable(GL_TEXTURE_2D);
}

}  // namespace

StarField::StarField(int n, std::mt19937& random_) : random(random_) {
    items.resize(size_t(n));
    for (int i = 0; i < int(items.size()); ++i) spawnStarAnywhere(items[i], random);
}

void StarField::step(WindowSize window) {
    float w = float(window.width), h = float(window.height);
    for (int i = 0; i < int(items.size()); ++i) {
        Particle& p = items[i];
        moveByVelocity(p);
        // Respawn before projecting, so a star at depth 0 is never divided by.
        if (p.z <= 0.0f) spawnStarFar(p, random);
        float sx, sy;
        starProjection(p, window, sx, sy);
        if (!inside(sx, sy, w, h)) spawnStarFar(p, random);
    }
}

void StarField::draw(WindowSize window) const {
    drawPoints(*this, window, 2.0f, false, starProjection);
}

DriftField::DriftField(std::mt19937& random_) : random(random_) {}

void DriftField::init(WindowSize window) {
    items.resize(1000);
    float w = introWidth(window), h = introHeight(window);
    for (int i = 0; i < int(items.size()); ++i) {
        Particle& p = items[i];
        float sx, sy;
        do {
            spawnDriftAnywhere(p, random);
            driftProjection(p, window, sx, sy);
        } while (!inside(sx, sy, w, h));
    }
}

void DriftField::step(WindowSize window) {
    float w = introWidth(window), h = introHeight(window);
    for (int i = 0; i < int(items.size()); ++i) {
        Particle& p = items[i];
        moveByVelocity(p);
        if (p.z <= 0.0f) spawnDriftAtEdge(p, random);
        float sx, sy;
        driftProjection(p, window, sx, sy);
        if (!inside(sx, sy, w, h)) spawnDriftAtEdge(p, random);
    }
}

void DriftField::draw(WindowSize window) const {
    drawPoints(*this, window, 2.0f, false, driftProjection);
}

Exhaust::Exhaust(std::mt19937& random_) : random(random_) {}

void Exhaust::init() {
    items.resize(50000);
    for (int i = 0; i < int(items.size()); ++i) items[i].life = 0;
}

void Exhaust::step(WindowSize window) {
    float h = introHeight(window);
    for (int i = 0; i < int(items.size()); ++i) {
        Particle& p = items[i];
        if (p.life <= 0) continue;
        moveByVelocity(p);
        p.r += p.dr;
        p.g += p.dg;
        p.b += p.db;
        float sx, sy;
        exhaustProjection(p, window, sx, sy);
        if (sx > 2000.0f || sy < 0.0f || sy > h) p.life = 0;
    }
    if (items.empty()) return;
    for (int k = 0; k < 500; ++k) {
        uint32_t slot = (random32(random) >> 1) % uint32_t(items.size());
        spawnExhaust(items[slot], random);
    }
}

void Exhaust::draw(WindowSize window) const {
    glDisable(GL_POINT_SMOOTH);
    drawPoints(*this, window, 4.0f, true, exhaustProjection);
    glEnable(GL_POINT_SMOOTH);
}
