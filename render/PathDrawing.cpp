#include "render/PathDrawing.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "render/Font.h"
#include "sim/FlightPath.h"

namespace {

struct Colour {
    float r, g, b, a;
    void use() const { glColor4f(r, g, b, a); }
};

const Colour ghostColour = {0.65f, 0.65f, 0.7f, 0.5f};
const Colour trailColour = {1.0f, 0.8f, 0.35f, 0.9f};
const Colour previewColour = {0.7f, 0.9f, 1.0f, 0.9f};
const Colour lowerColour = {0.3f, 0.9f, 0.6f, 0.5f};
const Colour higherColour = {1.0f, 0.6f, 0.25f, 0.5f};
// Deeper shades of the editor's colours for its selected row and its
// executing row, to stand out on the paths.
const Colour selectedColour = {1.0f, 0.5f, 0.5f, 1.0f};
const Colour executingColour = {0.6f, 0.6f, 1.0f, 1.0f};
const Colour failedColour = {1.0f, 0.3f, 0.3f, 1.0f};

const double tickHalf = 4.0;          // pixels either side of the path
const double selectedTickHalf = 8.0;  // pixels
const double markerSize = 6.0;        // pixels from the end to a marker's tips
const float stretchWidth = 3.0f;      // pixels
const double pixelsApart = 2.0;       // least length of a drawn segment but the last
const double dotPixels = 2.0;         // a dot of the preview, and the gap after it
const double mostDots = 20000;        // per path: a close view of a long path gets longer dots

bool shown(const FlightPath* path) { return path && !path->empty(); }

Colour medalColour(int medal) {
    switch (medal) {
        case 3:
            return {1.0f, 0.82f, 0.2f, 1.0f};
        case 2:
            return {0.8f, 0.82f, 0.88f, 1.0f};
        default:
            return {0.8f, 0.5f, 0.25f, 1.0f};
    }
}

void vertex(Vec2 p) { glVertex2d(p.x, p.y); }

// A line strip through `from`, the kept points [first, end) and `to`,
// leaving out points closer than `gap` world units to the last one drawn:
// the software renderer pays for every segment, and a path keeps far more
// points than a zoomed-out view can show.
void strip(Vec2 from, const FlightPath& path, size_t first, size_t end, Vec2 to, double gap) {
    const double gap2 = gap * gap;
    glBegin(GL_LINE_STRIP);
    vertex(from);
    Vec2 last = from;
    for (size_t i = first; i < end; ++i) {
        const Vec2 p = path.kept()[i].position;
        const Vec2 d = p - last;
        if (d.x * d.x + d.y * d.y < gap2) continue;
        vertex(p);
        last = p;
    }
    vertex(to);
    glEnd();
}

void drawLine(const FlightPath& path, double pixel) {
    const auto& points = path.kept();
    strip(points.front().position, path, 1, points.size(), path.end(), pixelsApart * pixel);
}

// Dashes `dash` world units long with gaps as long along a polyline: dots
// drawn as lines, the same in every GL (a browser's has no line stipple).
class Dashes {
public:
    Dashes(Vec2 from, double dash) : last(from), dash(dash), left(dash) {
        glBegin(GL_LINES);
        vertex(from);
    }
    ~Dashes() {
        if (on) vertex(last);
        glEnd();
    }
    void to(Vec2 p) {
        const Vec2 d = p - last;
        double length = std::sqrt(d.x * d.x + d.y * d.y);
        while (length >= left) {
            last = last + d * (left / length);
            length -= left;
            vertex(last);  // a dash ends, or the next begins
            on = !on;
            left = dash;
        }
        left -= length;
        last = p;
    }

private:
    Vec2 last;
    double dash, left;
    bool on = true;
};

double length(const FlightPath& path) {
    const auto& points = path.kept();
    double sum = 0.0;
    Vec2 last = points.front().position;
    for (size_t i = 1; i <= points.size(); ++i) {
        const Vec2 p = i < points.size() ? points[i].position : path.end();
        const Vec2 d = p - last;
        sum += std::sqrt(d.x * d.x + d.y * d.y);
        last = p;
    }
    return sum;
}

void drawDotted(const FlightPath& path, double pixel) {
    const double dash = std::max(dotPixels * pixel, length(path) / mostDots);
    if (!(dash > 0.0) || !std::isfinite(dash)) return drawLine(path, pixel);
    const auto& points = path.kept();
    Dashes dashes(points.front().position, dash);
    for (size_t i = 1; i < points.size(); ++i) dashes.to(points[i].position);
    dashes.to(path.end());
}

void drawStretch(const FlightPath& path, int instruction, double pixel) {
    FlightPath::Stretch stretch;
    if (!path.stretchOf(instruction, stretch)) return;
    glLineWidth(stretchWidth);
    strip(stretch.from, path, stretch.firstPoint, stretch.endPoint, stretch.to,
          pixelsApart * pixel);
    glLineWidth(1.0f);
}

// A short line across the path, square to the ship's motion.
void tickAt(const FlightPath::Tick& tick, double half) {
    const Vec2 v = tick.velocity;
    const double speed = std::sqrt(v.x * v.x + v.y * v.y);
    Vec2 across = speed > 0.0 ? Vec2(-v.y / speed, v.x / speed) : Vec2(0.0, 1.0);
    across = across * half;
    vertex(tick.position - across);
    vertex(tick.position + across);
}

// Every tick but the highlighted one in the current colour, then that one
// longer and wider in `highlight`.
void drawTicks(const FlightPath& path, double pixel, int highlighted, Colour highlight) {
    const auto& ticks = path.ticks();
    glBegin(GL_LINES);
    for (size_t i = 0; i < ticks.size(); ++i) {
        if (int(i) != highlighted) tickAt(ticks[i], tickHalf * pixel);
    }
    glEnd();
    if (highlighted < 0 || size_t(highlighted) >= ticks.size()) return;
    highlight.use();
    glLineWidth(2.0f);
    glBegin(GL_LINES);
    tickAt(ticks[size_t(highlighted)], selectedTickHalf * pixel);
    glEnd();
    glLineWidth(1.0f);
}

// The win marker in the medal's colour, a cross where the flight failed, a
// ring at the horizon (in the current colour); `alpha` dims the first two.
void drawEnd(const FlightPath& path, double pixel, float alpha) {
    const Vec2 e = path.end();
    const double s = markerSize * pixel;
    Colour colour;
    switch (path.ending()) {
        case FlightPath::Won:
            colour = medalColour(path.medal());
            colour.a *= alpha;
            colour.use();
            glBegin(GL_QUADS);
            vertex(e + Vec2(s, 0.0));
            vertex(e + Vec2(0.0, s));
            vertex(e - Vec2(s, 0.0));
            vertex(e - Vec2(0.0, s));
            glEnd();
            break;
        case FlightPath::Failed:
            colour = failedColour;
            colour.a *= alpha;
            colour.use();
            glLineWidth(2.0f);
            glBegin(GL_LINES);
            vertex(e + Vec2(-s, -s));
            vertex(e + Vec2(s, s));
            vertex(e + Vec2(-s, s));
            vertex(e + Vec2(s, -s));
            glEnd();
            glLineWidth(1.0f);
            break;
        case FlightPath::Horizon: {
            // A small open ring: the flight goes on beyond what is drawn.
            const double pi = 3.141592653589793;
            glBegin(GL_LINE_LOOP);
            for (int k = 0; k < 10; ++k)
                vertex(e + Vec2(std::cos(k * pi / 5), std::sin(k * pi / 5)) * (s * 0.6));
            glEnd();
            break;
        }
        case FlightPath::Flying:
            break;
    }
}

const float markerClear = 9.0f;  // pixels around an end that its marker keeps for itself
const float exitMargin = 14.0f;  // pixels inside the view's edge where an exit arrow sits
const size_t mostExits = 3;      // arrows for one preview

LabelBox boxAround(Vec2f p, float half) { return {p.x - half, p.y - half, p.x + half, p.y + half}; }

// `text` placed beside where `at` is seen, clear of the boxes `taken`, to which it is added.
void label(const Font& font, const Camera& camera, float w, float h, Vec2 at, bool rightFirst,
           const char* text, Colour colour, std::vector<LabelBox>& taken) {
    const Vec2f size = textSize(font, text);
    const Vec2f corner = placeLabel(viewPoint(camera, w, h, at), size, rightFirst, taken);
    const Vec2f p(std::floor(corner.x), std::floor(corner.y));
    taken.push_back({p.x, p.y, p.x + size.x, p.y + size.y});
    colour.use();
    drawText(font, text, p);
}

// Where the segment from `p` (inside the box) to `q` (outside) crosses its edge.
Vec2f exitPoint(Vec2f p, Vec2f q, const LabelBox& box) {
    float t = 1.0f;
    if (q.x > box.x1) t = std::min(t, (box.x1 - p.x) / (q.x - p.x));
    if (q.x < box.x0) t = std::min(t, (box.x0 - p.x) / (q.x - p.x));
    if (q.y > box.y1) t = std::min(t, (box.y1 - p.y) / (q.y - p.y));
    if (q.y < box.y0) t = std::min(t, (box.y0 - p.y) / (q.y - p.y));
    return Vec2f(p.x + (q.x - p.x) * t, p.y + (q.y - p.y) * t);
}

bool inside(Vec2f p, const LabelBox& box) {
    return p.x >= box.x0 && p.x <= box.x1 && p.y >= box.y0 && p.y <= box.y1;
}

// A filled arrowhead at `at`, pointing along `from` -> `to`.
void arrowAt(Vec2f at, Vec2f from, Vec2f to) {
    float dx = to.x - from.x, dy = to.y - from.y;
    const float length = std::sqrt(dx * dx + dy * dy);
    if (!(length > 0.0f)) return;
    dx /= length;
    dy /= length;
    glBegin(GL_TRIANGLES);
    glVertex2f(at.x + dx * 11, at.y + dy * 11);
    glVertex2f(at.x - dx * 5 - dy * 8, at.y - dy * 5 + dx * 8);
    glVertex2f(at.x - dx * 5 + dy * 8, at.y - dy * 5 - dx * 8);
    glEnd();
}

}  // namespace

