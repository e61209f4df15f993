/* SPDX-FileCopyrightText: The Tallivant developers
   SPDX-License-Identifier: GPL-3.0-or-later */
/* The live page draws the game from its JSON with DOM methods and textContent alone, so that
   no text of the game is ever read as markup. Served by a web server it fetches game.json
   every 5 s and redraws in place; opened as a file it reloads itself every 15 s. A game.json
   that cannot be read, or is no game of this format, leaves the page as it was. Its words are
   English unless the page carries the reader's, keyed by the English, in its "words" block;
   the same block gives game.json's English texts (a period's name, a play's words) theirs. */
(function () {
  'use strict';

  var main = document.getElementById('live');
  var shownText = null;
  var shownTime = '';
  var parts = {};
  var state;

  function el(tag, className, text) {
    var node = document.createElement(tag);
    if (className) node.className = className;
    if (text !== undefined && text !== null) node.textContent = String(text);
    return node;
  }
  function add(parent, children) {
    for (var i = 0; i < children.length; ++i) parent.appendChild(children[i]);
    return parent;
  }
  function fill(container, children) {
    while (container.firstChild) container.removeChild(container.firstChild);
    add(container, children);
  }
  function list(value) { return Array.isArray(value) ? value : []; }
  function object(value) { return value && typeof value === 'object' ? value : {}; }
  function text(value) { return value === undefined || value === null ? '' : String(value); }

  var words = (function () {
    var block = document.getElementById('words');
    try {
      return object(block && JSON.parse(block.textContent));
    } catch (error) {
      return {};
    }
  })();
  function t(english) {
    english = text(english);
    var shown = Object.prototype.hasOwnProperty.call(words, english) && words[english];
    return typeof shown === 'string' ? shown : english;
  }
  /* The reader's words with %1, %2 filled in one pass: a name holding "%2" stays as it is. */
  function filled(english) {
    var values = arguments;
    return t(english).replace(/%([1-9])/g, function (marker, n) {
      return n < values.length ? text(values[n]) : marker;
    });
  }

  /* The game's own English texts that carry data, in the reader's words: a play's note
     ("taken back, from 4 Ann Lee, from 2nd") part by part, and an opponent's "Points set to 14".
     What does not read as such a text is shown as it is. */
  function core(english) { return t(english); }
  function coreFilled(english) { return filled.apply(null, arguments); }
  var quarters = ['1st', '2nd', '3rd', '4th', 'OT'];
  function note(english) {
    var rest = text(english), parts = [], fromQuarter = null;
    if (rest === 'taken back' || rest.indexOf('taken back, ') === 0) {
      parts.push(core('taken back'));
      rest = rest.slice('taken back, '.length);
    }
    quarters.forEach(function (quarter) {
      var tail = 'from ' + quarter;
      if (rest === tail) fromQuarter = quarter, rest = '';
      else if (rest.slice(-tail.length - 2) === ', ' + tail) {
        fromQuarter = quarter;
        rest = rest.slice(0, -tail.length - 2);
      }
    });
    if (rest) {
      if (rest.indexOf('from ') !== 0) return text(english);
      parts.push(coreFilled('from %1', rest.slice('from '.length)));
    }
    if (fromQuarter) parts.push(coreFilled('from %1', core(fromQuarter)));
    return parts.reduce(function (all, part) {
      return all === null ? part : coreFilled('%1, %2', all, part);
    }, null) || text(english);
  }
  function what(english) {
    var set = /^Points set to (\d+)$/.exec(text(english));
    return set ? coreFilled('Points set to %1', set[1]) : t(english);
  }

  /* A count as the sheet has it; a percentage with two decimals, empty with no attempts; a
     text that an edited game file holds, as it is. */
  function isPercent(column) { return text(column).slice(-1) === '%'; }
  function cell(box, column) {
    var value = object(box)[column];
    if (typeof value === 'number') return isPercent(column) ? value.toFixed(2) : String(value);
    return text(value);
  }
  function isBlank(box, columns) {
    return columns.every(function (column) {
      var value = object(box)[column];
      return value === null || value === undefined || value === 0 || value === '';
    });
  }
  /* A side the scorer left unnamed has game.json's English word for it, shown in the reader's. */
  function sideName(game, side) {
    var named = text(object(game.details)[side === 'us' ? 'team' : 'opponent']);
    var name = text(object(game.sides)[side]);
    return named ? name : t(name);
  }
  function clock(updated) { return text(updated).slice(11, 19); }

  var nextWords = {
    'two shots': t('the next gives two shots'),
    'one-and-one': t('the next gives one-and-one')
  };

  function header(game) {
    var score = object(game.score);
    var us = sideName(game, 'us'), them = sideName(game, 'them');
    var ours = text(score.us), theirs = text(score.them);
    var title = el('h1', 'score');
    title.id = 'score';
    add(title, [el('span', 'side us', us),
                el('span', 'points', ours + ' : ' + theirs),
                el('span', 'side them', them)]);
    var nodes = [title];
    var details = object(game.details);
    var when = [text(details.date), text(details.place)].filter(Boolean).join(' \u00b7 ');
    if (when) nodes.push(el('p', 'details', when));

    var period = object(game.period);
    var on = el('p', 'now');
    on.id = 'period';
    add(on, [el('span', 'badge', t(period.short))]);
    if (text(period.name) && text(period.name) !== text(period.short))
      on.appendChild(document.createTextNode(' ' + t(period.name)));
    nodes.push(on);

    var fouls = el('ul', 'fouls');
    fouls.id = 'fouls';
    var teamFouls = object(game.teamFouls);
    [[us, teamFouls.us], [them, teamFouls.them]].forEach(function (side) {
      var these = object(side[1]);
      var line = el('li', null, filled('%1: Team fouls %2', side[0], these.count));
      var next = Object.prototype.hasOwnProperty.call(nextWords, these.next) &&
          nextWords[these.next];
      if (next) add(line, [document.createTextNode(' \u00b7 '), el('span', 'bonus', next)]);
      fouls.appendChild(line);
    });
    nodes.push(fouls);
    var updated = el('p', 'state', filled('Updated %1', clock(game.updated)));
    updated.id = 'updated';
    nodes.push(updated);
    return { title: us + ' ' + ours + ' : ' + theirs + ' ' + them, nodes: nodes, state: updated };
  }

  function row(cellTag, className, texts, firstClass) {
    var tr = el('tr', className);
    texts.forEach(function (value, i) {
      tr.appendChild(el(i === 0 ? 'th' : cellTag, i === 0 ? firstClass : null, value));
    });
    return tr;
  }

  function periods(game) {
    var score = object(game.score);
    var played = list(score.periods);
    var table = el('table', 'wide');
    var names = [''].concat(played.map(function (p) { return t(object(p).name); }), [t('Total')]);
    table.appendChild(add(el('thead'), [row('th', null, names, 'name')]));
    var body = el('tbody');
    ['us', 'them'].forEach(function (side) {
      var points = played.map(function (p) { return text(object(p)[side]); });
      var texts = [sideName(game, side)].concat(points, [text(score[side])]);
      body.appendChild(row('td', null, texts, 'name'));
    });
    table.appendChild(body);
    return [el('h2', null, t('Score by period')), add(el('div', 'scroll'), [table])];
  }

  function boxScore(game) {
    var columns = list(game.columns).map(text);
    var table = el('table', 'box');
    table.id = 'box';
    table.appendChild(add(el('thead'), [row('th', null, [t('Player')].concat(columns), 'name')]));
    var body = el('tbody');
    list(game.players).forEach(function (player) {
      player = object(player);
      if (!text(player.name) && isBlank(player.box, columns)) return;
      var name = player.fouledOut ? filled('%1 (out)', player.name) : text(player.name);
      var values = columns.map(function (column) { return cell(player.box, column); });
      body.appendChild(row('td', player.fouledOut ? 'out' : null, [name].concat(values), 'name'));
    });
    table.appendChild(body);
    var totals = columns.map(function (column) { return cell(game.totals, column); });
    table.appendChild(add(el('tfoot'), [row('td', null, [t('Totals')].concat(totals), 'name')]));
    return table;
  }

  function plays(game) {
    var them = sideName(game, 'them');
    var all = list(game.plays).slice().reverse();
    if (!all.length) return [el('h2', null, t('Plays')), el('p', 'none', t('No plays yet.'))];
    var table = el('table', 'plays wide');
    table.id = 'plays';
    var body = el('tbody');
    all.forEach(function (play) {
      play = object(play);
      var who = play.side === 'them' ? them : text(play.name);
      var side = play.side === 'them' ? 'them' : 'us';
      var tr = el('tr', side + (play.counted === false ? ' void' : ''));
      var cellWhat = el('td', 'what', what(play.what));
      if (text(play.note)) cellWhat.appendChild(el('span', 'note', note(play.note)));
      add(tr, [el('td', 'time', play.time), el('td', 'period', t(play.period)), el('td', 'who', who),
               cellWhat]);
      body.appendChild(tr);
    });
    table.appendChild(body);
    return [el('h2', null, t('Plays, newest first')), add(el('div', 'scroll'), [table])];
  }

  function part(name, tag) {
    if (!parts[name]) parts[name] = main.appendChild(el(tag, name));
    return parts[name];
  }

  /* Everything is built before anything is swapped, so a game that cannot be drawn leaves
     the page whole; the parts themselves stay, which keeps the reader's scroll position and
     the box score's own sideways scroll. */
  function show(jsonText) {
    var game, top, built;
    try {
      game = JSON.parse(jsonText);
      if (!game || game.format !== 'tallivant-game' || game.version !== 1) return false;
      top = header(game);
      built = { periods: periods(game), box: boxScore(game), plays: plays(game) };
    } catch (error) {
      return false;
    }
    if (!shownText) fill(main, []);
    fill(part('top', 'header'), top.nodes);
    fill(part('periods', 'section'), built.periods);
    var box = part('box', 'section');
    if (!box.firstChild) add(box, [el('h2', null, t('Box score')), el('div', 'scroll')]);
    fill(box.lastChild, [built.box]);
    fill(part('plays', 'section'), built.plays);
    document.title = top.title;
    state = top.state;
    shownText = jsonText;
    shownTime = clock(game.updated);
    return true;
  }

  function stale() {
    if (!state || !shownText) return;
    state.textContent = filled('Not updated since %1', shownTime);
    state.className = 'state stale';
  }

  /* A request that hangs is given up after 10 s, so that polling goes on. */
  function poll() {
    var controller = typeof AbortController === 'function' ? new AbortController() : null;
    var timer = controller && setTimeout(function () { controller.abort(); }, 10000);
    fetch('game.json', { cache: 'no-store', signal: controller ? controller.signal : undefined })
      .then(function (response) {
        if (!response.ok) throw new Error('HTTP ' + response.status);
        return response.text();
      })
      .then(function (body) {
        if (body !== shownText && !show(body)) throw new Error('not a game');
        if (state) { state.textContent = filled('Updated %1', shownTime); state.className = 'state'; }
      })
      .catch(stale)
      .then(function () {
        clearTimeout(timer);
        setTimeout(poll, 5000);
      });
  }

  var embedded = document.getElementById('game');
  if (!show(embedded ? embedded.textContent : '')) {
    fill(main, [el('p', 'none', t('No game to show yet.'))]);
  }
  if (location.protocol === 'file:') {
    setTimeout(function () { location.reload(); }, 15000);
  } else {
    poll();
  }
})();
