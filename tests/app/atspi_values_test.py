"""What a screen reader reads of the main window's displays and lists after the seller
changes them, through the accessibility bus (AT-SPI) as Orca meets the program.

    atspi_session.sh atspi_values_test.py PROGRAM

The program is copied into a fresh application folder and started on the X display that
atspi_session.sh provides. Every wait has a deadline."""
import os
import shutil
import subprocess
import sys
import tempfile
import time

import pyatspi

WAIT = 10.0


def walk(node, depth=0):
    if node is None or depth > 40:
        return
    yield node
    try:
        count = node.childCount
    except Exception:
        return
    for i in range(count):
        try:
            yield from walk(node.getChildAtIndex(i), depth + 1)
        except Exception:
            continue


def showing(node):
    try:
        return node.getState().contains(pyatspi.STATE_SHOWING)
    except Exception:
        return False


def text_of(node):
    """The text a screen reader gets from the node's text interface."""
    text = node.queryText()
    return text.getText(0, -1)


def until(what, probe, timeout=WAIT):
    """probe() once it is truthy; a failure naming `what` after the deadline."""
    end = time.time() + timeout
    while True:
        value = probe()
        if value:
            return value
        if time.time() > end:
            raise AssertionError("timed out: " + what)
        time.sleep(0.1)


class Program:
    def __init__(self, executable):
        self.folder = tempfile.mkdtemp(prefix="atspi-values-")
        program = os.path.join(self.folder, os.path.basename(executable))
        shutil.copy2(executable, program)
        env = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                   QT_ACCESSIBILITY="1")
        self.log = open(self.folder + ".log", "w")
        self.process = subprocess.Popen([program], env=env, stdout=self.log,
                                        stderr=subprocess.STDOUT)
        self.app = until("the program on the accessibility bus", self._application, 30.0)

    def _application(self):
        if self.process.poll() is not None:
            raise AssertionError("the program ended with %s" % self.process.returncode)
        try:
            desktop = pyatspi.Registry.getDesktop(0)
            for i in range(desktop.childCount):
                app = desktop.getChildAtIndex(i)
                if app is not None and app.get_process_id() == self.process.pid:
                    return app
        except Exception:
            pass  # the bus may still be starting
        return None

    def find(self, role, name, must_show=True):
        def probe():
            for node in walk(self.app):
                try:
                    if node.getRoleName() == role and node.name == name and (
                            showing(node) or not must_show):
                        return node
                except Exception:
                    continue
            return None
        return until("%s %r" % (role, name), probe)

    def act(self, node, index=0):
        node.queryAction().doAction(index)
        time.sleep(0.2)

    def tab(self, caption):
        self.act(self.find("page tab", caption))

    def choose_entry(self, combo, entry):
        """As a seller does: open the list, click the entry (the keyboard when it is out of
        sight)."""
        entries = [n.name for n in walk(combo) if n is not combo and n.getRoleName() == "list item"]
        assert entry in entries, "no entry %r in %r" % (entry, entries)
        self.act(combo)  # opens the list
        time.sleep(0.3)
        for node in walk(self.app):
            try:
                if node.getRoleName() == "list item" and node.name == entry and showing(node):
                    box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
                    subprocess.run(["xdotool", "mousemove", str(box.x + box.width // 2),
                                    str(box.y + box.height // 2), "click", "1"],
                                   check=True, timeout=WAIT)
                    return
            except (LookupError, NotImplementedError):
                continue
        keys = ["Home"] + ["Down"] * entries.index(entry) + ["Return"]
        subprocess.run(["xdotool", "key", "--delay", "20"] + keys, check=True, timeout=WAIT)

    def close(self):
        if self.process.poll() is None:
            self.process.terminate()
            try:
                self.process.wait(10)
            except subprocess.TimeoutExpired:
                self.process.kill()
        self.log.close()
        shutil.rmtree(self.folder, ignore_errors=True)


def check(results, what, test):
    try:
        test()
        results.append(True)
        print("ok  ", what)
    except Exception as failure:  # each check reports, the next still runs
        results.append(False)
        print("FAIL", what, "-", failure)


def main():
    program = Program(sys.argv[1])
    results = []
    try:
        def payment_display_reads_the_new_line():
            display = program.find("label", "支払い方法", must_show=False)
            before = text_of(display)
            assert "現金書留" not in before, before
            program.tab("支払詳細")
            program.act(program.find("check box", "現金書留"))
            program.tab("商品情報")
            after = until("the payment text with 現金書留",
                          lambda: "現金書留" in text_of(display) and text_of(display))
            # A line of its own, as the composer writes it: "・現金書留" and its padding.
            lines = [line.strip("・\u3000\r ") for line in after.split("\n")]
            assert "現金書留" in lines, repr(after)
            assert display.name == "支払い方法", display.name

        def size_list_and_shipping_display_read_the_chosen_size():
            program.tab("商品情報")
            sizes = program.find("combo box", "商品のサイズ")
            charges = program.find("label", "送料1")
            assert "100サイズ" not in text_of(charges), text_of(charges)
            program.choose_entry(sizes, "100cmサイズ")
            until("the size list reading 100cmサイズ", lambda: text_of(sizes) == "100cmサイズ")
            assert sizes.name == "商品のサイズ", sizes.name
            # The first run offers two carriers, so the charges follow the size.
            until("the charges for the 100 size", lambda: "100サイズ" in text_of(charges))
            text_of(program.find("label", "送料2", must_show=False))

        def counter_reads_the_characters_left():
            title = program.find("text", "タイトル")
            title.queryEditableText().setTextContents("ABCDE")
            counter = program.find("label", "残り文字数")
            until("the counter reading あと25文字", lambda: text_of(counter) == "あと25文字")

        check(results, "the payment display reads the ticked method",
              payment_display_reads_the_new_line)
        check(results, "the size list and the charges read the chosen size",
              size_list_and_shipping_display_read_the_chosen_size)
        check(results, "the title counter reads the characters left",
              counter_reads_the_characters_left)
    finally:
        program.close()
    passed = sum(results)
    print("%d passed, %d failed" % (passed, len(results) - passed))
    return 0 if all(results) else 1


if __name__ == "__main__":
    sys.exit(main())
