// Plays every shared scenario through window.quorvelScenario and compares each transcript with
// the one the desktop runners print. Where an engine draws differently, NAME.ENGINE.expected
// holds what it shows instead (Firefox's synthetic bold is wider, so fewer digits fit at the
// smallest size). UPDATE=1 writes those files. Returns the number of failures.
import fs from 'node:fs';
import path from 'node:path';

export async function playScenarios(evaluate, scenarioDir, engine) {
  let failures = 0;
  const names = fs.readdirSync(scenarioDir).filter((n) => n.endsWith('.scn')).sort();
  for (const name of names) {
    const script = fs.readFileSync(path.join(scenarioDir, name), 'utf8');
    // A scenario that names its bindings on its first line runs only on those.
    const bindings = /^# bindings:([^(\n]*)/.exec(script);
    if (bindings && !bindings[1].split(/\s+/).includes('web')) {
      console.log(`skip ${name} (${bindings[1].trim()})`);
      continue;
    }
    const own = path.join(scenarioDir, name.replace(/\.scn$/, `.${engine}.expected`));
    const shared = path.join(scenarioDir, name.replace(/\.scn$/, '.expected'));
    const expected = fs.readFileSync(fs.existsSync(own) ? own : shared, 'utf8');
    const actual = await evaluate((text) => window.quorvelScenario(text), script);
    if (actual === expected) {
      console.log(`ok   ${name} (${engine})`);
      continue;
    }
    if (process.env.UPDATE === '1') {
      fs.writeFileSync(own, actual);
      console.log(`wrote ${path.basename(own)}`);
      continue;
    }
    failures++;
    console.log(`FAIL ${name} (${engine})`);
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
  return failures;
}
