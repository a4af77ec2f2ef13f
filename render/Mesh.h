#pragma once

#include <string>

#include "core/ObjModel.h"

// A triangle mesh read from the OBJ subset the game uses. Owned by one body,
// rocket or screen; never changes after loading.
class Mesh : public ObjModel {
public:
    // Reads the file at `path`. A face line longer than 1023 characters is
    // skipped whole.
    void load(const std::string& path);
    // Triangles with a position index outside `positions` are left out; a
    // normal or texture index outside its list draws (0, 0, 1) or (0, 0).
    void draw() const;
};

// GL state for meshes; once, after the context exists.
void initMeshRendering();
