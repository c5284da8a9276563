// The outline of the solids drawn by their outline (cylinder, cone and frustum sides, the
// sphere): the edges of their body where a triangle turned towards the eye meets one turned
// away. Edges are found within each surface of the body, so that a cylinder shows its two
// sides' lines and no rims, as the program draws it.
var VelnorLesson = VelnorLesson || {};

(function (L) {
  "use strict";

  function cross(a, b) {
    return [a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]];
  }

  function sub(a, b) {
    return [a[0] - b[0], a[1] - b[1], a[2] - b[2]];
  }

  function unit(v) {
    var l = Math.sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
    return l > 0 ? [v[0] / l, v[1] / l, v[2] / l] : [0, 0, 0];
  }

  // Corners of different surfaces that lie at one place are one corner.
  function placeKey(p) {
    return p.map(function (x) { return Math.round(x * 1e4); }).join(",");
  }

  // The body's triangles, and the edges inside a surface with the two triangles that meet there.
  function OutlineBody(surfaces, scale) {
    this.triangles = [];  // {corners, normal}
    this.between = [];    // {ends, faces: [triangle, triangle]}
    var self = this;
    surfaces.forEach(function (s) {
      var edges = {};
      var at = function (i) {
        return [s.positions[3 * i] / scale, s.positions[3 * i + 1] / scale,
                s.positions[3 * i + 2] / scale];
      };
      for (var t = 0; t < s.triangles.length; t += 3) {
        var corners = [at(s.triangles[t]), at(s.triangles[t + 1]), at(s.triangles[t + 2])];
        var normal = unit(cross(sub(corners[1], corners[0]), sub(corners[2], corners[0])));
        if (normal[0] === 0 && normal[1] === 0 && normal[2] === 0) {
          continue;
        }
        var index = self.triangles.length;
        self.triangles.push({ corners: corners, normal: normal });
        for (var k = 0; k < 3; k++) {
          var p = corners[k], q = corners[(k + 1) % 3];
          var kp = placeKey(p), kq = placeKey(q);
          var key = kp < kq ? kp + "|" + kq : kq + "|" + kp;
          (edges[key] = edges[key] || { ends: [p, q], faces: [] }).faces.push(index);
        }
      }
      Object.keys(edges).forEach(function (key) {
        if (edges[key].faces.length === 2) {
          self.between.push(edges[key]);
        }
      });
    });
  }

  // `eye` is the eye in the body's frame as a homogeneous point: a direction (w = 0) under a
  // parallel projection. Returns the edges to draw, as pairs of points.
  OutlineBody.prototype.outline = function (eye) {
    var facing = this.triangles.map(function (t) {
      var p = t.corners[0];
      var toEye = [eye[0] - eye[3] * p[0], eye[1] - eye[3] * p[1], eye[2] - eye[3] * p[2]];
      return t.normal[0] * toEye[0] + t.normal[1] * toEye[1] + t.normal[2] * toEye[2] > 0;
    });
    return this.between.filter(function (e) {
      return facing[e.faces[0]] !== facing[e.faces[1]];
    }).map(function (e) { return e.ends; });
  };

  L.OutlineBody = OutlineBody;
})(VelnorLesson);
