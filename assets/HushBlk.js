<script type="text/javascript">
/* Hushwall pop-up blocker. The proxy puts this in front of every page.
   Pop-up windows that the page opens without the user asking are stopped;
   each one puts the marker at the start of the window title, where the
   Hushwall tray program counts it. What the user asks for (a click or a
   key press on something made to be activated, and the one window its
   handlers open within a second, also after a timer or a network answer)
   opens as usual. Written for every browser back to IE 6: no let, const,
   arrow functions or classes, and every newer browser feature is tested
   for before use. The two-character slot below receives the alert-sound
   statement when the program prepares the file; the file holds no other
   percent sign, because with the sound switched off it is sent as it
   stands. */
(function (win) {
  var MARKER = "@HUSH_WEB_SITE@ Catch Another Popup";
  /* How long after a click or key press its one window may still open. */
  var GESTURE_MS = 1000;
  var GESTURES = { click: 1, dblclick: 1, mouseup: 1, mousedown: 1, keydown: 1,
                   keyup: 1, keypress: 1, touchend: 1, pointerup: 1, submit: 1 };
  var PRESSES = ["keydown", "mousedown", "pointerdown", "pointerup", "touchend"];
  var FRAME_TAGS = { iframe: 1, frame: 1, object: 1, embed: 1 };

  /* A frame that a parent page's copy of this script already guards keeps
     its window when its own page arrives: that page only needs watching. */
  if (typeof win.__hushwall === "function") {
    try { win.__hushwall(document); } catch (e) {}
    return;
  }
  if (win.__hushwall) return;

  /* ---- Built-ins, taken before the page's code runs --------------------- */
  /* What this script relies on is taken now, before the page can replace
     it: prototype getters, apply and call, the clock. */
  var O = win.Object, describe = O.getOwnPropertyDescriptor, define = O.defineProperty;
  var FP = win.Function.prototype, applyTo = null;
  try { applyTo = FP.call.bind(FP.apply); } catch (e) {}

  function invoke(fn, self, args) {
    args = args || [];
    if (applyTo) return applyTo(fn, self, args);
    if (fn.apply) return fn.apply(self, args);
    return fn(args[0], args[1], args[2], args[3]);
  }

  function own(ctor, name) {
    try {
      if (ctor && describe) return describe(ctor.prototype, name) || null;
    } catch (e) {}
    return null;
  }

  function getter(ctor, name) {
    var d = own(ctor, name);
    return d && d.get;
  }

  function method(ctor, name) {
    try { return ctor && ctor.prototype[name]; } catch (e) { return null; }
  }

  function read(obj, get, name) {
    if (get) {
      try { return invoke(get, obj); } catch (e) {}
    }
    return obj[name];
  }

  var NodeC = win.Node, ElementC = win.Element, EventC = win.Event;
  var DocC = own(win.Document, "title") ? win.Document : win.HTMLDocument;
  var get = {
    nodeType: getter(NodeC, "nodeType"), nodeName: getter(NodeC, "nodeName"),
    parent: getter(NodeC, "parentNode"), owner: getter(NodeC, "ownerDocument"),
    view: getter(win.Document, "defaultView"), title: getter(DocC, "title"),
    target: getter(EventC, "target"), type: getter(EventC, "type"),
    currentTarget: getter(EventC, "currentTarget"), phase: getter(EventC, "eventPhase"),
    prevented: getter(EventC, "defaultPrevented"), submitter: getter(win.SubmitEvent, "submitter"),
    ctrlKey: getter(win.MouseEvent, "ctrlKey"), shiftKey: getter(win.MouseEvent, "shiftKey"),
    metaKey: getter(win.MouseEvent, "metaKey"), button: getter(win.MouseEvent, "button"),
    buttonForm: getter(win.HTMLButtonElement, "form"), inputForm: getter(win.HTMLInputElement, "form"),
    recordType: getter(win.MutationRecord, "type"), recordTarget: getter(win.MutationRecord, "target"),
    added: getter(win.MutationRecord, "addedNodes")
  };
  var frameWindow = {
    iframe: getter(win.HTMLIFrameElement, "contentWindow"),
    frame: getter(win.HTMLFrameElement, "contentWindow"),
    object: getter(win.HTMLObjectElement, "contentWindow")
  };
  var titleSet = own(DocC, "title"), preventDefault = method(EventC, "preventDefault");
  var getAttribute = method(ElementC, "getAttribute"), setAttribute = method(ElementC, "setAttribute");
  var selectAll = method(ElementC, "querySelectorAll"), selectAllInDoc = method(win.Document, "querySelectorAll");
  var tagsInDoc = method(win.Document, "getElementsByTagName");
  var composedPath = method(EventC, "composedPath"), bounds = method(ElementC, "getBoundingClientRect");
  var createElement = method(win.Document, "createElement"), computedStyle = win.getComputedStyle;
  var toNumber = win.parseFloat;
  var ET = win.EventTarget, addListener = method(ET, "addEventListener");
  var removeListener = method(ET, "removeEventListener");
  var MO = win.MutationObserver, observe = method(MO, "observe");
  var DateC = win.Date, dateNow = DateC.now, getTime = DateC.prototype.getTime;
  var toLower = win.String.prototype.toLowerCase, exec = win.RegExp.prototype.exec;
  var later = win.setTimeout, modern = !!win.addEventListener;
  titleSet = titleSet && titleSet.set;

  /* ---- Small helpers ---------------------------------------------------- */

  function now() {
    return dateNow ? invoke(dateNow, DateC) : invoke(getTime, new DateC());
  }

  function lower(text) {
    return invoke(toLower, "" + text);
  }

  function match(pattern, text) {
    return invoke(exec, pattern, ["" + text]);
  }

  function attr(el, name) {
    var value;
    try {
      value = getAttribute ? invoke(getAttribute, el, [name]) : el.getAttribute(name);
    } catch (e) {}
    return value === undefined ? null : value;
  }

  function tagOf(node) {
    try { return lower(read(node, get.nodeName, "nodeName") || ""); } catch (e) { return ""; }
  }

  function docOf(node) {
    try {
      if (read(node, get.nodeType, "nodeType") === 9) return node;
      return read(node, get.owner, "ownerDocument") || docOf(node.startContainer);
    } catch (e) { return null; }
  }

  function viewOf(doc) {
    try { return doc && read(doc, get.view, "defaultView"); } catch (e) { return null; }
  }

  function listen(target, type, handler, capture) {
    try {
      if (addListener) invoke(addListener, target, [type, handler, !!capture]);
      else if (target.addEventListener) target.addEventListener(type, handler, !!capture);
      else if (target.attachEvent) target.attachEvent("on" + type, handler);
    } catch (e) {}
  }

  function unlisten(target, type, handler, capture) {
    try {
      if (removeListener) invoke(removeListener, target, [type, handler, !!capture]);
      else target.removeEventListener(type, handler, !!capture);
    } catch (e) {}
  }

  /* ---- Markers on the title, and the alert ------------------------------ */
  /* Marks stay on the window or document they are put on and cannot be
     taken off or changed by the page. */
  function mark(obj, name, value) {
    try {
      define(obj, name, { value: value, enumerable: false, configurable: false, writable: false });
    } catch (e) {
      obj[name] = value;
    }
  }

  /* This script's own text, put into frame pages that never come through
     the proxy (see injectDataUrl). */
  var SOURCE = "";
  try {
    var ownScript = document.currentScript;
    if (!ownScript) {
      ownScript = document.getElementsByTagName("script");
      ownScript = ownScript[ownScript.length - 1];
    }
    SOURCE = ownScript.text || "";
  } catch (e) {}
  var TAG = SOURCE ? "<script>" + SOURCE + "<\/script>" : "";
  var tagBytes = null;

  var pendingBeforeTitle = 0;

  function playAlert() {
    try { %s } catch (e) {}
  }

  function topOf(w) {
    try { return w.top || w; } catch (e) { return w; }
  }

  function titleOf(doc) {
    return read(doc, get.title, "title") || "";
  }

  function setTitle(doc, text) {
    if (titleSet) {
      try { invoke(titleSet, doc, [text]); return; } catch (e) {}
    }
    doc.title = text;
  }

  /* Setting the title before the page's own <title> has been read makes a
     title element of ours; that one is taken away again once the page's
     own is there (see restoreEarlyMarkers). */
  var earlyTitle = null;

  function addMarker(doc) {
    var early = !doc.getElementsByTagName("title").length;
    setTitle(doc, MARKER + titleOf(doc));
    if (early && doc === document) {
      pendingBeforeTitle++;
      earlyTitle = doc.getElementsByTagName("title")[0] || null;
    }
  }

  /* One stopped pop-up: one marker on the title of the browser window it
     was stopped in (this page's, or one the user opened from it). A frame
     that may not touch the top page asks it to add the marker. */
  function reportStopped(where) {
    var top = topOf(where || win);
    playAlert();
    try { addMarker(top.document); return; } catch (e) {}
    try { top.postMessage("hushwall:stopped", "*"); } catch (e) {}
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
    if (titleOf(document).indexOf(prefix) !== 0) setTitle(document, prefix + titleOf(document));
  }

  /* ---- Events ----------------------------------------------------------- */

  function isTrusted(e) {
    return !!e && e.isTrusted !== false;
  }

  function eventType(e) {
    try { return read(e, get.type, "type"); } catch (x) { return ""; }
  }

  function eventTarget(e) {
    try { return read(e, get.target, "target") || e.srcElement; } catch (x) { return null; }
  }

  function cancel(e) {
    try {
      if (preventDefault) invoke(preventDefault, e);
      else if (e.preventDefault) e.preventDefault();
      else e.returnValue = false;
    } catch (x) {}
  }

  /* ---- Gestures --------------------------------------------------------- */
  /* A gesture is the user's press: a key, a mouse button, a touch ending.
     It lets one window open within GESTURE_MS; the events that follow from
     the same press (pointerdown and mousedown, the click after them) do not
     make another. Synthetic events never count, whatever they claim. */
  var gestureAt = 0, lastPress = 0, pressing = false, passing = 0;

  function endPress() {
    pressing = false;
  }

  function notePress(e, type) {
    if (!isTrusted(e) || pressing) return;
    if (type === "pointerdown" && e.pointerType !== "mouse") return;
    if (type === "pointerup" && e.pointerType === "mouse") return;
    var t = now();
    if (type === "click" && t - lastPress <= GESTURE_MS) return;
    pressing = true;
    try { invoke(later, win, [endPress, 0]); } catch (x) { pressing = false; }
    gestureAt = lastPress = t;
  }

  function onPress(e) {
    var type = eventType(e);
    judgeGesture(e);
    if (type !== "mouseup") notePress(e, type);
  }

  /* ---- What the user pressed on ----------------------------------------- */
  /* A real press lends its window only to what the user pressed on.
     Pop-unders wait for any click on the page (on its text, on a layer
     laid over it that nobody can see, on an ordinary link) and open their
     window from a listener on the whole page, where the user meant nothing
     to open. So each real press is judged by what it hit: something made
     to be activated (a link, a button, a form control, a label, a summary,
     an element with such a role or with a press handler of its own), that
     the user can see and that is not laid over the whole view. */
  var gestureMeant = false, gestureEvent = null, gestureLink = null;
  var CONTROL_TAGS = { button: 1, input: 1, select: 1, textarea: 1, label: 1, summary: 1, option: 1 };
  var SELF_DRAWN = { img: 1, svg: 1, canvas: 1, video: 1, audio: 1, iframe: 1, object: 1, embed: 1,
                     picture: 1, meter: 1, progress: 1 };
  var CONTROL_ROLES = { button: 1, link: 1, menuitem: 1, menuitemcheckbox: 1, menuitemradio: 1,
                        tab: 1, checkbox: 1, radio: 1, "switch": 1, option: 1, treeitem: 1 };
  var HANDLER_TYPES = { click: 1, dblclick: 1, auxclick: 1, mousedown: 1, mouseup: 1,
                        pointerdown: 1, pointerup: 1, touchstart: 1, touchend: 1, keydown: 1,
                        keyup: 1, keypress: 1 };
  var HANDLER_NAMES = ["click", "mousedown", "mouseup", "pointerdown", "pointerup", "touchend", "keydown"];
  var POINTER_EVENTS = { click: 1, auxclick: 1, mousedown: 1, mouseup: 1, pointerdown: 1,
                         pointerup: 1, touchend: 1 };
  var WeakC = win.WeakMap, handlers = null, weakGet = method(WeakC, "get"), weakSet = method(WeakC, "set");
  try { handlers = new WeakC(); } catch (e) {}

  function noteHandler(target, type) {
    try {
      if (handlers && HANDLER_TYPES[lower(type)] === 1) invoke(weakSet, handlers, [target, true]);
    } catch (e) {}
  }

  function hasHandler(el) {
    try {
      if (handlers && invoke(weakGet, handlers, [el])) return true;
    } catch (e) {}
    for (var i = 0; i < HANDLER_NAMES.length; i++) {
      if (attr(el, "on" + HANDLER_NAMES[i]) !== null) return true;
    }
    return false;
  }

  function styleOf(el, view) {
    try {
      return view === win && computedStyle ? invoke(computedStyle, win, [el, null])
                                           : view.getComputedStyle(el, null);
    } catch (e) { return null; }
  }

  function parentOf(node) {
    try { return read(node, get.parent, "parentNode"); } catch (e) { return null; }
  }

  function isElement(node) {
    try { return read(node, get.nodeType, "nodeType") === 1; } catch (e) { return false; }
  }

  /* Whether a laid-over element shows nothing of its own: no colour, no
     picture, no border, no text, no child and no generated content. Form
     controls and pictures draw themselves. */
  function blank(el, view, style) {
    var alpha = match(/^rgba\(.*,\s*([\d.]+)\)$/, style.backgroundColor), i, pseudo;
    if (CONTROL_TAGS[tagOf(el)] === 1 || SELF_DRAWN[tagOf(el)] === 1) return false;
    if (!(style.backgroundColor === "transparent" || (alpha && +alpha[1] < 0.1))) return false;
    if (style.backgroundImage && style.backgroundImage !== "none") return false;
    if (toNumber(style.borderTopWidth) > 0 || toNumber(style.borderBottomWidth) > 0) return false;
    for (i = 0; i < 2; i++) {
      try {
        pseudo = view.getComputedStyle(el, i ? "::after" : "::before");
        if (pseudo && pseudo.content && pseudo.content !== "none" && pseudo.content !== "normal") return false;
      } catch (e) {}
    }
    try {
      return !el.firstElementChild && !match(/\S/, el.textContent || "");
    } catch (e) { return false; }
  }

  /* A layer nobody can see: hidden, faded out (with its ancestors) to
     almost nothing, or laid over the page showing nothing. */
  function unseen(el, view) {
    var style = styleOf(el, view), opacity = 1, node;
    if (!style) return false;
    if (style.visibility === "hidden" || style.visibility === "collapse") return true;
    for (node = el; node && isElement(node); node = parentOf(node)) {
      var own = styleOf(node, view), value = own ? +own.opacity : 1;
      if (value === value) opacity *= value;
    }
    if (opacity < 0.1) return true;
    return (style.position === "absolute" || style.position === "fixed") && blank(el, view, style);
  }

  /* Laid over (nearly) the whole view: no control the user picks out is. */
  function coversView(el, view) {
    var box, width, height, across, down;
    try {
      box = invoke(bounds, el);
      width = view.innerWidth;
      height = view.innerHeight;
    } catch (e) { return false; }
    if (!width || !height) return false;
    across = Math.min(box.right, width) - Math.max(box.left, 0);
    down = Math.min(box.bottom, height) - Math.max(box.top, 0);
    return across >= width * 0.9 && down >= height * 0.9;
  }

  /* A link that takes this window elsewhere when followed. */
  function navigatingLink(el) {
    var href = linkOf(el) === el ? attr(el, "href") || attr(el, "xlink:href") : null;
    if (href === null || attr(el, "download") !== null) return false;
    return !match(/^\s*(#|javascript:)/i, href);
  }

  function activatable(el, tag) {
    var role = attr(el, "role"), editable = attr(el, "contenteditable");
    if (linkOf(el) === el || CONTROL_TAGS[tag] === 1) return true;
    if (role !== null && CONTROL_ROLES[lower(role)] === 1) return true;
    if (editable !== null && lower(editable) !== "false") return true;
    return hasHandler(el);
  }

  function pathOf(e) {
    var path = null, list = [], node;
    try { if (composedPath) path = invoke(composedPath, e); } catch (x) {}
    if (path && path.length) return path;
    for (node = eventTarget(e); node && list.length < 64; node = parentOf(node)) list.push(node);
    return list;
  }

  /* Whether the user meant to activate what the event hit. A link found on
     the way is remembered: its own navigation is what the press is for. */
  function meantByUser(e) {
    var path = pathOf(e), hit = true, i, node, tag, view;
    for (i = 0; i < path.length && i < 64; i++) {
      node = path[i];
      if (!isElement(node)) continue;
      tag = tagOf(node);
      if (tag === "body" || tag === "html") return false;
      view = viewOf(docOf(node));
      if (hit && (unseen(node, view) || coversView(node, view))) return false;
      hit = false;
      if (activatable(node, tag)) {
        if (unseen(node, view) || coversView(node, view)) return false;
        if (navigatingLink(node)) gestureLink = node;
        return true;
      }
    }
    return false;
  }

  function judgeGesture(e) {
    if (!isTrusted(e)) return;
    gestureEvent = e;
    gestureLink = null;
    try { gestureMeant = meantByUser(e); } catch (x) { gestureMeant = true; }
  }

  function isPageWide(target) {
    try {
      if (!target) return false;
      if (target.window === target) return true;
      var type = read(target, get.nodeType, "nodeType");
      if (type === 9) return true;
      return type === 1 && (tagOf(target) === "body" || tagOf(target) === "html");
    } catch (e) { return false; }
  }

  function withoutHash(url) {
    var at = url.indexOf("#");
    return at < 0 ? url : url.slice(0, at);
  }

  function absolute(url, doc) {
    try {
      var a = invoke(createElement, doc, ["a"]);
      a.href = "" + url;
      return withoutHash("" + a.href);
    } catch (e) { return withoutHash("" + url); }
  }

  /* A press on an ordinary link whose navigation goes on is for that link:
     a listener on the whole page that opens another address from it rides
     on the user's click. */
  function ridesOnLink(url) {
    var e = gestureEvent, link = gestureLink, type, doc;
    if (!e || !link) return false;
    try {
      if (read(e, get.phase, "eventPhase") === 0) return false;
      type = eventType(e);
      if (POINTER_EVENTS[type] !== 1) return false;
      if (type === "click" && read(e, get.prevented, "defaultPrevented")) return false;
      if (!isPageWide(read(e, get.currentTarget, "currentTarget"))) return false;
      doc = docOf(link);
      return absolute(url, doc) !== absolute(attr(link, "href") || attr(link, "xlink:href"), doc);
    } catch (x) { return false; }
  }

  /* ---- Whether an open may go ahead, and what a stopped one returns ----- */
  /* Old Internet Explorer has no trusted flag and no capture: there the
     event being handled is all there is to go by. */
  function legacyGesture() {
    var e = win.event;
    return !!e && GESTURES[e.type] === 1;
  }

  /* Whether an open may go ahead: within one that was let through, or as
     the one open of a recent gesture the user meant, which it uses up. An
     open of `url` (when known) must not ride on a link the user followed.
     A stopped open leaves the gesture to what the user meant. */
  function mayOpen(url) {
    if (passing) return true;
    if (!modern) return legacyGesture();
    if (!gestureAt || now() - gestureAt > GESTURE_MS || !gestureMeant) return false;
    if (url !== undefined && ridesOnLink(url)) return false;
    gestureAt = 0;
    return true;
  }

  function noop() {}

  /* What a stopped open returns: a window that stays empty and takes what
     page code does to it (writing, titling, navigating, closing) without
     failing. Its elements belong to a document that loads nothing. */
  function stoppedWindow() {
    var inert = null, w, doc, loc;
    try { inert = document.implementation.createHTMLDocument(""); } catch (e) {}
    function make(tag) {
      return (inert || document).createElement(tag);
    }
    function find(how) {
      return function (what) {
        try { return inert[how](what); } catch (e) { return how === "getElementById" ? null : []; }
      };
    }
    loc = { href: "about:blank", protocol: "about:", host: "", hostname: "", port: "",
            pathname: "blank", search: "", hash: "", origin: "null",
            assign: noop, replace: noop, reload: noop,
            toString: function () { return "" + loc.href; } };
    doc = { documentElement: inert ? inert.documentElement : make("html"),
            head: inert ? inert.head : make("head"), body: inert ? inert.body : make("body"),
            title: "", cookie: "", domain: "", referrer: "", readyState: "complete",
            URL: "about:blank", location: loc, write: noop, writeln: noop, close: noop,
            open: function () { return doc; }, createElement: make,
            createTextNode: function (text) { return (inert || document).createTextNode(text); },
            getElementById: find("getElementById"), getElementsByTagName: find("getElementsByTagName"),
            getElementsByClassName: find("getElementsByClassName"),
            querySelector: find("querySelector"), querySelectorAll: find("querySelectorAll"),
            addEventListener: noop, removeEventListener: noop, attachEvent: noop, detachEvent: noop };
    w = { closed: false, opener: win, name: "", document: doc, location: loc, length: 0,
          innerWidth: 0, innerHeight: 0, outerWidth: 0, outerHeight: 0, screenX: 0, screenY: 0,
          focus: noop, blur: noop, close: noop, print: noop, stop: noop, moveTo: noop,
          moveBy: noop, resizeTo: noop, resizeBy: noop, scrollTo: noop, scrollBy: noop,
          postMessage: noop, setTimeout: noop, setInterval: noop, clearTimeout: noop,
          clearInterval: noop, alert: noop, addEventListener: noop, removeEventListener: noop,
          attachEvent: noop, detachEvent: noop };
    w.window = w.self = w.top = w.parent = w.frames = doc.defaultView = w;
    return w;
  }

  /* ---- Window names and targets ----------------------------------------- */
  /* Names of the windows this page was let open: opening into one of them
     again only loads that window. */
  var opened = [];

  function openedWindowNamed(name) {
    for (var i = 0; i < opened.length; i++) {
      try {
        if (opened[i].name === name && !opened[i].w.closed) return true;
      } catch (e) {}
    }
    return false;
  }

  function frameName(w, child, name) {
    try { return child.name; } catch (e) {}
    try {
      var doc = w.document, tags = ["iframe", "frame", "object"];
      for (var t = 0; t < tags.length; t++) {
        var list = invoke(tagsInDoc, doc, [tags[t]]);
        for (var i = 0; i < list.length; i++) {
          if (read(list[i], frameWindow[tags[t]], "contentWindow") === child) return attr(list[i], "name");
        }
      }
    } catch (e) {
      try { if (w[name] === child) return name; } catch (x) {}
    }
    return null;
  }

  /* Only real frames count: the page cannot pass an element or a property
     of its own off as a frame of that name. */
  function frameNamed(w, name, depth) {
    for (var i = 0; depth < 8; i++) {
      var child = null;
      try { child = w[i]; } catch (e) {}
      if (!child) return false;
      if (frameName(w, child, name) === name || frameNamed(child, name, depth + 1)) return true;
    }
    return false;
  }

  function baseTarget(doc) {
    try {
      var bases = invoke(tagsInDoc, doc, ["base"]);
      for (var i = 0; i < bases.length; i++) {
        if (attr(bases[i], "target") !== null) return attr(bases[i], "target");
      }
    } catch (e) {}
    return "";
  }

  /* Whether a target (a link's, a form's or an open's name) means a new
     window. A link or form without one uses its document's <base target>. */
  function opensNew(name, el) {
    if (name === null || name === undefined || name === "") {
      if (!el) return true;
      name = baseTarget(docOf(el));
      if (!name) return false;
    }
    name = "" + name;
    var key = lower(name), top = win;
    if (key === "_self" || key === "_parent" || key === "_top") return false;
    if (key === "_blank") return true;
    try { top = win.top; } catch (e) {}
    if (win.name === name) return false;
    try { if (top.name === name) return false; } catch (e) {}
    return !frameNamed(top, name, 0) && !openedWindowNamed(name);
  }

  function linkOf(node) {
    for (var depth = 0; node && depth < 64; depth++) {
      if (read(node, get.nodeType, "nodeType") !== 1) return null;
      var name = tagOf(node);
      if ((name === "a" || name === "area") &&
          (attr(node, "href") !== null || attr(node, "xlink:href") !== null)) return node;
      node = read(node, get.parent, "parentNode");
    }
    return null;
  }

  function formOpensWindow(form, submitter) {
    if (!form) return false;
    var target = submitter ? attr(submitter, "formtarget") : null;
    if (target === null || target === "") target = attr(form, "target");
    return opensNew(target, form);
  }

  /* A click holding Ctrl, Shift or Meta, or made with the middle button,
     opens a link in a new window or tab whatever its target. */
  function modified(e) {
    if (!e) return false;
    return !!(read(e, get.ctrlKey, "ctrlKey") || read(e, get.shiftKey, "shiftKey") ||
              read(e, get.metaKey, "metaKey") || read(e, get.button, "button") === 1);
  }

  /* Whether activating an element (a click, real or scripted, `e` when it
     is an event) would open a new window: a link, or a submit button of a
     form, aimed at one. */
  function opensWindow(el, e) {
    try {
      var link = linkOf(el);
      if (link) return opensNew(attr(link, "target"), link) || modified(e);
      var name = tagOf(el), type = lower(attr(el, "type") || "");
      if (name === "button" && type !== "button" && type !== "reset") {
        return formOpensWindow(read(el, get.buttonForm, "form"), el);
      }
      if (name === "input" && (type === "submit" || type === "image")) {
        return formOpensWindow(read(el, get.inputForm, "form"), el);
      }
    } catch (e) {}
    return false;
  }

  /* ---- The doors to a new window ---------------------------------------- */
  /* Runs a native door to a new window, or stops it. What it opens, when
     let through, may fire events of its own; those pass too. */
  function gated(original, self, args, opens, stopped) {
    if (!opens) return invoke(original, self, args);
    if (!mayOpen()) {
      reportStopped(viewOf(docOf(self)) || self);
      return stopped;
    }
    passing++;
    try { return invoke(original, self, args); } finally { passing--; }
  }

  function gateOpen(original, owner) {
    return function (url, name) {
      var args = arguments, result;
      var fresh = opensNew(name, null);
      if (fresh && !mayOpen(url === undefined || url === null ? "" : url)) {
        reportStopped(owner);
        return stoppedWindow();
      }
      if (!fresh && args.length) {
        args = [injectDataUrl(url)];
        for (var i = 1; i < arguments.length; i++) args[i] = arguments[i];
      }
      passing++;
      try { result = invoke(original, owner, args); } finally { passing--; }
      if (fresh && name && result) opened.push({ name: "" + name, w: result });
      protectWindow(result);
      return result;
    };
  }

  function gateDialog(original, owner) {
    return function () {
      return gated(original, owner, arguments, true, undefined);
    };
  }

  /* document.open with a url, a name and features is window.open; without,
     it starts the document afresh, which drops every listener of the
     document and of its window. */
  function gateDocumentOpen(original) {
    return function () {
      var result;
      if (arguments.length > 2) {
        if (opensNew(arguments[1], null) && !mayOpen(arguments[0])) {
          reportStopped(viewOf(this));
          return stoppedWindow();
        }
        passing++;
        try { result = invoke(original, this, arguments); } finally { passing--; }
        protectWindow(result);
        return result;
      }
      result = invoke(original, this, arguments);
      relisten(this);
      return result;
    };
  }

  function gateWrite(original) {
    return function () {
      var result = invoke(original, this, arguments);
      relisten(this);
      afterInsert(this);
      return result;
    };
  }

  function gateClick(original) {
    return function () {
      return gated(original, this, arguments, opensWindow(this), undefined);
    };
  }

  function gateDispatch(original) {
    return function (event) {
      var type = eventType(event);
      var opens = (type === "click" || type === "auxclick") && opensWindow(this, event);
      return gated(original, this, arguments, opens, false);
    };
  }

  function gateSubmit(original) {
    return function (submitter) {
      var opens = false;
      try { opens = formOpensWindow(this, submitter || null); } catch (e) {}
      return gated(original, this, arguments, opens, undefined);
    };
  }

  /* ---- Frames ----------------------------------------------------------- */
  /* Frames: a window of the page's own origin that exists but is not yet
     guarded has pristine built-ins (its own open, click, submit...) that
     the page could borrow. Every way a frame comes into being is followed
     at once, and the new window is guarded before page code gets it. */
  function protectWindow(w) {
    var doc;
    try {
      if (!w || w.__hushwall) return;
      doc = w.document;
      if (!doc) return;
      mark(w, "__hushwall", watchDocument);
    } catch (e) { return; }
    patchRealm(w);
    listenWindow(w);
    watchDocument(doc);
  }

  /* The child windows each guarded window had at its last look: a look
     after every insertion only goes to the new ones, since asking a frame
     of another origin throws, and throwing is slow. A frame that changes
     page later is guarded again by its load (see onFrameLoad). */
  var looked = [];

  function scanWindow(w) {
    var i, known = null;
    if (!w) return;
    for (i = 0; i < looked.length && !known; i++) {
      if (looked[i].w === w) known = looked[i].children;
    }
    if (!known) looked.push({ w: w, children: known = [] });
    for (i = 0; i < 1000; i++) {
      var child = null;
      try { child = w[i]; } catch (e) {}
      if (!child) return;
      if (known[i] !== child) {
        known[i] = child;
        protectWindow(child);
      }
    }
  }

  function afterInsert(self) {
    scanWindow(viewOf(docOf(self)));
  }

  /* ---- Frame pages that never pass through the proxy -------------------- */
  /* A frame's own page that never passes through the proxy (data: HTML,
     or srcdoc after the frame's first page) gets this script in front:
     after a doctype, so that the page keeps its rendering mode. */
  function pageStart(text) {
    var m = match(/^(\ufeff|\xef\xbb\xbf)?(\s|<!--[\s\S]*?-->)*<!doctype[^>]*>/i, text);
    if (m) return m[0].length;
    m = match(/^(\ufeff|\xef\xbb\xbf)?/, text);
    return m ? m[0].length : 0;
  }

  function decodeBytes(text) {
    return text.replace(/\x25([0-9a-fA-F]{2})/g, function (all, hex) {
      return String.fromCharCode(parseInt(hex, 16));
    });
  }

  function encodedIndex(text, count) {
    var i = 0;
    for (; count > 0 && i < text.length; count--) {
      i += text.charAt(i) === "\x25" && match(/^[0-9a-fA-F]{2}/, text.substr(i + 1, 2)) ? 3 : 1;
    }
    return i;
  }

  function injectDataUrl(url) {
    try {
      var m = match(/^\s*data:([^,]*),/i, url), header, body, text, at;
      if (!m || !TAG) return url;
      header = m[1];
      if (lower(header.split(";")[0]).replace(/\s+/g, "") !== "text/html") return url;
      if (tagBytes === null) tagBytes = unescape(encodeURIComponent(TAG));
      body = url.slice(m[0].length);
      if (match(/;\s*base64\s*$/i, header)) {
        text = atob(decodeBytes(body).replace(/\s+/g, ""));
        at = pageStart(text);
        if (text.substr(at, tagBytes.length) === tagBytes) return url;
        return "data:" + header + "," + btoa(text.slice(0, at) + tagBytes + text.slice(at));
      }
      text = decodeBytes(body);
      at = pageStart(text);
      if (text.substr(at, tagBytes.length) === tagBytes) return url;
      at = encodedIndex(body, at);
      return "data:" + header + "," + body.slice(0, at) + encodeURIComponent(TAG) + body.slice(at);
    } catch (e) {
      return url;
    }
  }

  function injectSrcdoc(text) {
    return !TAG || text.indexOf(TAG) === 0 ? text : TAG + text;
  }

  function rewrite(el, name, how) {
    var value = attr(el, name), changed;
    if (value === null) return;
    changed = how(value);
    if (changed !== value) {
      try { invoke(setAttribute, el, [name, changed]); } catch (e) {}
    }
  }

  function checkFrame(el) {
    var name = tagOf(el);
    if (!FRAME_TAGS[name]) return;
    if (name === "object") rewrite(el, "data", injectDataUrl);
    else rewrite(el, "src", injectDataUrl);
    if (name === "iframe") rewrite(el, "srcdoc", injectSrcdoc);
    if (frameWindow[name]) protectWindow(read(el, frameWindow[name], "contentWindow"));
  }

  function checkTree(node) {
    var found, i;
    try {
      if (read(node, get.nodeType, "nodeType") === 9) {
        found = invoke(selectAllInDoc, node, ["iframe,frame,object,embed"]);
      } else if (read(node, get.nodeType, "nodeType") === 1) {
        checkFrame(node);
        found = invoke(selectAll, node, ["iframe,frame,object,embed"]);
      }
      for (i = 0; found && i < found.length; i++) checkFrame(found[i]);
    } catch (e) {}
  }

  function onMutations(records) {
    var i, j, record, added, doc = null;
    for (i = 0; i < records.length; i++) {
      record = records[i];
      if (read(record, get.recordType, "type") === "attributes") {
        checkFrame(read(record, get.recordTarget, "target"));
      } else {
        added = read(record, get.added, "addedNodes");
        for (j = 0; j < added.length; j++) checkTree(added[j]);
      }
      doc = doc || docOf(read(record, get.recordTarget, "target"));
    }
    scanWindow(viewOf(doc));
  }

  /* A frame fires its load once each page of its own is in; one without a
     page address does so while it is being put into the document, before
     any page code can reach it. */
  function onFrameLoad(e) {
    checkFrame(eventTarget(e));
  }

  /* Each document of a guarded window is watched for frames: the parser's
     and any other way that adds them. */
  function watchDocument(doc) {
    try {
      if (!doc || doc.__hushwatch) return;
      mark(doc, "__hushwatch", true);
    } catch (e) { return; }
    listen(doc, "load", onFrameLoad, true);
    if (MO && observe) {
      try {
        invoke(observe, new MO(onMutations), [doc, { childList: true, subtree: true, attributes: true,
                                                     attributeFilter: ["src", "srcdoc", "data"] }]);
      } catch (e) {}
    }
    checkTree(doc);
    scanWindow(viewOf(doc));
  }

  function relisten(doc) {
    listen(doc, "load", onFrameLoad, true);
    var view = viewOf(doc);
    if (view) listenWindow(view);
  }

  /* ---- Guarding the built-ins of a window ------------------------------- */

  var hasOwn = O.prototype.hasOwnProperty;

  /* Only where the built-in lives, so that nothing is guarded twice. */
  function owns(proto, name) {
    try { return invoke(hasOwn, proto, [name]); } catch (e) { return true; }
  }

  function patch(proto, name, make) {
    try {
      if (proto && proto[name] && owns(proto, name)) proto[name] = make(proto[name]);
    } catch (e) {}
  }

  function patchAccessor(ctor, name, make) {
    var d = own(ctor, name);
    if (!d || !d.configurable) return;
    try {
      var changed = make(d);
      define(ctor.prototype, name, { configurable: true, enumerable: d.enumerable,
                                     get: changed.get || d.get, set: changed.set || d.set });
    } catch (e) {}
  }

  function insertMethod(original) {
    return function () {
      var result = invoke(original, this, arguments);
      afterInsert(this);
      return result;
    };
  }

  function insertSetter(d) {
    return { set: function (value) {
      invoke(d.set, this, [value]);
      afterInsert(this);
    } };
  }

  function guardedWindowGetter(d) {
    return { get: function () {
      var w = invoke(d.get, this);
      protectWindow(w);
      return w;
    } };
  }

  function guardedDocumentGetter(d) {
    return { get: function () {
      var doc = invoke(d.get, this);
      if (doc) protectWindow(viewOf(doc));
      return doc;
    } };
  }

  function unmarkedSrcdoc(d) {
    return { get: function () {
      var text = invoke(d.get, this);
      return TAG && text.indexOf(TAG) === 0 ? text.slice(TAG.length) : text;
    } };
  }

  /* Which elements handle presses themselves: such an element is made to
     be activated, whatever its tag. */
  function trackListener(original) {
    return function (type) {
      noteHandler(this, type);
      return invoke(original, this, arguments);
    };
  }

  function handlerSetter(type) {
    return function (d) {
      return { set: function (value) {
        if (typeof value === "function") noteHandler(this, type);
        invoke(d.set, this, [value]);
      } };
    };
  }

  var INSERTS = [
    ["Node", "appendChild insertBefore replaceChild"],
    ["Element", "append prepend before after replaceWith replaceChildren insertAdjacentElement " +
                "insertAdjacentHTML setHTMLUnsafe"],
    ["Document", "append prepend replaceChildren"],
    ["DocumentFragment", "append prepend replaceChildren"],
    ["ShadowRoot", "setHTMLUnsafe"],
    ["CharacterData", "before after replaceWith"],
    ["DocumentType", "before after replaceWith"],
    ["Range", "insertNode surroundContents"]
  ];
  var INSERT_SETTERS = [["Element", "innerHTML outerHTML"], ["ShadowRoot", "innerHTML"],
                        ["Document", "body"], ["HTMLDocument", "body"]];

  /* Everything in one window (this page's, or a frame's of its origin) that
     opens a window or makes a frame goes through the guards. */
  function patchRealm(w) {
    var i, j, names, E = w.HTMLElement || w.Element, docs = [w.Document, w.HTMLDocument];
    try { w.open = gateOpen(w.open, w); } catch (e) {}
    names = ["showModalDialog", "showModelessDialog"];
    for (i = 0; i < names.length; i++) {
      try {
        if (w[names[i]]) w[names[i]] = gateDialog(w[names[i]], w);
      } catch (e) {}
    }
    if (E) patch(E.prototype, "click", gateClick);
    if (w.EventTarget) patch(w.EventTarget.prototype, "addEventListener", trackListener);
    for (i = 0; i < HANDLER_NAMES.length; i++) {
      patchAccessor(w.HTMLElement, "on" + HANDLER_NAMES[i], handlerSetter(HANDLER_NAMES[i]));
    }
    patch(w.EventTarget ? w.EventTarget.prototype : w.Node && w.Node.prototype, "dispatchEvent", gateDispatch);
    if (w.HTMLFormElement) {
      patch(w.HTMLFormElement.prototype, "submit", gateSubmit);
      patch(w.HTMLFormElement.prototype, "requestSubmit", gateSubmit);
    }
    for (i = 0; i < docs.length; i++) {
      if (!docs[i]) continue;
      patch(docs[i].prototype, "open", gateDocumentOpen);
      patch(docs[i].prototype, "write", gateWrite);
      patch(docs[i].prototype, "writeln", gateWrite);
    }
    names = ["HTMLIFrameElement", "HTMLFrameElement", "HTMLObjectElement"];
    for (i = 0; i < names.length; i++) {
      patchAccessor(w[names[i]], "contentWindow", guardedWindowGetter);
      patchAccessor(w[names[i]], "contentDocument", guardedDocumentGetter);
    }
    patchAccessor(w.HTMLIFrameElement, "srcdoc", unmarkedSrcdoc);
    for (i = 0; i < INSERTS.length; i++) {
      names = INSERTS[i][1].split(" ");
      for (j = 0; j < names.length; j++) {
        if (w[INSERTS[i][0]]) patch(w[INSERTS[i][0]].prototype, names[j], insertMethod);
      }
    }
    for (i = 0; i < INSERT_SETTERS.length; i++) {
      names = INSERT_SETTERS[i][1].split(" ");
      for (j = 0; j < names.length; j++) patchAccessor(w[INSERT_SETTERS[i][0]], names[j], insertSetter);
    }
  }

  /* ---- Page-wide listeners ---------------------------------------------- */
  /* Untrusted clicks and submissions that would open a window are stopped
     on their way in, wherever they were started from; a real click on a
     new-window link is settled after the page's own handlers have run. */
  var followed = null;

  function onClick(e) {
    var target = eventTarget(e);
    if (isTrusted(e)) {
      judgeGesture(e);
      notePress(e, "click");
      followed = null;
      if (linkOf(target) && opensWindow(target, e)) {
        followed = e;
        listen(this, eventType(e), onLinkFollowed, false);
      }
      return;
    }
    if (!passing && opensWindow(target, e) && !mayOpen()) {
      cancel(e);
      reportStopped(this);
    }
  }

  /* One gesture, one window: a page that already opened one from this click
     does not get the link's window as well. */
  function onLinkFollowed(e) {
    unlisten(this, eventType(e), onLinkFollowed, false);
    if (e !== followed || read(e, get.prevented, "defaultPrevented")) return;
    followed = null;
    if (!mayOpen()) {
      cancel(e);
      reportStopped(this);
    }
  }

  function onSubmit(e) {
    var form = eventTarget(e), submitter = null;
    if (passing || !form) return;
    try { submitter = read(e, get.submitter, "submitter"); } catch (x) {}
    if (formOpensWindow(form, submitter) && !mayOpen()) {
      cancel(e);
      reportStopped(this);
    }
  }

  function onMessage(e) {
    if (e && e.data === "hushwall:stopped" && win.top === win) {
      try { addMarker(document); } catch (x) {}
    }
  }

  function listenWindow(w) {
    for (var i = 0; i < PRESSES.length; i++) listen(w, PRESSES[i], onPress, true);
    listen(w, "click", onClick, true);
    listen(w, "auxclick", onClick, true);
    listen(w, "mouseup", onPress, true);
    listen(w, "submit", onSubmit, true);
    if (w === win) listen(w, "message", onMessage);
  }

  /* ---- Start ------------------------------------------------------------ */

  protectWindow(win);
  if (!modern) {
    /* Old Internet Explorer: no prototypes to guard, so the page's own
       frames are guarded as they are found. */
    var protectAll = function () {
      try {
        for (var i = 0; i < win.frames.length; i++) protectWindow(win.frames[i]);
      } catch (e) {}
    };
    listen(win, "load", protectAll);
  }
  listen(document, "DOMContentLoaded", function () {
    checkTree(document);
    scanWindow(win);
    restoreEarlyMarkers();
  });
  listen(win, "load", restoreEarlyMarkers);
})(window);
</script>
