// The GL 1.x calls the game makes that the browser's GL emulation lacks,
// made of calls it has. Built into the browser build alone: the desktop gets
// them from its GL and GLU libraries.
#define GL_GLEXT_PROTOTYPES
#include <GL/gl.h>
#include <GL/glext.h>
#include <GL/glu.h>

extern "C" {

void glVertex2d(GLdouble x, GLdouble y) { glVertex2f(GLfloat(x), GLfloat(y)); }

void glRectf(GLfloat x1, GLfloat y1, GLfloat x2, GLfloat y2) {
    glBegin(GL_TRIANGLE_FAN);
    glVertex2f(x1, y1);
    glVertex2f(x2, y1);
    glVertex2f(x2, y2);
    glVertex2f(x1, y2);
    glEnd();
}

// The game never turns lighting on: the material's colour source has no
// effect on the desktop either.
void glColorMaterial(GLenum, GLenum) {}

// WebGL makes the smaller images itself from a power-of-two texture, which is
// all the game uploads.
GLint gluBuild2DMipmaps(GLenum target, GLint, GLsizei width, GLsizei height, GLenum format,
                        GLenum type, const void* data) {
    glTexImage2D(target, 0, GLint(format), width, height, 0, format, type, data);
    glGenerateMipmap(target);
    return 0;
}
}
