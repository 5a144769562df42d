// The page side of the web host (platform/web/page.cpp calls it): the dialogs as HTML
// elements, the display's canvas, the popup menu, timers, the clipboard, the live regions,
// and the queue of what the user does, which the program reads one event at a time.
var TomaroHost = (() => {
  'use strict';

  // The dialog font "ＭＳ Ｐゴシック", or the nearest Japanese proportional gothic there is.
  const FONT_FAMILY = '"MS PGothic", "ＭＳ Ｐゴシック", "IPAPGothic", "Hiragino Kaku Gothic ProN", ' +
    '"Noto Sans CJK JP", "Noto Sans JP", sans-serif';
  const EDGE = 2;             // a sunken edge, in CSS pixels
  const ICON_PIXELS = 32;     // the standard icon size at the dialog font's 12 pixels
  const LONG_PRESS_MS = 500;  // a touch held this long opens the menu
  const TOUCH_SLOP = 10;      // pixels a held touch may move and still be a press
  const EVENT = {click: 1, command: 2, key: 3, menu: 4, timer: 5, activate: 6, layout: 7, restart: 8};
  const CANCEL = 2;

  const queue = [];
  let wake = null;         // resolves the program's wait for an event
  let idleWaiters = [];
  const windows = new Map();
  const stack = [];        // open windows, innermost last
  let menu = null;         // the open popup menu
  let suppressClickUntil = 0;
  const measuring = document.createElement('canvas').getContext('2d');
  // What was drawn: how often, when first and last, and the last drawing's operations.
  const stats = {draws: 0, firstDraw: 0, lastDraw: 0, lastPaint: []};

  const desk = () => document.getElementById('desk');

  // ---- the queue -------------------------------------------------------------------------

  function post(window, kind, a = 0, b = 0, c = 0) {
    queue.push([window, kind, a | 0, b | 0, c | 0]);
    if (wake) {
      const w = wake;
      wake = null;
      w();
    }
  }

  function pollEvent(heap, at) {
    if (queue.length === 0) return 0;
    heap.set(queue.shift(), at);
    return 1;
  }

  function waitEvent() {
    return new Promise((resolve) => {
      wake = resolve;
      const waiters = idleWaiters;
      idleWaiters = [];
      waiters.forEach((w) => setTimeout(w));
    });
  }

  // Resolves once the program has handled everything queued and waits for more.
  function idle() {
    return new Promise((resolve) => {
      if (wake && queue.length === 0) resolve();
      else idleWaiters.push(resolve);
    });
  }

  // ---- keys ------------------------------------------------------------------------------

  // Which layout the punctuation keys follow: the layout map where the browser gives one, the
  // language otherwise, and then every key that tells (the key right of L types ":" on a
  // Japanese keyboard, "'" on a US one; "=" and "@" have their own keys too).
  let japanese = (navigator.language || '').startsWith('ja');
  if (navigator.keyboard && navigator.keyboard.getLayoutMap) {
    navigator.keyboard.getLayoutMap().then((map) => {
      const quote = map.get('Quote');
      if (quote) japanese = quote === ':';
    }).catch(() => {});
  }
  const LAYOUT_TELLS = {
    Quote: {':': true, '*': true, "'": false, '"': false},
    Equal: {'^': true, '~': true, '=': false, '+': false},
    BracketLeft: {'@': true, '`': true, '[': false, '{': false},
  };
  function learnLayout(e) {
    const tells = LAYOUT_TELLS[e.code];
    if (tells && e.key in tells) japanese = tells[e.key];
    if (e.code === 'IntlRo') japanese = true;
  }

  // The Windows virtual-key code the key would give on this layout, or 0 (web_keys.cpp). The
  // program is usually waiting in a dialog's loop: the export is called directly, below the
  // waiting frames' stack, with its texts in memory of their own (ccall would take a call
  // made during the wait for the start of another wait).
  function virtualKey(e) {
    const key = e.key;
    const code = e.code || '';
    const keySize = lengthBytesUTF8(key) + 1;
    const size = keySize + lengthBytesUTF8(code) + 1;
    const at = _malloc(size);
    stringToUTF8(key, at, keySize);
    stringToUTF8(code, at + keySize, size - keySize);
    const vk = _tomaro_virtual_key(at, at + keySize, japanese ? 1 : 0);
    _free(at);
    return vk;
  }

  function onKeyDown(e) {
    if (menu) {
      menuKey(e);
      return;
    }
    const top = stack[stack.length - 1];
    if (top === undefined || e.isComposing) return;
    if (e.altKey || e.metaKey) return;  // system keys keep their usual meaning
    learnLayout(e);
    if (e.key === 'ContextMenu' || (e.key === 'F10' && e.shiftKey)) {
      e.preventDefault();
      post(top, EVENT.menu, -1, -1);
      return;
    }
    // Every key goes to the dialog; the function keys it does not use keep the browser's
    // meaning as well (F5 reloads, F11 fills the screen).
    if (!/^F([1-8]|1[0-2])$/.test(e.key)) e.preventDefault();
    const vk = virtualKey(e);
    if (vk !== 0) post(top, EVENT.key, vk, e.ctrlKey ? 1 : 0, e.shiftKey ? 1 : 0);
  }

  // Space and Enter press a focused button when they come up: the dialog has had them.
  function onKeyUp(e) {
    if (stack.length && !menu && (e.key === ' ' || e.key === 'Enter')) e.preventDefault();
  }

  // ---- windows and controls --------------------------------------------------------------

  function withoutMnemonics(text) {
    return text.replace(/&(.)/g, '$1');
  }

  function openWindow(id, caption, modal, closeBox) {
    const frame = document.createElement(modal ? 'dialog' : 'section');
    frame.className = 'window';
    const bar = document.createElement('div');
    bar.className = 'caption';
    const title = document.createElement(modal ? 'h2' : 'h1');
    title.id = `w${id}-caption`;
    title.textContent = caption;
    frame.setAttribute('aria-labelledby', title.id);
    bar.append(title);
    if (closeBox) {
      const close = document.createElement('button');
      close.type = 'button';
      close.className = 'close';
      close.tabIndex = -1;
      close.textContent = '×';
      close.setAttribute('aria-label', '閉じる');
      close.addEventListener('click', () => post(id, EVENT.command, CANCEL));
      bar.append(close);
    }
    const client = document.createElement('div');
    client.className = 'client';
    client.addEventListener('contextmenu', (e) => onContextMenu(id, e));
    client.addEventListener('pointerdown', (e) => onPointerDown(id, e));
    frame.append(bar, client);
    if (modal) frame.addEventListener('cancel', (e) => e.preventDefault());  // Escape is a key
    desk().append(frame);
    if (modal) frame.showModal();
    windows.set(id, {id, frame, bar, client, fontPx: 12, controls: new Map(), list: [], timers: new Map()});
    stack.push(id);
  }

  function captionHeight(fontPx) {
    return Math.round(fontPx * 1.75);
  }

  function layoutWindow(id, width, height, fontPx) {
    const w = windows.get(id);
    w.fontPx = fontPx;
    w.frame.style.fontSize = `${fontPx}px`;
    w.bar.style.height = `${captionHeight(fontPx)}px`;
    w.client.style.width = `${width}px`;
    w.client.style.height = `${height}px`;
  }

  function closeWindow(id) {
    const w = windows.get(id);
    if (!w) return;
    for (const timer of w.timers.values()) clearInterval(timer);
    for (let i = queue.length - 1; i >= 0; --i) if (queue[i][0] === id) queue.splice(i, 1);
    if (menu && menu.window === id) closeMenu(false);
    if (w.frame.open) w.frame.close();
    w.frame.remove();
    windows.delete(id);
    stack.splice(stack.indexOf(id), 1);
  }

  function createControl(win, id, kind, text, name, flags) {
    const w = windows.get(win);
    let el;
    const align = flags & 64 ? 'right' : flags & 32 ? 'center' : 'left';
    if (kind === 0 || kind === 1) {  // push buttons
      el = document.createElement('button');
      el.type = 'button';
      el.className = kind === 1 ? 'key default' : 'key';
      el.textContent = withoutMnemonics(text);
      el.tabIndex = flags & 1 ? 0 : -1;
      // The name from the resources says what the button does; a caption of letters or
      // digits goes in front, so that the name holds what is seen (and said to speech input).
      const caption = withoutMnemonics(text);
      if (name !== caption) {
        el.setAttribute('aria-label', /[A-Za-z0-9]/.test(caption) && !name.includes(caption) ?
          `${caption} ${name}` : name);
      }
      el.addEventListener('click', () => {
        if (performance.now() < suppressClickUntil) return;  // the press opened the menu
        if (id !== -1) post(win, EVENT.click, id);
      });
    } else if (kind === 2) {  // read-only field
      el = document.createElement('input');
      el.type = 'text';
      el.readOnly = true;
      el.className = 'field';
      el.tabIndex = flags & 1 ? 0 : -1;
      el.value = text;
      el.style.textAlign = align;
      el.setAttribute('aria-label', name);
    } else if (kind === 3) {  // the display: a canvas in a sunken edge
      el = document.createElement('div');
      el.className = flags & 4 ? 'display sunken' : 'display';
      const canvas = document.createElement('canvas');
      canvas.setAttribute('role', 'img');
      canvas.setAttribute('aria-label', name);
      const description = document.createElement('span');
      description.id = `w${win}-c${id}-description`;
      description.hidden = true;
      canvas.setAttribute('aria-describedby', description.id);
      el.append(canvas, description);
      el.canvas = canvas;
      el.description = description;
      el.edge = flags & 4 ? EDGE : 0;
    } else if (kind === 4) {  // the icon
      el = document.createElement('img');
      el.className = 'icon';
      el.src = 'icons/tomaro.svg';
      el.alt = '';
    } else {  // a label
      el = document.createElement('p');
      el.className = 'label';
      el.textContent = flags & 16 ? text : withoutMnemonics(text);
      el.style.textAlign = align;
    }
    el.dataset.id = id;
    if (flags & 2) setEnabled(el, false);
    w.client.append(el);
    w.list.push(el);
    if (id !== -1) w.controls.set(id, el);
  }

  function placeControl(win, index, x, y, width, height, displayFontPx) {
    const w = windows.get(win);
    const el = w.list[index];
    if (el.className === 'icon') width = height = Math.round(ICON_PIXELS * w.fontPx / 12);
    Object.assign(el.style, {left: `${x}px`, top: `${y}px`, width: `${width}px`, height: `${height}px`});
    if (!el.canvas) return;
    // Drawn at the screen's own pixels, so it stays sharp at any density and size.
    const cssWidth = width - 2 * el.edge;
    const cssHeight = height - 2 * el.edge;
    const ratio = window.devicePixelRatio || 1;
    el.canvas.style.width = `${cssWidth}px`;
    el.canvas.style.height = `${cssHeight}px`;
    el.canvas.width = Math.round(cssWidth * ratio);
    el.canvas.height = Math.round(cssHeight * ratio);
    el.cssWidth = cssWidth;
    el.cssHeight = cssHeight;
    el.ratio = ratio;
    el.font = `${displayFontPx}px ${FONT_FAMILY}`;
    el.ctx = el.canvas.getContext('2d');
    el.ctx.font = el.font;
    el.ascent = el.ctx.measureText('X').fontBoundingBoxAscent;
  }

  function extentOf(ctx, text) {
    const m = ctx.measureText(text);
    return [Math.round(m.width), Math.ceil(m.fontBoundingBoxAscent + m.fontBoundingBoxDescent)];
  }

  function measureDialogFont(px, text, heap, at) {
    measuring.font = `${px}px ${FONT_FAMILY}`;
    heap.set(extentOf(measuring, text), at);
  }

  function measureCanvasText(win, id, text, heap, at) {
    const el = windows.get(win).controls.get(id);
    el.ctx.font = el.font;
    heap.set(extentOf(el.ctx, text), at);
  }

  function canvasSize(win, id, heap, at) {
    const el = windows.get(win).controls.get(id);
    heap.set([el.cssWidth, el.cssHeight], at);
  }

  function setEnabled(el, enabled) {
    if (enabled) el.removeAttribute('aria-disabled');
    else el.setAttribute('aria-disabled', 'true');
  }

  function enableControl(win, id, enabled) {
    setEnabled(windows.get(win).controls.get(id), enabled);
  }

  function focusControl(win, id) {
    const el = windows.get(win).controls.get(id);
    if (el) el.focus({preventScroll: true});
  }

  function focusedControl(win) {
    const w = windows.get(win);
    const active = document.activeElement;
    return active && w.client.contains(active) && active.dataset.id ? Number(active.dataset.id) : 0;
  }

  // what: 0 the text, 1 the accessible name, 2 the accessible description.
  function setText(win, id, text, what) {
    const el = windows.get(win).controls.get(id);
    if (!el) return;
    const target = el.canvas || el;
    if (what === 1) {
      target.setAttribute('aria-label', text);
    } else if (what === 2) {
      if (el.description) el.description.textContent = text;
    } else if (el.tagName === 'INPUT') {
      el.value = text;
      el.scrollLeft = 0;  // a text too long for the field shows its beginning
      el.title = el.scrollWidth > el.clientWidth ? text : '';  // and all of it in the tooltip
    } else {
      el.textContent = withoutMnemonics(text);
    }
  }

  function announce(text) {
    document.getElementById('status').textContent = text;
  }

  // ---- timers ----------------------------------------------------------------------------

  function dropQueued(win, kind, a) {
    for (let i = queue.length - 1; i >= 0; --i) {
      const e = queue[i];
      if (e[0] === win && e[1] === kind && e[2] === a) queue.splice(i, 1);
    }
  }

  function setTimer(win, id, ms) {
    killTimer(win, id);
    const w = windows.get(win);
    w.timers.set(id, setInterval(() => post(win, EVENT.timer, id), ms));
  }

  // A killed timer's expiry that is still queued never arrives.
  function killTimer(win, id) {
    const w = windows.get(win);
    if (w.timers.has(id)) clearInterval(w.timers.get(id));
    w.timers.delete(id);
    dropQueued(win, EVENT.timer, id);
  }

  // ---- the context menu ------------------------------------------------------------------

  function onContextMenu(win, e) {
    if (e.target.tagName === 'INPUT') return;  // a read-only field keeps its own menu
    e.preventDefault();
    if (performance.now() < suppressClickUntil) return;  // a long press already opened it
    post(win, EVENT.menu, Math.round(e.clientX), Math.round(e.clientY));
  }

  // A touch held still opens the menu where it is; the click that ends it presses nothing.
  function onPointerDown(win, e) {
    if (e.pointerType !== 'touch' || e.target.tagName === 'INPUT') return;
    const x = e.clientX;
    const y = e.clientY;
    const target = e.target;
    let timer = 0;
    const end = () => {
      clearTimeout(timer);
      target.removeEventListener('pointermove', move);
      target.removeEventListener('pointerup', end);
      target.removeEventListener('pointercancel', end);
    };
    const move = (m) => {
      if (Math.hypot(m.clientX - x, m.clientY - y) > TOUCH_SLOP) end();
    };
    timer = setTimeout(() => {
      end();
      suppressClickUntil = performance.now() + 1000;
      post(win, EVENT.menu, Math.round(x), Math.round(y));
    }, LONG_PRESS_MS);
    target.addEventListener('pointermove', move);
    target.addEventListener('pointerup', end);
    target.addEventListener('pointercancel', end);
  }

  function popupMenu(win, lines, x, y) {
    closeMenu(false);
    const list = document.createElement('div');
    list.className = 'menu';
    list.style.fontSize = `${windows.get(win).fontPx}px`;
    list.setAttribute('role', 'menu');
    list.setAttribute('aria-label', 'メニュー');
    const items = [];
    for (const line of lines.split('\n')) {
      if (!line) continue;
      const [id, text, disabled] = line.split('\t');
      if (id === '0') {
        const rule = document.createElement('div');
        rule.setAttribute('role', 'separator');
        list.append(rule);
        continue;
      }
      const item = document.createElement('button');
      item.type = 'button';
      item.tabIndex = -1;
      item.setAttribute('role', 'menuitem');
      const mark = text.indexOf('&');
      item.append(text.slice(0, Math.max(mark, 0)));
      if (mark >= 0) {
        const u = document.createElement('u');
        u.textContent = text[mark + 1];
        item.append(u, text.slice(mark + 2));
        item.mnemonic = text[mark + 1].toUpperCase();
      } else {
        item.append(text);
      }
      item.commandId = Number(id);
      item.enabled = disabled !== '1';
      if (!item.enabled) item.setAttribute('aria-disabled', 'true');
      item.addEventListener('click', () => choose(item));
      list.append(item);
      items.push(item);
    }
    document.getElementById('desk').append(list);
    // Its top-left corner at the point, moved back where the page would cut it.
    const box = list.getBoundingClientRect();
    const left = Math.max(0, Math.min(x, document.documentElement.clientWidth - box.width));
    const top = Math.max(0, Math.min(y, document.documentElement.clientHeight - box.height));
    Object.assign(list.style, {left: `${left}px`, top: `${top}px`});
    menu = {window: win, list, items, returnFocus: document.activeElement};
    const first = items.find((i) => i.enabled) || items[0];
    if (first) first.focus();
    setTimeout(() => document.addEventListener('pointerdown', outsideMenu, true));
  }

  function outsideMenu(e) {
    if (menu && !menu.list.contains(e.target)) closeMenu(true);
  }

  function closeMenu(restoreFocus) {
    if (!menu) return;
    document.removeEventListener('pointerdown', outsideMenu, true);
    menu.list.remove();
    if (restoreFocus && menu.returnFocus) menu.returnFocus.focus({preventScroll: true});
    menu = null;
  }

  // The choice arrives as a command once the menu has gone.
  function choose(item) {
    if (!item.enabled || !menu) return;
    const win = menu.window;
    closeMenu(true);
    post(win, EVENT.command, item.commandId);
  }

  function menuKey(e) {
    e.preventDefault();
    const items = menu.items;
    const at = items.indexOf(document.activeElement);
    const step = (d) => {
      for (let i = 1; i <= items.length; ++i) {
        const next = items[(at + d * i + items.length * 2) % items.length];
        if (next.enabled) return next.focus();
      }
    };
    if (e.key === 'ArrowDown') step(1);
    else if (e.key === 'ArrowUp') step(-1);
    else if ((e.key === 'Enter' || e.key === ' ') && at >= 0) choose(items[at]);
    else if (e.key === 'Escape' || e.key === 'Tab' || e.key === 'Alt' || e.key === 'F10') closeMenu(true);
    else {
      const item = items.find((i) => i.mnemonic === e.key.toUpperCase());
      if (item) choose(item);
    }
  }

  function clientOrigin(win, heap, at) {
    const box = windows.get(win).client.getBoundingClientRect();
    heap.set([Math.round(box.left), Math.round(box.top)], at);
  }

  // ---- clipboard -------------------------------------------------------------------------

  async function clipboardText() {
    try {
      return await navigator.clipboard.readText();
    } catch (e) {
      return '';  // not allowed, or nothing that is text
    }
  }

  function setClipboardText(text) {
    if (navigator.clipboard) navigator.clipboard.writeText(text).catch(() => {});
  }

  // ---- drawing ---------------------------------------------------------------------------

  const ALIGN = ['left', 'right', 'center'];
  const OP_WORDS = 7;

  function draw(win, id, heap, at, count) {
    const el = windows.get(win).controls.get(id);
    const ctx = el.ctx;
    ctx.setTransform(el.ratio, 0, 0, el.ratio, 0, 0);
    ctx.font = el.font;
    ctx.textBaseline = 'alphabetic';
    ctx.fillStyle = '#000';
    const paint = [];
    for (let i = 0; i < count; ++i) {
      const o = at + i * OP_WORDS;
      const [kind, a, b, c, d, text, length] = heap.subarray(o, o + OP_WORDS);
      if (kind === 0) {
        ctx.fillStyle = '#fff';
        ctx.fillRect(a, b, c - a, d - b);
        ctx.fillStyle = '#000';
        paint.push(['fill']);
      } else if (kind === 1) {
        ctx.textAlign = ALIGN[a];
        paint.push(['align', ALIGN[a]]);
      } else if (kind === 2) {
        const string = UTF8ToString(text, length);
        ctx.fillText(string, a, b + el.ascent);  // y is the text's top
        paint.push(['text', string]);
      } else {
        line(ctx, a, b, c, d);
        paint.push(['line']);
      }
    }
    stats.lastPaint = paint;
    const now = performance.now();
    if (stats.draws++ === 0) {
      stats.firstDraw = now;
      performance.mark('tomaro-first-draw');
    }
    stats.lastDraw = now;
  }

  // A one-pixel line from the first point up to, not including, the second.
  function line(ctx, x1, y1, x2, y2) {
    if (y1 === y2) {
      ctx.fillRect(Math.min(x1, x2 + 1), y1, Math.abs(x2 - x1), 1);
      return;
    }
    const dx = Math.abs(x2 - x1);
    const dy = -Math.abs(y2 - y1);
    const sx = x1 < x2 ? 1 : -1;
    const sy = y1 < y2 ? 1 : -1;
    let error = dx + dy;
    let x = x1;
    let y = y1;
    while (x !== x2 || y !== y2) {
      ctx.fillRect(x, y, 1, 1);
      const twice = 2 * error;
      if (twice >= dy) {
        error += dy;
        x += sx;
      }
      if (twice <= dx) {
        error += dx;
        y += sy;
      }
    }
  }

  // ---- the page --------------------------------------------------------------------------

  function viewport(heap, at) {
    heap.set([document.documentElement.clientWidth, document.documentElement.clientHeight], at);
  }

  function showEnded() {
    const note = document.createElement('div');
    note.className = 'ended';
    const text = document.createElement('p');
    text.textContent = 'Tomaro -Quillet- を終了しました。';
    const again = document.createElement('button');
    again.type = 'button';
    again.textContent = 'もう一度開く';
    again.addEventListener('click', () => {
      note.remove();
      post(0, EVENT.restart);
    });
    note.append(text, again);
    desk().append(note);
    again.focus();
  }

  // Laid out again when the page changes size or pixel density, once a frame at most.
  let layoutPending = false;
  function relayout() {
    if (layoutPending) return;
    layoutPending = true;
    requestAnimationFrame(() => {
      layoutPending = false;
      closeMenu(true);
      post(0, EVENT.layout);
    });
  }
  function watchDensity() {
    const query = matchMedia(`(resolution: ${window.devicePixelRatio}dppx)`);
    query.addEventListener('change', () => {
      relayout();
      watchDensity();
    }, {once: true});
  }

  document.addEventListener('keydown', onKeyDown, true);
  document.addEventListener('keyup', onKeyUp, true);
  window.addEventListener('resize', relayout);
  watchDensity();
  window.addEventListener('focus', () => stack.length && post(stack[stack.length - 1], EVENT.activate, 1));
  window.addEventListener('blur', () => stack.length && post(stack[stack.length - 1], EVENT.activate, 0));

  return {
    pollEvent, waitEvent, idle, stats, viewport, measureDialogFont, measureCanvasText,
    canvasSize, openWindow, captionHeight, layoutWindow, closeWindow, createControl,
    placeControl, enableControl, focusControl, focusedControl, setText, announce, setTimer,
    killTimer, popupMenu, clientOrigin, clipboardText, setClipboardText, draw, showEnded,
  };
})();

// The program starts once the page's body is there (the script is fetched from the head, so
// that it loads beside the WebAssembly).
Module['preRun'] = [() => {
  if (document.readyState !== 'loading') return;
  addRunDependency('page');
  document.addEventListener('DOMContentLoaded', () => removeRunDependency('page'), {once: true});
}];
