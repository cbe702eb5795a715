// Named checks that report every failure and let the test go on, then set the exit status.
let failures = 0;

export function check(name, ok, detail = '') {
  console.log(`${ok ? 'ok  ' : 'FAIL'} ${name}${ok || !detail ? '' : `\n     ${detail}`}`);
  if (!ok) failures++;
}

// Objects compare whatever the order of their keys (WebDriver hands them back sorted).
const sorted = (key, value) => (value && typeof value === 'object' && !Array.isArray(value)
  ? Object.fromEntries(Object.entries(value).sort(([a], [b]) => (a < b ? -1 : a > b ? 1 : 0)))
  : value);

export function checkEqual(name, actual, expected) {
  const a = JSON.stringify(actual, sorted);
  const e = JSON.stringify(expected, sorted);
  check(name, a === e, `expected ${e}, got ${a}`);
}

export function finish(problems = []) {
  for (const problem of problems) check('no script errors on the page', false, problem);
  process.exit(failures === 0 ? 0 : 1);
}
