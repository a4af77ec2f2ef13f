#include "render/Particles.h"

#include <GL/gl.h>

#include <cstring>

#include "app/Application.h"
#include "render/Random.h"

ParticleSet::~ParticleSet() { delete[] items; }

void ParticleSet::resize(int n) {
    if (n < 1) {
        delete[] items;
        items = nullptr;
        count = capacity = 0;
        return;
    }
    Particle* grown = new Particle[n]();
    int kept = count < n ? count : n;
    if (kept > 0) std::memcpy(grown, items, sizeof(Particle) * kept);
    delete[] items;
    items = grown;
    count = capacity = n;
}

namespace {

// From bluish white (t near 0) to reddish white (t near 1).
void tint(Particle& p) {
    double t = openUniform();
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

void starProjection(const Particle& p, float& sx, float& sy) {
    float w = float(app.width);
    sx = w * p.x / p.z + float(app.width / 2);
    sy = w * p.y / p.z + float(app.height / 2);
}

void spawnStarAnywhere(Particle& p) {
    p.z = float(openUniform());
    p.y = float(openUniform() - 0.5);
    p.x = float(openUniform() - 0.5);
    tint(p);
    setVelocity(p, 0.0f, 0.0f, -0.01f);
}

void spawnStarFar(Particle& p) {
    p.y = float(openUniform() - 0.5);
    p.x = float(openUniform() - 0.5);
    p.z = 1.0f;
    tint(p);
    setVelocity(p, 0.0f, 0.0f, -0.01f);
}

// --- intro drift field (intro units: ten pixels) ---

float introWidth() { return float(app.width * 0.1); }
float introHeight() { return float(app.height * 0.1); }

void driftProjection(const Particle& p, float& sx, float& sy) {
    sx = p.x * introWidth() / p.z;
    sy = introHeight() * p.y;
}

void spawnDriftAnywhere(Particle& p) {
    p.z = float(openUniform());
    p.y = float(openUniform());
    p.x = float(openUniform());
    setVelocity(p, 0.001f, 0.0f, 0.0f);
    tint(p);
}

void spawnDriftAtEdge(Particle& p) {
    p.z = float(openUniform());
    p.y = float(openUniform());
    p.x = 0.0f;
    setVelocity(p, 0.001f, 0.0f, 0.0f);
    tint(p);
}

// --- intro exhaust (relative to the ship, intro units) ---

void exhaustProjection(const Particle& p, float& sx, float& sy) {
    sx = p.x * float(app.width) * 0.1f;
    sy = float(app.height * 0.1) * p.y;
}

void spawnExhaust(Particle& p) {
    double u1 = closedUniform(), u2 = closedUniform(), u3 = closedUniform();
    double u4 = closedUniform(), u5 = closedUniform(), u6 = closedUniform();
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
void drawPoints(const ParticleSet& set, float size, bool liveOnly, Project project) {
    glDisable(GL_TEXTURE_2D);
    glPointSize(size);
    glBegin(GL_POINTS);
    for (int i = 0; i < set.count; ++i) {
        const Particle& p = set.items[i];
        if (liveOnly && p.life <= 0) continue;
        float sx, sy;
        project(p, sx, sy);
        glColor3f(p.r, p.g, p.b);
        glVertex2f(sx, sy);
    }
    glEnd();
    glPointSize(1.0f);
    glEnable(GL_TEXTURE_2D);
}

}  // namespace

StarField::StarField(int n) {
    resize(n);
    for (int i = 0; i < count; ++i) spawnStarAnywhere(items[i]);
}

void StarField::step() {
    float w = float(app.width), h = float(app.height);
    for (int i = 0; i < count; ++i) {
        Particle& p = items[i];
        moveByVelocity(p);
        // Respawn before projecting, so a star at depth 0 is never divided by.
        if (p.z <= 0.0f) spawnStarFar(p);
        float sx, sy;
        starProjection(p, sx, sy);
        if (!inside(sx, sy, w, h)) spawnStarFar(p);
    }
}

void StarField::draw() const { drawPoints(*this, 2.0f, false, starProjection); }

void DriftField::init() {
    resize(1000);
    float w = introWidth(), h = introHeight();
    for (int i = 0; i < count; ++i) {
        Particle& p = items[i];
        float sx, sy;
        do {
            spawnDriftAnywhere(p);
            driftProjection(p, sx, sy);
        } while (!inside(sx, sy, w, h));
    }
}

void DriftField::step() {
    float w = introWidth(), h = introHeight();
    for (int i = 0; i < count; ++i) {
        Particle& p = items[i];
        moveByVelocity(p);
        if (p.z <= 0.0f) spawnDriftAtEdge(p);
        float sx, sy;
        driftProjection(p, sx, sy);
        if (!inside(sx, sy, w, h)) spawnDriftAtEdge(p);
    }
}

void DriftField::draw() const { drawPoints(*this, 2.0f, false, driftProjection); }

void Exhaust::init() {
    resize(50000);
    for (int i = 0; i < count; ++i) items[i].life = 0;
}

void Exhaust::step() {
    float h = introHeight();
    for (int i = 0; i < count; ++i) {
        Particle& p = items[i];
        if (p.life <= 0) continue;
        moveByVelocity(p);
        p.r += p.dr;
        p.g += p.dg;
        p.b += p.db;
        float sx, sy;
        exhaustProjection(p, sx, sy);
        if (sx > 2000.0f || sy < 0.0f || sy > h) p.life = 0;
    }
    if (count < 1) return;
    for (int k = 0; k < 500; ++k) {
        uint32_t slot = (random32() >> 1) % uint32_t(count);
        spawnExhaust(items[slot]);
    }
}

void Exhaust::draw() const {
    glDisable(GL_POINT_SMOOTH);
    drawPoints(*this, 4.0f, true, exhaustProjection);
    glEnable(GL_POINT_SMOOTH);
}
