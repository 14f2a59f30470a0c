// Real Chromium and Firefox through the running proxy (PROXY_PORT): pop-ups
// the page opens on its own are stopped and counted in the window title;
// what the user asks for still opens; pages render as they would directly.
import {after, before, describe, test} from 'node:test';
import assert from 'node:assert/strict';
import http from 'node:http';
import {MARKER, launch, markers, proxyPort, sleep} from './browsers.mjs';
import {startSite} from './site.mjs';

const SETTLE_MS = 600;

for (const kind of ['chromium', 'firefox']) {
  describe(`${kind} through the proxy`, () => {
    let site;
    let browser;
    let origin;

    before(async () => {
      site = await startSite();
      origin = `http://127.0.0.1:${site.address().port}`;
      browser = await launch(kind, false);
    });

    after(async () => {
      await browser?.close();
      site?.close();
    });

    // Loads `page`, lets it run, and returns how many windows it opened and
    // how many markers its title carries.
    async function visit(page, {settle = SETTLE_MS, act} = {}) {
      const tab = await browser.newPage();
      const before = (await browser.pages()).length;
      await tab.goto(`${origin}${page}`, {waitUntil: 'load'});
      if (act) await act(tab);
      await sleep(settle);
      const opened = (await browser.pages()).length - before;
      const title = await tab.title();
      for (const other of await browser.pages()) if (other !== tab) await other.close().catch(() => {});
      await tab.close().catch(() => {});
      return {opened, markers: markers(title), title};
    }

    test('an open while the page loads is stopped and marked', async () => {
      const result = await visit('/load.html');
      assert.equal(result.opened, 0);
      assert.equal(result.markers, 1, result.title);
      assert.match(result.title, /load$/);
    });

    test('an open from a timer is stopped', async () => {
      const result = await visit('/timer.html');
      assert.equal(result.opened, 0);
      assert.equal(result.markers, 1, result.title);
    });

    test('every one of repeated opens leaves a marker', async () => {
      const result = await visit('/repeat.html');
      assert.equal(result.opened, 0);
      assert.equal(result.markers, 3, result.title);
    });

    test('opens from unload handlers are stopped', async () => {
      const tab = await browser.newPage();
      const count = (await browser.pages()).length;
      await tab.goto(`${origin}/unload.html`, {waitUntil: 'load'});
      await tab.goto(`${origin}/target.html`, {waitUntil: 'load'});
      await sleep(SETTLE_MS);
      assert.equal((await browser.pages()).length, count);
      await tab.close();
    });

    test('scripted clicks on new-window links are stopped', async () => {
      const result = await visit('/scripted-link.html');
      assert.equal(result.opened, 0);
      assert.equal(result.markers, 3, result.title);
    });

    test('scripted submissions into a new window are stopped', async () => {
      const result = await visit('/scripted-form.html');
      assert.equal(result.opened, 0);
      assert.ok(result.markers >= 1, result.title);
    });

    test('opens from the page\'s frames are stopped and marked on the window', async () => {
      const result = await visit('/frames.html', {settle: 1000});
      assert.equal(result.opened, 0);
      assert.equal(result.markers, 2, result.title);
    });

    test('page code that uses a stopped window keeps running', async () => {
      const tab = await browser.newPage();
      const errors = [];
      tab.on('pageerror', (error) => errors.push(String(error)));
      await tab.goto(`${origin}/uses-result.html`, {waitUntil: 'load'});
      await sleep(SETTLE_MS);
      assert.equal(await tab.evaluate(() => window.resultUsed === true), true, errors.join('\n'));
      assert.deepEqual(errors, []);
      await tab.close();
    });

    test('a click on a new-window link still opens it', async () => {
      const result = await visit('/user.html', {act: (tab) => tab.click('#link')});
      assert.equal(result.opened, 1);
      assert.equal(result.markers, 0);
    });

    test('window.open in a click handler still opens', async () => {
      const result = await visit('/user.html', {act: (tab) => tab.click('#button')});
      assert.equal(result.opened, 1);
      assert.equal(result.markers, 0);
    });

    test('window.open in a key handler still opens', async () => {
      const result = await visit('/user.html', {
        act: async (tab) => {
          await tab.focus('#field');
          await tab.keyboard.press('a');
        },
      });
      assert.equal(result.opened, 1);
      assert.equal(result.markers, 0);
    });

    test('pages keep the rendering mode they have without the proxy', async () => {
      const direct = await launch(kind, true);
      try {
        for (const page of ['/standards.html', '/quirks.html']) {
          const modes = [];
          for (const b of [browser, direct]) {
            const tab = await b.newPage();
            await tab.goto(`${origin}${page}`, {waitUntil: 'load'});
            modes.push(await tab.evaluate(() => document.compatMode));
            await tab.close();
          }
          assert.equal(modes[0], modes[1], page);
        }
      } finally {
        await direct.close();
      }
    });
  });
}

describe('the page on the wire', () => {
  test('body and Content-Length agree and the script leads the page', async () => {
    const site = await startSite();
    try {
      const target = `http://127.0.0.1:${site.address().port}/standards.html`;
      const {headers, body} = await new Promise((resolve, reject) => {
        const request = http.request({host: '127.0.0.1', port: proxyPort, path: target,
          headers: {Host: new URL(target).host}}, (response) => {
          const chunks = [];
          response.on('data', (chunk) => chunks.push(chunk));
          response.on('end', () => resolve({headers: response.headers, body: Buffer.concat(chunks)}));
        });
        request.on('error', reject);
        request.end();
      });
      assert.equal(Number(headers['content-length']), body.length);
      const text = body.toString('utf8');
      assert.ok(text.startsWith('<!DOCTYPE html><script'), text.slice(0, 80));
      assert.ok(text.includes(MARKER));
    } finally {
      site.close();
    }
  });
});
