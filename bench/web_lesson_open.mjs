// How long a web lesson takes in headless Chromium from the request to open it to its first
// frame, the median of several openings each:
//   node web_lesson_open.mjs LESSON.html...
// The browser starts once beforehand; its own start is not the lesson's.
import { createRequire } from "node:module";
import { fileURLToPath, pathToFileURL } from "node:url";
import { basename } from "node:path";

const tools = fileURLToPath(new URL("../tests/tools/package.json", import.meta.url));
const puppeteer = createRequire(tools)("puppeteer-core");
const OPENINGS = 7;

function median(values) {
  const sorted = [...values].sort((a, b) => a - b);
  return sorted[Math.floor(sorted.length / 2)];
}

const browser = await puppeteer.launch({
  executablePath: process.env.CHROMIUM || "/usr/bin/chromium",
  headless: true,
  args: ["--no-sandbox", "--use-gl=angle", "--use-angle=swiftshader", "--enable-unsafe-swiftshader"]
});
try {
  for (const lesson of process.argv.slice(2)) {
    const open = [], script = [];
    for (let i = 0; i < OPENINGS; i++) {
      const page = await browser.newPage();
      await page.setViewport({ width: 1024, height: 768 });
      const started = performance.now();
      await page.goto(pathToFileURL(lesson).href, { waitUntil: "domcontentloaded" });
      await page.waitForFunction(() => window.velnor && window.velnor.ready, { polling: 5 });
      open.push(performance.now() - started);
      script.push(await page.evaluate(() => window.velnor.firstFrameMs));
      await page.close();
    }
    console.log(`${basename(lesson)}: open to first frame ${median(open).toFixed(0)} ms ` +
                `(the viewer's own part ${median(script).toFixed(0)} ms), median of ${OPENINGS}`);
  }
} finally {
  await browser.close();
}
