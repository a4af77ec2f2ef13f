// The game's web page in Debian's headless Chromium, as a player meets it:
// the intro, the main menu, "Thrust" with a typed program, a win with its
// completion screen, a reload that keeps the medal, and a mission file picked
// on the page that joins the Custom Missions. Prints the time to
// the first frame, the frames per second during the run and the download
// size, and keeps a screenshot of each step.
// usage: node browser-checks.js SITE_FOLDER SCREENSHOT_FOLDER
'use strict';
const fs = require('fs');
const path = require('path');
const { chromium } = require('playwright-core');
const { serve } = require('../../web/serve');

const [site, shots] = process.argv.slice(2);
const chromiumFlags = ['--headless=new', '--use-angle=swiftshader', '--enable-unsafe-swiftshader',
  '--no-sandbox', '--disable-background-networking', '--disable-component-update', '--disable-sync',
  '--no-first-run'];
const failures = [];
function check(ok, what) {
  console.log(`${ok ? 'ok' : 'FAILED'}: ${what}`);
  if (!ok) failures.push(what);
}
const pause = (ms) => new Promise((done) => setTimeout(done, ms));

// Pixels of the canvas in a screenshot that pass `test`, counted in the page
// itself (it decodes PNG); the rectangle is in fractions of the canvas.
async function count(page, shot, rect, test) {
  return page.evaluate(async ({ png, rect, test }) => {
    const bitmap = await createImageBitmap(new Blob([Uint8Array.from(atob(png), (c) => c.charCodeAt(0))]));
    const canvas = new OffscreenCanvas(bitmap.width, bitmap.height);
    const context = canvas.getContext('2d');
    context.drawImage(bitmap, 0, 0);
    const x = Math.round(rect[0] * bitmap.width), y = Math.round(rect[1] * bitmap.height);
    const w = Math.round((rect[2] - rect[0]) * bitmap.width), h = Math.round((rect[3] - rect[1]) * bitmap.height);
    const pixels = context.getImageData(x, y, w, h).data;
    const passes = new Function('r', 'g', 'b', 'return ' + test);
    let n = 0;
    for (let i = 0; i < pixels.length; i += 4) if (passes(pixels[i], pixels[i + 1], pixels[i + 2])) n++;
    return n;
  }, { png: shot.toString('base64'), rect, test });
}
const bright = 'r + g + b > 180';
const gold = 'r > 190 && g > 140 && b < 110 && r - b > 120';

async function snap(page, name) {
  const shot = await page.locator('#canvas').screenshot();
  fs.writeFileSync(path.join(shots, `web-${name}.png`), shot);
  return shot;
}

async function key(page, keys, ms = 600) {
  for (const k of keys.split(' ')) await page.keyboard.press(k);
  await pause(ms);
}

// Waits up to 20 s for a run to end on the completion screen with its gold medal.
async function awaitGoldCompletion(page) {
  let picture, won = false;
  for (let attempt = 0; attempt < 40 && !won; attempt++) {
    await pause(500);
    picture = await page.locator('#canvas').screenshot();
    won = await count(page, picture, [0.25, 0.1, 0.75, 0.9], gold) > 2000;
  }
  return { picture, won };
}

async function start(page, address) {
  const begun = Date.now();
  await page.goto(address);
  await page.waitForFunction(() => window.Module && Module.frames > 0, null, { timeout: 120000 });
  return Date.now() - begun;
}

// A mission file picked on the page joins the Custom Missions after a
// reload and flies; one whose title is the campaign's is listed greyed with
// why; one the page cannot take is turned away on the page.
async function checkMissionPicker(page, address, said) {
  const mission = fs.readFileSync(path.join(__dirname, '../../custom-missions/supply_run.toml'));
  const picked = (name, text) => ({ name, mimeType: 'application/toml', buffer: Buffer.from(text) });
  const status = () => page.locator('#mission-status').textContent();
  const flushes = await page.evaluate(() => Module.flushes);
  await page.setInputFiles('#mission-file', picked('supply_run.toml', mission));
  await page.waitForFunction((n) => Module.flushes > n, flushes, { timeout: 20000 }).catch(() => {});
  check(await status() === 'supply_run.toml is added to the Custom Missions: reload the page to play it.',
        'a picked mission file is added');
  const copied = String(mission).replace('title = "Supply Run"', 'title = "Thrust"');
  await page.setInputFiles('#mission-file', picked('thrust_copy.toml', copied));
  await page.setInputFiles('#mission-file', picked('notes.txt', 'title = "Away"'));
  check(await status() === 'Not added: a mission is a .toml file of at most 64 KiB with a plain name.',
        'a file that is no .toml is turned away on the page');
  await page.waitForFunction((n) => Module.flushes > n + 1, flushes, { timeout: 20000 }).catch(() => {});

  said.length = 0;
  await start(page, address);
  await pause(1000);
  await key(page, 'Space');
  await key(page, 'ArrowDown ArrowDown ArrowDown ArrowDown Enter', 800);  // "Custom Missions"
  const menu = await snap(page, 'custom-missions');
  check(said.includes("ERROR: /saves/custom-missions/thrust_copy.toml:2: title: 'Thrust' is the title of a built-in mission"),
        'the game refuses the picked copy of a campaign title');
  check(await count(page, menu, [0.3, 0.4, 1, 0.7], 'r > 150 && r - g > 60 && r - b > 60') > 200,
        'the Custom Missions menu shows the refused file in red');
  await key(page, 'ArrowDown Enter');  // the briefing of "Supply Run"
  await key(page, 'Enter', 800);       // "Accept"
  await key(page, 'w', 500);
  await key(page, '5 8 1', 300);
  await key(page, 't', 500);
  await key(page, '2 7 1', 300);
  await key(page, 'Enter', 300);  // run
  await key(page, 'Space', 0);    // turbo
  const completion = await awaitGoldCompletion(page);
  fs.writeFileSync(path.join(shots, 'web-custom-completion.png'), completion.picture);
  check(completion.won, 'the picked "Supply Run" flies from the Custom Missions menu and wins gold');
}