Vec2f viewPoint(const Camera& camera, float w, float h, Vec2 world) {
    const double s = double(std::min(w, h)) * camera.scale;
    return Vec2f(float((world.x - camera.center.x) * s + w / 2.0),
                 float((world.y - camera.center.y) * s + h / 2.0));
}

void drawFlightOverlay(const FlightOverlay& overlay, double pixel) {
    if (!(pixel > 0.0) || !std::isfinite(pixel)) return;
    glDisable(GL_TEXTURE_2D);
    if (shown(overlay.ghost)) {
        ghostColour.use();
        drawLine(*overlay.ghost, pixel);
    }
    if (shown(overlay.lower)) {
        lowerColour.use();
        drawLine(*overlay.lower, pixel);
    }
    if (shown(overlay.higher)) {
        higherColour.use();
        drawLine(*overlay.higher, pixel);
    }
    if (shown(overlay.preview)) {
        previewColour.use();
        drawDotted(*overlay.preview, pixel);
        selectedColour.use();
        drawStretch(*overlay.preview, overlay.selected, pixel);
    }
    if (shown(overlay.trail)) {
        trailColour.use();
        drawLine(*overlay.trail, pixel);
        executingColour.use();
        drawStretch(*overlay.trail, overlay.executing, pixel);
    }
    glEnable(GL_TEXTURE_2D);
}

