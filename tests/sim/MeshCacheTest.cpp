#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <memory>
#include <string>

#include "render/Mesh.h"
#include "sim/MeshCache.h"

namespace {

void expectSameMesh(const Mesh& a, const Mesh& b) {
    EXPECT_EQ(a.positions, b.positions);
    EXPECT_EQ(a.normals, b.normals);
    EXPECT_EQ(a.texCoords, b.texCoords);
    ASSERT_EQ(a.faces.size(), b.faces.size());
    for (size_t i = 0; i < a.faces.size(); ++i)
        EXPECT_EQ(std::memcmp(&a.faces[i], &b.faces[i], sizeof a.faces[i]), 0) << i;
}

Mesh readDirectly(const std::string& fileName) {
    Mesh mesh;
    mesh.load(fileName);
    return mesh;
}

void writeFile(const std::string& fileName, const std::string& text) {
    std::ofstream(fileName, std::ios::trunc) << text;
}

}  // namespace

TEST(MeshCache, RepeatedLoadsGiveSeparateCopiesOfWhatTheFileHolds) {
    MeshCache cache;
    const std::string file = "models/earth_test.obj";
    std::unique_ptr<Mesh> first(cache.load(file)), second(cache.load(file));
    ASSERT_NE(first.get(), second.get());
    ASSERT_FALSE(first->faces.empty());
    expectSameMesh(*first, readDirectly(file));
    expectSameMesh(*second, readDirectly(file));
    first->positions.clear();  // each caller owns its own mesh
    expectSameMesh(*std::unique_ptr<Mesh>(cache.load(file)), readDirectly(file));
}

TEST(MeshCache, AFileChangedOrRemovedBetweenLoadsIsReadAfresh) {
    const std::string file = "mesh_cache_test.obj";
    MeshCache cache;
    writeFile(file, "v 1 2 3\nv 4 5 6\nv 7 8 9\nf 1 2 3\n");
    std::unique_ptr<Mesh> before(cache.load(file));
    ASSERT_EQ(before->positions.size(), 3u);
    writeFile(file, "v 1 2 3\nv 4 5 6\nv 7 8 9\nv 0 0 1\nf 1 2 3\nf 2 3 4\n");
    std::unique_ptr<Mesh> after(cache.load(file));
    expectSameMesh(*after, readDirectly(file));
    EXPECT_EQ(after->faces.size(), 2u);
    std::remove(file.c_str());
    std::unique_ptr<Mesh> gone(cache.load(file));
    EXPECT_TRUE(gone->positions.empty());
    EXPECT_TRUE(gone->faces.empty());
}
