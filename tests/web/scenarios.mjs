// Plays every shared scenario through window.quorvelScenario in headless Chromium and compares
// each transcript with the one the desktop runners print.
//   node scenarios.mjs SITE_DIR SCENARIO_DIR
import fs from 'node:fs';
import path from 'node:path';
import {serve, launch, openCalculator} from './lib/browser.mjs';

const [siteDir, scenarioDir] = process.argv.slice(2).map((p) => path.resolve(p));
const site = await serve(siteDir);
const browser = await launch();
const problems = [];
let failures = 0;
try {
  const page = await openCalculator(browser, site.url, problems);
  const names = fs.readdirSync(scenarioDir).filter((n) => n.endsWith('.scn')).sort();
  for (const name of names) {
    const script = fs.readFileSync(path.join(scenarioDir, name), 'utf8');
    // A scenario that names its bindings on its first line runs only on those.
    const bindings = /^# bindings:([^(\n]*)/.exec(script);
    if (bindings && !bindings[1].split(/\s+/).includes('web')) {
      console.log(`skip ${name} (${bindings[1].trim()})`);
      continue;
    }
    const expectedFile = path.join(scenarioDir, name.replace(/\.scn$/, '.expected'));
    const expected = fs.readFileSync(expectedFile, 'utf8');
    const actual = await page.evaluate((text) => window.quorvelScenario(text), script);
    if (actual === expected) {
      console.log(`ok   ${name}`);
      continue;
    }
    failures++;
    console.log(`FAIL ${name}`);
    const want = expected.split('\n');
    const got = actual.split('\n');
    for (let i = 0; i < Math.max(want.length, got.length); i++) {
      if (want[i] !== got[i]) {
        console.log(`  line ${i + 1}\n  expected: ${want[i] ?? '(none)'}\n  actual:   ${got[i] ?? '(none)'}`);
        break;
      }
    }
  }
  if (names.length === 0) {
    failures++;
    console.log(`no scenarios in ${scenarioDir}`);
  }
} finally {
  await browser.close();
  await site.stop();
}
for (const problem of problems) console.log(problem);
process.exit(failures === 0 && problems.length === 0 ? 0 : 1);
