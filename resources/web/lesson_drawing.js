// Draws a page with WebGL 1 as the program's view draws it: faces only hide the lines behind
// them (the selected ones are painted), lines are dashed where hidden and solid where seen,
// solids are painted, lit when the page's preset lights them. In fill mode every face is
// painted and lines are only drawn where seen.
var VelnorLesson = VelnorLesson || {};

(function (L) {
  "use strict";

  var M = L.matrices;
  // The view's line stipple 0x03FF: ten pixels drawn, six left out.
  var DASH_PERIOD = 16, DASH_ON = 10;
  var ARROW_RADIUS = 0.15, ARROW_SIDES = 8;
  // A ray or a line runs to infinity; this far is beyond the far plane at any zoom.
  var FAR_AWAY = 1e4;

  var MESH_VERTEX = [
    "attribute vec3 aPosition;",
    "attribute vec3 aNormal;",
    "uniform mat4 uProjection, uModelView;",
    "uniform mat3 uNormal;",
    "uniform vec3 uColour;",
    "uniform bool uLit;",
    "uniform vec4 uLight;",
    "uniform vec3 uLightAmbient, uLightDiffuse, uAmbient, uDiffuse;",
    // The two extra lights: directions in eye space; their diffuse is zero when they are off.
    "uniform vec3 uExtraLight[2];",
    "uniform vec3 uExtraDiffuse;",
    "varying vec3 vColour;",
    "void main() {",
    "  vec4 eye = uModelView * vec4(aPosition, 1.0);",
    "  gl_Position = uProjection * eye;",
    "  if (uLit) {",
    "    vec3 n = normalize(uNormal * aNormal);",
    "    vec3 l = normalize(uLight.w == 0.0 ? uLight.xyz : uLight.xyz - eye.xyz);",
    "    vec3 lit = uAmbient * (uLightAmbient + vec3(0.5)) +",
    "               uDiffuse * uLightDiffuse * max(dot(n, l), 0.0);",
    "    for (int i = 0; i < 2; i++) {",
    "      lit += uDiffuse * uExtraDiffuse * max(dot(n, normalize(uExtraLight[i])), 0.0);",
    "    }",
    "    vColour = min(lit, vec3(1.0));",
    "  } else {",
    "    vColour = uColour;",
    "  }",
    "}"
  ].join("\n");

  var LINE_VERTEX = [
    "attribute vec3 aAt;",
    "attribute float aAlong;",
    "attribute vec3 aColour;",
    "varying float vAlong;",
    "varying vec3 vColour;",
    "void main() {",
    "  gl_Position = vec4(aAt, 1.0);",
    "  vAlong = aAlong;",
    "  vColour = aColour;",
    "}"
  ].join("\n");

  var COLOUR_FRAGMENT = [
    "precision mediump float;",
    "uniform float uAlpha;",
    "varying vec3 vColour;",
    "void main() { gl_FragColor = vec4(vColour, uAlpha); }"
  ].join("\n");

  var LINE_FRAGMENT = [
    "precision mediump float;",
    "uniform bool uDashed;",
    "varying float vAlong;",
    "varying vec3 vColour;",
    "void main() {",
    "  if (uDashed && mod(vAlong, " + DASH_PERIOD + ".0) >= " + DASH_ON + ".0) discard;",
    "  gl_FragColor = vec4(vColour, 1.0);",
    "}"
  ].join("\n");

  function compile(gl, vertexSource, fragmentSource) {
    var program = gl.createProgram();
    [[gl.VERTEX_SHADER, vertexSource], [gl.FRAGMENT_SHADER, fragmentSource]].forEach(function (s) {
      var shader = gl.createShader(s[0]);
      gl.shaderSource(shader, s[1]);
      gl.compileShader(shader);
      gl.attachShader(program, shader);
    });
    gl.linkProgram(program);
    if (!gl.getProgramParameter(program, gl.LINK_STATUS)) {
      throw new Error(gl.getProgramInfoLog(program));
    }
    var names = {};
    var count = gl.getProgramParameter(program, gl.ACTIVE_UNIFORMS);
    for (var i = 0; i < count; i++) {
      var name = gl.getActiveUniform(program, i).name;
      names[name] = gl.getUniformLocation(program, name);
    }
    return { program: program, uniform: names };
  }

  function bytesToColour(c) {
    return [c[0] / 255, c[1] / 255, c[2] / 255];
  }

  // Segments in clip coordinates become screen-wide quads of the line width, with the distance
  // along the line for the dashes; the GPU then tests them against the faces' depth.
  function LineBatch(width, height, lineWidth) {
    this.width = width;
    this.height = height;
    this.half = lineWidth / 2;
    this.data = [];
  }

  // Cuts the segment a-b (homogeneous clip coordinates) to the viewing volume, with a margin at
  // the sides: the ends left and where they lie along a-b, or null when nothing is left.
  function clipSegment(a, b) {
    var t0 = 0, t1 = 1;
    // Each plane as a function of the point that is >= 0 inside.
    var planes = [
      function (p) { return p[3] + p[2]; }, function (p) { return p[3] - p[2]; },
      function (p) { return 2 * p[3] + p[0]; }, function (p) { return 2 * p[3] - p[0]; },
      function (p) { return 2 * p[3] + p[1]; }, function (p) { return 2 * p[3] - p[1]; }
    ];
    for (var i = 0; i < planes.length; i++) {
      var da = planes[i](a), db = planes[i](b);
      if (da < 0 && db < 0) {
        return null;
      }
      if (da < 0) {
        t0 = Math.max(t0, da / (da - db));
      } else if (db < 0) {
        t1 = Math.min(t1, da / (da - db));
      }
    }
    if (t0 >= t1) {
      return null;
    }
    var at = function (t) {
      return [0, 1, 2, 3].map(function (k) { return a[k] + (b[k] - a[k]) * t; });
    };
    return { ends: [at(t0), at(t1)], from: t0, to: t1 };
  }

  function mix(a, b, t) {
    return [0, 1, 2].map(function (k) { return a[k] + (b[k] - a[k]) * t; });
  }

  // A segment in one colour, or blended from `colour` at a to `colourAtB` at b.
  LineBatch.prototype.add = function (a, b, colour, colourAtB) {
    var clipped = clipSegment(a, b);
    if (!clipped) {
      return;
    }
    var w = this.width, h = this.height;
    var atB = colourAtB || colour;
    var colourAtEnd = [mix(colour, atB, clipped.from), mix(colour, atB, clipped.to)];
    var ends = clipped.ends.map(function (p) {
      return [(p[0] / p[3] + 1) * w / 2, (p[1] / p[3] + 1) * h / 2, p[2] / p[3]];
    });
    var dx = ends[1][0] - ends[0][0], dy = ends[1][1] - ends[0][1];
    var length = Math.sqrt(dx * dx + dy * dy);
    if (length < 1e-6) {
      dx = 1; dy = 0;
    } else {
      dx /= length; dy /= length;
    }
    var nx = -dy * this.half, ny = dx * this.half;
    var corner = function (end, side, along, c) {
      return [(end[0] + side * nx) * 2 / w - 1, (end[1] + side * ny) * 2 / h - 1, end[2], along,
              c[0], c[1], c[2]];
    };
    var p0 = corner(ends[0], 1, 0, colourAtEnd[0]), p1 = corner(ends[0], -1, 0, colourAtEnd[0]);
    var p2 = corner(ends[1], 1, length, colourAtEnd[1]);
    var p3 = corner(ends[1], -1, length, colourAtEnd[1]);
    Array.prototype.push.apply(this.data, p0.concat(p1, p2, p2, p1, p3));
  };

  function Renderer(canvas) {
    // The stencil counts the windings of the title's flat letter faces.
    var wanted = { alpha: false, antialias: true, preserveDrawingBuffer: true, stencil: true };
    var gl = canvas.getContext("webgl", wanted) || canvas.getContext("experimental-webgl", wanted);
    if (!gl) {
      throw new Error("no WebGL");
    }
    this.gl = gl;
    this.canvas = canvas;
    this.mesh = compile(gl, MESH_VERTEX, COLOUR_FRAGMENT);
    this.line = compile(gl, LINE_VERTEX, LINE_FRAGMENT);
    this.buffer = gl.createBuffer();
    this.meshes = new Map();  // a solid's surfaces -> their buffers, made once
  }

  Renderer.prototype.meshBuffers = function (surface) {
    var made = this.meshes.get(surface);
    if (made) {
      return made;
    }
    var gl = this.gl;
    var interleaved = new Float32Array(surface.positions.length * 2);
    for (var i = 0; i < surface.positions.length / 3; i++) {
      for (var k = 0; k < 3; k++) {
        interleaved[6 * i + k] = surface.positions[3 * i + k];
        interleaved[6 * i + 3 + k] = surface.normals[3 * i + k];
      }
    }
    made = { vertices: gl.createBuffer(), indices: gl.createBuffer(), count: surface.triangles.length };
    gl.bindBuffer(gl.ARRAY_BUFFER, made.vertices);
    gl.bufferData(gl.ARRAY_BUFFER, interleaved, gl.STATIC_DRAW);
    // WebGL 1 indexes with 16 bits unless an extension allows more.
    var wide = surface.positions.length / 3 > 65535 && gl.getExtension("OES_element_index_uint");
    made.type = wide ? gl.UNSIGNED_INT : gl.UNSIGNED_SHORT;
    gl.bindBuffer(gl.ELEMENT_ARRAY_BUFFER, made.indices);
    gl.bufferData(gl.ELEMENT_ARRAY_BUFFER,
                  wide ? new Uint32Array(surface.triangles) : new Uint16Array(surface.triangles),
                  gl.STATIC_DRAW);
    this.meshes.set(surface, made);
    return made;
  };

  Renderer.prototype.useMesh = function (frame, place) {
    var gl = this.gl, u = this.mesh.uniform;
    gl.useProgram(this.mesh.program);
    var modelView = place ? M.multiply(frame.modelView, place) : frame.modelView;
    gl.uniformMatrix4fv(u.uProjection, false, new Float32Array(frame.projection));
    gl.uniformMatrix4fv(u.uModelView, false, new Float32Array(modelView));
    gl.uniformMatrix3fv(u.uNormal, false, M.normalMatrix(modelView));
    gl.uniform1i(u.uLit, 0);
    gl.uniform1f(u.uAlpha, 1);
  };

  // The page's lights as the eye sees them. The first stays where it is seen from: it moves
  // with the pan and distance only; the two extra ones, when on, shine from fixed directions.
  function lightsOf(scene, camera) {
    var p = scene.lightPosition;
    var extra = scene.extraLights.length === 2;
    return {
      position: p[3] === 0 ? [p[0], p[1], p[2], 0]
                           : [p[0] + camera.panX, p[1] + camera.panY, p[2] + camera.distance, 1],
      ambient: scene.lightAmbient,
      diffuse: scene.lightDiffuse,
      extra: extra ? scene.extraLights : [[0, 0, 1], [0, 0, 1]],
      extraDiffuse: extra ? scene.extraDiffuse : [0, 0, 0]
    };
  }

  function normalized(v) {
    var length = Math.sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]) || 1;
    return [v[0] / length, v[1] / length, v[2] / length];
  }

  function dot3(a, b) {
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
  }

  // The mesh shader's lighting, for the points of lit wires, which the line batch colours by
  // their ends: `normal` and `eye` are in eye space.
  function litColour(lights, material, normal, eye) {
    var n = normalized(normal), p = lights.position;
    var l = normalized(p[3] === 0 ? p : [p[0] - eye[0], p[1] - eye[1], p[2] - eye[2]]);
    var facing = [Math.max(dot3(n, l), 0), Math.max(dot3(n, normalized(lights.extra[0])), 0),
                  Math.max(dot3(n, normalized(lights.extra[1])), 0)];
    return [0, 1, 2].map(function (k) {
      var lit = material.ambient[k] * (lights.ambient[k] + 0.5) +
                material.diffuse[k] * (lights.diffuse[k] * facing[0] +
                                       lights.extraDiffuse[k] * (facing[1] + facing[2]));
      return Math.min(lit, 1);
    });
  }

  Renderer.prototype.setLight = function (scene, camera, material) {
    var gl = this.gl, u = this.mesh.uniform;
    var lights = lightsOf(scene, camera);
    gl.uniform1i(u.uLit, 1);
    gl.uniform4fv(u.uLight, lights.position);
    gl.uniform3fv(u.uLightAmbient, lights.ambient);
    gl.uniform3fv(u.uLightDiffuse, lights.diffuse);
    gl.uniform3fv(u["uExtraLight[0]"], lights.extra[0].concat(lights.extra[1]));
    gl.uniform3fv(u.uExtraDiffuse, lights.extraDiffuse);
    gl.uniform3fv(u.uAmbient, material.ambient);
    gl.uniform3fv(u.uDiffuse, material.diffuse);
  };

  // Positions (3 floats each, normals left zero) drawn as triangles in one colour.
  Renderer.prototype.drawTriangles = function (positions, colour) {
    if (!positions.length) {
      return;
    }
    var gl = this.gl;
    var interleaved = new Float32Array(positions.length * 2);
    for (var i = 0; i < positions.length / 3; i++) {
      interleaved.set(positions.slice(3 * i, 3 * i + 3), 6 * i);
    }
    gl.uniform3fv(this.mesh.uniform.uColour, colour);
    gl.bindBuffer(gl.ARRAY_BUFFER, this.buffer);
    gl.bufferData(gl.ARRAY_BUFFER, interleaved, gl.STREAM_DRAW);
    this.meshAttributes();
    gl.drawArrays(gl.TRIANGLES, 0, positions.length / 3);
  };

  Renderer.prototype.meshAttributes = function () {
    var gl = this.gl, program = this.mesh.program;
    var position = gl.getAttribLocation(program, "aPosition");
    var normal = gl.getAttribLocation(program, "aNormal");
    gl.enableVertexAttribArray(position);
    gl.vertexAttribPointer(position, 3, gl.FLOAT, false, 24, 0);
    if (normal >= 0) {
      gl.enableVertexAttribArray(normal);
      gl.vertexAttribPointer(normal, 3, gl.FLOAT, false, 24, 12);
    }
  };

  Renderer.prototype.drawSurface = function (surface) {
    var gl = this.gl, made = this.meshBuffers(surface);
    gl.bindBuffer(gl.ARRAY_BUFFER, made.vertices);
    this.meshAttributes();
    gl.bindBuffer(gl.ELEMENT_ARRAY_BUFFER, made.indices);
    gl.drawElements(gl.TRIANGLES, made.count, made.type, 0);
  };

  // A flat face's contours as fans about their first corner, each corner with the face's normal.
  Renderer.prototype.flatFaceBuffers = function (face) {
    var made = this.meshes.get(face);
    if (made) {
      return made;
    }
    var data = [], fans = [];
    face.contours.forEach(function (contour) {
      fans.push([data.length / 6, contour.length / 3]);
      for (var i = 0; i < contour.length; i += 3) {
        data.push(contour[i], contour[i + 1], contour[i + 2],
                  face.normal[0], face.normal[1], face.normal[2]);
      }
    });
    var gl = this.gl;
    made = { vertices: gl.createBuffer(), fans: fans };
    gl.bindBuffer(gl.ARRAY_BUFFER, made.vertices);
    gl.bufferData(gl.ARRAY_BUFFER, new Float32Array(data), gl.STATIC_DRAW);
    this.meshes.set(face, made);
    return made;
  };

  // A flat face with holes, filled by the non-zero rule as the program's tessellator fills it:
  // the fans first count each pixel's winding into the stencil (up where they turn one way, down
  // where the other), then paint where the count is not zero, clearing it as they go so that
  // no pixel is painted twice.
  Renderer.prototype.drawFlatFace = function (face) {
    var gl = this.gl, made = this.flatFaceBuffers(face);
    var drawFans = function () {
      made.fans.forEach(function (fan) { gl.drawArrays(gl.TRIANGLE_FAN, fan[0], fan[1]); });
    };
    gl.bindBuffer(gl.ARRAY_BUFFER, made.vertices);
    this.meshAttributes();
    gl.enable(gl.STENCIL_TEST);
    gl.colorMask(false, false, false, false);
    gl.depthMask(false);
    gl.stencilFunc(gl.ALWAYS, 0, 0xff);
    gl.stencilOpSeparate(gl.FRONT, gl.KEEP, gl.KEEP, gl.INCR_WRAP);
    gl.stencilOpSeparate(gl.BACK, gl.KEEP, gl.KEEP, gl.DECR_WRAP);
    drawFans();
    gl.colorMask(true, true, true, true);
    gl.depthMask(true);
    gl.stencilFunc(gl.NOTEQUAL, 0, 0xff);
    gl.stencilOp(gl.ZERO, gl.ZERO, gl.ZERO);
    drawFans();
    gl.disable(gl.STENCIL_TEST);
  };

  Renderer.prototype.drawLines = function (batch, dashed) {
    if (!batch.data.length) {
      return;
    }
    var gl = this.gl, program = this.line.program;
    gl.useProgram(program);
    gl.uniform1i(this.line.uniform.uDashed, dashed ? 1 : 0);
    gl.bindBuffer(gl.ARRAY_BUFFER, this.buffer);
    gl.bufferData(gl.ARRAY_BUFFER, new Float32Array(batch.data), gl.STREAM_DRAW);
    var at = gl.getAttribLocation(program, "aAt");
    var along = gl.getAttribLocation(program, "aAlong");
    var colour = gl.getAttribLocation(program, "aColour");
    gl.enableVertexAttribArray(at);
    gl.vertexAttribPointer(at, 3, gl.FLOAT, false, 28, 0);
    gl.enableVertexAttribArray(along);
    gl.vertexAttribPointer(along, 1, gl.FLOAT, false, 28, 12);
    gl.enableVertexAttribArray(colour);
    gl.vertexAttribPointer(colour, 3, gl.FLOAT, false, 28, 16);
    gl.drawArrays(gl.TRIANGLES, 0, batch.data.length / 7);
  };

  // The corners of each face that shows, fanned into triangles (faces are convex).
  function faceTriangles(page, face) {
    var out = [];
    var at = function (v) { return page.points[v].at; };
    for (var k = 1; k + 1 < face.verts.length; k++) {
      out.push.apply(out, at(face.verts[0]).concat(at(face.verts[k]), at(face.verts[k + 1])));
    }
    return out;
  }

  // The arrow head of a vector: a cone one unit long and 0.15 wide, its tip at the end point.
  function arrowTriangles(tip, d) {
    var length = Math.sqrt(d[0] * d[0] + d[1] * d[1] + d[2] * d[2]);
    if (length === 0) {
      return [];
    }
    var z = [d[0] / length, d[1] / length, d[2] / length];
    var helper = Math.abs(z[0]) < 0.9 ? [1, 0, 0] : [0, 1, 0];
    var x = [z[1] * helper[2] - z[2] * helper[1], z[2] * helper[0] - z[0] * helper[2],
             z[0] * helper[1] - z[1] * helper[0]];
    var xl = Math.sqrt(x[0] * x[0] + x[1] * x[1] + x[2] * x[2]);
    x = [x[0] / xl, x[1] / xl, x[2] / xl];
    var y = [z[1] * x[2] - z[2] * x[1], z[2] * x[0] - z[0] * x[2], z[0] * x[1] - z[1] * x[0]];
    var rim = [];
    for (var i = 0; i <= ARROW_SIDES; i++) {
      var a = 2 * Math.PI * i / ARROW_SIDES;
      var c = ARROW_RADIUS * Math.cos(a), s = ARROW_RADIUS * Math.sin(a);
      rim.push([0, 1, 2].map(function (k) { return tip[k] - z[k] + c * x[k] + s * y[k]; }));
    }
    var out = [];
    for (var j = 0; j < ARROW_SIDES; j++) {
      out.push.apply(out, tip.concat(rim[j], rim[j + 1]));
    }
    return out;
  }

  // The page's lines in clip coordinates, as pairs with their colour; vectors add arrow heads.
  function lineSegments(page, frame, colours) {
    var segments = [], arrows = [];
    var toClip = function (p, w) { return M.transform(frame.mvp, p[0], p[1], p[2], w); };
    page.lines.forEach(function (line) {
      if (line.hidden) {
        return;
      }
      var p0 = page.points[line.ends[0]].at, p1 = page.points[line.ends[1]].at;
      var d = [p1[0] - p0[0], p1[1] - p0[1], p1[2] - p0[2]];
      var colour = line.selected ? colours.select : colours.line;
      var far = function (sign) {
        return toClip([p0[0] + sign * FAR_AWAY * d[0], p0[1] + sign * FAR_AWAY * d[1],
                       p0[2] + sign * FAR_AWAY * d[2]], 1);
      };
      if (line.kind === 1 || line.kind === 2) {
        segments.push([toClip(p0, 1), far(1), colour]);
        if (line.kind === 2) {
          segments.push([toClip(p0, 1), far(-1), colour]);
        }
        return;
      }
      segments.push([toClip(p0, 1), toClip(p1, 1), colour]);
      if (line.kind !== 0) {
        arrows.push([arrowTriangles(p1, d), colour]);
      }
    });
    return { segments: segments, arrows: arrows };
  }

  // The colours of a lit wire's points, as the light shades them by the normals its shape gives.
  function wireColours(solid, line, normals, frame, lights) {
    var modelView = M.multiply(frame.modelView, solid.place);
    var n = M.normalMatrix(modelView);
    var colours = [];
    for (var i = 0; i < line.length; i += 3) {
      var m = [normals[i], normals[i + 1], normals[i + 2]];
      var eye = M.transform(modelView, line[i], line[i + 1], line[i + 2], 1);
      colours.push(litColour(lights, solid.material, [
        n[0] * m[0] + n[3] * m[1] + n[6] * m[2], n[1] * m[0] + n[4] * m[1] + n[7] * m[2],
        n[2] * m[0] + n[5] * m[1] + n[8] * m[2]], eye));
    }
    return colours;
  }

  // Wire lines and outlines of the solids, in clip coordinates, split by whether their hidden
  // parts show dashed; under light (`lights` not null) the wires that carry normals are shaded
  // point by point and carry their ends' colours.
  function solidLines(page, frame, lights) {
    var dashed = [], plain = [];
    page.solids.forEach(function (solid) {
      if (solid.hidden) {
        return;
      }
      var mvp = M.multiply(frame.mvp, solid.place);
      var toClip = function (p) { return M.transform(mvp, p[0], p[1], p[2], 1); };
      if (solid.outlineBody) {
        var eye = M.transform(M.invert(M.multiply(frame.modelView, solid.place)),
                              0, 0, frame.projectionType === 0 ? 0 : 1,
                              frame.projectionType === 0 ? 1 : 0);
        solid.outlineBody.outline(eye).forEach(function (e) {
          dashed.push([toClip(e[0]), toClip(e[1])]);
        });
        return;
      }
      (solid.lines || []).forEach(function (line, k) {
        var lit = lights && solid.lineNormals &&
                  wireColours(solid, line, solid.lineNormals[k], frame, lights);
        for (var i = 3; i < line.length; i += 3) {
          var a = toClip([line[i - 3], line[i - 2], line[i - 1]]);
          var b = toClip([line[i], line[i + 1], line[i + 2]]);
          (solid.dashed ? dashed : plain).push(lit ? [a, b, lit[i / 3 - 1], lit[i / 3]] : [a, b]);
        }
      });
    });
    return { dashed: dashed, plain: plain };
  }

  Renderer.prototype.resize = function (width, height, ratio) {
    this.canvas.width = Math.round(width * ratio);
    this.canvas.height = Math.round(height * ratio);
    this.canvas.style.width = width + "px";
    this.canvas.style.height = height + "px";
    this.ratio = ratio;
  };

  // The matrices of a frame: the camera's model-view and the projection of the page.
  Renderer.prototype.frameOf = function (camera, projectionType) {
    var projection = M.projection(projectionType, this.canvas.width / this.canvas.height);
    var modelView = M.modelView(camera);
    return { projection: projection, modelView: modelView, projectionType: projectionType,
             mvp: M.multiply(projection, modelView) };
  };

  function placedFrame(frame, place) {
    return { projection: frame.projection, modelView: M.multiply(frame.modelView, place),
             projectionType: frame.projectionType, mvp: M.multiply(frame.mvp, place) };
  }

  // Clears the figure and draws the page; `pages` are the lesson's, which its page components
  // show. The returned frame lists the pages drawn, each in its frame, for the labels drawn over
  // the figure.
  Renderer.prototype.draw = function (page, camera, projectionType, pages) {
    var gl = this.gl, scene = page.scene;
    var frame = this.frameOf(camera, projectionType);
    var colours = { line: bytesToColour(scene.line), select: bytesToColour(scene.select),
                    component: bytesToColour(scene.component) };
    var background = bytesToColour(scene.background);
    gl.viewport(0, 0, this.canvas.width, this.canvas.height);
    gl.clearColor(background[0], background[1], background[2], 1);
    gl.depthMask(true);
    gl.clear(gl.COLOR_BUFFER_BIT | gl.DEPTH_BUFFER_BIT | gl.STENCIL_BUFFER_BIT);
    // The preset that blends solids draws without the depth test, as the program's view does:
    // everything shows through everything.
    if (scene.blending) {
      gl.disable(gl.DEPTH_TEST);
    } else {
      gl.enable(gl.DEPTH_TEST);
    }
    gl.depthFunc(gl.LEQUAL);
    frame.placed = [];
    this.drawPage(page, frame, { scene: scene, camera: camera, colours: colours, pages: pages,
                                 placed: frame.placed }, 0);
    return frame;
  };

  // A page component shows its page where the solids are drawn, after the page's own lines, as
  // the program calls its list: the shown page's faces hide its own lines only. A page shown
  // within itself stops at this depth.
  var DEEPEST_COMPONENT = 4;

  // The page in `frame`, in the colours and light of the page the figure shows (`view`).
  Renderer.prototype.drawPage = function (page, frame, view, depth) {
    var gl = this.gl, scene = view.scene, colours = view.colours;
    var width = this.canvas.width, height = this.canvas.height;
    view.placed.push({ page: page, frame: frame });
    var lines = lineSegments(page, frame, colours);
    var outlines = solidLines(page, frame, scene.lighting ? lightsOf(scene, view.camera) : null);
    var self = this;
    // Segments are [a, b] in the solids' colour, or [a, b, colour] or [a, b, colour at a,
    // colour at b].
    var batchOf = function (segments) {
      var batch = new LineBatch(width, height, scene.lineWidth * self.ratio);
      segments.forEach(function (s) { batch.add(s[0], s[1], s[2] || colours.component, s[3]); });
      return batch;
    };
    var allLines = batchOf(lines.segments);
    var arrows = function () {
      self.useMesh(frame);
      lines.arrows.forEach(function (a) { self.drawTriangles(a[0], a[1]); });
    };
    var shownFaces = page.faces.filter(function (f) { return !f.hidden; });

    // Faces first, pushed back a little so that their own edges stay in front of them.
    gl.enable(gl.POLYGON_OFFSET_FILL);
    gl.polygonOffset(1.6, 1);
    this.useMesh(frame);
    shownFaces.forEach(function (face) {
      if (face.colour) {
        self.drawTriangles(faceTriangles(page, face), bytesToColour(face.colour));
      }
    });
    if (!page.fillFaces) {
      gl.colorMask(false, false, false, false);
      shownFaces.forEach(function (face) { self.drawTriangles(faceTriangles(page, face), [0, 0, 0]); });
      page.solids.forEach(function (solid) {
        if (!solid.hidden && solid.body) {
          self.useMesh(frame, solid.place);
          solid.body.forEach(function (surface) { self.drawSurface(surface); });
        }
      });
      gl.colorMask(true, true, true, true);
    }
    gl.disable(gl.POLYGON_OFFSET_FILL);

    gl.depthMask(false);
    if (!page.fillFaces) {
      gl.depthFunc(gl.GREATER);
      this.drawLines(allLines, true);
      this.drawLines(batchOf(outlines.dashed), true);
      arrows();
    }
    gl.depthFunc(gl.LEQUAL);
    this.drawLines(allLines, false);
    arrows();
    gl.depthMask(true);

    this.drawSolids(page.solids, scene, view.camera, frame, colours);
    if (depth < DEEPEST_COMPONENT) {
      page.solids.forEach(function (solid) {
        if (!solid.hidden && solid.shows !== undefined) {
          self.drawPage(view.pages[solid.shows], placedFrame(frame, solid.place), view, depth + 1);
        }
      });
    }
    // The solids' lines blend as their surfaces do: behind a lit wire's front its back adds.
    gl.depthMask(false);
    if (scene.blending) {
      gl.enable(gl.BLEND);
      gl.blendFunc(gl.SRC_ALPHA, gl.ONE);
    }
    this.drawLines(batchOf(outlines.dashed.concat(outlines.plain)), false);
    gl.disable(gl.BLEND);
    gl.depthMask(true);
  };

  // Paints at `place` in the colour, or lit in the material where the page's preset lights.
  Renderer.prototype.usePaint = function (frame, place, scene, camera, colour, material) {
    this.useMesh(frame, place);
    this.gl.uniform3fv(this.mesh.uniform.uColour, colour);
    if (scene.lighting) {
      this.setLight(scene, camera, material);
    }
    this.gl.uniform1f(this.mesh.uniform.uAlpha, scene.blending ? material.alpha : 1);
  };

  // With the preset's blending, solids add their light to what lies behind them, as glass does.
  Renderer.prototype.drawSolids = function (solids, scene, camera, frame, colours) {
    var self = this, gl = this.gl;
    if (scene.blending) {
      gl.enable(gl.BLEND);
      gl.blendFunc(gl.SRC_ALPHA, gl.ONE);
    }
    solids.forEach(function (solid) {
      if (solid.hidden || !solid.surfaces) {
        return;
      }
      // Lit, every surface takes its material; unlit, its own colour or the component colour. A
      // surface with copies (the molecule's atoms and sticks) is drawn once in each.
      solid.surfaces.forEach(function (surface) {
        var colour = surface.colour ? bytesToColour(surface.colour) : colours.component;
        var material = surface.material || solid.material;
        (surface.copies || [null]).forEach(function (copy) {
          var place = copy ? M.multiply(solid.place, copy) : solid.place;
          self.usePaint(frame, place, scene, camera, colour, material);
          self.drawSurface(surface);
        });
      });
      if (solid.flatFaces) {
        self.usePaint(frame, solid.place, scene, camera, colours.component, solid.material);
        solid.flatFaces.forEach(function (face) { self.drawFlatFace(face); });
      }
    });
    gl.disable(gl.BLEND);
  };

  L.Renderer = Renderer;
})(VelnorLesson);
