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
    "varying vec3 vColour;",
    "void main() {",
    "  vec4 eye = uModelView * vec4(aPosition, 1.0);",
    "  gl_Position = uProjection * eye;",
    "  if (uLit) {",
    "    vec3 n = normalize(uNormal * aNormal);",
    "    vec3 l = normalize(uLight.w == 0.0 ? uLight.xyz : uLight.xyz - eye.xyz);",
    "    vec3 lit = uAmbient * (uLightAmbient + vec3(0.5)) +",
    "               uDiffuse * uLightDiffuse * max(dot(n, l), 0.0);",
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
  // the sides; null when nothing is left.
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
    return [at(t0), at(t1)];
  }

  LineBatch.prototype.add = function (a, b, colour) {
    var clipped = clipSegment(a, b);
    if (!clipped) {
      return;
    }
    var w = this.width, h = this.height;
    var ends = clipped.map(function (p) {
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
    var corner = function (end, side, along) {
      return [(end[0] + side * nx) * 2 / w - 1, (end[1] + side * ny) * 2 / h - 1, end[2], along,
              colour[0], colour[1], colour[2]];
    };
    var p0 = corner(ends[0], 1, 0), p1 = corner(ends[0], -1, 0);
    var p2 = corner(ends[1], 1, length), p3 = corner(ends[1], -1, length);
    Array.prototype.push.apply(this.data, p0.concat(p1, p2, p2, p1, p3));
  };

  function Renderer(canvas) {
    var gl = canvas.getContext("webgl", { alpha: false, antialias: true, preserveDrawingBuffer: true }) ||
             canvas.getContext("experimental-webgl", { alpha: false, preserveDrawingBuffer: true });
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

  Renderer.prototype.setLight = function (scene, camera, material) {
    var gl = this.gl, u = this.mesh.uniform;
    var p = scene.lightPosition;
    // The light stays where it is seen from: it moves with the pan and distance only.
    var light = p[3] === 0 ? [p[0], p[1], p[2], 0]
                           : [p[0] + camera.panX, p[1] + camera.panY, p[2] + camera.distance, 1];
    gl.uniform1i(u.uLit, 1);
    gl.uniform4fv(u.uLight, light);
    gl.uniform3fv(u.uLightAmbient, scene.lightAmbient);
    gl.uniform3fv(u.uLightDiffuse, scene.lightDiffuse);
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
        segments.push([toClip(p0, 1), far(1), colour, line.selected]);
        if (line.kind === 2) {
          segments.push([toClip(p0, 1), far(-1), colour, line.selected]);
        }
        return;
      }
      segments.push([toClip(p0, 1), toClip(p1, 1), colour, line.selected]);
      if (line.kind !== 0) {
        arrows.push([arrowTriangles(p1, d), colour]);
      }
    });
    return { segments: segments, arrows: arrows };
  }

  // Wire lines and outlines of the solids, in clip coordinates, split by whether their hidden
  // parts show dashed.
  function solidLines(page, frame) {
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
      (solid.lines || []).forEach(function (line) {
        for (var i = 3; i < line.length; i += 3) {
          var a = toClip([line[i - 3], line[i - 2], line[i - 1]]);
          var b = toClip([line[i], line[i + 1], line[i + 2]]);
          (solid.dashed ? dashed : plain).push([a, b]);
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

  Renderer.prototype.draw = function (page, camera, projectionType) {
    var gl = this.gl, scene = page.scene;
    var frame = this.frameOf(camera, projectionType);
    var colours = { line: bytesToColour(scene.line), select: bytesToColour(scene.select),
                    component: bytesToColour(scene.component) };
    var width = this.canvas.width, height = this.canvas.height;
    var background = bytesToColour(scene.background);
    gl.viewport(0, 0, width, height);
    gl.clearColor(background[0], background[1], background[2], 1);
    gl.depthMask(true);
    gl.clear(gl.COLOR_BUFFER_BIT | gl.DEPTH_BUFFER_BIT);
    // The preset that blends solids draws without the depth test, as the program's view does:
    // everything shows through everything.
    if (scene.blending) {
      gl.disable(gl.DEPTH_TEST);
    } else {
      gl.enable(gl.DEPTH_TEST);
    }
    gl.depthFunc(gl.LEQUAL);

    var lines = lineSegments(page, frame, colours);
    var outlines = solidLines(page, frame);
    var self = this;
    var batchOf = function (segments, colourOf) {
      var batch = new LineBatch(width, height, scene.lineWidth * self.ratio);
      segments.forEach(function (s) { batch.add(s[0], s[1], colourOf(s)); });
      return batch;
    };
    var allLines = batchOf(lines.segments, function (s) { return s[2]; });
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
      this.drawLines(batchOf(outlines.dashed, function () { return colours.component; }), true);
      arrows();
    }
    gl.depthFunc(gl.LEQUAL);
    this.drawLines(allLines, false);
    arrows();
    gl.depthMask(true);

    this.drawSolids(page, camera, frame, colours);
    gl.depthMask(false);
    this.drawLines(batchOf(outlines.dashed.concat(outlines.plain),
                           function () { return colours.component; }), false);
    gl.depthMask(true);
    return frame;
  };

  // With the preset's blending, solids add their light to what lies behind them, as glass does.
  Renderer.prototype.drawSolids = function (page, camera, frame, colours) {
    var self = this, scene = page.scene, gl = this.gl;
    if (scene.blending) {
      gl.enable(gl.BLEND);
      gl.blendFunc(gl.SRC_ALPHA, gl.ONE);
    }
    page.solids.forEach(function (solid) {
      if (solid.hidden || !solid.surfaces) {
        return;
      }
      self.useMesh(frame, solid.place);
      // Lit, every surface takes its material; unlit, its own colour or the component colour.
      solid.surfaces.forEach(function (surface) {
        var colour = surface.colour ? bytesToColour(surface.colour) : colours.component;
        self.gl.uniform3fv(self.mesh.uniform.uColour, colour);
        var material = surface.material || solid.material;
        if (scene.lighting) {
          self.setLight(scene, camera, material);
        } else {
          self.gl.uniform1i(self.mesh.uniform.uLit, 0);
        }
        self.gl.uniform1f(self.mesh.uniform.uAlpha, scene.blending ? material.alpha : 1);
        self.drawSurface(surface);
      });
    });
    gl.disable(gl.BLEND);
  };

  L.Renderer = Renderer;
})(VelnorLesson);
