#pragma once

#include <functional>
#include <vector>

// What GL would rasterise, captured in feedback mode instead of drawn: each
// primitive with its vertices in window coordinates, their colour and
// texture coordinate. Needs a current context (openTestWindow).
struct FeedbackVertex {
    float x, y, z;
    float colour[4];
    float texCoord[4];
};

struct FeedbackPrimitive {
    enum Kind { Point, Line, Polygon, Other } kind;
    std::vector<FeedbackVertex> vertices;
};

std::vector<FeedbackPrimitive> captureFeedback(const std::function<void()>& draw);
