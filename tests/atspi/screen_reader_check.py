#!/usr/bin/python3
"""Reads the running program as a screen reader does, over AT-SPI.

Started by run_check.sh inside a private D-Bus session under Xvfb. Starts the
program, reads the main window's buttons, then works through a bolt-window
task and a calculation with the keyboard alone (keys typed into the X
server), and checks after every step what a reader hears: the focus moving,
the lists' values, the result texts and the notices.
"""
import os
import subprocess
import sys
import time
import warnings

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

# The interface getters this check uses are the ones Debian 12's bindings
# offer; newer ones call them deprecated.
warnings.simplefilter("ignore", DeprecationWarning)
TIMEOUT = float(os.environ.get("MOMENTY_ATSPI_TIMEOUT", "60"))


class CheckFailed(Exception):
    pass


def states(obj):
    return {s.value_nick for s in obj.get_state_set().get_states()}


def describe(obj):
    try:
        return f"{obj.get_role_name()} {obj.get_name()!r}"
    except GLib.Error:
        return "(gone)"


def children(obj):
    try:
        return [obj.get_child_at_index(i) for i in range(obj.get_child_count())]
    except GLib.Error:
        return []


def walk(obj):
    yield obj
    for c in children(obj):
        if c is not None:
            yield from walk(c)


def text_of(obj):
    t = obj.get_text_iface()
    return t.get_text(0, t.get_character_count()) if t else None


class Reader:
    """What the reader has heard, and the program it listens to."""

    def __init__(self, program):
        self.heard = []
        self.listener = Atspi.EventListener.new(self._hear)
        for kind in ("object:state-changed:focused", "object:property-change:accessible-value",
                     "object:property-change:accessible-name", "object:text-changed:insert",
                     "window:activate", "object:state-changed:showing"):
            self.listener.register(kind)
        env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        self.program = subprocess.Popen([program], env=env)

    def _hear(self, event):
        try:
            name = event.source.get_name()
            role = event.source.get_role_name()
        except GLib.Error:
            name, role = "", ""
        self.heard.append((event.type, role, name, event.detail1, event.any_data))

    def pump(self, seconds=0.05):
        end = time.monotonic() + seconds
        ctx = GLib.MainContext.default()
        while time.monotonic() < end:
            if not ctx.iteration(False):
                time.sleep(0.01)

    def wait(self, what, found, timeout=TIMEOUT):
        """Polls `found` (events keep arriving meanwhile) until it answers."""
        end = time.monotonic() + timeout
        while time.monotonic() < end:
            if self.program.poll() is not None:
                raise CheckFailed(f"the program ended (code {self.program.returncode}) while waiting for {what}")
            try:
                result = found()
            except GLib.Error:
                result = None
            if result:
                return result
            self.pump(0.1)
        raise CheckFailed(f"timed out waiting for {what}")

    def app(self):
        desktop = Atspi.get_desktop(0)
        for a in children(desktop):
            if a is not None and a.get_process_id() == self.program.pid:
                return a
        return None

    def window(self, title):
        """The shown window of that title once it is the active one (the keys
        go to it)."""
        a = self.app()
        for w in children(a) if a else []:
            if w is not None and w.get_name() == title and {"showing", "active"} <= states(w):
                return w
        return None

    def find(self, window, role, name=None):
        for o in walk(window):
            if o.get_role_name() == role and (name is None or o.get_name() == name):
                return o
        return None

    # --- Keys ---
    def key(self, *keys):
        subprocess.run(["xdotool", "key", "--clearmodifiers", *keys], check=True)

    def type_text(self, text):
        subprocess.run(["xdotool", "type", "--delay", "30", text], check=True)

    # --- What was heard ---
    def mark(self):
        return len(self.heard)

    def focus_heard(self, since, role=None, name=None):
        """The last object heard gaining the focus since `since` and
        matching, or None."""
        for kind, r, n, detail, _ in reversed(self.heard[since:]):
            if kind == "object:state-changed:focused" and detail == 1 and \
                    (role is None or r == role) and (name is None or n == name):
                return (r, n)
        return None

    def wait_focus(self, since, role, name=None, what=None):
        return self.wait(what or f"focus on {role} {name!r}", lambda: self.focus_heard(since, role, name))

    def value_heard(self, since, role, value):
        return any(k == "object:property-change:accessible-value" and r == role and str(d) == value
                   for k, r, _, _, d in self.heard[since:]) or \
            any(k == "object:text-changed:insert" and r == role and value in str(d)
                for k, r, _, _, d in self.heard[since:])

    def tab_to(self, role, name, limit=20, back=False):
        """Presses Tab (Shift+Tab) until the focus lands on the named control."""
        for _ in range(limit):
            since = self.mark()
            self.key("shift+Tab" if back else "Tab")
            got = self.wait("the focus to move on Tab", lambda: self.focus_heard(since))
            if got == (role, name):
                return
        raise CheckFailed(f"Tab never reached {role} {name!r}")


