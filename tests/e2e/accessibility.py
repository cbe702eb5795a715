"""Enters 1 1/2 ＋ 2/3 the way a screen reader user does: finds the buttons by their accessible
names, presses them through the accessibility action interface, and reads the fields back by
their accessible names (what each is and holds), knowing them apart by their descriptions.
Listens meanwhile to what the program announces (notifications becoming shown, which screen readers speak): one message after
each event, none while a message box speaks for itself."""
import os
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

heard = []


def on_showing(event):
    source = event.source
    if event.detail1 == 1 and source is not None and source.getRole() == pyatspi.ROLE_NOTIFICATION:
        heard.append(source.name)


def pump(seconds=0.3):
    deadline = time.monotonic() + seconds
    context = GLib.MainContext.default()
    while time.monotonic() < deadline:
        while context.iteration(False):
            pass
        time.sleep(0.02)


def take_heard():
    pump()
    said = list(heard)
    heard.clear()
    return said


def find_application(name, timeout=15.0):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == name:
                return app
        time.sleep(0.1)
    sys.exit(f"FAIL: no accessible application {name}")


def walk(node):
    yield node
    for child in node:
        if child is not None:
            yield from walk(child)


def controls(app):
    buttons, labels = {}, {}
    for node in walk(app):
        role = node.getRole()
        if role == pyatspi.ROLE_PUSH_BUTTON:
            buttons[node.name] = node
        elif role == pyatspi.ROLE_LABEL and node.description:
            labels[node.description] = node
    return buttons, labels


def press(buttons, name):
    action = buttons[name].queryAction()
    action.doAction(0)
    pump(0.15)


def key(*keycodes):
    subprocess.run([os.environ["X11_PROBE"], "tap", *map(str, keycodes)], check=True)


def box_roles(app):
    """The roles of the boxes open now, by their names."""
    pump(0.5)
    boxes = {}
    for window in app:
        if window is not None and window.getRole() in (pyatspi.ROLE_ALERT, pyatspi.ROLE_DIALOG):
            boxes[window.name] = window.getRoleName()
    return boxes


def expect(what, got, wanted):
    if got != wanted:
        sys.exit(f"FAIL: {what}: expected {wanted!r}, got {got!r}")
    print(f"ok: {what} = {got!r}")


app = find_application(sys.argv[1])
pyatspi.Registry.registerEventListener(on_showing, "object:state-changed:showing")
buttons, labels = controls(app)
for name in ["整数", "分母", "分子", "戻る", "-/+", "計算", "一つ消す", "全て消す", "終了",
             "＋ たす", "－ ひく", "× かける", "÷ わる"] + [str(d) for d in range(10)]:
    if name not in buttons:
        sys.exit(f"FAIL: no button named {name!r}; have {sorted(buttons)}")
    if not buttons[name].description:
        sys.exit(f"FAIL: button {name!r} has no description")
print("ok: every button found by its name, each with a description")

active = [d for d, n in labels.items() if n.name.endswith("（入力中）")]
expect("active field at start", active, ["一つ目の数の整数部分"])
expect("an empty field is named by what it is", labels["一つ目の数の分子"].name, "一つ目の数の分子 空")

# Keypad = with nothing entered: the box of the missing fields speaks; the program says nothing,
# neither while the box is open nor after it closes.
key(125)
expect("heard while the box is open", take_heard(), [])
# An error box is an alert; the version box is a dialog, which a screen reader does not call
# a warning.
expect("the error box's role", box_roles(app), {"エラーメッセージ": "alert"})
subprocess.run(["xdotool", "key", "Return"], check=True)
expect("heard after the box", take_heard(), [])

steps = [
    ("1", "一つ目の数の整数部分 1"), ("分子", "一つ目の数の分子 空"), ("1", "一つ目の数の分子 1"),
    ("分母", "一つ目の数の分母 空"), ("2", "一つ目の数の分母 2"), ("＋ たす", "計算記号 たす、二つ目の数の整数部分 空"),
    ("分子", "二つ目の数の分子 空"), ("2", "二つ目の数の分子 2"), ("分母", "二つ目の数の分母 空"),
    ("3", "二つ目の数の分母 3"),
]
for name, message in steps:
    press(buttons, name)
    expect(f"heard after {name}", take_heard(), [message])
key(10)  # the key 1 of the main row, into the second denominator
expect("heard after a digit key", take_heard(), ["二つ目の数の分母 31"])
key(22)  # Backspace does nothing
expect("heard after Backspace", take_heard(), [])
key(119)  # Delete
expect("heard after Delete", take_heard(), ["二つ目の数の分母 空"])
press(buttons, "3")
take_heard()
expect("first whole part", labels["一つ目の数の整数部分"].name, "一つ目の数の整数部分 1")
expect("first numerator", labels["一つ目の数の分子"].name, "一つ目の数の分子 1")
expect("first denominator", labels["一つ目の数の分母"].name, "一つ目の数の分母 2")
expect("operator", labels["計算記号"].name, "計算記号 たす")
expect("second denominator", labels["二つ目の数の分母"].name, "二つ目の数の分母 3（入力中）")
active = [d for d, n in labels.items() if n.name.endswith("（入力中）")]
expect("active field after typing", active, ["二つ目の数の分母"])

press(buttons, "計算")
expect("heard after 計算", take_heard(), ["答え 2と6分の1"])
expect("result sign", labels["答えの符号"].name, "答えの符号 空")
expect("result whole part", labels["答えの整数部分"].name, "答えの整数部分 2")
expect("result numerator", labels["答えの分子"].name, "答えの分子 1")
expect("result denominator", labels["答えの分母"].name, "答えの分母 6")

for node in walk(app):
    if node.getRole() == pyatspi.ROLE_RADIO_BUTTON and node.name == "仮分数":
        node.queryAction().doAction(0)
expect("heard after 仮分数", take_heard(), ["答え 6分の13"])
key(125)  # keypad =
expect("heard after keypad =", take_heard(), ["答え 6分の13"])

key(64, 114, 36)  # Alt, →, Enter: バージョン情報
expect("the version box's role", box_roles(app), {"バージョン情報": "dialog"})
key(36)
pump()

press(buttons, "終了")
