// Opens a web lesson in headless Chromium and reports what a test checks, as JSON on stdout:
//   node web_lesson_driver.mjs LESSON.html --size WxH [--shot FIGURE.png]
//        [--press KEY --ticks N] [--after-shot FIGURE.png] [--next] [--no-webgl]
// Every request the page makes besides its own file is refused and listed in "requests".
import puppeteer from "puppeteer-core";
import { pathToFileURL } from "node:url";

function parseArguments(argv) {
  const options = { lesson: argv[0], size: "640x480", ticks: 0 };
  for (let i = 1; i < argv.length; i++) {
    const name = argv[i].replace(/^--/, "");
    if (name === "next" || name === "no-webgl") {
      options[name === "next" ? "next" : "noWebgl"] = true;
    } else {
      options[name.replace(/-(.)/g, (_, c) => c.toUpperCase())] = argv[++i];
    }
  }
  return options;
}

async function figureShot(page, path, width, height) {
  await page.evaluate(() => window.velnor.bare(true));
  const stage = await page.$("#stage");
  const box = await stage.boundingBox();
  await page.screenshot({ path, clip: { x: box.x, y: box.y, width, height } });
  await page.evaluate(() => window.velnor.bare(false));
}

async function main() {
  const options = parseArguments(process.argv.slice(2));
  const [width, height] = options.size.split("x").map(Number);
  const browser = await puppeteer.launch({
    executablePath: process.env.CHROMIUM || "/usr/bin/chromium",
    headless: true,
    args: ["--no-sandbox", "--use-gl=angle", "--use-angle=swiftshader",
           "--enable-unsafe-swiftshader", "--disable-gpu-sandbox", "--hide-scrollbars",
           "--font-render-hinting=none"].concat(options.noWebgl ? ["--disable-3d-apis"] : [])
  });
  const report = { requests: [], errors: [] };
  try {
    const page = await browser.newPage();
    // Room for the bar above the figure.
    await page.setViewport({ width, height: height + 80, deviceScaleFactor: 1 });
    const url = pathToFileURL(options.lesson).href;
    await page.setRequestInterception(true);
    page.on("request", (request) => {
      if (request.url().split("#")[0] === url) {
        request.continue();
      } else {
        report.requests.push(request.url());
        request.abort();
      }
    });
    page.on("pageerror", (error) => report.errors.push(String(error)));
    const opening = performance.now();
    await page.goto(`${url}#size=${width}x${height}`, { waitUntil: "load" });
    await page.waitForFunction(() => window.velnor && window.velnor.ready);
    report.openMs = performance.now() - opening;
    Object.assign(report, await page.evaluate(() => ({
      webgl: window.velnor.webgl,
      firstFrameMs: window.velnor.firstFrameMs,
      projection: window.velnor.projection(),
      pageCount: window.velnor.pageCount(),
      pageName: window.velnor.pageName(),
      buttons: window.velnor.buttons(),
      vertices: window.velnor.vertices(),
      texts: window.velnor.texts(),
      message: (document.getElementById("message") || {}).textContent || ""
    })));
    if (options.shot) {
      await figureShot(page, options.shot, width, height);
    }
    if (options.press) {
      const key = Number(options.press);
      await page.evaluate(() => window.velnor.manualTicks(true));
      // A click on the push button, as a student makes it.
      await page.click(`button.action[data-key="${key}"]`);
      await page.evaluate((n) => window.velnor.tick(n), Number(options.ticks));
      Object.assign(report, await page.evaluate((k) => ({
        pressedVertices: window.velnor.vertices(),
        pressedTexts: window.velnor.texts(),
        caption: window.velnor.caption(k)
      }), key));
      if (options.afterShot) {
        await figureShot(page, options.afterShot, width, height);
      }
    }
    if (options.next) {
      await page.click("#next");
      report.afterNext = await page.evaluate(() => ({
        page: window.velnor.currentPage(),
        pageName: window.velnor.pageName(),
        shownName: document.getElementById("page-name").textContent,
        vertices: window.velnor.vertices()
      }));
    }
  } finally {
    await browser.close();
  }
  process.stdout.write(JSON.stringify(report) + "\n");
}

main().catch((error) => {
  process.stderr.write(`web_lesson_driver: ${error.stack || error}\n`);
  process.exit(1);
});