void drawFlightMarks(const FlightOverlay& overlay, double pixel) {
    if (!(pixel > 0.0) || !std::isfinite(pixel)) return;
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_DEPTH_TEST);
    if (shown(overlay.ghost)) {
        ghostColour.use();
        drawEnd(*overlay.ghost, pixel, 0.5f);
    }
    if (shown(overlay.preview)) {
        previewColour.use();
        drawTicks(*overlay.preview, pixel, overlay.selected, selectedColour);
        previewColour.use();
        drawEnd(*overlay.preview, pixel, 1.0f);
    }
    if (shown(overlay.trail)) {
        trailColour.use();
        drawTicks(*overlay.trail, pixel, -1, trailColour);
    }
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_TEXTURE_2D);
}

bool LabelBox::overlaps(const LabelBox& other) const {
    return x0 < other.x1 && other.x0 < x1 && y0 < other.y1 && other.y0 < y1;
}

Vec2f placeLabel(Vec2f at, Vec2f size, bool rightFirst, const std::vector<LabelBox>& taken) {
    const float gap = markerClear + 1.0f;
    Vec2f first;
    for (float reach = 1.0f; reach <= 3.0f; reach += 1.0f) {
        const float g = gap * reach;
        const Vec2f right(at.x + g, at.y - size.y / 2), left(at.x - g - size.x, at.y - size.y / 2);
        const Vec2f places[] = {
            rightFirst ? right : left,
            rightFirst ? left : right,
            Vec2f(at.x - size.x / 2, at.y + g),
            Vec2f(at.x - size.x / 2, at.y - g - size.y),
            Vec2f((rightFirst ? right : left).x, at.y + g),
            Vec2f((rightFirst ? right : left).x, at.y - g - size.y),
        };
        if (reach == 1.0f) first = places[0];
        for (const Vec2f& p : places) {
            const LabelBox box{p.x, p.y, p.x + size.x, p.y + size.y};
            if (std::none_of(taken.begin(), taken.end(),
                             [&](const LabelBox& t) { return box.overlaps(t); }))
                return p;
        }
    }
    return first;
}

