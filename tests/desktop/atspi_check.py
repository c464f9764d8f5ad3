#!/usr/bin/python3
"""Looks at a running Shoewise from outside, through AT-SPI, the way a screen reader does.

Finds the application, its page tabs and the KO page's controls, presses card buttons through their
accessible action, and waits for the value labels to be renamed, as a screen reader's review of the
window reads them. Then it opens a page of each other family by its tab and reads the true count, the
aces left and the bet from outside. What the screen reader speaks is checked by screen_reader.sh.
"""
import sys
import time

import pyatspi
from gi.repository import GLib

CAPTIONS = [
    "KO システム", "REKO(Ridiculously Easy KO)", "４・５カードカウンター", "Hi-Lo System",
    "Hi-Opt Ⅰ", "Hi-Opt Ⅱ", "Red 7 Card Counting", "ZEN", "KISS Ⅲ", "Advanced-Omega-II",
    "Uston Advanced Point Count(APC)", "Uston Strongest and Simplest(SS)",
    "Baccarat Card Counter Ⅰ", "Baccarat Card Counter Ⅱ",
]
RUNNING = "Running Count: "
CARDS = "Cards Left in Shoe: "
failures = []


def check(what, ok, detail=""):
    print(("ok: " if ok else "FAIL: ") + what + ("" if ok else f" ({detail})"), flush=True)
    if not ok:
        failures.append(what)
    return ok


def showing(acc):
    return acc.getState().contains(pyatspi.STATE_SHOWING)


def find_all(root, role):
    return pyatspi.findAllDescendants(root, lambda a: a is not None and a.getRole() == role)


def find_app(timeout):
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name.lower() == "shoewise":
                return app
        time.sleep(0.2)
    return None


def fresh_name(acc):
    acc.clearCache()
    return acc.name


def main():
    app = find_app(20)
    if not check("the application shoewise is on the accessibility bus", app is not None):
        return 1

    tab_lists = find_all(app, pyatspi.ROLE_PAGE_TAB_LIST)
    check("one page tab list", len(tab_lists) == 1, f"found {len(tab_lists)}")
    if tab_lists:
        tabs = [t.name for t in tab_lists[0] if t is not None and t.getRole() == pyatspi.ROLE_PAGE_TAB]
        check("the page tabs are named by the system captions, in order", tabs == CAPTIONS, f"found {tabs}")

    # Several pages share captions; the KO page is the one on show.
    buttons = [b for b in find_all(app, pyatspi.ROLE_PUSH_BUTTON) if showing(b)]
    press_me = next((b for b in buttons if b.name == "2,3,4,5,6,7"), None)
    if not check("the KO page shows the button 2,3,4,5,6,7", press_me is not None, [b.name for b in buttons]):
        return 1
    page = press_me.parent
    button = {b.name: b for b in page if b is not None and b.getRole() == pyatspi.ROLE_PUSH_BUTTON}
    check("the KO page's buttons are named by their captions",
          sorted(button) == sorted(["8,9", "2,3,4,5,6,7", "10,J,Q,K,A", "リセット", "戻る"]), sorted(button))
    labels = [l for l in page if l is not None and l.getRole() == pyatspi.ROLE_LABEL]
    running = next((l for l in labels if l.name.startswith(RUNNING)), None)
    cards = next((l for l in labels if l.name.startswith(CARDS)), None)
    if not check("the running count and cards left labels say what they hold",
                 running is not None and cards is not None, f"labels {[l.name for l in labels]}"):
        return 1
    check("the labels start at -22 and 416", (running.name, cards.name) == (RUNNING + "-22", CARDS + "416"),
          f"{running.name!r}, {cards.name!r}")

    def press(caption):
        action = button[caption].queryAction()
        index = next(i for i in range(action.nActions) if action.getName(i) == "Press")
        action.doAction(index)

    def wait_for(condition, seconds):
        """Runs the event loop until condition() holds or time is up."""
        loop = GLib.MainLoop()
        end = time.monotonic() + seconds

        def tick():
            if condition() or time.monotonic() > end:
                loop.quit()
                return False
            return True

        GLib.timeout_add(50, tick)
        loop.run()
        return condition()

    press("2,3,4,5,6,7")
    renamed = wait_for(lambda: fresh_name(running) == RUNNING + "-21" and fresh_name(cards) == CARDS + "415", 10)
    check("pressing 2,3,4,5,6,7 renames the labels to -21 and 415", renamed,
          f"{fresh_name(running)!r}, {fresh_name(cards)!r}")
    press("8,9")
    renamed = wait_for(lambda: fresh_name(cards) == CARDS + "414", 10)
    check("pressing 8,9 renames the cards left to 414", renamed, fresh_name(cards))
    check("the running count still says -21", fresh_name(running) == RUNNING + "-21", fresh_name(running))

    # The other families, page by page as a user would reach them: select the tab, press, read.
    def open_page(index):
        tab = [t for t in tab_lists[0] if t is not None and t.getRole() == pyatspi.ROLE_PAGE_TAB][index]
        action = tab.queryAction()
        action.doAction(next(i for i in range(action.nActions) if action.getName(i) in ("Press", "Switch")))
        first = None
        if wait_for(lambda: any(showing(b) and b.parent != page for b in find_all(app, pyatspi.ROLE_PUSH_BUTTON)), 5):
            first = next(b for b in find_all(app, pyatspi.ROLE_PUSH_BUTTON) if showing(b))
        return first.parent if first is not None else None

    def values(of_page):
        return sorted(fresh_name(l) for l in of_page if l is not None and l.getRole() == pyatspi.ROLE_LABEL
                      and ": " in l.name)

    families = [
        (CAPTIONS.index("Hi-Lo System"), ["10,J,Q,K,A"],
         ["Cards Left in Shoe: 415", "Running Count: -0.125", "True Count: -0.13"]),
        (CAPTIONS.index("Advanced-Omega-II"), ["A", "2,3,7"],
         ["A残数: 31", "Cards Left in Shoe: 414", "Running Count: 0.125", "True Count: 0.13"]),
        (CAPTIONS.index("Baccarat Card Counter Ⅰ"), ["6"],
         ["Bet: BET ON BANKER", "Cards Left in Shoe: 415", "Running Count: -0.25", "True Count: -0.25"]),
    ]
    for index, presses, expected in families:
        shown = open_page(index)
        if not check(f"the page {CAPTIONS[index]} shows when its tab is selected", shown is not None):
            continue
        page = shown
        button = {b.name: b for b in shown if b is not None and b.getRole() == pyatspi.ROLE_PUSH_BUTTON}
        for caption in presses:
            press(caption)
            wait_for(lambda: False, 0.3)  # the press action clicks a moment later
        settled = wait_for(lambda: values(shown) == sorted(expected), 10)
        check(f"{CAPTIONS[index]} after {', '.join(presses)} reads {expected}", settled, values(shown))

    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
