// What the view draws flat over the figure: vertex labels (an italic letter with smaller upright
// digits set a little lower, as in A₁), dots, measurement texts, the handles of the buttons and
// the bitmap texts. Drawn on a 2D canvas laid over the WebGL one.
var VelnorLesson = VelnorLesson || {};

(function (L) {
  "use strict";

  var M = L.matrices;
  var LABEL_SIZE = 26;
  var SMALL_SIZE = Math.floor(LABEL_SIZE * 0.8);
  var LOWERED = LABEL_SIZE * 0.15;
  var FAMILY = '"Liberation Serif", "Times New Roman", serif';
  var DOT_RADIUS = 3;
  var HANDLE_WIDTH = 10;

  function css(c) {
    return "rgb(" + c[0] + "," + c[1] + "," + c[2] + ")";
  }

  function isLetter(ch) {
    return /[A-Za-z]/.test(ch);
  }

  // The text as runs of letters and of everything else.
  function runs(text) {
    var out = [];
    Array.from(text).forEach(function (ch) {
      var small = !isLetter(ch);
      if (out.length && out[out.length - 1].small === small) {
        out[out.length - 1].text += ch;
      } else {
        out.push({ text: ch, small: small });
      }
    });
    return out;
  }

  function fontOf(small) {
    return small ? "bold " + SMALL_SIZE + "px " + FAMILY : "italic bold " + LABEL_SIZE + "px " + FAMILY;
  }

  function textWidth(ctx, text) {
    return runs(text).reduce(function (width, run) {
      ctx.font = fontOf(run.small);
      return width + ctx.measureText(run.text).width;
    }, 0);
  }

  // Baseline starting at (x, y), y downwards.
  function drawText(ctx, text, x, y, lowerSmall) {
    runs(text).forEach(function (run) {
      ctx.font = fontOf(run.small);
      ctx.fillText(run.text, x, y + (run.small && lowerSmall ? LOWERED : 0));
      x += ctx.measureText(run.text).width;
    });
  }

  // Where a point of the scene falls in the window (y downwards), or null outside the viewing
  // volume, where the view draws no label either.
  function windowPoint(mvp, p, width, height) {
    var c = M.transform(mvp, p[0], p[1], p[2], 1);
    if (c[3] <= 0 || Math.abs(c[0]) > c[3] || Math.abs(c[1]) > c[3] || Math.abs(c[2]) > c[3]) {
      return null;
    }
    return [(c[0] / c[3] + 1) * width / 2, (1 - c[1] / c[3]) * height / 2];
  }

  function dot(ctx, at, radius, colour) {
    ctx.fillStyle = css(colour);
    ctx.beginPath();
    ctx.arc(at[0], at[1], radius, 0, 2 * Math.PI);
    ctx.fill();
  }

  function drawLabels(ctx, page, scene, mvp, width, height) {
    ctx.fillStyle = css(scene.label);
    page.points.forEach(function (point) {
      if (!point.shown) {
        return;
      }
      var p = point.at;
      var at = windowPoint(mvp, [p[0] + 0.2, p[1] + 0.2, p[2] + 0.2], width, height);
      if (at) {
        drawText(ctx, point.label, at[0], at[1], true);
      }
    });
  }

  function drawDots(ctx, page, scene, mvp, width, height) {
    page.points.forEach(function (point) {
      var at = page.showDots && point.shown && windowPoint(mvp, point.at, width, height);
      if (at) {
        dot(ctx, at, DOT_RADIUS, scene.dot);
      }
    });
    page.selectedPoints.forEach(function (v) {
      var at = windowPoint(mvp, page.points[v].at, width, height);
      if (at) {
        dot(ctx, at, 2 * DOT_RADIUS, scene.select);
        dot(ctx, at, DOT_RADIUS, scene.background);
        dot(ctx, at, DOT_RADIUS / 2, scene.select);
      }
    });
  }

  // At its stored place from the right and top edges, moved inside where it would run out.
  function drawTexts(ctx, page, width, height) {
    ctx.fillStyle = css(page.scene.label);
    page.texts.forEach(function (text) {
      if (text.hidden) {
        return;
      }
      var w = textWidth(ctx, text.text);
      var x = Math.min(Math.max(width - text.x, 0), Math.max(0, width - w));
      var baseline = Math.min(Math.max(text.y, Math.min(LABEL_SIZE, height - LABEL_SIZE / 4)),
                              height - LABEL_SIZE / 4);
      drawText(ctx, text.text, x, baseline, false);
    });
  }

  function drawHandles(ctx, page) {
    ctx.fillStyle = "rgb(0,0,255)";
    page.buttons.forEach(function (button) {
      if (!button.hidden) {
        var r = button.rect;
        ctx.fillRect(r[0] - HANDLE_WIDTH, r[1], HANDLE_WIDTH, r[3] - r[1]);
      }
    });
  }

  // Bitmap texts do not turn with the figure: only the pan and the distance move them.
  function drawBitTexts(ctx, page, camera, frame, width, height) {
    page.bitTexts.forEach(function (text) {
      if (text.hidden || !text.picture || !text.picture.complete) {
        return;
      }
      var at = windowPoint(frame.projection, [text.at[0] + camera.panX, text.at[1] + camera.panY,
                                              text.at[2] + camera.distance], width, height);
      if (at) {
        ctx.drawImage(text.picture, Math.round(at[0] - text.picture.width / 2),
                      Math.round(at[1] - text.picture.height / 2));
      }
    });
  }

  // `frame` is what the renderer used; width and height are in CSS pixels.
  L.drawOverlay = function (canvas, page, camera, frame, width, height, ratio) {
    canvas.width = Math.round(width * ratio);
    canvas.height = Math.round(height * ratio);
    canvas.style.width = width + "px";
    canvas.style.height = height + "px";
    var ctx = canvas.getContext("2d");
    ctx.setTransform(ratio, 0, 0, ratio, 0, 0);
    ctx.clearRect(0, 0, width, height);
    drawHandles(ctx, page);
    drawTexts(ctx, page, width, height);
    // The pages that page components show carry their labels and dots with them.
    frame.placed.forEach(function (p) {
      if (!p.page.fillFaces) {
        drawLabels(ctx, p.page, page.scene, p.frame.mvp, width, height);
        drawDots(ctx, p.page, page.scene, p.frame.mvp, width, height);
      }
    });
    drawBitTexts(ctx, page, camera, frame, width, height);
  };
})(VelnorLesson);
