// A second release of the page, assembled as the build assembles the first from the same
// sources with one line added to page.js: its page, its script and its worker differ, every
// other file is the same. window.quorvelRelease says which release is running.
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import {execFileSync} from 'node:child_process';

export function buildSecondRelease({source, programDir, iconDir, siteScript, terser}) {
  const work = fs.mkdtempSync(path.join(os.tmpdir(), 'quorvel-release-'));
  const secondSource = path.join(work, 'source');
  fs.cpSync(source, secondSource, {recursive: true});
  fs.appendFileSync(path.join(secondSource, 'page.js'), "\nwindow.quorvelRelease = 'second';\n");
  const dir = path.join(work, 'second');
  execFileSync('cmake', [`-DSOURCE=${secondSource}`, `-DPROGRAM=${programDir}`,
                         `-DICONS=${iconDir}`, `-DOUT=${dir}`, '-DVERSION=1.2.0', '-DHOOKS=ON',
                         `-DTERSER=${terser}`, '-P', siteScript]);
  return {dir, remove: () => fs.rmSync(work, {recursive: true, force: true})};
}

// The files of a site folder, as paths on its server.
export function filesOf(dir) {
  const walk = (at) => fs.readdirSync(path.join(dir, at), {withFileTypes: true}).flatMap((e) =>
    (e.isDirectory() ? walk(path.join(at, e.name)) : [`/${path.join(at, e.name)}`]));
  return walk('');
}
