// Real Chromium and Firefox: the ways a page tries to get a pop-up past the
// blocker script. Every case opens a window in the same browser without the
// proxy (the control), and through the proxy it opens none, leaves one
// marker per stopped pop-up and raises no page error. What the user asks
// for still opens, once per gesture.
import {after, before, describe, test} from 'node:test';
import assert from 'node:assert/strict';
import {launch, markers, sleep} from './browsers.mjs';
import {startSite} from './site.mjs';

const TARGET = '/target.html';
const OPEN = `open('${TARGET}', '_blank', 'width=300,height=200')`;
const SETTLE_MS = 300;
const WAIT_MS = 3000;

const html = (body) => `<html><head><title>case</title></head><body>${body}</body></html>`;
const script = (code) => `<script>${code}</script>`;
const FRAME = "var f = document.createElement('iframe');";
const BOX = '<div id="box"></div>';
const LINK = `<a id="ad" href="${TARGET}" target="_blank">ad</a>`;
const FORM = `<form id="form" action="${TARGET}" target="_blank"><input name="q" value="1"></form>`;
const DETACHED_LINK = `var a = document.createElement('a'); a.href = '${TARGET}'; a.target = '_blank';`;
// A page left for another keeps the title it had in the tab's storage.
const LEAVING = script("addEventListener('pagehide', function () { sessionStorage.left = document.title; });");
// The user's press: on page text, or on an empty part of the page.
const clickText = (tab) => tab.click('#text');
const clickEmpty = (tab) => tab.mouse.click(700, 500);
const TEXT = '<p id="text">Some article text the reader clicks to select.</p>';
// Pop-unders that wait for the first press anywhere, each listening on one
// of `listeners` ([where, event, capture]): one press, a window from each.
const popUnders = (...listeners) => TEXT + script(listeners.map(([on, type, capture = false]) =>
  `${on}.addEventListener('${type}', function () { window.${OPEN}; }, ${capture});`).join('\n'));
// A layer over the page that opens on the first press and takes itself away.
const layer = (style, content = '') => TEXT + `<div id="layer" style="position:fixed;z-index:9;${style}"
    onclick="window.${OPEN}; this.remove();">${content}</div>`;
// A page of a frame's own that opens the target by its full address.
const CHILD = '\'<script>open("\' + location.origin + \'/target.html")<\\/script>\'';

