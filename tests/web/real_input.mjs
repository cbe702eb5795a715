// The web page used as a user uses it: real mouse clicks, keypad keys with NumLock on, Delete,
// Tab and the arrow keys, a tap on a touch screen, a failing calculation by keypad = that opens
// exactly one box, and a box that takes the keys while it is open.
//   node real_input.mjs SITE_DIR
import path from 'node:path';
import {serve, launch, openCalculator} from './lib/browser.mjs';
import {check, checkEqual, finish} from './lib/checks.mjs';

const site = await serve(path.resolve(process.argv[2]));
const browser = await launch();
const problems = [];

// Keys as a keyboard sends them; keypad keys with NumLock on carry their digit.
const KEYPAD = {
  Numpad0: ['0', 96], Numpad1: ['1', 97], Numpad2: ['2', 98], Numpad3: ['3', 99],
  Numpad4: ['4', 100], Numpad5: ['5', 101], Numpad6: ['6', 102], Numpad7: ['7', 103],
  Numpad8: ['8', 104], Numpad9: ['9', 105], NumpadAdd: ['+', 107], NumpadSubtract: ['-', 109],
  NumpadMultiply: ['*', 106], NumpadDivide: ['/', 111], NumpadEqual: ['=', 146],
};

try {
  // A large touch screen, on which the designed window is a finger's size (smaller ones get the
  // phone layout, tested by phone.mjs).
  const page = await openCalculator(browser, site.url, problems,
                                    {width: 1920, height: 1080, hasTouch: true});
  const cdp = await page.createCDPSession();
  await page.evaluate(() => {
    window.boxesOpened = 0;
    new MutationObserver(() => {
      if (document.getElementById('box').open) window.boxesOpened++;
    }).observe(document.getElementById('box'), {attributes: true, attributeFilter: ['open']});
  });

  const state = () => page.evaluate(() => {
    const captions = {};
    for (const label of document.querySelectorAll('.label')) {
      captions[label.dataset.name] = label.dataset.caption;
    }
    const box = document.getElementById('box');
    return {
      captions,
      focus: document.activeElement?.dataset?.name ?? '',
      box: box.open ? {title: box.querySelector('.title-bar').textContent,
                       text: document.getElementById('box-text').textContent,
                       icon: box.querySelector('.box-icon').className} : null,
      boxes: window.boxesOpened,
      // The live region ends every other message in an unheard space.
      said: document.getElementById('announcements').textContent.replace(/\u00A0$/, ''),
      active: [...document.querySelectorAll('.label')]
        .filter((l) => getComputedStyle(l).backgroundColor === 'rgb(128, 255, 128)')
        .map((l) => l.dataset.name),
    };
  });
  const centre = (selector) => page.evaluate((s) => {
    const r = document.querySelector(s).getBoundingClientRect();
    return {x: r.left + r.width / 2, y: r.top + r.height / 2};
  }, selector);
  const click = async (name) => {
    const {x, y} = await centre(`[data-name="${name}"]`);
    await page.mouse.click(x, y);
  };
  const clickOption = async (name) => {
    const {x, y} = await centre(`label:has([data-name="${name}"])`);
    await page.mouse.click(x, y);
  };
  const keypad = async (code) => {
    const [key, vk] = KEYPAD[code];
    const common = {code, key, windowsVirtualKeyCode: vk, nativeVirtualKeyCode: vk, location: 3};
    await cdp.send('Input.dispatchKeyEvent', {type: 'keyDown', text: key, ...common});
    await cdp.send('Input.dispatchKeyEvent', {type: 'keyUp', ...common});
  };
  const keypadText = async (digits) => {
    for (const digit of digits) await keypad(`Numpad${digit}`);
  };
  // The live region is written on the next frame.
  const said = async () => {
    await page.evaluate(() => new Promise((resolve) => requestAnimationFrame(() => setTimeout(resolve, 0))));
    return (await state()).said;
  };

  let s = await state();
  checkEqual('at start the focus is on 全て消す', s.focus, 'Command2');
  checkEqual('at start the first whole part is the active field', s.active, ['Label9']);

  // 1 1/2 ＋ 2/3 by the mouse.
  for (const name of ['Command5', 'Command20', 'Command5', 'Command19', 'Command6', 'Command14',
                      'Command20', 'Command6', 'Command19', 'Command7', 'Command1']) {
    await click(name);
  }
  s = await state();
  checkEqual('1 1/2 ＋ 2/3 by mouse clicks is 2 1/6',
             [s.captions.Label6, s.captions.Label2, s.captions.Label1], ['2', '1', '6']);
  checkEqual('a clicked button takes the focus', s.focus, 'Command1');
  checkEqual('the result is said', await said(), '答え 2と6分の1');

  await clickOption('Option6');
  s = await state();
  checkEqual('a click on 仮分数 shows 13/6',
             [s.captions.Label6, s.captions.Label2, s.captions.Label1], ['', '13', '6']);
  checkEqual('the clicked option takes the focus', s.focus, 'Option6');
  checkEqual('the improper fraction is said', await said(), '答え 6分の13');
  await clickOption('Option5');

  await click('Command20');
  await click('Label9');
  s = await state();
  checkEqual('a click on an entry field makes it active', s.active, ['Label9']);
  checkEqual('a click on an entry field leaves the focus on the button', s.focus, 'Command20');

  // Keypad keys with NumLock on, and Delete.
  await click('Command2');
  await keypadText('17');
  checkEqual('keypad digits with NumLock on go into the active field', (await state()).captions.Label9, '17');
  checkEqual('the field and its digits are said', await said(), '一つ目の数の整数部分 17');
  await page.keyboard.press('Delete');
  checkEqual('Delete empties the active field', (await state()).captions.Label9, '');
  checkEqual('the emptied field is said', await said(), '一つ目の数の整数部分 空');
  await cdp.send('Input.dispatchKeyEvent', {type: 'keyDown', code: 'Numpad7', key: 'Home',
                                            windowsVirtualKeyCode: 36, location: 3});
  await cdp.send('Input.dispatchKeyEvent', {type: 'keyUp', code: 'Numpad7', key: 'Home',
                                            windowsVirtualKeyCode: 36, location: 3});
  checkEqual('keypad 7 with NumLock off types nothing', (await state()).captions.Label9, '');
  await keypadText('4');
  await keypad('NumpadAdd');
  s = await state();
  checkEqual('keypad ＋ chooses the operator', s.captions.Label3, '＋');
  checkEqual('the operator is said', await said(), '計算記号 たす、二つ目の数の整数部分 空');

  // A failing calculation by keypad =: one box, which takes the keys until it is closed.
  const saidBefore = await said();
  await keypad('NumpadEqual');
  s = await state();
  checkEqual('keypad = on a missing numerator opens one box', s.boxes, 1);
  checkEqual('the box is the error box',
             s.box && [s.box.title, s.box.icon], ['エラーメッセージ', 'box-icon error']);
  await keypad('Numpad9');
  await click('Command5');
  s = await state();
  checkEqual('keys and clicks while the box is open do not reach the window',
             [s.captions.Label9, s.captions.Label12, s.box !== null], ['4', '', true]);
  await page.keyboard.press('Tab');
  await page.keyboard.down('Shift');
  await page.keyboard.press('Tab');
  await page.keyboard.up('Shift');
  checkEqual('Tab and Shift+Tab keep the focus on the box’s OK',
             await page.evaluate(() => document.activeElement.id), 'box-ok');
  await page.keyboard.press('Enter');
  s = await state();
  checkEqual('Enter closes the box, and only the one box was opened', [s.box, s.boxes], [null, 1]);
  checkEqual('the focus goes back where it was', s.focus, 'Command2');
  checkEqual('nothing is said for a box', await said(), saidBefore);
  await page.keyboard.press('Enter');
  checkEqual('Enter does not press the focused button (no default button)',
             (await state()).captions.Label9, '4');

  // Tab walks the buttons as in the desktop window and wraps round; the arrows move the option.
  await click('Command2');
  await page.keyboard.press('Tab');
  await page.keyboard.press('Tab');
  checkEqual('two Tabs from 全て消す reach 帯分数', (await state()).focus, 'Option5');
  await page.keyboard.press('ArrowDown');
  s = await state();
  checkEqual('Down in the group selects 仮分数', [s.focus, await page.$eval('[data-name=Option6]', (e) => e.checked)], ['Option6', true]);
  await page.keyboard.press('ArrowLeft');
  checkEqual('Left in the group selects 帯分数 again', (await state()).focus, 'Option5');
  await page.keyboard.down('Shift');
  for (let i = 0; i < 3; i++) await page.keyboard.press('Tab');
  await page.keyboard.up('Shift');
  checkEqual('Shift+Tab from 帯分数 goes back to 全て消す and wraps round to -/+', (await state()).focus, 'Command24');
  await page.keyboard.press('Tab');
  checkEqual('Tab from -/+ wraps round to 全て消す', (await state()).focus, 'Command2');

  // A tap on a touch screen; two quick taps are two digits, not a zoom.
  const eight = await centre('[data-name="Command12"]');
  await page.touchscreen.tap(eight.x, eight.y);
  await page.touchscreen.tap(eight.x, eight.y);
  checkEqual('two quick taps on 8 type 88', (await state()).captions.Label9, '88');
  checkEqual('the page takes no double-tap zoom',
             await page.evaluate(() => getComputedStyle(document.body).touchAction), 'manipulation');

  // The longest number stays readable inside its field.
  await click('Command2');
  await keypadText('2147483647');
  const fit = await page.evaluate(() => {
    const label = document.querySelector('[data-name="Label9"]');
    const ink = label.querySelector('.ink');
    const l = label.getBoundingClientRect();
    const range = document.createRange();
    range.selectNodeContents(ink);
    const i = range.getBoundingClientRect();
    return {shown: ink.textContent, title: label.title,
            inside: i.left >= l.left - 0.5 && i.right <= l.right + 0.5};
  });
  check('a ten-digit whole part is drawn inside its field', fit.inside, JSON.stringify(fit));
  check('it is shortened at its end, sign and leading digits kept',
        fit.shown.endsWith('…') && '2147483647'.startsWith(fit.shown.slice(0, -1)), fit.shown);
  checkEqual('its tooltip is the whole number', fit.title, '2147483647');
  const tree = await page.accessibility.snapshot({interestingOnly: false});
  const named = [];
  const walk = (node) => {
    if (node.role === 'button' || node.role === 'radio') named.push(node.name);
    for (const child of node.children ?? []) walk(child);
  };
  walk(tree);
  check('a screen reader hears the whole number, not the shortened one, with what the field is',
        named.includes('一つ目の数の整数部分 2147483647（入力中）'), JSON.stringify(named));
  check('an empty field is named by what it is',
        named.includes('一つ目の数の分子 空'), JSON.stringify(named));
  check('every button and option has a name', named.every((name) => name), JSON.stringify(named));
  check('a screen reader hears each button and option by its caption, an operator also by its word',
        ['計算', '全て消す', '－ ひく', '÷ わる', '帯分数', '仮分数'].every((name) => named.includes(name)),
        JSON.stringify(named));

  // The version box by the menu, closed by a click on OK.
  await click('FileBer');
  s = await state();
  checkEqual('バージョン情報 shows the version box',
             s.box && [s.box.title, s.box.text.split('\n')[0], s.box.icon],
             ['バージョン情報', 'Quorvel２ver1.2.0', 'box-icon information']);
  await page.click('#box-ok');
  s = await state();
  checkEqual('a click on OK closes the box', s.box, null);
  await click('FileBer');
  await page.keyboard.press('Escape');
  checkEqual('Escape closes the box too', (await state()).box, null);
  checkEqual('the menu command leaves the focus where it was', s.focus, 'Command2');
  // From the keyboard: Alt, then → to バージョン情報 and Enter; Escape answers the box and the
  // focus is back on the button.
  await page.keyboard.press('Alt');
  checkEqual('Alt reaches the menu bar', (await state()).focus, 'FileExit');
  await page.keyboard.press('ArrowRight');
  await page.keyboard.press('Enter');
  checkEqual('Enter on バージョン情報 shows the box', (await state()).box?.title, 'バージョン情報');
  await page.keyboard.press('Escape');
  s = await state();
  checkEqual('after the box the focus is back on the button', [s.box, s.focus], [null, 'Command2']);
  await page.keyboard.press('F10');
  await page.keyboard.press('Escape');
  checkEqual('F10 and Escape go to the menu and back', (await state()).focus, 'Command2');

  // On a phone held upright and a tablet held sideways, the whole window is on the screen.
  for (const screen of [{width: 390, height: 844}, {width: 1180, height: 820}]) {
    const small = await openCalculator(browser, site.url, problems,
                                       {...screen, hasTouch: true, isMobile: true});
    const placed = await small.evaluate(() => {
      const r = document.getElementById('window').getBoundingClientRect();
      return {inside: r.left >= 0 && r.top >= 0 && r.right <= innerWidth && r.bottom <= innerHeight,
              pageWidth: document.documentElement.scrollWidth, screenWidth: innerWidth};
    });
    check(`on a ${screen.width} × ${screen.height} screen the window fits, the page no wider`,
          placed.inside && placed.pageWidth === screen.width && placed.screenWidth === screen.width,
          JSON.stringify(placed));
    await small.close();
  }

  // 終了: the window goes, the page says so and takes no more input.
  await click('Command3');
  const ended = await page.evaluate(() => ({
    note: document.querySelector('.ended')?.textContent ?? '',
    clientHidden: getComputedStyle(document.querySelector('.client')).visibility === 'hidden',
  }));
  check('終了 ends the calculator and the page says so',
        ended.clientHidden && ended.note.includes('終了しました'), JSON.stringify(ended));
  await keypad('Numpad5');
  checkEqual('after 終了 a key does nothing', (await state()).captions.Label9, '2147483647');
} finally {
  await browser.close();
  await site.stop();
}
finish(problems);
