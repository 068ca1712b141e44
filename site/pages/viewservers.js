// The server list's own finding: sort by any column, filter by game, empty, full and locked servers,
// search servers and players, and star favourites (kept in this page's storage, listed first).
// Every control is a button, box or check box, so the keyboard reaches all of them; without this
// script the list is the plain table it always was.
(function () {
    "use strict";
    var table = document.querySelector("table.servers");
    if (!table) return;
    var body = table.tBodies[0], head = body.rows[0];
    var rows = Array.prototype.slice.call(body.rows, 1);
    var store = window.localStorage, key = "tovo.favourites", favourites = {};
    try { (JSON.parse(store.getItem(key)) || []).forEach(function (p) { favourites[p] = true; }); } catch (e) {}
    function save() { try { store.setItem(key, JSON.stringify(Object.keys(favourites))); } catch (e) {} }
    function text(row, n) { return row.cells[n].textContent.toLowerCase(); }
    function number(row, name) { var v = row.getAttribute("data-" + name); return v === null || v === "" ? -1 : +v; }
    // What each column sorts by: text, or the row's numbers.
    // Column 0: the community's own order, until the member sorts.
    var columns = [function (r) { return rows.indexOf(r); }, function (r) { return text(r, 1); }, function (r) { return text(r, 2); },
                   function (r) { return text(r, 3); }, function (r) { return text(r, 4); },
                   function (r) { return number(r, "players"); }, function (r) { return number(r, "ping"); }];
    var sortBy = 0, down = false;

    function make(tag, props) { var e = document.createElement(tag); for (var k in props) e[k] = props[k]; return e; }
    var bar = make("div", { className: "finder" });
    var search = make("input", { type: "search", id: "find", placeholder: "Find a server or a player" });
    search.setAttribute("aria-label", "Find a server or a player");
    var game = make("select", { id: "game" });
    game.setAttribute("aria-label", "Game");
    game.appendChild(make("option", { value: "", textContent: "All games" }));
    var games = {};
    rows.forEach(function (r) { games[r.cells[2].textContent] = true; });
    Object.keys(games).sort().forEach(function (g) { game.appendChild(make("option", { value: g, textContent: g })); });
    function check(id, label) {
        var box = make("input", { type: "checkbox", id: id }), l = make("label", { htmlFor: id, textContent: label });
        bar.appendChild(box); bar.appendChild(l);
        return box;
    }
    bar.appendChild(search); bar.appendChild(game);
    var empty = check("hideEmpty", "hide empty"), full = check("hideFull", "hide full"),
        locked = check("hideLocked", "hide locked");
    table.parentNode.insertBefore(bar, table);

    rows.forEach(function (r) {
        var page = r.getAttribute("data-page");
        var star = make("button", { type: "button", className: "star" });
        function show() {
            var on = !!favourites[page];
            star.textContent = on ? "\u2605" : "\u2606";
            star.setAttribute("aria-pressed", on ? "true" : "false");
            star.setAttribute("aria-label", (on ? "Favourite: " : "Make a favourite: ") + r.cells[1].textContent);
        }
        star.addEventListener("click", function () {
            if (favourites[page]) delete favourites[page]; else favourites[page] = true;
            save(); show(); order();
        });
        show();
        r.cells[0].appendChild(star);
    });
    Array.prototype.forEach.call(head.cells, function (th, n) {
        if (n === 0) return;
        var b = make("button", { type: "button", className: "sort", textContent: th.textContent });
        b.addEventListener("click", function () { down = sortBy === n ? !down : false; sortBy = n; order(); });
        th.textContent = "";
        th.appendChild(b);
    });

    function order() {
        var by = columns[sortBy];
        var sorted = rows.slice().sort(function (a, b) {
            var fa = favourites[a.getAttribute("data-page")] ? 0 : 1, fb = favourites[b.getAttribute("data-page")] ? 0 : 1;
            if (fa !== fb) return fa - fb;
            var x = by(a), y = by(b), c = x < y ? -1 : x > y ? 1 : 0;
            return down ? -c : c;
        });
        sorted.forEach(function (r) { body.appendChild(r); });
        Array.prototype.forEach.call(head.cells, function (th, n) {
            if (n > 0) th.setAttribute("aria-sort", n === sortBy ? (down ? "descending" : "ascending") : "none");
        });
        filter();
    }
    function filter() {
        var words = search.value.toLowerCase().trim(), g = game.value;
        rows.forEach(function (r) {
            var players = number(r, "players"), max = number(r, "max");
            var hay = (r.textContent + "\n" + (r.getAttribute("data-who") || "")).toLowerCase();
            var shown = (!g || r.cells[2].textContent === g) && (!empty.checked || players > 0) &&
                        (!full.checked || max <= 0 || players < max) && (!locked.checked || !r.hasAttribute("data-locked")) &&
                        (!words || hay.indexOf(words) >= 0);
            r.hidden = !shown;
        });
    }
    [search, game, empty, full, locked].forEach(function (c) { c.addEventListener("input", filter); c.addEventListener("change", filter); });
    order();
})();
