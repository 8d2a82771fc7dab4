#!/usr/bin/python3
"""Walks the running program through the accessibility bus, as a screen reader user would.

Finds every box and list by its accessible name and the grids' cells by their text, types a
movement and a concept with the keyboard alone, and checks after each save that the focus is
where the next keystroke works. usage: accessibility_walk.py PID OUTPUT_FOLDER
"""
import subprocess
import sys
import time

import pyatspi

pid, out = int(sys.argv[1]), sys.argv[2]
failures = []


def app():
    for candidate in pyatspi.Registry.getDesktop(0):
        if candidate is not None and candidate.get_process_id() == pid:
            return candidate
    return None


def names(accessible):
    """What a screen reader announces it by: its name, and the caption it is labelled by
    (a list's name is its current item; its caption comes through the relation)."""
    said = [accessible.name]
    for relation in accessible.getRelationSet():
        if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
            for k in range(relation.getNTargets()):
                said.append(relation.getTarget(k).name.strip().rstrip(":").strip())
    return said


def find(role, name, within=None, timeout=10.0):
    """The first showing accessible of this role and name, waiting for it to appear."""
    deadline = time.time() + timeout
    while time.time() < deadline:
        root = within or app()
        if root is not None:
            found = pyatspi.findDescendant(
                root, lambda a: a is not None and a.getRole() == role and name in names(a)
                and a.getState().contains(pyatspi.STATE_SHOWING))
            if found is not None:
                return found
        time.sleep(0.2)
    return None


def expect(role, name, within=None):
    found = find(role, name, within)
    if found is None:
        failures.append("no %s named %r" % (role, name))
    return found


def focused():
    """The role and caption of what has the keyboard in the active window (a grid's current
    cell says it is focused whether or not its grid is, so cells do not count)."""
    root = app()
    window = root and pyatspi.findDescendant(
        root, lambda a: a is not None and a.getState().contains(pyatspi.STATE_ACTIVE))
    found = window and pyatspi.findDescendant(
        window, lambda a: a is not None and a.getRole() != pyatspi.ROLE_TABLE_CELL
        and a.getState().contains(pyatspi.STATE_FOCUSED))
    return (found.getRoleName(), names(found)[-1]) if found is not None else None


def expect_focus(role_name, name, why):
    deadline = time.time() + 5
    while time.time() < deadline and focused() != (role_name, name):
        time.sleep(0.2)
    if focused() != (role_name, name):
        failures.append("%s: focus on %r, expected %r" % (why, focused(), (role_name, name)))


def keys(*names):
    subprocess.run(["xdotool", "key", "--delay", "60"] + list(names), check=False)
    time.sleep(0.4)


def typed(text):
    subprocess.run(["xdotool", "type", "--delay", "30", text], check=False)


def shot(name):
    subprocess.run(["import", "-window", "root", "%s/%s.png" % (out, name)], check=False)


# The account list: its grid by name, a header and a cell by their text.
accounts = expect(pyatspi.ROLE_TABLE, "Cuentas")
expect(pyatspi.ROLE_TABLE_COLUMN_HEADER, "NOMBRE", accounts)
expect(pyatspi.ROLE_TABLE_CELL, "001", accounts)
keys("Insert")
for name in ["Cuentas", "Fecha Alta", "Nombre", "Banco", "Telefono Banco", "Contacto Banco"]:
    expect(pyatspi.ROLE_TEXT, name)
expect_focus("text", "Cuentas", "INSERT on the account list")
shot("cuentas")
keys("Escape")

# The main ledger of the third account, and a movement typed in the entry screen.
keys("ctrl+Home", "Down", "Down", "Return")
ledger = expect(pyatspi.ROLE_TABLE, "Movimientos")
expect(pyatspi.ROLE_TABLE_COLUMN_HEADER, "A ACREDITAR", ledger)
keys("Insert")
for role, name in [(pyatspi.ROLE_TEXT, "Fecha"), (pyatspi.ROLE_COMBO_BOX, "Concepto"),
                   (pyatspi.ROLE_TEXT, "Descripción"), (pyatspi.ROLE_TEXT, "Valor"),
                   (pyatspi.ROLE_COMBO_BOX, "Estado")]:
    expect(role, name)
expect_focus("text", "Fecha", "the entry screen opening")
keys("Return", "Return")
typed("Leido en voz alta")
# Agregar with no value: the refusal is read out (an alert holding its text), and once it is
# closed the keyboard is back on "Agregar", where it was.
keys("Return", "Return", "Return", "Return")
alert = expect(pyatspi.ROLE_ALERT, "Ledgora")
refusal = "Debe Ingresar NÚMEROS en el campo VALOR."
if alert is not None and pyatspi.findDescendant(alert, lambda a: a is not None
                                                and a.name == refusal) is None:
    failures.append("the refusal's alert does not read %r" % refusal)
keys("Return")
expect_focus("push button", "Agregar", "a refused movement")
keys("shift+Tab", "shift+Tab")
typed("12")
keys("Return", "Return", "Return")
expect_focus("combo box", "Concepto", "a saved movement")
shot("ingreso")
keys("Escape")
expect(pyatspi.ROLE_TABLE_CELL, "Leido en voz alta", ledger)

# The concept list, reached by its toolbar button as a screen reader presses it.
button = expect(pyatspi.ROLE_PUSH_BUTTON, "Conceptos")
if button is not None:
    try:
        button.queryAction().doAction(0)
    except Exception:  # the screen it opens is modal: the press answers only when it closes
        pass
concepts = expect(pyatspi.ROLE_TABLE, "Conceptos")
keys("Insert")
for role, name in [(pyatspi.ROLE_TEXT, "Número"), (pyatspi.ROLE_TEXT, "Descrición"),
                   (pyatspi.ROLE_COMBO_BOX, "Tipo")]:
    expect(role, name)
keys("Return")
typed("Dictado")
# ENTER in the type list goes back to the description, as it always did: TAB reaches Guardar.
keys("Return", "Tab", "Return")
expect(pyatspi.ROLE_TABLE_CELL, "Dictado", concepts)
expect_focus("table", "Conceptos", "a saved concept")
keys("Insert")  # works at once, without a TAB first
expect_focus("text", "Número", "INSERT after a saved concept")
shot("conceptos")

if failures:
    print("FAIL: " + "; ".join(failures))
    sys.exit(1)
print("walked the account, main, entry and concept screens by name")