def expect(condition, message):
    if not condition:
        raise CheckFailed(message)


MAIN_TITLE = "Моменты затяжки резьбовых соединений. v.4.2"
MAIN_BUTTONS = ["Болты", "Гайки", "Другие резьбы", "Моменты затяжки пневмоарматуры", "О программе"]


def check_main_window(r):
    main = r.wait("the main window", lambda: r.window(MAIN_TITLE))
    expect(main.get_role_name() == "frame", f"main window is a {main.get_role_name()}")
    buttons = [o for o in walk(main) if o.get_role_name() == "push button"]
    names = [b.get_name() for b in buttons]
    for n in MAIN_BUTTONS + ["Закрыть"]:
        expect(n in names, f"main window has no button {n!r}; it has {names}")
    for b in buttons:
        if b.get_name() in MAIN_BUTTONS:
            s = states(b)
            expect({"focusable", "enabled", "showing"} <= s, f"{describe(b)} states {sorted(s)}")
            action = b.get_action_iface()
            expect(action and action.get_n_actions() > 0, f"{describe(b)} has no press action")
    for o in walk(main):
        if "focusable" in states(o):
            expect(o.get_name(), f"a focusable {o.get_role_name()} has no name")
    print("main window: buttons", names)

    # Alt+Space opens the system menu; Escape closes it, choosing nothing.
    since = r.mark()
    r.key("alt+space")
    menu = r.wait("the system menu", lambda: next((o for o in children(main) if o.get_role_name() == "popup menu"
                                                    and "showing" in states(o)), None))
    items = [i.get_name() for i in children(menu) if i.get_role_name() == "menu item"]
    expect("Закрыть" in items and "Свернуть" in items, f"the system menu holds {items}")
    mark = r.mark()
    r.key("Down")
    item = r.wait("an item heard as the arrow moves", lambda: r.focus_heard(mark, "menu item"))
    expect(item[1] in items, f"the item heard is {item}")
    r.key("Escape")
    r.wait("the system menu to close", lambda: "showing" not in states(menu))
    expect("showing" in states(main), "the main window went away with the menu")
    print("system menu:", items)
    return main


def choose_in_list(r, name, item, how):
    """Chooses `item` in the drop-down list named `name` (which has the focus)
    with the keyboard: `how` names the key that opens it."""
    box = r.find(r.current, "combo box", name)
    expect(box is not None, f"no list {name!r}")
    since = r.mark()
    r.key(how)
    r.wait(f"list {name!r} to open", lambda: "expanded" in states(box))
    # Escape first: it closes the list without choosing.
    before = text_of(box)
    r.key("Down")
    r.wait("the next item heard", lambda: r.focus_heard(since, "list item"))
    r.key("Escape")
    r.wait(f"list {name!r} to close", lambda: "expanded" not in states(box))
    expect(text_of(box) == before, f"Escape chose {text_of(box)!r} in {name!r}")
    since = r.mark()
    r.key(how)
    r.wait(f"list {name!r} to open again", lambda: "expanded" in states(box))
    items = [i.get_name() for i in children(children(box)[0])]
    expect(item in items, f"{item!r} not among the items of {name!r}: {items}")
    for _ in range(len(items) + 1):
        current = r.focus_heard(since, "list item")
        if current and current[1] == item:
            break
        mark = r.mark()
        r.key("Down")
        r.wait("the next item heard", lambda: r.focus_heard(mark, "list item"))
    expect(r.focus_heard(since, "list item", item), f"arrows never reached {item!r}")
    since = r.mark()
    r.key("Return")
    r.wait(f"{name!r} to be heard as {item!r}", lambda: r.value_heard(since, "combo box", item))
    expect("expanded" not in states(box), f"{name!r} stays open after Enter")
    expect(text_of(box) == item, f"{name!r} reads {text_of(box)!r}")
    r.wait_focus(since, "combo box", name, f"the focus back on {name!r}")
    print(f"list {name!r}: {item}")