void drawFlightLabels(const FlightOverlay& overlay, const Camera& camera, float w, float h,
                      const Font* font) {
    if (!font) return;
    glEnable(GL_TEXTURE_2D);
    // The end markers keep their places; the texts go around them and each other.
    std::vector<LabelBox> taken;
    for (const FlightPath* path : {overlay.preview, overlay.lower, overlay.higher}) {
        if (shown(path)) taken.push_back(boxAround(viewPoint(camera, w, h, path->end()), markerClear));
    }
    char text[32];
    if (shown(overlay.preview) && overlay.preview->ending() == FlightPath::Won) {
        std::snprintf(text, sizeof text, "%.2f", double(overlay.preview->score()));
        label(*font, camera, w, h, overlay.preview->end(), true, text,
              medalColour(overlay.preview->medal()), taken);
    }
    if (shown(overlay.lower))
        label(*font, camera, w, h, overlay.lower->end(), false, "-10", lowerColour, taken);
    if (shown(overlay.higher))
        label(*font, camera, w, h, overlay.higher->end(), false, "+10", higherColour, taken);
}

void drawExitArrows(const FlightOverlay& overlay, const Camera& camera, float w, float h) {
    if (!shown(overlay.preview)) return;
    const FlightPath& path = *overlay.preview;
    const LabelBox view{exitMargin, exitMargin, w - exitMargin, h - exitMargin};
    glDisable(GL_TEXTURE_2D);
    previewColour.use();
    Vec2f last = viewPoint(camera, w, h, path.kept().front().position);
    size_t exits = 0;
    auto visit = [&](Vec2 world) {
        const Vec2f p = viewPoint(camera, w, h, world);
        if (inside(last, view) && !inside(p, view)) {
            arrowAt(exitPoint(last, p, view), last, p);
            ++exits;
        }
        last = p;
    };
    for (size_t i = 1; i < path.kept().size() && exits < mostExits; ++i)
        visit(path.kept()[i].position);
    if (exits < mostExits) visit(path.end());
    glEnable(GL_TEXTURE_2D);
}