// Rows: name, page body, markers wanted (1), the user's act, and a check of
// the page afterwards that returns what went wrong.
const cases = {
  "pop-unders riding the user's press": [
    ['listeners on the body, the document and the window, a press on text', popUnders(
        ['document.body', 'mouseup'], ['document', 'click'], ['window', 'pointerup']), 3, clickText],
    ['listeners on the window and the document, a press on an empty area', popUnders(
        ['window', 'mousedown', true], ['document', 'pointerdown', true], ['document', 'click', true]), 3,
      clickEmpty],
    ['transparent layer over the page', layer('inset:0;opacity:0;background:#fff'), 1, clickText],
    ['clear empty layer over part of the page', layer('left:0;top:0;width:60%;height:60%'), 1,
      clickText],
    ['layer with its content moved off-screen', layer('inset:0',
        '<span style="position:relative;left:-9999px">ad</span>'), 1, clickText],
    ['an ordinary link, and a page-wide listener opening elsewhere',
      '<a id="go" href="/landing.html">read on</a>' + LEAVING + script(
          `document.addEventListener('click', function () { window.${OPEN}; });`), 1,
      (tab) => tab.click('#go'),
      async (tab) => {
        const there = await tab.waitForFunction(() => location.pathname === '/landing.html',
            {timeout: 5000}).then(() => true, () => false);
        return there ? null : `the link did not navigate (${tab.url()})`;
      }],
  ],
  'synthetic clicks on a plain link with a modifier': [
    ['Ctrl, Shift, the middle button', '<a id="plain" href="/landing.html">plain</a>' + script(
        `[{ctrlKey: true}, {shiftKey: true}, {button: 1}].forEach(function (init) {
           init.bubbles = init.cancelable = true;
           plain.dispatchEvent(new MouseEvent('click', init));
         });`), 3],
    ['initMouseEvent with Ctrl', '<a id="plain" href="/landing.html">plain</a>' + script(
        `var e = document.createEvent('MouseEvents');
         e.initMouseEvent('click', true, true, window, 0, 0, 0, 0, 0, true, false, false, false, 0, null);
         plain.dispatchEvent(e);`)],
  ],
  'fresh frames lend their open and built-ins': [
    ['append, frames[n]', script(`${FRAME} document.body.append(f); frames[0].${OPEN};`)],
    ['prepend, window[n]', script(`${FRAME} document.body.prepend(f); window[0].${OPEN};`)],
    ['replaceChildren, contentDocument.defaultView', BOX + script(
        `${FRAME} box.replaceChildren(f); f.contentDocument.defaultView.${OPEN};`)],
    ['insertAdjacentElement, contentWindow', BOX + script(
        `${FRAME} box.insertAdjacentElement('afterend', f); f.contentWindow.${OPEN};`)],
    ['insertAdjacentHTML, window.open of its name', BOX + script(
        `box.insertAdjacentHTML('beforeend', '<iframe name="fresh"></iframe>');
         window.open('', 'fresh').${OPEN};`)],
    ['innerHTML, frames by name', BOX + script(
        `box.innerHTML = '<iframe name="fresh"></iframe>'; frames.fresh.${OPEN};`)],
    ['outerHTML, window[n]', BOX + script(`box.outerHTML = '<iframe></iframe>'; window[0].${OPEN};`)],
    ['document.write, frames[n]', script(`document.write('<iframe></iframe>'); frames[0].${OPEN};`)],
    ['parsed markup, frames[n]', '<iframe></iframe>' + script(`frames[0].${OPEN};`)],
    ["its click on this page's link", LINK + script(
        `${FRAME} document.body.append(f); frames[0].HTMLElement.prototype.click.call(ad);`)],
    ["its click on a detached link", BOX + script(
        `box.innerHTML = '<iframe></iframe>'; ${DETACHED_LINK}
         frames[0].HTMLElement.prototype.click.call(a);`)],
    ["its dispatchEvent on a detached link", script(
        `${FRAME} document.body.prepend(f); ${DETACHED_LINK} var w = frames[0];
         w.EventTarget.prototype.dispatchEvent.call(a, new w.MouseEvent('click'));`)],
    ["its submit on this page's form", FORM + script(
        `${FRAME} document.body.append(f); frames[0].HTMLFormElement.prototype.submit.call(form);`)],
    ["its requestSubmit on this page's form", FORM + script(
        `document.write('<iframe></iframe>');
         frames[0].HTMLFormElement.prototype.requestSubmit.call(form);`)],
  ],
  'frames whose page never passes the proxy': [
    ['srcdoc', script(`${FRAME} f.srcdoc = ${CHILD}; document.body.appendChild(f);`)],
    ['srcdoc in markup', `<iframe srcdoc="<script>open(&quot;${TARGET}&quot;)</script>"></iframe>`],
    ['srcdoc replaced after its first page', script(
        `${FRAME} f.srcdoc = '<p>first</p>';
         f.onload = function () { f.onload = null; f.srcdoc = ${CHILD}; };
         document.body.appendChild(f);`)],
    ['data: address', script(
        `${FRAME} f.src = 'data:text/html,' + encodeURIComponent(${CHILD}); document.body.append(f);`)],
    ['data: address in base64 with a doctype', script(
        `${FRAME} f.src = 'data:text/html;base64,' + btoa('<!DOCTYPE html>' + ${CHILD});
         document.body.appendChild(f);`)],
    ['blob: address', script(
        `${FRAME} f.src = URL.createObjectURL(new Blob([${CHILD}], {type: 'text/html'}));
         document.body.appendChild(f);`)],
    ['javascript: address returning a page', script(
        `${FRAME} f.src = 'javascript:' + JSON.stringify(${CHILD}); document.body.appendChild(f);`)],
    ['javascript: address that opens', script(
        `${FRAME} f.src = 'javascript:void ${OPEN.replace(/'/g, '"')}'; document.body.appendChild(f);`)],
  ],
  'other doors to a new window': [
    ['document.open with three arguments', script(`document.open('${TARGET}', '_blank', 'width=300');`)],
    ["a detached link's click", script(`${DETACHED_LINK} a.click();`)],
    ["a detached link's dispatchEvent", script(`${DETACHED_LINK} a.dispatchEvent(new MouseEvent('click'));`)],
    ['a link aimed by <base target>', `<base target="_blank"><a id="plain" href="${TARGET}">x</a>` +
        script('plain.click();')],
    ["a form's submit button with formtarget", `<form action="${TARGET}"><button id="go"
        formtarget="_blank">go</button></form>` + script('go.click();')],
  ],
  'faked gestures': [
    ['window.event replaced by a click', script(`window.event = {type: 'click', isTrusted: true}; ${OPEN};`)],
    ['window.event made a key press', script(
        `Object.defineProperty(window, 'event', {configurable: true,
           get: function () { return {type: 'keydown', isTrusted: true}; }});
         ${OPEN};`)],
    ['synthetic events of every gesture type', '<button id="b">b</button>' + script(
        `var types = ['mousedown', 'mouseup', 'click', 'keydown', 'keyup', 'pointerdown', 'pointerup',
                      'touchend'];
         types.forEach(function (type) {
           b.addEventListener(type, function () { ${OPEN}; });
           b.dispatchEvent(new Event(type, {bubbles: true}));
         });`), 8],
  ],
};

