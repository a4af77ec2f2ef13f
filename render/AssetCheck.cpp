#include "render/AssetCheck.h"

#include <cstdio>
#include <ostream>

#include "core/GameFolders.h"
#include "render/ImageFile.h"
#include "render/Mesh.h"

namespace {

constexpr int fontGrid = 16;        // cells per row and per column

std::string imageProblem(const Asset& asset, const std::string& path) {
    const ImageFile image(path);
    if (!image.ok()) return image.error;
    const int width = image.width, height = image.height;
    if (asset.kind == Asset::FontSheet && (width % fontGrid != 0 || height % fontGrid != 0))
        return "does not split into 16 x 16 equal cells";
    return "";
}

std::string modelProblem(const std::string& path) {
    if (std::FILE* file = std::fopen(path.c_str(), "rb")) {
        std::fclose(file);
    } else {
        return "cannot be opened";
    }
    Mesh mesh;
    mesh.load(path);
    return objModelProblem(mesh, true);
}

}  // namespace

const std::vector<Asset>& gameAssets() {
    static const std::vector<Asset> assets = {
        {Asset::FontSheet, "images/font.png"},      {Asset::FontSheet, "images/font_small.png"},
        {Asset::Image, "images/space1.png"},        {Asset::Image, "images/gold2.png"},
        {Asset::Image, "images/silver2.png"},       {Asset::Image, "images/bronze2.png"},
        {Asset::Image, "images/little_ship.png"},   {Asset::Image, "images/little_gold.png"},
        {Asset::Image, "images/little_silver.png"}, {Asset::Image, "images/little_bronze.png"},
        {Asset::Image, "images/little_locked.png"}, {Asset::Image, "models/test_tex.png"},
        {Asset::Image, "models/earth_tex.png"},     {Asset::Image, "models/moon_tex.png"},
        {Asset::Image, "models/planet_brown.png"},  {Asset::Image, "models/neutron_star.png"},
        {Asset::Model, "models/ship_test.obj"},     {Asset::Model, "models/earth_test.obj"},
        {Asset::Model, "models/moon_test.obj"},
    };
    return assets;
}

std::string assetProblem(const Asset& asset, const std::string& dataFolder) {
    const std::string path = fileIn(dataFolder, asset.path);
    return asset.kind == Asset::Model ? modelProblem(path) : imageProblem(asset, path);
}

int checkAssets(const std::vector<Asset>& assets, const std::string& dataFolder, std::ostream& out) {
    int problems = 0;
    for (const Asset& asset : assets) {
        std::string problem = assetProblem(asset, dataFolder);
        if (problem.empty()) {
            out << "ok " << asset.path << '\n';
        } else {
            out << "ERROR: " << asset.path << ' ' << problem << '\n';
            ++problems;
        }
    }
    return problems;
}

int checkAssetsCommand(const std::string& dataFolder, std::ostream& out) {
    int problems = checkAssets(gameAssets(), dataFolder, out);
    out << gameAssets().size() << " assets, " << problems << " with problems\n";
    return problems == 0 ? 0 : 1;
}
