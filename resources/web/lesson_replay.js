// The action buttons of a page. The lesson carries, for every button, the runs the program makes
// of it tick by tick; a press plays the run the button's state calls for, one tick per timer
// tick, so positions, captions and measurement texts are the program's own. A press on a running
// button pauses it, and the next press goes on from the same tick.
var VelnorLesson = VelnorLesson || {};

(function (L) {
  "use strict";

  function byKey(list) {
    var map = {};
    list.forEach(function (item) { map[item.key] = item; });
    return map;
  }

  function Replay(page) {
    this.page = page;
    this.buttons = byKey(page.buttons);
    this.cells = { lines: byKey(page.lines), faces: byKey(page.faces), solids: byKey(page.solids),
                   texts: byKey(page.texts), bitTexts: byKey(page.bitTexts) };
    this.playing = {};  // key -> {run, tick, running}
  }

  // Returns true when the button now runs.
  Replay.prototype.press = function (key) {
    var button = this.buttons[key];
    if (!button) {
      return false;
    }
    var play = this.playing[key];
    if (play) {
      play.running = !play.running;
      return play.running;
    }
    var run = button.runs[button.next];
    if (!run || !run.ticks) {
      return false;
    }
    this.playing[key] = { run: run, tick: 0, running: true };
    return true;
  };

  Replay.prototype.running = function () {
    var self = this;
    return Object.keys(this.playing).some(function (key) { return self.playing[key].running; });
  };

  Replay.prototype.setHidden = function (changes, cells) {
    (changes || []).forEach(function (c) {
      if (cells[c[0]]) {
        cells[c[0]].hidden = c[1];
      }
    });
  };

  Replay.prototype.apply = function (tick) {
    var page = this.page, cells = this.cells, buttons = this.buttons;
    (tick.points || []).forEach(function (p) { page.points[p[0]].at = [p[1], p[2], p[3]]; });
    (tick.shown || []).forEach(function (s) { page.points[s[0]].shown = s[1]; });
    this.setHidden(tick.lines, cells.lines);
    this.setHidden(tick.faces, cells.faces);
    this.setHidden(tick.solids, cells.solids);
    this.setHidden(tick.solids, cells.bitTexts);
    (tick.places || []).forEach(function (p) {
      if (cells.solids[p[0]]) {
        cells.solids[p[0]].place = p[1];
      }
    });
    (tick.texts || []).forEach(function (t) { cells.texts[t[0]].text = t[1]; });
    (tick.captions || []).forEach(function (c) {
      if (buttons[c[0]]) {
        buttons[c[0]].caption = c[1];
      }
    });
  };

  // One timer tick: every running button, in the order of their keys, plays its next tick.
  // Returns whether any still runs.
  Replay.prototype.tick = function () {
    var self = this;
    Object.keys(this.playing).map(Number).sort(function (a, b) { return a - b; })
      .forEach(function (key) {
        var play = self.playing[key];
        if (!play.running) {
          return;
        }
        self.apply(play.run.ticks[play.tick]);
        play.tick += 1;
        if (play.tick === play.run.ticks.length) {
          delete self.playing[key];
          play.run.next.forEach(function (n) {
            if (self.buttons[n[0]]) {
              self.buttons[n[0]].next = n[1];
            }
          });
        }
      });
    return this.running();
  };

  L.Replay = Replay;
})(VelnorLesson);
