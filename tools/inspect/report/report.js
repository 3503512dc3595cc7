// The report's behaviour: builds the tree and the pictures from the data embedded in the page,
// outlines the object under the pointer (in the tree or in the picture), pins an object on
// click and shows its properties and PATH, filters the tree by a search. Plain script that
// works from a file, without network.
//
// The fragment can ask for a state on load: #pin=@0/3 pins that object, #search=TEXT filters.
// #selftest (with &hover=PATH, &point=PATH, &pin=PATH, &keys=K1,K2, &search=TEXT) drives the
// page as a person would and writes what it measured as JSON into #selftest-result, for tests
// that run the page in a headless browser and read its DOM.
(function () {
  'use strict';

  const data = JSON.parse(document.getElementById('report-data').textContent);
  const nodes = []; // every object of every window, in the agent's walk order
  const byPath = new Map();
  const windowNodes = []; // per window, its objects
  const pictures = []; // per window: {frame, img, area, hover, pinned} or null
  const search = document.getElementById('search');
  const tree = document.getElementById('tree');
  const details = document.getElementById('details-pane');
  const detailsHint = details.firstElementChild;
  let currentWindow = -1;
  let hovered = null;
  let pinned = null;

  function element(tag, className, text) {
    const made = document.createElement(tag);
    if (className) made.className = className;
    if (text !== undefined) made.textContent = text;
    return made;
  }

  function stringOf(value) {
    return typeof value === 'string' ? value : '';
  }

  function shortened(text, limit) {
    const flat = text.replace(/\s+/g, ' ').trim();
    return flat.length > limit ? flat.slice(0, limit - 1) + '\u2026' : flat;
  }

  function rectangleOf(summary) {
    const bounds = summary['.bounds'];
    return Array.isArray(bounds) && bounds.length === 4 ? bounds : null;
  }

  function overlaps(rect, area) {
    return rect[0] < area[0] + area[2] && rect[0] + rect[2] > area[0] &&
        rect[1] < area[1] + area[3] && rect[1] + rect[3] > area[1];
  }

  // --- Model ---------------------------------------------------------------------------------

  function buildNodes() {
    data.windows.forEach(function (win, w) {
      const first = nodes.length;
      windowNodes.push([]);
      win.objects.forEach(function (object) {
        const summary = object.summary || {};
        const node = {
          window: w,
          path: object.path,
          depth: object.depth,
          parent: object.parent >= 0 ? nodes[first + object.parent] : null,
          children: [],
          summary: summary,
          standard: object.standard || {},
          native: object.native || {},
          cls: stringOf(summary['.class']),
          id: stringOf(summary['.id']),
          name: stringOf(summary['.name']),
          text: stringOf(summary['.text']),
          rect: rectangleOf(summary),
          collapsed: false,
          row: null,
        };
        node.empty = !node.rect || node.rect[2] <= 0 || node.rect[3] <= 0;
        node.offscreen = !node.empty && !!win.picture && !overlaps(node.rect, win.picture.area);
        node.searchText = [node.cls, node.id, node.name, node.text].join('\n').toLowerCase();
        if (node.parent) node.parent.children.push(node);
        nodes.push(node);
        windowNodes[w].push(node);
        byPath.set(node.path, node);
      });
    });
  }

  // --- Tree ----------------------------------------------------------------------------------

  function mark(kind, label, explanation) {
    const badge = element('span', 'mark ' + kind, label);
    badge.title = explanation;
    return badge;
  }

  function buildRow(node) {
    const row = element('div', 'row' + (node.depth === 0 ? ' window-row' : ''));
    row.setAttribute('role', 'treeitem');
    row.dataset.path = node.path;
    row.title = node.path;
    row.style.paddingLeft = (4 + node.depth * 14) + 'px';
    node.toggle = element('span', 'toggle', node.children.length ? '\u25be' : '');
    row.append(node.toggle, element('span', 'cls', node.cls || '(no class)'));
    if (node.id) row.append(' ', element('span', 'ident', '#' + node.id));
    if (node.name && node.name !== node.id) row.append(' ', element('span', 'ident', 'name=' + node.name));
    const snippet = shortened(node.text, 40);
    if (snippet) row.append(' ', element('span', 'snippet', '"' + snippet + '"'));
    if (node.empty) {
      row.append(mark('empty', 'empty', 'no rectangle, or one without area'));
    } else if (node.offscreen) {
      row.append(mark('offscreen', 'off-screen', 'its rectangle lies outside the window\u2019s picture'));
    }
    node.row = row;
    return row;
  }

  function buildTree() {
    const rows = document.createDocumentFragment();
    nodes.forEach(function (node) { rows.append(buildRow(node)); });
    tree.append(rows);
    tree.addEventListener('mouseover', function (event) {
      const node = nodeOfRow(event.target);
      if (node && node !== hovered) hover(node);
    });
    tree.addEventListener('mouseleave', function () { hover(null); });
    tree.addEventListener('click', function (event) {
      const node = nodeOfRow(event.target);
      if (!node) return;
      if (event.target === node.toggle && node.children.length) {
        setCollapsed(node, !node.collapsed);
      } else {
        pin(node);
      }
      tree.focus({ preventScroll: true });
    });
    tree.tabIndex = 0;
    tree.addEventListener('keydown', onTreeKey);
  }

  // The keys of a tree view: up and down move the pin to the previous or next shown row, left
  // folds the pinned object's children (or goes to its parent), right unfolds them.
  function onTreeKey(event) {
    if (!pinned) {
      const first = nodes.find(function (node) { return !node.row.hidden; });
      if (first && event.key.indexOf('Arrow') === 0) pin(first);
      event.preventDefault();
      return;
    }
    const shown = nodes.filter(function (node) { return !node.row.hidden; });
    const at = shown.indexOf(pinned);
    if (event.key === 'ArrowDown' && at + 1 < shown.length) {
      pin(shown[at + 1]);
    } else if (event.key === 'ArrowUp' && at > 0) {
      pin(shown[at - 1]);
    } else if (event.key === 'ArrowLeft') {
      if (pinned.children.length && !pinned.collapsed) {
        setCollapsed(pinned, true);
      } else if (pinned.parent) {
        pin(pinned.parent);
      }
    } else if (event.key === 'ArrowRight' && pinned.collapsed) {
      setCollapsed(pinned, false);
    } else {
      return;
    }
    event.preventDefault();
  }

  function setCollapsed(node, collapsed) {
    node.collapsed = collapsed;
    node.toggle.textContent = collapsed ? '\u25b8' : '\u25be';
    updateRows();
  }

  function nodeOfRow(target) {
    const row = target.closest ? target.closest('.row') : null;
    return row ? byPath.get(row.dataset.path) : null;
  }

  // Shows the rows the search keeps (those that match, and their ancestors, so each match is
  // seen in its place) and that no collapsed ancestor hides; a search shows through collapses.
  function updateRows() {
    const query = search.value.trim().toLowerCase();
    nodes.forEach(function (node) {
      node.matches = query !== '' && node.searchText.indexOf(query) >= 0;
      node.keptBelow = false;
    });
    for (let i = nodes.length - 1; i >= 0; --i) {
      const node = nodes[i];
      node.kept = query === '' || node.matches || node.keptBelow;
      if (node.kept && node.parent) node.parent.keptBelow = true;
    }
    let shown = 0;
    let matched = 0;
    nodes.forEach(function (node) {
      const parent = node.parent;
      node.folded = !!parent && query === '' && (parent.collapsed || parent.folded);
      node.row.hidden = !node.kept || node.folded;
      node.row.classList.toggle('match', node.matches);
      if (!node.row.hidden) ++shown;
      if (node.matches) ++matched;
    });
    document.getElementById('search-count').textContent = query === ''
      ? nodes.length + ' objects'
      : matched + ' of ' + nodes.length + ' objects match';
    return { shown: shown, matched: matched };
  }

  // --- Pictures and outlines -----------------------------------------------------------------

  function buildPictures() {
    const pane = document.getElementById('picture-pane');
    const tabs = document.getElementById('window-tabs');
    data.windows.forEach(function (win, w) {
      const tab = element('button', null, '@' + win.index + ' ' + win.kind);
      tab.title = (win.class || 'no object') + ', ' + win.objects.length + ' objects';
      tab.addEventListener('click', function () {
        showWindow(w);
        if (windowNodes[w].length) windowNodes[w][0].row.scrollIntoView({ block: 'start' });
      });
      tabs.append(tab);
      const frame = element('div', 'picture-frame');
      const caption = element('p', 'picture-caption');
      const block = element('div', 'picture-block');
      block.append(frame, caption);
      block.hidden = true;
      pane.append(block);
      if (!win.picture) {
        caption.classList.add('picture-missing');
        caption.textContent = '@' + win.index + ' ' + win.kind + ': no picture (' + (win.error || 'unknown') + ')';
        pictures.push({ block: block, tab: tab, frame: null });
        return;
      }
      const img = element('img');
      img.src = win.picture.png;
      img.alt = 'Picture of top-level object @' + win.index;
      const hoverBox = element('div', 'outline hover');
      const pinnedBox = element('div', 'outline pinned');
      frame.append(img, pinnedBox, hoverBox);
      caption.textContent = '@' + win.index + ' ' + win.kind + ' (' + (win.class || 'no object') +
          '), screen area [' + win.picture.area.join(', ') + ']';
      img.addEventListener('mousemove', function (event) {
        const node = objectAtClientPoint(w, event.clientX, event.clientY);
        if (node !== hovered) {
          hover(node);
          if (node) node.row.scrollIntoView({ block: 'nearest' });
        }
      });
      img.addEventListener('mouseleave', function () { hover(null); });
      img.addEventListener('click', function () { if (hovered) pin(hovered); });
      pictures.push({ block: block, tab: tab, frame: frame, img: img, area: win.picture.area,
                      hover: hoverBox, pinned: pinnedBox });
    });
    window.addEventListener('resize', function () {
      place('hover', hovered);
      place('pinned', pinned);
    });
  }

  function showWindow(w) {
    if (w === currentWindow) return;
    currentWindow = w;
    pictures.forEach(function (picture, i) {
      picture.block.hidden = i !== w;
      picture.tab.classList.toggle('current', i === w);
    });
    place('pinned', pinned);
  }

  // Device pixels of the screen per CSS pixel of the shown picture.
  function scaleOf(picture) {
    return picture.img.clientWidth / (picture.img.naturalWidth || picture.area[2]);
  }

  // Puts the outline of `kind` (hover or pinned) on the node's rectangle, in the picture's
  // scale: screen point (x, y) sits at ((x - area.x) * scale, (y - area.y) * scale).
  function place(kind, node) {
    pictures.forEach(function (picture) { if (picture.frame) picture[kind].style.display = 'none'; });
    const picture = node ? pictures[node.window] : null;
    if (!picture || !picture.frame || node.empty || node.window !== currentWindow) return;
    const scale = scaleOf(picture);
    const box = picture[kind];
    box.style.left = (node.rect[0] - picture.area[0]) * scale + 'px';
    box.style.top = (node.rect[1] - picture.area[1]) * scale + 'px';
    box.style.width = node.rect[2] * scale + 'px';
    box.style.height = node.rect[3] * scale + 'px';
    box.style.display = 'block';
  }

  // The object the agent would name at a point of the picture: of the shown rows whose
  // rectangle holds the point, the smallest (the deepest on ties, as it comes later).
  function objectAtClientPoint(w, clientX, clientY) {
    const picture = pictures[w];
    const shown = picture.img.getBoundingClientRect();
    const scale = scaleOf(picture);
    const x = picture.area[0] + (clientX - shown.left) / scale;
    const y = picture.area[1] + (clientY - shown.top) / scale;
    let best = null;
    let bestArea = Infinity;
    windowNodes[w].forEach(function (node) {
      const r = node.rect;
      if (node.empty || node.row.hidden) return;
      if (x < r[0] || y < r[1] || x >= r[0] + r[2] || y >= r[1] + r[3]) return;
      const area = r[2] * r[3];
      if (area <= bestArea) {
        best = node;
        bestArea = area;
      }
    });
    return best;
  }

  function hover(node) {
    if (hovered) hovered.row.classList.remove('hovered');
    hovered = node;
    if (node) {
      node.row.classList.add('hovered');
      showWindow(node.window);
    }
    place('hover', node);
  }

  function pin(node) {
    if (pinned) pinned.row.classList.remove('pinned');
    pinned = node;
    if (node) {
      node.row.classList.add('pinned');
      showWindow(node.window);
      for (let up = node.parent; up; up = up.parent) {
        if (up.collapsed) setCollapsed(up, false);
      }
      updateRows();
      node.row.scrollIntoView({ block: 'nearest' });
    }
    place('pinned', node);
    showDetails(node);
  }

  // --- Properties ----------------------------------------------------------------------------

  // `unlisted`: properties the object answered when asked by name but does not list; they
  // are shown too, marked, since a test may rely on them.
  function propertyTable(properties, unlisted) {
    const table = element('table', 'props');
    function add(name, value, mark) {
      const row = element('tr');
      const label = element('td', null, name);
      if (mark) {
        label.append(element('span', 'unlisted', '*'));
        row.title = 'answered when asked by name; the object does not list it';
      }
      row.append(label, element('td', null, JSON.stringify(value)));
      table.append(row);
    }
    Object.keys(properties).forEach(function (name) { add(name, properties[name], false); });
    Object.keys(unlisted || {}).forEach(function (name) {
      if (!(name in properties)) add(name, unlisted[name], true);
    });
    if (!table.firstChild) {
      const none = element('tr');
      none.append(element('td', null, '(none)'));
      table.append(none);
    }
    return table;
  }

  function copyPath(field, button) {
    function done(ok) {
      button.textContent = ok ? 'Copied' : 'Select and copy';
      setTimeout(function () { button.textContent = 'Copy'; }, 1500);
    }
    field.focus();
    field.select();
    if (navigator.clipboard && window.isSecureContext) {
      navigator.clipboard.writeText(field.value).then(function () { done(true); },
                                                     function () { done(document.execCommand('copy')); });
    } else {
      done(document.execCommand('copy'));
    }
  }

  function showDetails(node) {
    details.replaceChildren();
    if (!node) {
      details.append(detailsHint);
      return;
    }
    details.append(element('h2', null, node.cls || '(no class)'));
    const line = element('div', 'path-line');
    const field = element('input');
    field.id = 'path-field';
    field.readOnly = true;
    field.value = node.path;
    field.addEventListener('focus', function () { field.select(); });
    const copy = element('button', null, 'Copy');
    copy.addEventListener('click', function () { copyPath(field, copy); });
    line.append(field, copy);
    details.append(element('h3', null, 'Path'), line,
                   element('p', 'command', 'nshtml-inspect get \'' + node.path + '\' .bounds'),
                   element('p', 'command', 'nshtml-inspect props \'' + node.path + '\''));
    if (node.empty) {
      details.append(element('p', 'hint', 'Its rectangle is empty: nothing to outline.'));
    } else if (node.offscreen) {
      details.append(element('p', 'hint', 'Its rectangle [' + node.rect.join(', ') +
                                              '] lies outside the window\u2019s picture.'));
    }
    details.append(element('h3', null, 'Standard properties'),
                   propertyTable(node.standard, node.summary),
                   element('h3', null, 'Native properties'), propertyTable(node.native));
  }

  // --- Start-up and self-test ----------------------------------------------------------------

  function fragmentParameters() {
    const parameters = new Map();
    location.hash.replace(/^#/, '').split('&').forEach(function (part) {
      if (!part) return;
      const equals = part.indexOf('=');
      const key = decodeURIComponent(equals < 0 ? part : part.slice(0, equals));
      parameters.set(key, equals < 0 ? '' : decodeURIComponent(part.slice(equals + 1)));
    });
    return parameters;
  }

  // Lengths for the self-test's result, in hundredths of a CSS pixel: whole numbers, which
  // any JSON reader takes.
  function hundredths(length) {
    return Math.round(length * 100);
  }

  function relativeBox(inner, outer) {
    const a = inner.getBoundingClientRect();
    const b = outer.getBoundingClientRect();
    return [a.left - b.left, a.top - b.top, a.width, a.height].map(hundredths);
  }

  // Hovers a tree row as the pointer would and measures where the outline landed.
  function hoverRowTest(path) {
    const node = byPath.get(path);
    if (!node) return { path: path, error: 'no object with that PATH' };
    node.row.dispatchEvent(new MouseEvent('mouseover', { bubbles: true }));
    const picture = pictures[node.window];
    if (!picture.frame) return { path: path, hovered: hovered && hovered.path, error: 'no picture' };
    const shown = picture.img.getBoundingClientRect();
    return {
      path: path,
      hovered: hovered && hovered.path,
      outlineShown: getComputedStyle(picture.hover).display !== 'none',
      outline: relativeBox(picture.hover, picture.img),
      picture: { naturalWidth: picture.img.naturalWidth, naturalHeight: picture.img.naturalHeight,
                 width: hundredths(shown.width), height: hundredths(shown.height) },
    };
  }

  // Moves the pointer over the middle of the object's place in the picture: which object
  // does the page outline there?
  function pointTest(path) {
    const node = byPath.get(path);
    if (!node || node.empty) return { path: path, error: 'no object with a rectangle there' };
    showWindow(node.window);
    const picture = pictures[node.window];
    const shown = picture.img.getBoundingClientRect();
    const scale = scaleOf(picture);
    const x = shown.left + (node.rect[0] + node.rect[2] / 2 - picture.area[0]) * scale;
    const y = shown.top + (node.rect[1] + node.rect[3] / 2 - picture.area[1]) * scale;
    picture.img.dispatchEvent(new MouseEvent('mousemove', { bubbles: true, clientX: x, clientY: y }));
    return { path: path, hovered: hovered && hovered.path };
  }

  function pinTest(path) {
    const node = byPath.get(path);
    if (!node) return { path: path, error: 'no object with that PATH' };
    node.row.dispatchEvent(new MouseEvent('click', { bubbles: true }));
    const field = document.getElementById('path-field');
    return {
      path: path,
      pinned: pinned && pinned.path,
      pathField: field ? field.value : null,
      propertyRows: details.querySelectorAll('table.props tr').length,
    };
  }

  // Presses keys (such as ArrowDown) in the tree, one after the other: where is the pin then,
  // and which rows are shown?
  function keysTest(keys) {
    keys.forEach(function (key) {
      tree.dispatchEvent(new KeyboardEvent('keydown', { key: key, bubbles: true }));
    });
    return {
      keys: keys,
      pinned: pinned && pinned.path,
      shown: nodes.filter(function (node) { return !node.row.hidden; }).length,
    };
  }

  function searchTest(query) {
    search.value = query;
    search.dispatchEvent(new Event('input', { bubbles: true }));
    const shownRows = [];
    const matchedRows = [];
    nodes.forEach(function (node) {
      if (!node.row.hidden) shownRows.push(node.path);
      if (node.row.classList.contains('match')) matchedRows.push(node.path);
    });
    return { query: query, shown: shownRows, matched: matchedRows };
  }

  function selfTest(parameters) {
    const result = {
      windows: data.windows.length,
      objects: nodes.length,
      rows: tree.querySelectorAll('.row').length,
      marked: {
        empty: tree.querySelectorAll('.mark.empty').length,
        offscreen: tree.querySelectorAll('.mark.offscreen').length,
      },
    };
    if (parameters.has('hover')) result.hover = hoverRowTest(parameters.get('hover'));
    if (parameters.has('point')) result.point = pointTest(parameters.get('point'));
    if (parameters.has('pin')) result.pin = pinTest(parameters.get('pin'));
    if (parameters.has('keys')) result.keys = keysTest(parameters.get('keys').split(','));
    if (parameters.has('search')) result.search = searchTest(parameters.get('search'));
    const out = document.getElementById('selftest-result');
    out.textContent = JSON.stringify(result);
    out.hidden = false;
  }

  function start() {
    const parameters = fragmentParameters();
    if (parameters.has('selftest')) {
      selfTest(parameters);
      return;
    }
    if (parameters.has('search')) {
      search.value = parameters.get('search');
      updateRows();
    }
    if (parameters.has('pin') && byPath.has(parameters.get('pin'))) pin(byPath.get(parameters.get('pin')));
    if (parameters.has('hover') && byPath.has(parameters.get('hover'))) hover(byPath.get(parameters.get('hover')));
  }

  buildNodes();
  buildPictures();
  buildTree();
  search.addEventListener('input', updateRows);
  updateRows();
  showWindow(0);
  // Outlines need the pictures' sizes, which are known once they have loaded.
  if (document.readyState === 'complete') {
    start();
  } else {
    window.addEventListener('load', start);
  }
})();