def close_notice(r, key, expected_text):
    notice = r.wait("a notice", lambda: next((w for w in children(r.app())
                                               if w.get_role_name() == "alert" and "showing" in states(w)), None))
    texts = [text_of(o) or o.get_name() for o in walk(notice) if o.get_role_name() == "label"]
    expect(expected_text in texts or notice.get_description() == expected_text,
           f"the notice reads {texts} / {notice.get_description()!r}, not {expected_text!r}")
    ok = r.find(notice, "push button")
    expect(ok is not None and ok.get_name(), "the notice's button has no name")
    r.wait("the notice's button to take the focus", lambda: "focused" in states(ok))
    r.key(key)
    r.wait("the notice to close", lambda: "showing" not in states(notice))
    print(f"notice: {expected_text!r} closed with {key}")


def check_bolt_task(r):
    since = r.mark()
    r.tab_to("push button", "Болты")
    r.key("space")
    bolts = r.wait("the bolt window", lambda: r.window("Окно болтов"))
    r.current = bolts
    diam = "Выберите номинальный диаметр резьбы:"
    # Showing with nothing chosen: the notice says what is missing.
    r.tab_to("push button", "Показать")
    r.key("space")
    close_notice(r, "Return", "Выберите пожалуйста диаметр резьбы.")
    r.tab_to("combo box", diam)
    choose_in_list(r, diam, "12", "F4")
    r.tab_to("combo box", "Выберите класс прочности болта по ГОСТ 1759.4:")
    choose_in_list(r, "Выберите класс прочности болта по ГОСТ 1759.4:", "8.8", "alt+Down")
    r.tab_to("combo box", "Выберите класс соединения:")
    choose_in_list(r, "Выберите класс соединения:", "2", "F4")
    r.tab_to("push button", "Показать")
    since = r.mark()
    r.key("Return")
    field = r.find(bolts, "text", "Фраза")
    expect(field is not None, "no field named 'Фраза'")
    r.wait("the sentence", lambda: text_of(field))
    sentence = text_of(field)
    shown = [text_of(o) for o in walk(bolts) if o.get_role_name() == "label" and "read-only" in states(o)]
    expect(shown and shown[0] and shown[0] in sentence and "класс 2" in sentence,
           f"the sentence {sentence!r} does not give the torque {shown} for class 2")
    # The user may edit the sentence before copying it.
    expect("editable" in states(field), "the sentence field is not editable")
    r.wait("the sentence to be heard", lambda: any(k == "object:text-changed:insert" and ro == "text"
                                                    for k, ro, _, _, _ in r.heard[since:]))
    print("sentence:", sentence)
    r.tab_to("push button", "Копировать фразу в буфер обмена")
    r.key("space")
    close_notice(r, "Return", "Строка занесена в буфер обмена.")
    since = r.mark()
    r.key("alt+F4")
    r.wait("the bolt window to close", lambda: "showing" not in states(bolts))
    r.wait("the main window again", lambda: r.window(MAIN_TITLE))


def check_calculation(r):
    r.tab_to("push button", "Другие резьбы")
    r.key("space")
    note = r.wait("the note window", lambda: r.window("Другие зезьбы"))
    memo = r.wait("the note", lambda: next((o for o in walk(note) if o.get_role_name() == "text" and text_of(o)), None))
    expect("read-only" in states(memo), "the note is editable")
    r.current = note
    r.tab_to("push button", "Расчёт")
    r.key("space")
    calc = r.wait("the calculation window", lambda: r.window("Окно расчёта."))
    r.current = calc
    fields = [o for o in walk(calc) if o.get_role_name() == "text"]
    named = {o.get_name() for o in fields}
    for n in ("Диаметр наружный, мм:", "Диаметр внутренний мм:", "0,1.....0,35"):
        expect(n in named, f"no field named {n!r}: {sorted(named)}")
    radios = [o for o in walk(calc) if o.get_role_name() == "radio button"]
    expect(radios and all(o.get_name() for o in radios), "the materials are no named radio buttons")
    material = radios[0]
    r.tab_to("radio button", material.get_name())
    r.key("space")
    r.wait(f"{material.get_name()!r} to be checked", lambda: "checked" in states(material))
    print("material:", material.get_name())
    # The fields write numbers with the separator of the user's locale:
    # the first one, formatted on leaving it, shows which.
    separator = None
    steps = [("Диаметр наружный, мм:", "20"), ("Диаметр внутренний мм:", "13"), ("0,1.....0,35", "0{sep}14")]
    for name, value in steps:
        if separator is None and "{sep}" in value:
            formatted = text_of(r.find(calc, "text", steps[0][0]))
            separator = next((c for c in formatted if not c.isdigit()), None)
            expect(separator, f"the first field reads {formatted!r} after leaving it")
        value = value.format(sep=separator)
        r.tab_to("text", name)
        since = r.mark()
        r.key("ctrl+a")
        r.type_text(value)
        field = r.find(calc, "text", name)
        r.wait(f"{name!r} to read {value!r}", lambda: text_of(field) == value)
        r.wait(f"{name!r} heard changing", lambda: any(k == "object:text-changed:insert" and n == name
                                                       for k, _, n, _, _ in r.heard[since:]))
        print(f"field {name!r}: {value}")
    r.tab_to("combo box", "Выберите номинальный диаметр резьбы:")
    choose_in_list(r, "Выберите номинальный диаметр резьбы:", "12", "F4")
    r.tab_to("combo box", "Выберите шаг резьбы:")
    choose_in_list(r, "Выберите шаг резьбы:", "1,75", "alt+Down")
    r.tab_to("text", "Ввеите средний диаметр резьбы:")
    r.key("ctrl+a")
    r.type_text(f"10{separator}863")
    # The upper box's button comes before its lists in the tab order (the
    # lower box has a button of the same name further on).
    r.tab_to("push button", "Расчитать", back=True)
    since = r.mark()
    r.key("space")
    heard = r.wait("the results to be heard",
                   lambda: [d for k, ro, _, _, d in r.heard[since:] if k == "object:text-changed:insert"
                            and ro == "label" and "SIGMA" in str(d)])
    print("results:", [str(h) for h in heard])
    r.key("alt+F4")
    r.wait("the calculation window to close", lambda: "showing" not in states(calc))
    # Back in the note window, which closes to the main window.
    r.wait("the note window again", lambda: r.window("Другие зезьбы"))
    r.key("alt+F4")
    r.wait("the note window to close", lambda: "showing" not in states(note))


