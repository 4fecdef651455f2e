// Prints figures of the web build in Debian's headless Chromium: the time from navigation to
// the first painted frame of the title, and the CPU all Chromium processes use on a still
// title, less that of a blank page. Usage: node measure.js BUILD_FOLDER [SECONDS]
'use strict';
const puppeteer = require('puppeteer-core');
const fs = require('fs');
const {serve} = require('./serve');

const [folder, seconds = '10'] = process.argv.slice(2);
const TICKS = 100; // clock ticks a second, as /proc counts them on Linux
const SETTLE_MS = 3000;

// The CPU time, in ticks, of the process and all its descendants.
function treeTicks(root) {
  const parents = new Map();
  const ticks = new Map();
  for (const name of fs.readdirSync('/proc')) {
    if (!/^\d+$/.test(name)) continue;
    try {
      const stat = fs.readFileSync(`/proc/${name}/stat`, 'utf8');
      const fields = stat.slice(stat.lastIndexOf(')') + 2).split(' ');
      parents.set(Number(name), Number(fields[1]));
      ticks.set(Number(name), Number(fields[11]) + Number(fields[12]));
    } catch (error) {
      // The process ended while we looked.
    }
  }
  let total = 0;
  for (const [pid, time] of ticks) {
    for (let at = pid; at; at = parents.get(at)) {
      if (at === root) {
        total += time;
        break;
      }
    }
  }
  return total;
}

async function cpuPercent(browser, seconds) {
  const root = browser.process().pid;
  const before = treeTicks(root);
  await new Promise((done) => setTimeout(done, seconds * 1000));
  return (100 * (treeTicks(root) - before)) / TICKS / seconds;
}

async function main() {
  const server = await serve(folder);
  const browser = await puppeteer.launch({
    executablePath: '/usr/bin/chromium',
    headless: true,
    args: ['--no-sandbox', '--use-gl=swiftshader', '--enable-unsafe-swiftshader'],
    defaultViewport: {width: 1024, height: 768},
  });
  try {
    const page = await browser.newPage();
    await page.setCacheEnabled(false);
    const firsts = [];
    for (let i = 0; i < 3; ++i) {
      await page.goto(server.url);
      await page.waitForFunction(() => window.Module && Module.ostrelWeb && Module.ostrelWeb.firstPaint !== undefined,
                                 {timeout: 30000, polling: 50});
      firsts.push(await page.evaluate(() => Module.ostrelWeb.firstPaint));
    }
    firsts.sort((a, b) => a - b);
    console.log(`navigation to the title's first frame: ${firsts.map((t) => t.toFixed(0)).join(', ')} ms ` +
                `(median ${firsts[1].toFixed(0)} ms)`);

    // The page's start (compiling, syncing the stored files, loading the font) is not the still
    // title's cost: let it settle first.
    await new Promise((done) => setTimeout(done, SETTLE_MS));
    const title = await cpuPercent(browser, Number(seconds));
    await page.goto('about:blank');
    await new Promise((done) => setTimeout(done, SETTLE_MS));
    const blank = await cpuPercent(browser, Number(seconds));
    console.log(`Chromium's CPU over ${seconds} s: still title ${title.toFixed(1)} % of a core, blank page ` +
                `${blank.toFixed(1)} %, difference ${(title - blank).toFixed(1)} %`);
  } finally {
    await browser.close();
    server.close();
  }
}

main().catch((error) => {
  console.error(error);
  process.exitCode = 1;
});
