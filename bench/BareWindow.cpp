// The least a game of this kind does before its first frame: an SDL window
// with a GL context, cleared and swapped, again and again. The start-up
// benchmark's baseline.
#include <GL/gl.h>
#include <SDL/SDL.h>

int main(int, char**) {
    SDL_Init(SDL_INIT_VIDEO);
    if (!SDL_SetVideoMode(1280, 720, 32, SDL_HWSURFACE | SDL_OPENGL | SDL_HWACCEL)) return 1;
    for (;;) {
        SDL_Event event;
        while (SDL_PollEvent(&event)) {
            if (event.type == SDL_QUIT) {
                SDL_Quit();
                return 0;
            }
        }
        glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        SDL_GL_SwapBuffers();
    }
}