// What the user presses still opens its window. Rows: name, page body, the
// user's act, markers wanted (0).
const delegated = (root, body) => body + script(`${root}.addEventListener('click', function (e) {
    if (e.target.closest('.opener')) window.${OPEN}; });`);
const DELEGATED_BUTTON = delegated('document', '<button id="b" class="opener">open</button>');
const meant = [
  ['a document listener, a press on its button', DELEGATED_BUTTON, (tab) => tab.click('#b')],
  ['an application root listener, a press inside an element with a button role', delegated('app',
      '<div id="app"><div role="button" class="opener"><span id="inner">open</span></div></div>'),
    (tab) => tab.click('#inner')],
  ['a document listener, a press on an element with a click handler of its own', delegated('document',
      '<div id="card" class="opener">card</div>' + script("card.addEventListener('click', function () {});")),
    (tab) => tab.click('#card')],
  ['a document listener, Enter on its focused button', DELEGATED_BUTTON, async (tab) => {
    await tab.focus('#b');
    await tab.keyboard.press('Enter');
  }],
  ["a link's handler opening its own address and keeping the link from navigating",
    `<a id="own" href="${TARGET}">own</a>` + script(
        "own.onclick = function (e) { window.open(this.href, '_blank', 'width=300'); e.preventDefault(); };"),
    (tab) => tab.click('#own')],
  ['a form with a target', `<form action="${TARGET}" target="_blank"><button id="send">send</button></form>`,
    (tab) => tab.click('#send')],
  ['a new-window link beside a pop-under opening elsewhere', `<a id="blank" href="${TARGET}" target="_blank">new</a>` +
      script(`document.addEventListener('click', function () { window.open('${TARGET}?ad'); });`),
    (tab) => tab.click('#blank'), 1],
  ['Ctrl held on a plain link', `<a id="plain" href="${TARGET}">plain</a>`, async (tab) => {
    await tab.keyboard.down('Control');
    await tab.click('#plain');
    await tab.keyboard.up('Control');
  }],
];

// In a handler attribute a bare open() would be document.open.
const pages = {
  '/late.html': html(`
    <button id="timer" onclick="setTimeout(function () { window.${OPEN}; }, 400)">timer</button>
    <button id="fetch" onclick="fetch('${TARGET}').then(function () { window.${OPEN}; })">fetch</button>
    <button id="burst" onclick="for (var i = 0; i < 3; i++) window.${OPEN};">burst</button>
    <iframe srcdoc="<button id=inside onclick=&quot;window.${OPEN}&quot;>inside</button>"></iframe>`),
  '/landing.html': html('landing'),
  '/uses-stopped.html': html(script(`
    var w = ${OPEN};
    w.document.body.innerHTML = '<p>ad</p>';
    w.document.title = 'ad';
    w.document.write('<p>more</p>');
    w.document.close();
    w.location.href = '${TARGET}';
    window.resultUsed = w.closed === false;`)),
};
meant.forEach(([, body], i) => { pages[`/meant/${i}`] = html(body); });
for (const [group, rows] of Object.entries(cases)) {
  rows.forEach(([, body], i) => { pages[`/case/${encodeURIComponent(group)}/${i}`] = html(body); });
}

