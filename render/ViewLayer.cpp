#include "render/ViewLayer.h"

#include <GL/gl.h>
#include <GL/glext.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "platform/Window.h"

namespace {

struct FrameBufferCalls {
    PFNGLGENFRAMEBUFFERSPROC genFramebuffers = nullptr;
    PFNGLDELETEFRAMEBUFFERSPROC deleteFramebuffers = nullptr;
    PFNGLBINDFRAMEBUFFERPROC bindFramebuffer = nullptr;
    PFNGLCHECKFRAMEBUFFERSTATUSPROC checkFramebufferStatus = nullptr;
    PFNGLFRAMEBUFFERRENDERBUFFERPROC framebufferRenderbuffer = nullptr;
    PFNGLGENRENDERBUFFERSPROC genRenderbuffers = nullptr;
    PFNGLDELETERENDERBUFFERSPROC deleteRenderbuffers = nullptr;
    PFNGLBINDRENDERBUFFERPROC bindRenderbuffer = nullptr;
    PFNGLRENDERBUFFERSTORAGEPROC renderbufferStorage = nullptr;
    PFNGLBLITFRAMEBUFFERPROC blitFramebuffer = nullptr;
    bool loaded = false;
};

template <typename Call>
void load(Call& call, const char* name) {
    call = reinterpret_cast<Call>(glCallAddress(name));
}

bool frameBuffersSupported() {
    const char* version = reinterpret_cast<const char*>(glGetString(GL_VERSION));
    const char* extensions = reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS));
    if (version && std::atoi(version) >= 3) return true;
    return extensions && std::strstr(extensions, "GL_ARB_framebuffer_object");
}

// Looked up once, with the first context; null calls where unsupported.
const FrameBufferCalls& calls() {
    static FrameBufferCalls gl;
    if (gl.loaded || !frameBuffersSupported()) return gl;
    load(gl.genFramebuffers, "glGenFramebuffers");
    load(gl.deleteFramebuffers, "glDeleteFramebuffers");
    load(gl.bindFramebuffer, "glBindFramebuffer");
    load(gl.checkFramebufferStatus, "glCheckFramebufferStatus");
    load(gl.framebufferRenderbuffer, "glFramebufferRenderbuffer");
    load(gl.genRenderbuffers, "glGenRenderbuffers");
    load(gl.deleteRenderbuffers, "glDeleteRenderbuffers");
    load(gl.bindRenderbuffer, "glBindRenderbuffer");
    load(gl.renderbufferStorage, "glRenderbufferStorage");
    load(gl.blitFramebuffer, "glBlitFramebuffer");
    gl.loaded = gl.genFramebuffers && gl.deleteFramebuffers && gl.bindFramebuffer &&
                gl.checkFramebufferStatus && gl.framebufferRenderbuffer && gl.genRenderbuffers &&
                gl.deleteRenderbuffers && gl.bindRenderbuffer && gl.renderbufferStorage &&
                gl.blitFramebuffer;
    return gl;
}

// The window's own depth format: a copy of depth needs the same on both sides.
GLenum windowDepthFormat(GLbitfield& copied) {
    GLint depthBits = 0, stencilBits = 0;
    glGetIntegerv(GL_DEPTH_BITS, &depthBits);
    glGetIntegerv(GL_STENCIL_BITS, &stencilBits);
    copied = GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT;
    if (depthBits == 24 && stencilBits == 8) {
        copied |= GL_STENCIL_BUFFER_BIT;
        return GL_DEPTH24_STENCIL8;
    }
    if (stencilBits != 0) return 0;
    if (depthBits == 24) return GL_DEPTH_COMPONENT24;
    if (depthBits == 16) return GL_DEPTH_COMPONENT16;
    if (depthBits == 32) return GL_DEPTH_COMPONENT32;
    return 0;
}

void clearErrors() {
    for (int i = 0; i < 64 && glGetError() != GL_NO_ERROR; ++i) {
    }
}

}  // namespace

bool ViewLayerKey::operator==(const ViewLayerKey& o) const {
    return windowWidth == o.windowWidth && windowHeight == o.windowHeight && x == o.x && y == o.y &&
           width == o.width && height == o.height && scale == o.scale && centreX == o.centreX &&
           centreY == o.centreY && mission == o.mission && goalsX == o.goalsX &&
           goalsY == o.goalsY && backdrop == o.backdrop;
}

