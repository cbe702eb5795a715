// Plays every shared scenario in headless Chromium and compares each transcript with the one the
// desktop runners print (lib/scenarios.mjs; engines.mjs does the same in Firefox and WebKit).
//   node scenarios.mjs SITE_DIR SCENARIO_DIR
import path from 'node:path';
import {serve, launch, openCalculator} from './lib/browser.mjs';
import {playScenarios} from './lib/scenarios.mjs';

const [siteDir, scenarioDir] = process.argv.slice(2).map((p) => path.resolve(p));
const site = await serve(siteDir);
const browser = await launch('chromium');
const problems = [];
let failures = 0;
try {
  const page = await openCalculator(browser, site.url, problems);
  failures = await playScenarios((fn, arg) => page.evaluate(fn, arg), scenarioDir, 'chromium');
} finally {
  await browser.close();
  await site.stop();
}
for (const problem of problems) console.log(problem);
process.exit(failures === 0 && problems.length === 0 ? 0 : 1);
