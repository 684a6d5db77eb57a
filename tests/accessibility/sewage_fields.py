# SPDX-License-Identifier: MIT
# What a screen reader hears of page 1 (domestic sewage and refuse) through
# the accessibility bus: every field announced by its label.
#   sewage_fields.py LAUNCHER VEK DATA_INI   (inside an X and D-Bus session)
import os
import shutil
import subprocess
import sys
import tempfile
import time

import pyatspi

LABELS = [
    "工人数", "其中住宿人数", "工作天数", "不住宿每人每日用水量", "住宿每人每日用水量",
    "排水量按照用水量的", "COD初始浓度", "COD达标浓度", "NH3-N初始浓度", "NH3-N达标浓度",
    "年用水量", "日排放量", "年排放量", "COD年排放量", "COD达标年排放量", "NH3-N年排放量",
    "NH3-N达标年排放量", "COD削减量", "NH3-N削减量", "生活垃圾日产量", "生活垃圾年产量",
]
TEXT_ROLES = {pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY}


def find(node, wanted, depth=0):
    if node is None or depth > 12:
        return None
    if wanted(node):
        return node
    for i in range(node.childCount):
        found = find(node.getChildAtIndex(i), wanted, depth + 1)
        if found is not None:
            return found
    return None


def fields(node, depth=0):
    if node is None or depth > 12:
        return []
    if node.getRole() in TEXT_ROLES:
        return [node]
    out = []
    for i in range(node.childCount):
        out += fields(node.getChildAtIndex(i), depth + 1)
    return out


def main():
    launcher, vek, data = sys.argv[1:4]
    vek = os.path.abspath(vek)
    bus = subprocess.Popen([launcher, "--launch-immediately"])
    work = tempfile.mkdtemp()
    shutil.copy(data, os.path.join(work, "data.ini"))
    env = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
               QT_ACCESSIBILITY="1")
    program = subprocess.Popen([vek], cwd=work, env=env)
    try:
        page = None
        deadline = time.time() + 30
        while page is None and time.time() < deadline:
            time.sleep(0.5)
            desktop = pyatspi.Registry.getDesktop(0)
            app = find(desktop, lambda n: n.getRole() == pyatspi.ROLE_APPLICATION
                       and n.name == "vek", 1)
            page = find(app, lambda n: n.name == "生活污水和垃圾"
                        and n.getRole() != pyatspi.ROLE_PUSH_BUTTON
                        and len(fields(n)) > 0)
        if page is None:
            print("the sewage page did not appear on the accessibility bus")
            return 1
        names = sorted(f.name for f in fields(page))
        if names != sorted(LABELS):
            print("heard:   ", names)
            print("expected:", sorted(LABELS))
            return 1
        print("the sewage page's %d fields are announced by their labels" % len(names))
        return 0
    finally:
        program.terminate()
        program.wait(10)
        bus.terminate()
        bus.wait(10)
        shutil.rmtree(work, ignore_errors=True)


sys.exit(main())
