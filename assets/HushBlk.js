<script type="text/javascript">
/* Hushwall pop-up blocker. The proxy puts this in front of every page.
   Pop-up windows that the page opens without the user asking are stopped;
   each one puts the marker at the start of the window title, where the
   Hushwall tray program counts it. What the user asks for (a click or a
   key press) opens as usual. Written for every browser back to IE 6: no
   let, const, arrow functions or classes. The two-character slot below
   receives the alert-sound statement when the program prepares the file;
   a literal percent sign would be written as two. */
(function (win) {
  var MARKER = "@HUSH_WEB_SITE@ Catch Another Popup";
  var GESTURES = { click: 1, dblclick: 1, mouseup: 1, mousedown: 1, keydown: 1,
                   keyup: 1, keypress: 1, touchend: 1, pointerup: 1, submit: 1 };
  if (win.__hushwall) return;
  win.__hushwall = true;

  var nativeOpen = win.open;
  var gestureDepth = 0;
  var pendingBeforeTitle = 0;

  function playAlert() {
    try { %s } catch (e) {}
  }

  function topDocument() {
    try { if (win.top && win.top.document) return win.top.document; } catch (e) {}
    return null;
  }

  /* Setting the title before the page's own <title> has been read makes a
     title element of ours; that one is taken away again once the page's
     own is there (see restoreEarlyMarkers). */
  var earlyTitle = null;

  function addMarker(doc) {
    var early = !doc.getElementsByTagName("title").length;
    doc.title = MARKER + (doc.title || "");
    if (early && doc === document) {
      pendingBeforeTitle++;
      earlyTitle = doc.getElementsByTagName("title")[0] || null;
    }
  }

  /* One stopped pop-up: one marker on the browser window's title. A frame
     that may not touch the top page asks it to add the marker. */
  function reportStopped() {
    playAlert();
    var doc = topDocument();
    if (doc) {
      try { addMarker(doc); return; } catch (e) {}
    }
    try { win.top.postMessage("hushwall:stopped", "*"); } catch (e) {}
  }

  /* Once the page's own <title> is read, the markers of pop-ups stopped
     before it go in front of it, once. */
  function restoreEarlyMarkers() {
    var count = pendingBeforeTitle, prefix = "";
    if (!count || document.getElementsByTagName("title").length < 2) return;
    pendingBeforeTitle = 0;
    try { earlyTitle.parentNode.removeChild(earlyTitle); } catch (e) {}
    earlyTitle = null;
    for (var i = 0; i < count; i++) prefix += MARKER;
    if (document.title.indexOf(prefix) !== 0) document.title = prefix + document.title;
  }

  function isTrusted(e) {
    return !!e && e.isTrusted !== false;
  }

  /* A user gesture is under way while a trusted click or key event is being
     dispatched (window.event), or while our own capture listener has seen
     one and its dispatch has not finished. */
  function userAsked(owner) {
    owner = owner || win;
    var e = owner.event;
    if (e && GESTURES[e.type] && isTrusted(e)) return true;
    return owner === win && gestureDepth > 0;
  }

  function listen(target, type, handler, capture) {
    if (target.addEventListener) target.addEventListener(type, handler, !!capture);
    else if (target.attachEvent) target.attachEvent("on" + type, handler);
  }

  function noop() {}

  /* What a stopped window.open returns: enough of a window that page code
     using it does not fail. */
  function stoppedWindow() {
    var doc = { write: noop, writeln: noop, open: noop, close: noop,
                getElementById: function () { return null; },
                createElement: function () { return document.createElement("div"); },
                body: null, title: "" };
    return { closed: false, opener: win, name: "", document: doc,
             location: { href: "about:blank", replace: noop, assign: noop, reload: noop },
             focus: noop, blur: noop, close: noop, print: noop, moveTo: noop,
             moveBy: noop, resizeTo: noop, resizeBy: noop, scrollTo: noop,
             postMessage: noop, setTimeout: noop, addEventListener: noop,
             removeEventListener: noop, attachEvent: noop, detachEvent: noop };
  }

  function guardedOpen(original, owner) {
    return function () {
      if (userAsked(owner)) return original.apply(owner, arguments);
      reportStopped();
      return stoppedWindow();
    };
  }

  /* Same-origin child frames (made by script, about:blank) get no page of
     their own through the proxy: their open is guarded from here. */
  function protectWindow(w) {
    try {
      if (!w || w === win || w.__hushwall) return;
      w.__hushwall = true;
      w.open = guardedOpen(w.open, w);
    } catch (e) {}
  }

  function protectFrames(node) {
    try {
      if (!node || !node.getElementsByTagName) return;
      var tags = ["iframe", "frame"];
      if (/^i?frame$/i.test(node.nodeName || "")) protectWindow(node.contentWindow);
      for (var t = 0; t < tags.length; t++) {
        var frames = node.getElementsByTagName(tags[t]);
        for (var i = 0; i < frames.length; i++) protectWindow(frames[i].contentWindow);
      }
    } catch (e) {}
  }

  function newWindowTarget(target) {
    if (!target) return false;
    target = ("" + target).toLowerCase();
    if (target === "_self" || target === "_parent" || target === "_top") return false;
    if (target === "_blank") return true;
    try {
      /* A name of one of this page's frames or of the window itself. */
      if (win.name === target || (win.frames && win.frames[target])) return false;
    } catch (e) {}
    return true;
  }

  function linkOf(node) {
    while (node && node.nodeType === 1) {
      if (/^(a|area)$/i.test(node.nodeName) && node.href) return node;
      node = node.parentNode;
    }
    return null;
  }

  /* A scripted activation (el.click(), dispatchEvent) of something that
     would open a new window is a pop-up. */
  function stopsScriptedActivation(element, event) {
    if (event ? isTrusted(event) : userAsked()) return false;
    var link = linkOf(element);
    if (link && newWindowTarget(link.target)) return true;
    var form = element && element.form;
    var type = element && ("" + element.type).toLowerCase();
    return !!form && (type === "submit" || type === "image") && newWindowTarget(form.target);
  }

  function patch(proto, name, make) {
    try {
      if (proto && proto[name]) proto[name] = make(proto[name]);
    } catch (e) {}
  }

  win.open = guardedOpen(nativeOpen, win);
  if (win.showModelessDialog) win.showModelessDialog = guardedOpen(win.showModelessDialog, win);

  var Element = win.HTMLElement || win.Element;
  if (Element) {
    patch(Element.prototype, "click", function (original) {
      return function () {
        if (stopsScriptedActivation(this, null)) { reportStopped(); return; }
        return original.apply(this, arguments);
      };
    });
  }
  if (win.EventTarget) {
    patch(win.EventTarget.prototype, "dispatchEvent", function (original) {
      return function (event) {
        if (event && event.type === "click" && stopsScriptedActivation(this, null)) {
          reportStopped();
          return false;
        }
        return original.apply(this, arguments);
      };
    });
  }
  if (win.HTMLFormElement) {
    var guardSubmit = function (original) {
      return function () {
        if (!userAsked() && newWindowTarget(this.target)) { reportStopped(); return; }
        return original.apply(this, arguments);
      };
    };
    patch(win.HTMLFormElement.prototype, "submit", guardSubmit);
    patch(win.HTMLFormElement.prototype, "requestSubmit", guardSubmit);
  }
  if (win.HTMLIFrameElement && Object.getOwnPropertyDescriptor && Object.defineProperty) {
    try {
      var proto = win.HTMLIFrameElement.prototype;
      var described = Object.getOwnPropertyDescriptor(proto, "contentWindow");
      if (described && described.get) {
        Object.defineProperty(proto, "contentWindow", {
          configurable: true, enumerable: described.enumerable,
          get: function () { var w = described.get.call(this); protectWindow(w); return w; }
        });
      }
    } catch (e) {}
  }
  if (win.Node) {
    var guardInsert = function (original) {
      return function () {
        var result = original.apply(this, arguments);
        for (var i = 0; i < arguments.length; i++) protectFrames(arguments[i]);
        return result;
      };
    };
    patch(win.Node.prototype, "appendChild", guardInsert);
    patch(win.Node.prototype, "insertBefore", guardInsert);
    patch(win.Node.prototype, "replaceChild", guardInsert);
  }

  /* Trusted gestures mark the time of their dispatch; untrusted clicks on
     new-window links and untrusted submissions are stopped. */
  var gestureTypes = ["click", "dblclick", "mousedown", "mouseup", "keydown", "keyup",
                      "keypress", "touchend", "pointerup"];
  for (var g = 0; g < gestureTypes.length; g++) {
    listen(win, gestureTypes[g], function (e) {
      if (!isTrusted(e)) {
        if (e.type === "click" && stopsScriptedActivation(e.target || e.srcElement, e)) {
          if (e.preventDefault) e.preventDefault(); else e.returnValue = false;
          reportStopped();
        }
        return;
      }
      gestureDepth++;
      setTimeout(function () { gestureDepth--; }, 0);
    }, true);
  }
  listen(win, "submit", function (e) {
    var form = e.target || e.srcElement;
    if (gestureDepth > 0 || !form || !newWindowTarget(form.target)) return;
    if (e.preventDefault) e.preventDefault(); else e.returnValue = false;
    reportStopped();
  }, true);
  listen(win, "message", function (e) {
    if (e && e.data === "hushwall:stopped" && win.top === win) {
      try { addMarker(document); } catch (x) {}
    }
  });
  listen(win, "load", function (e) { protectFrames((e && e.target) || document); }, true);
  listen(document, "DOMContentLoaded", function () {
    protectFrames(document);
    restoreEarlyMarkers();
  });
  listen(win, "load", restoreEarlyMarkers);
})(window);
</script>
