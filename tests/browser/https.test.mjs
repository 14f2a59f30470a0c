// Real Chromium and Firefox through the running proxy (PROXY_PORT) to the
// HTTPS origins of tls_site.mjs (HUSH_TLS_DIR), with HTTPS filtering on:
// pages from a verified server are filtered as over HTTP (pop-ups stopped
// and marked, the user's opens kept, standards mode, a 100 MiB file intact)
// under a certificate of the user's authority (HUSH_AUTHORITY); every server
// whose certificate does not verify, or that asks for the user's own, is
// tunnelled blind, so the browser meets the server's certificate and its own
// error. With HUSH_EXCLUDED=localhost the run has that host excluded and
// checks only that its pages are tunnelled blind too.
import {after, before, describe, test} from 'node:test';
import assert from 'node:assert/strict';
import {X509Certificate} from 'node:crypto';
import fs from 'node:fs';
import http from 'node:http';
import path from 'node:path';
import tls from 'node:tls';
import {launch, markers, proxyPort, sleep} from './browsers.mjs';

const dir = process.env.HUSH_TLS_DIR;
const {ports, bigSha256, bigSize} = JSON.parse(fs.readFileSync(path.join(dir, 'origins.json')));
const excluded = process.env.HUSH_EXCLUDED === 'localhost';
const authority = new X509Certificate(fs.readFileSync(process.env.HUSH_AUTHORITY));
const trust = [path.join(dir, 'root.der'), process.env.HUSH_AUTHORITY];
const SETTLE_MS = 600;
const TIMEOUT = {timeout: 60000};

const address = (origin, page = '/standards.html') => `https://localhost:${ports[origin]}${page}`;
// The leaf each origin sends (origins share certificates: name them by file).
const CHAIN = {'client-certificate': 'good'};
const ownLeaf = (origin) => new X509Certificate(
    fs.readFileSync(path.join(dir, `${CHAIN[origin] ?? origin}.chain`)));

// Origins whose certificate the browser must refuse itself: Chromium's
// navigation error, Firefox's error code.
const refused = [
  ['expired', 'ERR_CERT_DATE_INVALID', 'SEC_ERROR_EXPIRED_CERTIFICATE'],
  ['wrong-name', 'ERR_CERT_COMMON_NAME_INVALID', 'SSL_ERROR_BAD_CERT_DOMAIN'],
  ['self-signed', 'ERR_CERT_AUTHORITY_INVALID', 'MOZILLA_PKIX_ERROR_SELF_SIGNED_CERT'],
  ['untrusted', 'ERR_CERT_AUTHORITY_INVALID', 'SEC_ERROR_UNKNOWN_ISSUER'],
  ['no-intermediate', 'ERR_CERT_AUTHORITY_INVALID', 'SEC_ERROR_UNKNOWN_ISSUER'],
  ['not-ca', 'ERR_CERT_INVALID', 'SEC_ERROR_CA_CERT_INVALID'],
];
// Origins with a good certificate that must still reach the browser untouched.
const tunnelled = excluded ? ['good', 'client-certificate'] : ['client-certificate'];

// Pop-up pages and the markers each leaves.
const popups = [['/load.html', 1], ['/timer.html', 1], ['/repeat.html', 3], ['/scripted-link.html', 3],
  ['/frames.html', 2]];

// The leaf certificate a plain TLS client meets at `origin` through the proxy.
function leafThroughProxy(origin) {
  return new Promise((resolve, reject) => {
    const request = http.request({host: '127.0.0.1', port: proxyPort, method: 'CONNECT',
      path: `localhost:${ports[origin]}`, timeout: 10000});
    request.on('timeout', () => request.destroy(new Error('no answer to CONNECT')));
    request.on('error', reject);
    request.on('connect', (response, socket) => {
      if (response.statusCode !== 200) return reject(new Error(`CONNECT: ${response.statusCode}`));
      const secure = tls.connect({socket, servername: 'localhost', rejectUnauthorized: false},
          () => {
            resolve(secure.getPeerX509Certificate());
            secure.destroy();
          });
      secure.setTimeout(10000, () => secure.destroy(new Error('no TLS handshake')));
      secure.on('error', reject);
    });
    request.end();
  });
}

// Chromium: the leaf it received from `origin`, even one it refused.
async function chromiumLeaf(browser, origin) {
  const tab = await browser.newPage();
  const session = await tab.createCDPSession();
  try {
    await session.send('Network.enable');
    await session.send('Security.setIgnoreCertificateErrors', {ignore: true});
    await tab.goto(address(origin), {waitUntil: 'load'});
    const {tableNames} = await session.send('Network.getCertificate',
        {origin: new URL(address(origin)).origin});
    return new X509Certificate(Buffer.from(tableNames[0], 'base64'));
  } finally {
    await session.send('Security.setIgnoreCertificateErrors', {ignore: false});
    await tab.close();
  }
}

// Navigates to a refused origin: the browser's error, and the leaf it was
// shown when the browser can say (Firefox's error page holds the chain).
async function refusal(kind, browser, origin) {
  const tab = await browser.newPage();
  try {
    const error = await tab.goto(address(origin)).then(() => 'loaded', (e) => e.message);
    if (kind === 'chromium') return {error, leaf: await chromiumLeaf(browser, origin)};
    const [code, der] = await tab.evaluate(() => {
      const info = document.getFailedCertSecurityInfo();
      return [info.errorCodeString, info.certChainStrings[0]];
    });
    return {error: code, leaf: new X509Certificate(Buffer.from(der, 'base64'))};
  } finally {
    await tab.close();
  }
}

