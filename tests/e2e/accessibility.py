"""Enters 1 1/2 ＋ 2/3 the way a screen reader user does: finds the buttons by their accessible
names, presses them through the accessibility action interface, and reads the fields back by
their accessible names, knowing them apart by their descriptions."""
import sys
import time

import pyatspi


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
            labels[node.description.replace("（入力中）", "")] = node
    return buttons, labels


def press(buttons, name):
    action = buttons[name].queryAction()
    action.doAction(0)
    time.sleep(0.15)


def expect(what, got, wanted):
    if got != wanted:
        sys.exit(f"FAIL: {what}: expected {wanted!r}, got {got!r}")
    print(f"ok: {what} = {got!r}")


app = find_application(sys.argv[1])
buttons, labels = controls(app)
for name in ["整数", "分母", "分子", "戻る", "-/+", "計算", "一つ消す", "全て消す", "終了",
             "＋", "－", "×", "÷"] + [str(d) for d in range(10)]:
    if name not in buttons:
        sys.exit(f"FAIL: no button named {name!r}; have {sorted(buttons)}")
    if not buttons[name].description:
        sys.exit(f"FAIL: button {name!r} has no description")
print("ok: every button found by its name, each with a description")

active = [d for d, n in labels.items() if n.description.endswith("（入力中）")]
expect("active field at start", active, ["一つ目の数の整数部分"])

for name in ["1", "分子", "1", "分母", "2", "＋", "分子", "2", "分母", "3"]:
    press(buttons, name)
expect("first whole part", labels["一つ目の数の整数部分"].name, "1")
expect("first numerator", labels["一つ目の数の分子"].name, "1")
expect("first denominator", labels["一つ目の数の分母"].name, "2")
expect("operator", labels["計算記号"].name, "＋")
expect("second denominator", labels["二つ目の数の分母"].name, "3")
active = [d for d, n in labels.items() if n.description.endswith("（入力中）")]
expect("active field after typing", active, ["二つ目の数の分母"])

press(buttons, "計算")
expect("result sign", labels["答えの符号"].name, "")
expect("result whole part", labels["答えの整数部分"].name, "2")
expect("result numerator", labels["答えの分子"].name, "1")
expect("result denominator", labels["答えの分母"].name, "6")

press(buttons, "終了")