def start_window_manager():
    config = os.path.join(os.path.dirname(os.path.abspath(__file__)), "openbox-rc.xml")
    wm = subprocess.Popen(["openbox", "--config-file", config], stdout=subprocess.DEVNULL,
                          stderr=subprocess.DEVNULL)
    end = time.monotonic() + TIMEOUT
    while time.monotonic() < end:
        probe = subprocess.run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], capture_output=True, text=True)
        if "window id" in probe.stdout:
            return wm
        if wm.poll() is not None:
            break
        time.sleep(0.1)
    raise CheckFailed("the window manager did not start")


def check_pneumatic_window(r):
    r.current = r.wait("the main window", lambda: r.window(MAIN_TITLE))
    r.tab_to("push button", "Моменты затяжки пневмоарматуры")
    r.key("space")
    pneumatic = r.wait("the pneumatic window", lambda: r.window("Окно моментов затяжки пневмоарматуры."))
    table = r.wait("the fittings table", lambda: r.find(pneumatic, "table"))
    grid = table.get_table_iface()
    rows, columns = grid.get_n_rows(), grid.get_n_columns()
    expect(rows > 0 and columns == 4, f"the table has {rows} rows and {columns} columns")
    headers = [grid.get_column_description(c) for c in range(columns)]
    expect(all(headers), f"column headers {headers}")
    last = grid.get_accessible_at(rows - 1, 0)
    expect(last is not None and last.get_name(), "the last row has no name cell")
    print(f"pneumatic table: {table.get_name()!r}, {rows} rows, headers {headers}")
    r.key("alt+F4")
    r.wait("the pneumatic window to close", lambda: "showing" not in states(pneumatic))
    r.current = r.wait("the main window again", lambda: r.window(MAIN_TITLE))


def check_about_window(r):
    # Last: the About window slides in, and is left open when the check ends.
    r.current = r.wait("the main window", lambda: r.window(MAIN_TITLE))
    r.tab_to("push button", "О программе")
    r.key("space")
    about = r.wait("the About window", lambda: r.window("Информация о программе"))
    text = r.wait("the About text", lambda: next((text_of(o) for o in walk(about)
                                                    if o.get_role_name() == "label" and text_of(o)), None))
    print("About:", about.get_role_name(), f"{len(text.splitlines())} lines")


def main():
    wm = start_window_manager()
    r = Reader(sys.argv[1])
    r.current = None
    try:
        check_main_window(r)
        check_pneumatic_window(r)
        check_bolt_task(r)
        check_calculation(r)
        check_about_window(r)
    except CheckFailed as e:
        print("FAILED:", e, file=sys.stderr)
        print("last heard:", *r.heard[-15:], sep="\n  ", file=sys.stderr)
        return 1
    finally:
        r.program.terminate()
        try:
            r.program.wait(10)
        except subprocess.TimeoutExpired:
            r.program.kill()
        wm.terminate()
    print("screen reader check passed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
