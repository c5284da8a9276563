// The lesson page: reads the document inlined in it, shows one page at a time with 上一页 and
// 下一页, turns the figure by dragging, zooms by the wheel or by pinching, and runs the action
// buttons on the view's timer. `window.velnor` lets a test drive it and read the positions.
var VelnorLesson = VelnorLesson || {};

(function (L) {
  "use strict";

  var started = performance.now();
  // The view's timer interval at its usual speed, in milliseconds per tick.
  var TICK_INTERVAL = 40;
  var DEGREES_PER_PIXEL = 0.2;
  // The wheel steps the zoom as the program's commands do; pinching stays within their range.
  var ZOOM_STEP = 0.1, ZOOM_LARGEST = 10, ZOOM_SMALLEST = 0.101, PINCH_SMALLEST = 0.1;
  var NO_WEBGL = "此浏览器不支持 WebGL，无法显示图形。";

  var data = JSON.parse(document.getElementById("lesson-data").textContent);
  var stage = document.getElementById("stage");
  var figure = document.getElementById("figure");
  var overlay = document.getElementById("overlay");
  var pageList = document.getElementById("pages");

  // A size in the address (#size=640x480) fixes the figure's size, as a test compares it with
  // a picture of that size; otherwise it fills the window below the bar.
  var fixedSize = /size=(\d+)x(\d+)/.exec(location.hash);

  function copyOf(value) {
    return JSON.parse(JSON.stringify(value));
  }

  // Each page keeps its state (moved points, run buttons) while another is shown.
  var pages = data.pages.map(function (source) {
    var page = copyOf(source);
    // Solids of one kind share their shape, and the buffers made from it.
    page.solids.forEach(function (solid) {
      // A page component has no shape of its own: it shows another page.
      if (solid.shows !== undefined) {
        return;
      }
      var shape = page.shapes[solid.shape];
      if (shape.body && !shape.outlineBody) {
        shape.outlineBody = new L.OutlineBody(shape.body, shape.bodyScale);
      }
      solid.surfaces = shape.surfaces;
      solid.flatFaces = shape.flatFaces;
      solid.lines = shape.lines;
      solid.lineNormals = shape.lineNormals;
      solid.dashed = shape.dashed;
      solid.body = shape.body;
      solid.outlineBody = shape.outlineBody;
    });
    page.bitTexts.forEach(function (text) {
      text.picture = new Image();
      text.picture.onload = function () { redraw(); };
      text.picture.src = text.image;
    });
    page.replay = new L.Replay(page);
    return page;
  });

  var current = 0;
  var camera = null;
  var renderer = null;
  var timer = null;
  var manualTicks = false;
  var buttonElements = [];

  function showMessage(text) {
    var message = document.createElement("div");
    message.id = "message";
    message.textContent = text;
    stage.appendChild(message);
  }

  function size() {
    if (fixedSize) {
      return { width: Number(fixedSize[1]), height: Number(fixedSize[2]) };
    }
    var bar = document.getElementById("bar");
    return { width: window.innerWidth, height: Math.max(1, window.innerHeight - bar.offsetHeight) };
  }

  function redraw() {
    var page = pages[current];
    var s = size();
    var ratio = fixedSize ? 1 : (window.devicePixelRatio || 1);
    stage.style.width = s.width + "px";
    stage.style.height = s.height + "px";
    buttonElements.forEach(function (element) {
      element.textContent = element.button.caption;
    });
    if (!renderer) {
      return;
    }
    renderer.resize(s.width, s.height, ratio);
    var frame = renderer.draw(page, camera, page.projection, pages);
    L.drawOverlay(overlay, page, camera, frame, s.width, s.height, ratio);
  }

  function stopTimer() {
    if (timer !== null) {
      clearInterval(timer);
      timer = null;
    }
  }

  function tick() {
    var more = pages[current].replay.tick();
    if (!more) {
      stopTimer();
    }
    redraw();
    return more;
  }

  function press(key) {
    var runs = pages[current].replay.press(key);
    if (runs && timer === null && !manualTicks) {
      timer = setInterval(tick, TICK_INTERVAL);
    }
    redraw();
    return runs;
  }

  function makeButtons(page) {
    buttonElements.forEach(function (element) { element.remove(); });
    buttonElements = page.buttons.filter(function (b) { return !b.hidden; }).map(function (b) {
      var element = document.createElement("button");
      element.type = "button";
      element.className = "action";
      element.button = b;
      element.dataset.key = b.key;
      element.style.left = b.rect[0] + "px";
      element.style.top = b.rect[1] + "px";
      element.style.width = (b.rect[2] - b.rect[0]) + "px";
      element.style.height = (b.rect[3] - b.rect[1]) + "px";
      element.addEventListener("click", function () { press(b.key); });
      stage.appendChild(element);
      return element;
    });
  }

  function resetCamera() {
    camera = copyOf(pages[current].camera);
  }

  // Buttons of a page that is not shown do not step.
  function showPage(index) {
    if (index < 0 || index >= pages.length) {
      return false;
    }
    stopTimer();
    current = index;
    resetCamera();
    pageList.value = String(index);
    document.getElementById("page-name").textContent = pages[index].name;
    document.getElementById("previous").disabled = index === 0;
    document.getElementById("next").disabled = index === pages.length - 1;
    makeButtons(pages[index]);
    if (pages[index].replay.running() && !manualTicks) {
      timer = setInterval(tick, TICK_INTERVAL);
    }
    redraw();
    return true;
  }

  function zoomBy(step) {
    if (step > 0 && camera.zoom < ZOOM_LARGEST) {
      camera.zoom += step;
    } else if (step < 0 && camera.zoom > ZOOM_SMALLEST) {
      camera.zoom += step;
    }
    redraw();
  }

  function setUpPointer() {
    var pointers = new Map();
    var pinch = null;
    var spread = function () {
      var p = Array.from(pointers.values());
      return Math.hypot(p[0].x - p[1].x, p[0].y - p[1].y);
    };
    figure.addEventListener("pointerdown", function (e) {
      figure.setPointerCapture(e.pointerId);
      pointers.set(e.pointerId, { x: e.clientX, y: e.clientY });
      pinch = pointers.size === 2 ? { spread: spread(), zoom: camera.zoom } : null;
    });
    figure.addEventListener("pointermove", function (e) {
      var last = pointers.get(e.pointerId);
      if (!last) {
        return;
      }
      var dx = e.clientX - last.x, dy = e.clientY - last.y;
      pointers.set(e.pointerId, { x: e.clientX, y: e.clientY });
      if (pinch && pointers.size === 2) {
        var zoom = pinch.zoom * spread() / Math.max(pinch.spread, 1);
        camera.zoom = Math.min(ZOOM_LARGEST, Math.max(PINCH_SMALLEST, zoom));
      } else if (pointers.size === 1 && timer === null) {
        // While buttons run the view ignores the mouse, as the program's does.
        camera.angleAxis += DEGREES_PER_PIXEL * dx;
        camera.angleX += DEGREES_PER_PIXEL * dy;
      }
      redraw();
    });
    var release = function (e) {
      pointers.delete(e.pointerId);
      pinch = null;
    };
    figure.addEventListener("pointerup", release);
    figure.addEventListener("pointercancel", release);
    // A wheel turned away from the user makes the figure smaller, as in the program.
    figure.addEventListener("wheel", function (e) {
      e.preventDefault();
      zoomBy(e.deltaY < 0 ? -ZOOM_STEP : ZOOM_STEP);
    }, { passive: false });
  }

  function setUpBar() {
    pages.forEach(function (page, i) {
      var option = document.createElement("option");
      option.value = String(i);
      option.textContent = (i + 1) + ". " + page.name.trim();
      pageList.appendChild(option);
    });
    pageList.addEventListener("change", function () { showPage(Number(pageList.value)); });
    document.getElementById("previous").addEventListener("click", function () { showPage(current - 1); });
    document.getElementById("next").addEventListener("click", function () { showPage(current + 1); });
    document.getElementById("reset").addEventListener("click", function () {
      stopTimer();
      resetCamera();
      redraw();
    });
    window.addEventListener("resize", redraw);
  }

  document.title = data.title || document.title;
  try {
    renderer = new L.Renderer(figure);
  } catch (e) {
    showMessage(NO_WEBGL);
  }
  setUpBar();
  setUpPointer();
  showPage(0);

  window.velnor = {
    ready: true,
    webgl: renderer !== null,
    firstFrameMs: performance.now() - started,
    pageCount: function () { return pages.length; },
    // Pages count from 1, as the program's command line does.
    page: function (n) { return showPage(n - 1); },
    currentPage: function () { return current + 1; },
    pageName: function () { return pages[current].name; },
    projection: function () { return pages[current].projection; },
    // Every point of the current page: {label: [x, y, z]}, an unlabelled one (a net's corner)
    // named "#" and its place in the page's table.
    vertices: function () {
      var out = {};
      pages[current].points.forEach(function (p, i) {
        out[p.label || "#" + i] = p.at.slice();
      });
      return out;
    },
    caption: function (key) {
      var b = pages[current].replay.buttons[key];
      return b ? b.caption : null;
    },
    texts: function () { return pages[current].texts.map(function (t) { return t.text; }); },
    buttons: function () { return pages[current].buttons.map(function (b) { return b.key; }); },
    press: press,
    // With manual ticks the timer stays off and `tick` steps the buttons.
    manualTicks: function (on) {
      manualTicks = on;
      if (on) {
        stopTimer();
      }
    },
    tick: function (n) {
      for (var i = 0; i < (n || 1); i++) {
        tick();
      }
    },
    // Hides the bar and the push buttons, leaving what the program's picture shows.
    bare: function (on) {
      document.body.classList.toggle("bare", on);
    },
    camera: function () { return copyOf(camera); }
  };
})(VelnorLesson);
