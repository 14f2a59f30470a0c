// The pages the browser tests load: each one tries a kind of pop-up, or
// lets the test act as the user. Served from 127.0.0.1 and fetched through
// the proxy.
import http from 'node:http';

const OPEN = "window.open('/target.html', '_blank', 'width=300,height=200')";

const pages = {
  '/target.html': '<html><head><title>target</title></head><body>opened</body></html>',
  '/load.html': `<html><head><title>load</title><script>${OPEN};</script></head><body>x</body></html>`,
  '/timer.html': `<html><head><title>timer</title></head><body>
    <script>setTimeout(function () { ${OPEN}; window.done = true; }, 50);</script></body></html>`,
  '/repeat.html': `<html><head><title>repeat</title></head><body>
    <script>for (var i = 0; i < 3; i++) ${OPEN};</script></body></html>`,
  '/unload.html': `<html><head><title>unload</title></head><body>
    <script>
      window.onbeforeunload = function () { ${OPEN}; };
      window.addEventListener('unload', function () { ${OPEN}; });
      window.addEventListener('pagehide', function () { ${OPEN}; });
    </script></body></html>`,
  '/scripted-link.html': `<html><head><title>link</title></head><body>
    <a id="ad" href="/target.html" target="_blank">ad</a>
    <script>
      window.onload = function () {
        document.getElementById('ad').click();
        var hidden = document.createElement('a');
        hidden.href = '/target.html'; hidden.target = 'adwindow';
        hidden.click();
        document.getElementById('ad').dispatchEvent(new MouseEvent('click', {bubbles: true}));
        window.done = true;
      };
    </script></body></html>`,
  '/scripted-form.html': `<html><head><title>form</title></head><body>
    <form id="f" action="/target.html" method="get" target="_blank">
      <input type="hidden" name="q" value="1"><input id="go" type="submit" value="go"></form>
    <script>
      window.onload = function () {
        document.getElementById('f').submit();
        document.getElementById('go').click();
        window.done = true;
      };
    </script></body></html>`,
  '/frames.html': `<html><head><title>frames</title></head><body>
    <iframe src="/frame-child.html"></iframe>
    <script>
      var made = document.createElement('iframe');
      document.body.appendChild(made);
      made.contentWindow.open('/target.html', '_blank');
    </script></body></html>`,
  '/frame-child.html': `<html><head><title>child</title></head><body>
    <script>${OPEN}; parent.childDone = true;</script></body></html>`,
  '/uses-result.html': `<html><head><title>result</title></head><body>
    <script>
      var w = ${OPEN};
      w.document.write('<p>ad</p>'); w.document.close();
      w.focus(); w.moveTo(0, 0); w.resizeTo(10, 10);
      if (!w.closed) w.close();
      window.resultUsed = true;
    </script></body></html>`,
  '/user.html': `<html><head><title>user</title></head><body>
    <a id="link" href="/target.html" target="_blank">link</a>
    <button id="button" onclick="${OPEN}">open</button>
    <input id="field" onkeydown="${OPEN}">
    </body></html>`,
  '/standards.html': '<!DOCTYPE html>\n<html><head><title>standards</title></head><body>s</body></html>',
  '/quirks.html': '<html><head><title>quirks</title></head><body>q</body></html>',
};

// Answers a request with one of the pages; `extra` adds pages of a test
// file's own to the common ones.
export function pageHandler(extra = {}) {
  return (request, response) => {
    const path = request.url.replace(/\?.*$/, '');
    const body = extra[path] ?? pages[path];
    if (body === undefined) {
      response.writeHead(404, {'Content-Type': 'text/plain'});
      response.end('not found');
      return;
    }
    response.writeHead(200, {'Content-Type': 'text/html; charset=utf-8'});
    response.end(body);
  };
}

export function startSite(extra = {}) {
  const server = http.createServer(pageHandler(extra));
  return new Promise((resolve) => {
    server.listen(0, '127.0.0.1', () => resolve(server));
  });
}
