#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "geometry/vec3.h"
#include "model/color.h"

namespace velnor {

class CGlModel;
class CGpage;

// One named piece of a model in one colour: a face, a solid, a tube or a ball, as triangles
// counter-clockwise seen from the side their normals point to. Positions are in millimetres.
struct ModelPart {
    std::string name;
    Rgb colour;
    std::vector<Vec3> positions = {};
    std::vector<Vec3> normals = {};
    std::vector<uint32_t> triangles = {};  // three position indices each
};

struct PageModel {
    std::vector<ModelPart> parts;
    // The page's faces enclose solids (or there are none); open faces are written with both
    // sides, which a printer cannot fill.
    bool facesClosed = true;
};

// What one unit of the page becomes.
enum class ModelUnit { kMillimetre, kCentimetre, kMetre, kInch };
double MillimetresPer(ModelUnit unit);
std::optional<ModelUnit> ModelUnitNamed(std::string_view name);

// Tubes and balls wider than this are typing slips; a radius of 0 leaves them out.
inline constexpr double kLargestModelRadius = 100.0;
// A model's scale goes from a thousandth to a thousand times the page.
inline constexpr double kLowestModelScale = 0.001, kHighestModelScale = 1000.0;

struct ModelOptions {
    double tubeRadius = 0.0;  // lines as tubes of this radius in page units; 0 leaves them out
    double ballRadius = 0.0;  // shown points as balls of this radius; 0 leaves them out
    ModelUnit unit = ModelUnit::kMillimetre;
    double scale = 1.0;
};

// The page's shown faces, solids, and with the options its lines and points, in the page's
// coordinates. Solids are placed as the view places them; their clip planes are not applied.
PageModel BuildPageModel(const CGpage& page, const CGlModel& settings, const ModelOptions& options);

}  // namespace velnor