for (const kind of ['chromium', 'firefox']) {
  describe(`${kind} over HTTPS through the proxy`, () => {
    let browser;
    before(async () => {
      browser = await launch(kind, false, {trust});
    }, TIMEOUT);
    after(async () => {
      await browser?.close();
    }, TIMEOUT);

    async function visit(page, act) {
      const tab = await browser.newPage();
      const count = (await browser.pages()).length;
      await tab.goto(address('good', page), {waitUntil: 'load'});
      if (act) await act(tab);
      await sleep(SETTLE_MS);
      const opened = (await browser.pages()).length - count;
      const title = await tab.title();
      for (const other of await browser.pages()) if (other !== tab) await other.close().catch(() => {});
      await tab.close().catch(() => {});
      return {opened, markers: markers(title), title};
    }

    describe('a verified server', {skip: excluded}, () => {
      for (const [page, wanted] of popups) {
        test(`${page}: pop-ups stopped and marked`, TIMEOUT, async () => {
          const result = await visit(page);
          assert.equal(result.opened, 0);
          assert.equal(result.markers, wanted, result.title);
        });
      }

      test('a click on a new-window link still opens it', TIMEOUT, async () => {
        const result = await visit('/user.html', (tab) => tab.click('#link'));
        assert.deepEqual([result.opened, result.markers], [1, 0]);
      });

      test('the page renders in standards mode', TIMEOUT, async () => {
        const tab = await browser.newPage();
        await tab.goto(address('good'), {waitUntil: 'load'});
        assert.equal(await tab.evaluate(() => document.compatMode), 'CSS1Compat');
        if (kind === 'chromium') {
          const leaf = await chromiumLeaf(browser, 'good');
          assert.ok(leaf.checkIssued(authority) && leaf.verify(authority.publicKey), leaf.issuer);
        }
        await tab.close();
      });

      // The relay is the same whichever browser asks: one download is enough.
      test('100 MiB arrive byte for byte', {timeout: 240000, skip: kind !== 'chromium'}, async (t) => {
        const tab = await browser.newPage();
        await tab.goto(address('good'), {waitUntil: 'load'});
        const start = Date.now();
        // The page reads the file as a stream and counts; the test polls,
        // so a slow relay is told from a stalled one.
        await tab.evaluate(() => {
          window.received = 0;
          fetch('/big.bin').then(async (response) => {
            const reader = response.body.getReader();
            const chunks = [];
            for (let part = await reader.read(); !part.done; part = await reader.read()) {
              chunks.push(part.value);
              window.received += part.value.length;
            }
            const hash = new Uint8Array(await crypto.subtle.digest('SHA-256', await new Blob(chunks).arrayBuffer()));
            window.downloaded = [window.received, Array.from(hash, (b) => b.toString(16).padStart(2, '0')).join('')];
          }).catch((error) => { window.downloaded = [window.received, String(error)]; });
        });
        let result;
        for (let last = -1, since = Date.now(); !(result = await tab.evaluate(() => window.downloaded));) {
          const received = await tab.evaluate(() => window.received);
          if (received !== last) [last, since] = [received, Date.now()];
          assert.ok(Date.now() - since < 30000, `stalled after ${received} bytes`);
          await sleep(500);
        }
        t.diagnostic(`${(bigSize / 1048576 / ((Date.now() - start) / 1000)).toFixed(1)} MiB/s`);
        await tab.close();
        assert.deepEqual(result, [bigSize, bigSha256]);
      });
    });

    describe('a refused certificate', {skip: excluded}, () => {
      for (const [origin, chromiumError, firefoxError] of refused) {
        test(`${origin}: the browser's own error over the server's certificate`, TIMEOUT, async () => {
          const {error, leaf} = await refusal(kind, browser, origin);
          assert.match(error, new RegExp(kind === 'chromium' ? chromiumError : firefoxError));
          assert.equal(leaf.fingerprint256, ownLeaf(origin).fingerprint256, leaf.issuer);
        });
      }
    });

    for (const origin of tunnelled) {
      test(`${origin}: tunnelled blind, the page still loads`, TIMEOUT, async () => {
        const tab = await browser.newPage();
        const response = await tab.goto(address(origin), {waitUntil: 'load'});
        assert.equal(response.status(), 200);
        await tab.close();
        if (kind === 'chromium') {
          const leaf = await chromiumLeaf(browser, origin);
          assert.equal(leaf.fingerprint256, ownLeaf(origin).fingerprint256, leaf.issuer);
        }
      });
    }
  });
}

describe('what a TLS client meets through the proxy', () => {
  for (const origin of excluded ? tunnelled : [...refused.map(([name]) => name), ...tunnelled]) {
    test(`${origin}: the server's own certificate`, TIMEOUT, async () => {
      const leaf = await leafThroughProxy(origin);
      assert.equal(leaf.fingerprint256, ownLeaf(origin).fingerprint256, leaf.issuer);
    });
  }
});