async function main() {
  fs.mkdirSync(shots, { recursive: true });
  let server;
  const address = await new Promise((ready) => { server = serve(site, 0, (s, a) => ready(a)); });
  const browser = await chromium.launch({ executablePath: '/usr/bin/chromium', args: chromiumFlags });
  try {
    const page = await browser.newPage({ viewport: { width: 1400, height: 1000 } });
    const said = [];
    page.on('console', (message) => said.push(message.text()));
    page.on('pageerror', (error) => check(false, `no error on the page: ${error.message}`));
    const saidOnce = async (text, ms = 20000) => {
      for (let waited = 0; waited < ms && !said.includes(text); waited += 100) await pause(100);
      return said.includes(text);
    };

    const firstFrame = await start(page, address);
    await pause(1500);
    const intro = await snap(page, 'intro');
    check(await count(page, intro, [0, 0, 0.5, 1], bright) > 100 &&
          await count(page, intro, [0.5, 0, 1, 1], bright) > 100, 'the intro draws its points on both halves');

    await key(page, 'Space');
    const menu = await snap(page, 'main-menu');
    check(await count(page, menu, [0.3, 0.4, 0.7, 0.5], bright) > 300, 'the main menu shows its entries');

    await key(page, 'Enter');  // "Cadet Missions"
    const missions = await snap(page, 'mission-menu');
    const goldBefore = await count(page, missions, [0, 0, 0.5, 1], gold);
    await key(page, 'ArrowDown Enter');  // the briefing of "Thrust"
    await key(page, 'Enter', 800);       // "Accept"
    await key(page, 't', 500);
    await key(page, '5 9', 500);
    await snap(page, 'thrust-program');
    check(said.includes('Loading game.'), 'the game read its save folder');

    const framesBefore = await page.evaluate(() => Module.frames);
    const runBegun = Date.now();
    await key(page, 'Enter', 300);  // run
    await key(page, 'Space', 0);    // turbo
    const completion = await awaitGoldCompletion(page);
    const fps = ((await page.evaluate(() => Module.frames)) - framesBefore) / ((Date.now() - runBegun) / 1000);
    fs.writeFileSync(path.join(shots, 'web-completion.png'), completion.picture);
    check(completion.won, 'Thrust 59 wins: the completion screen shows the gold medal');

    const flushes = await page.evaluate(() => Module.flushes);
    await key(page, 'Enter', 300);  // dismiss: the game saves
    check(await saidOnce('Saving game.'), 'the game saves after the win');
    await page.waitForFunction((n) => Module.flushes > n, flushes, { timeout: 20000 }).catch(() => {});
    check(await page.evaluate((n) => Module.flushes > n, flushes), 'the save reaches the browser storage');
    await key(page, 'Escape', 800);
    const after = await snap(page, 'mission-menu-won');
    check(await count(page, after, [0, 0, 0.5, 1], gold) > goldBefore + 100, 'the mission menu shows the medal');

    said.length = 0;
    await start(page, address);
    await pause(1000);
    await key(page, 'Space');
    await key(page, 'Enter', 800);
    const reloaded = await snap(page, 'mission-menu-reloaded');
    check(said.includes('Loading game.') && !said.some((line) => line.startsWith('ERROR: Failed to open file for loading game')),
          'after a reload the game reads the kept save');
    check(await count(page, reloaded, [0, 0, 0.5, 1], gold) > goldBefore + 100, 'after a reload the medal is still shown');

    await checkMissionPicker(page, address, said);

    const bytes = fs.readdirSync(site).reduce((sum, name) => sum + fs.statSync(path.join(site, name)).size, 0);
    console.log(`browser figures: first frame ${(firstFrame / 1000).toFixed(1)} s after the page was asked for;` +
      ` ${fps.toFixed(0)} frames per second during the run; download ${(bytes / 1048576).toFixed(2)} MiB`);
  } finally {
    await browser.close();
    server.close();
  }
  console.log(`browser checks: ${failures.length === 0 ? 'all passed' : failures.length + ' FAILED'}`);
  process.exit(failures.length === 0 ? 0 : 1);
}

main().catch((error) => {
  console.log(`FAILED: ${error.stack}`);
  process.exit(1);
});