void ViewLayer::freeBuffers() {
    const FrameBufferCalls& gl = calls();
    if (!gl.loaded || frameBuffer == 0) return;
    gl.deleteFramebuffers(1, &frameBuffer);
    gl.deleteRenderbuffers(1, &colourBuffer);
    gl.deleteRenderbuffers(1, &depthBuffer);
    frameBuffer = colourBuffer = depthBuffer = 0;
    bufferWidth = bufferHeight = 0;
    valid = false;
}

// Leaves the off-screen buffer bound for drawing; false if it cannot be made.
bool ViewLayer::prepareBuffers(int width, int height) {
    const FrameBufferCalls& gl = calls();
    if (!gl.loaded) return false;
    if (frameBuffer != 0 && bufferWidth == width && bufferHeight == height) {
        gl.bindFramebuffer(GL_FRAMEBUFFER, frameBuffer);
        return true;
    }
    freeBuffers();
    GLenum depthFormat = windowDepthFormat(copied);
    if (depthFormat == 0) return false;
    gl.genFramebuffers(1, &frameBuffer);
    gl.genRenderbuffers(1, &colourBuffer);
    gl.genRenderbuffers(1, &depthBuffer);
    gl.bindRenderbuffer(GL_RENDERBUFFER, colourBuffer);
    gl.renderbufferStorage(GL_RENDERBUFFER, GL_RGBA8, width, height);
    gl.bindRenderbuffer(GL_RENDERBUFFER, depthBuffer);
    gl.renderbufferStorage(GL_RENDERBUFFER, depthFormat, width, height);
    gl.bindRenderbuffer(GL_RENDERBUFFER, 0);
    gl.bindFramebuffer(GL_FRAMEBUFFER, frameBuffer);
    gl.framebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, colourBuffer);
    GLenum depthAttachment =
        depthFormat == GL_DEPTH24_STENCIL8 ? GL_DEPTH_STENCIL_ATTACHMENT : GL_DEPTH_ATTACHMENT;
    gl.framebufferRenderbuffer(GL_FRAMEBUFFER, depthAttachment, GL_RENDERBUFFER, depthBuffer);
    bufferWidth = width;
    bufferHeight = height;
    if (gl.checkFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE) return true;
    gl.bindFramebuffer(GL_FRAMEBUFFER, 0);
    freeBuffers();
    return false;
}

bool ViewLayer::copyToWindow() {
    const FrameBufferCalls& gl = calls();
    int x0 = std::max(0, key.x - margin), y0 = std::max(0, key.y - margin);
    clearErrors();
    gl.bindFramebuffer(GL_READ_FRAMEBUFFER, frameBuffer);
    gl.bindFramebuffer(GL_DRAW_FRAMEBUFFER, 0);
    gl.blitFramebuffer(x0, y0, bufferWidth, bufferHeight, x0, y0, bufferWidth, bufferHeight, copied,
                       GL_NEAREST);
    gl.bindFramebuffer(GL_FRAMEBUFFER, 0);
    return glGetError() == GL_NO_ERROR;
}

void ViewLayer::show(const ViewLayerKey& wanted, const std::function<void()>& paint) {
    // A copy reaching past the window's edge would be cut by the driver,
    // which then takes its slow path.
    int right = std::min(wanted.x + wanted.width + margin, wanted.windowWidth);
    int top = std::min(wanted.y + wanted.height + margin, wanted.windowHeight);
    if (refused || wanted.x < 0 || wanted.y < 0 || wanted.width <= 0 || wanted.height <= 0 ||
        right <= wanted.x || top <= wanted.y) {
        paint();
        return;
    }
    if (!valid || key != wanted) {
        valid = false;
        // A camera that follows the ship moves on every frame: keeping a
        // picture then costs more than it saves, so wait for a still frame.
        bool still = wanted == previous;
        previous = wanted;
        if (!still) {
            paint();
            return;
        }
        if (!prepareBuffers(right, top)) {
            refused = true;
            paint();
            return;
        }
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
        paint();
        calls().bindFramebuffer(GL_FRAMEBUFFER, 0);
        key = wanted;
        valid = true;
    }
    if (copyToWindow()) return;
    // The driver would not copy between these buffers: paint from now on.
    refused = true;
    freeBuffers();
    paint();
}
