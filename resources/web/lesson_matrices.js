// 4x4 matrices as WebGL takes them (column by column), and the projections and camera of the
// program's view, so that the browser sees a page exactly as the program does.
var VelnorLesson = VelnorLesson || {};

(function (L) {
  "use strict";

  function identity() {
    var m = new Float64Array(16);
    m[0] = m[5] = m[10] = m[15] = 1;
    return m;
  }

  function multiply(a, b) {
    var m = new Float64Array(16);
    for (var col = 0; col < 4; col++) {
      for (var row = 0; row < 4; row++) {
        var sum = 0;
        for (var k = 0; k < 4; k++) {
          sum += a[k * 4 + row] * b[col * 4 + k];
        }
        m[col * 4 + row] = sum;
      }
    }
    return m;
  }

  function translation(x, y, z) {
    var m = identity();
    m[12] = x; m[13] = y; m[14] = z;
    return m;
  }

  function scaling(x, y, z) {
    var m = identity();
    m[0] = x; m[5] = y; m[10] = z;
    return m;
  }

  // As glRotatef: degrees about an axis that need not be of unit length.
  function rotation(degrees, x, y, z) {
    var length = Math.sqrt(x * x + y * y + z * z);
    if (length === 0) {
      return identity();
    }
    x /= length; y /= length; z /= length;
    var a = degrees * Math.PI / 180, c = Math.cos(a), s = Math.sin(a), t = 1 - c;
    var m = identity();
    m[0] = x * x * t + c;     m[4] = x * y * t - z * s; m[8] = x * z * t + y * s;
    m[1] = y * x * t + z * s; m[5] = y * y * t + c;     m[9] = y * z * t - x * s;
    m[2] = z * x * t - y * s; m[6] = z * y * t + x * s; m[10] = z * z * t + c;
    return m;
  }

  function frustum(l, r, b, t, n, f) {
    var m = new Float64Array(16);
    m[0] = 2 * n / (r - l);
    m[5] = 2 * n / (t - b);
    m[8] = (r + l) / (r - l);
    m[9] = (t + b) / (t - b);
    m[10] = -(f + n) / (f - n);
    m[11] = -1;
    m[14] = -2 * f * n / (f - n);
    return m;
  }

  function ortho(l, r, b, t, n, f) {
    var m = new Float64Array(16);
    m[0] = 2 / (r - l);
    m[5] = 2 / (t - b);
    m[10] = -2 / (f - n);
    m[12] = -(r + l) / (r - l);
    m[13] = -(t + b) / (t - b);
    m[14] = -(f + n) / (f - n);
    m[15] = 1;
    return m;
  }

  // The cabinet projection: the receding axis at 45 degrees with half its length. The window is
  // centred where the shear moves the origin at the view's distance.
  function oblique(a) {
    var l = 17.675 - 12 * a, r = 17.675 + 12 * a;
    var b = Math.fround(5.675), t = Math.fround(29.675), n = 0, f = 220;
    var shear = 0.7071067811865476;
    var m = new Float64Array(16);
    m[0] = 2 / (r - l);
    m[5] = 2 / (t - b);
    m[10] = -2 / (f - n);
    m[15] = 1;
    m[8] = -shear / (r - l);
    m[9] = -shear / (t - b);
    m[12] = -(r + l) / (r - l);
    m[13] = -(t + b) / (t - b);
    m[14] = -(f + n) / (f - n);
    return m;
  }

  // 0 central, 1 orthographic, 2 oblique; `a` is the width over the height.
  function projection(type, a) {
    if (type === 0) {
      return a >= 1 ? frustum(-5 * a, 5 * a, -5, 5, 20, 220) : frustum(-5, 5, -5 / a, 5 / a, 20, 220);
    }
    if (type === 2) {
      return oblique(a);
    }
    return ortho(-12 * a, 12 * a, -12, 12, 0, 220);
  }

  // Pan and distance, zoom, then the two turns of the camera.
  function modelView(camera) {
    var m = multiply(translation(camera.panX, camera.panY, camera.distance),
                     scaling(camera.zoom, camera.zoom, camera.zoom));
    m = multiply(m, rotation(camera.angleX, 1, 0, 0));
    return multiply(m, rotation(camera.angleAxis, camera.axis[0], camera.axis[1], camera.axis[2]));
  }

  function transform(m, x, y, z, w) {
    return [
      m[0] * x + m[4] * y + m[8] * z + m[12] * w,
      m[1] * x + m[5] * y + m[9] * z + m[13] * w,
      m[2] * x + m[6] * y + m[10] * z + m[14] * w,
      m[3] * x + m[7] * y + m[11] * z + m[15] * w
    ];
  }

  // The inverse transpose of the upper 3x3, for normals; column by column.
  function normalMatrix(m) {
    var a = m[0], b = m[4], c = m[8], d = m[1], e = m[5], f = m[9], g = m[2], h = m[6], i = m[10];
    var det = a * (e * i - f * h) - b * (d * i - f * g) + c * (d * h - e * g);
    if (det === 0) {
      return new Float32Array([1, 0, 0, 0, 1, 0, 0, 0, 1]);
    }
    return new Float32Array([
      (e * i - f * h) / det, -(b * i - c * h) / det, (b * f - c * e) / det,
      -(d * i - f * g) / det, (a * i - c * g) / det, -(a * f - c * d) / det,
      (d * h - e * g) / det, -(a * h - b * g) / det, (a * e - b * d) / det
    ]);
  }

  // The inverse by cofactors; the identity for a matrix that has none.
  function invert(m) {
    var inv = new Float64Array(16);
    inv[0] = m[5] * m[10] * m[15] - m[5] * m[11] * m[14] - m[9] * m[6] * m[15] +
             m[9] * m[7] * m[14] + m[13] * m[6] * m[11] - m[13] * m[7] * m[10];
    inv[4] = -m[4] * m[10] * m[15] + m[4] * m[11] * m[14] + m[8] * m[6] * m[15] -
             m[8] * m[7] * m[14] - m[12] * m[6] * m[11] + m[12] * m[7] * m[10];
    inv[8] = m[4] * m[9] * m[15] - m[4] * m[11] * m[13] - m[8] * m[5] * m[15] +
             m[8] * m[7] * m[13] + m[12] * m[5] * m[11] - m[12] * m[7] * m[9];
    inv[12] = -m[4] * m[9] * m[14] + m[4] * m[10] * m[13] + m[8] * m[5] * m[14] -
              m[8] * m[6] * m[13] - m[12] * m[5] * m[10] + m[12] * m[6] * m[9];
    inv[1] = -m[1] * m[10] * m[15] + m[1] * m[11] * m[14] + m[9] * m[2] * m[15] -
             m[9] * m[3] * m[14] - m[13] * m[2] * m[11] + m[13] * m[3] * m[10];
    inv[5] = m[0] * m[10] * m[15] - m[0] * m[11] * m[14] - m[8] * m[2] * m[15] +
             m[8] * m[3] * m[14] + m[12] * m[2] * m[11] - m[12] * m[3] * m[10];
    inv[9] = -m[0] * m[9] * m[15] + m[0] * m[11] * m[13] + m[8] * m[1] * m[15] -
             m[8] * m[3] * m[13] - m[12] * m[1] * m[11] + m[12] * m[3] * m[9];
    inv[13] = m[0] * m[9] * m[14] - m[0] * m[10] * m[13] - m[8] * m[1] * m[14] +
              m[8] * m[2] * m[13] + m[12] * m[1] * m[10] - m[12] * m[2] * m[9];
    inv[2] = m[1] * m[6] * m[15] - m[1] * m[7] * m[14] - m[5] * m[2] * m[15] +
             m[5] * m[3] * m[14] + m[13] * m[2] * m[7] - m[13] * m[3] * m[6];
    inv[6] = -m[0] * m[6] * m[15] + m[0] * m[7] * m[14] + m[4] * m[2] * m[15] -
             m[4] * m[3] * m[14] - m[12] * m[2] * m[7] + m[12] * m[3] * m[6];
    inv[10] = m[0] * m[5] * m[15] - m[0] * m[7] * m[13] - m[4] * m[1] * m[15] +
              m[4] * m[3] * m[13] + m[12] * m[1] * m[7] - m[12] * m[3] * m[5];
    inv[14] = -m[0] * m[5] * m[14] + m[0] * m[6] * m[13] + m[4] * m[1] * m[14] -
              m[4] * m[2] * m[13] - m[12] * m[1] * m[6] + m[12] * m[2] * m[5];
    inv[3] = -m[1] * m[6] * m[11] + m[1] * m[7] * m[10] + m[5] * m[2] * m[11] -
             m[5] * m[3] * m[10] - m[9] * m[2] * m[7] + m[9] * m[3] * m[6];
    inv[7] = m[0] * m[6] * m[11] - m[0] * m[7] * m[10] - m[4] * m[2] * m[11] +
             m[4] * m[3] * m[10] + m[8] * m[2] * m[7] - m[8] * m[3] * m[6];
    inv[11] = -m[0] * m[5] * m[11] + m[0] * m[7] * m[9] + m[4] * m[1] * m[11] -
              m[4] * m[3] * m[9] - m[8] * m[1] * m[7] + m[8] * m[3] * m[5];
    inv[15] = m[0] * m[5] * m[10] - m[0] * m[6] * m[9] - m[4] * m[1] * m[10] +
              m[4] * m[2] * m[9] + m[8] * m[1] * m[6] - m[8] * m[2] * m[5];
    var det = m[0] * inv[0] + m[1] * inv[4] + m[2] * inv[8] + m[3] * inv[12];
    if (det === 0) {
      return identity();
    }
    for (var i = 0; i < 16; i++) {
      inv[i] /= det;
    }
    return inv;
  }

  L.matrices = {
    identity: identity,
    multiply: multiply,
    invert: invert,
    projection: projection,
    modelView: modelView,
    transform: transform,
    normalMatrix: normalMatrix
  };
})(VelnorLesson);