for (const kind of ['chromium', 'firefox']) {
  describe(`${kind}: pop-ups that try to slip past`, () => {
    let site;
    let origin;
    let proxied;
    let direct;
    const tabs = new Map();

    before(async () => {
      site = await startSite(pages);
      origin = `http://127.0.0.1:${site.address().port}`;
      [proxied, direct] = await Promise.all([launch(kind, false), launch(kind, true)]);
      for (const browser of [proxied, direct]) tabs.set(browser, await browser.newPage());
    });

    after(async () => {
      await Promise.all([proxied?.close(), direct?.close()]);
      site?.close();
    });

    // Loads `path` in the browser's one tab, lets `act` play the user, and
    // waits until `done` holds (or WAIT_MS pass), then SETTLE_MS more unless
    // `quick`. New windows are closed again before it returns.
    async function visit(browser, path, {act, done, quick = false}) {
      const tab = tabs.get(browser);
      const known = new Set(await browser.pages());
      const errors = [];
      let popups = [];
      const onError = (error) => errors.push(String(error));
      const state = {opened: 0, markers: 0, errors, title: '', left: ''};
      const look = async () => {
        // Windows, not frames: Firefox reports a target for every frame too.
        popups = (await browser.pages()).filter((page) => !known.has(page));
        state.opened = popups.length;
        state.addresses = popups.map((popup) => popup.url());
        state.title = await tab.title().catch(() => state.title);
        if (!tab.url().endsWith(path)) {
          // The title of the page the user's link led away from (see LEAVING).
          state.left = await tab.evaluate(() => sessionStorage.getItem('left')).catch(() => null) ?? state.left;
        }
        state.markers = Math.max(state.markers, markers(state.title), markers(state.left));
      };
      tab.on('pageerror', onError);
      try {
        await tab.goto(`${origin}${path}`, {waitUntil: 'load', timeout: 10000});
        await tab.evaluate(() => sessionStorage.removeItem('left'));
        if (act) await act(tab);
        const deadline = Date.now() + WAIT_MS;
        for (await look(); !done(state) && Date.now() < deadline; await look()) await sleep(50);
        if (!quick) {
          await sleep(SETTLE_MS);
          await look();
        }
        return state;
      } finally {
        tab.off('pageerror', onError);
        for (const popup of popups) await popup.close().catch(() => {});
      }
    }

    // Each case opens a window without the proxy and is stopped and marked
    // through it; failures are gathered so that one run names them all.
    async function stoppedEverywhere(group) {
      const failures = [];
      for (const [i, [name, , wanted = 1, act, check]] of cases[group].entries()) {
        const path = `/case/${encodeURIComponent(group)}/${i}`;
        const [control, result] = await Promise.all([
          visit(direct, path, {act, done: (s) => s.opened > 0, quick: true}),
          visit(proxied, path, {act, done: (s) => s.markers >= wanted || s.opened > 0}),
        ]);
        if (control.opened < 1) failures.push(`${name}: opens nothing even without the proxy`);
        if (result.opened || result.markers !== wanted || result.errors.length) {
          failures.push(`${name}: ${result.opened} opened, ${result.markers} of ${wanted} markers` +
                        (result.errors.length ? `, errors ${result.errors.join('; ')}` : ''));
        }
        const wrong = check && await check(tabs.get(proxied));
        if (wrong) failures.push(`${name}: ${wrong}`);
      }
      assert.deepEqual(failures, []);
    }

    for (const group of Object.keys(cases)) {
      // Firefox leaves a link in place on a synthetic click with a modifier.
      if (kind === 'firefox' && group.includes('modifier')) continue;
      test(`${group}: stopped and marked`, () => stoppedEverywhere(group));
    }

    test('page code using a stopped window keeps running: stopped and marked', async () => {
      const [control, result] = await Promise.all([
        visit(direct, '/uses-stopped.html', {done: (s) => s.opened > 0, quick: true}),
        visit(proxied, '/uses-stopped.html', {done: (s) => s.markers >= 1 || s.opened > 0}),
      ]);
      assert.ok(control.opened >= 1, 'opens nothing even without the proxy');
      const used = await tabs.get(proxied).evaluate(() => window.resultUsed);
      assert.deepEqual(result.errors, []);
      assert.equal(used, true);
      assert.equal(result.opened, 0);
      assert.equal(result.markers, 1, result.title);
    });

    test('a click still opens its window after a timer, a network answer, or in a srcdoc frame',
        async () => {
          const inFrame = (tab) => tab.frames().find((frame) => frame.url() === 'about:srcdoc');
          for (const [button, where] of [['#timer'], ['#fetch'], ['#inside', inFrame]]) {
            const result = await visit(proxied, '/late.html', {
              act: (tab) => (where ? where(tab) : tab).click(button), done: (s) => s.opened > 0,
            });
            assert.equal(result.opened, 1, button);
            assert.equal(result.markers, 0, button);
          }
        });

    test('what the user presses opens its one window, also through a listener on the page', async () => {
      const failures = [];
      for (const [i, [name, , act, wanted = 0]] of meant.entries()) {
        const result = await visit(proxied, `/meant/${i}`, {
          act, done: (s) => s.opened > 0 && s.markers >= wanted && !s.addresses.includes('about:blank'),
          quick: true,
        });
        if (result.addresses.some((address) => address.endsWith('?ad'))) {
          failures.push(`${name}: the pop-under opened instead`);
        } else if (result.opened !== 1 || result.markers !== wanted || result.errors.length) {
          failures.push(`${name}: ${result.opened} opened, ${result.markers} of ${wanted} markers` +
                        (result.errors.length ? `, errors ${result.errors.join('; ')}` : ''));
        }
      }
      assert.deepEqual(failures, []);
    });

    test('one click opens one window: the rest of a burst is stopped and marked', async () => {
      const result = await visit(proxied, '/late.html', {
        act: (tab) => tab.click('#burst'), done: (s) => s.opened > 0 && s.markers >= 2,
      });
      assert.equal(result.opened, 1);
      assert.equal(result.markers, 2, result.title);
    });
  });
}
