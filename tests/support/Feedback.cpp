#include "tests/support/Feedback.h"

#include <GL/gl.h>

namespace {

const int vertexFloats = 11;  // GL_3D_COLOR_TEXTURE in RGBA mode

FeedbackVertex readVertex(const float* p) {
    FeedbackVertex v;
    v.x = p[0];
    v.y = p[1];
    v.z = p[2];
    for (int k = 0; k < 4; ++k) v.colour[k] = p[3 + k];
    for (int k = 0; k < 4; ++k) v.texCoord[k] = p[7 + k];
    return v;
}

}  // namespace

std::vector<FeedbackPrimitive> captureFeedback(const std::function<void()>& draw) {
    std::vector<GLfloat> buffer(1 << 20);
    glFeedbackBuffer(GLsizei(buffer.size()), GL_3D_COLOR_TEXTURE, buffer.data());
    glRenderMode(GL_FEEDBACK);
    draw();
    GLint used = glRenderMode(GL_RENDER);
    std::vector<FeedbackPrimitive> primitives;
    for (GLint i = 0; i < used;) {
        int token = int(buffer[size_t(i++)]);
        FeedbackPrimitive primitive{FeedbackPrimitive::Other, {}};
        int count = 0;
        if (token == GL_POINT_TOKEN) {
            primitive.kind = FeedbackPrimitive::Point;
            count = 1;
        } else if (token == GL_LINE_TOKEN || token == GL_LINE_RESET_TOKEN) {
            primitive.kind = FeedbackPrimitive::Line;
            count = 2;
        } else if (token == GL_POLYGON_TOKEN) {
            primitive.kind = FeedbackPrimitive::Polygon;
            count = int(buffer[size_t(i++)]);
        } else if (token == GL_BITMAP_TOKEN || token == GL_DRAW_PIXEL_TOKEN ||
                   token == GL_COPY_PIXEL_TOKEN) {
            count = 1;
        } else if (token == GL_PASS_THROUGH_TOKEN) {
            ++i;
            continue;
        }
        for (int k = 0; k < count && i + vertexFloats <= used; ++k, i += vertexFloats)
            primitive.vertices.push_back(readVertex(&buffer[size_t(i)]));
        primitives.push_back(primitive);
    }
    return primitives;
}
