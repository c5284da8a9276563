// The outline of the solids drawn by their outline (cylinder, cone and frustum sides, the
// sphere): where their curved body turns from the eye. Each corner of the body knows its smooth
// normal; inside a triangle whose corners face the eye differently, the outline crosses from the
// one edge to the other where the facing passes zero. It comes out as smooth as the surface,
// not as a chain of the body's edges, and a cylinder shows its two sides' lines and no rims, as
// the program draws it.
var VelnorLesson = VelnorLesson || {};

(function (L) {
  "use strict";

  // The body's corners (positions undone from its shrinking) and triangles.
  function OutlineBody(surfaces, scale) {
    this.surfaces = surfaces.map(function (s) {
      return {
        positions: s.positions.map(function (x) { return x / scale; }),
        normals: s.normals,
        triangles: s.triangles
      };
    });
  }

  // `eye` is the eye in the body's frame as a homogeneous point: a direction (w = 0) under a
  // parallel projection. Returns the outline's pieces, as pairs of points.
  OutlineBody.prototype.outline = function (eye) {
    var pieces = [];
    this.surfaces.forEach(function (s) {
      var p = s.positions, n = s.normals;
      var facing = [];
      for (var i = 0; i < p.length; i += 3) {
        facing.push(n[i] * (eye[0] - eye[3] * p[i]) + n[i + 1] * (eye[1] - eye[3] * p[i + 1]) +
                    n[i + 2] * (eye[2] - eye[3] * p[i + 2]));
      }
      var crossing = function (a, b) {
        var t = facing[a] / (facing[a] - facing[b]);
        return [0, 1, 2].map(function (k) { return p[3 * a + k] + t * (p[3 * b + k] - p[3 * a + k]); });
      };
      for (var t = 0; t < s.triangles.length; t += 3) {
        var corners = [s.triangles[t], s.triangles[t + 1], s.triangles[t + 2]];
        var ends = [];
        for (var k = 0; k < 3; k++) {
          var a = corners[k], b = corners[(k + 1) % 3];
          if ((facing[a] > 0) !== (facing[b] > 0)) {
            ends.push(crossing(a, b));
          }
        }
        if (ends.length === 2) {
          pieces.push(ends);
        }
      }
    });
    return pieces;
  };

  L.OutlineBody = OutlineBody;
})(VelnorLesson);
