"""What a screen reader reads of the main window's displays and lists after the seller
changes them, through the accessibility bus (AT-SPI) as Orca meets the program.
    atspi_session.sh atspi_values_test.py PROGRAM
The program runs from a fresh application folder; every wait has a deadline."""
import os, shutil, subprocess, sys, tempfile, time

import pyatspi


def walk(node, depth=0):
    if node is None or depth > 40:
        return
    yield node
    try:  # a node may go away while it is read
        children = [node.getChildAtIndex(i) for i in range(node.childCount)]
    except Exception:
        return
    for child in children:
        yield from walk(child, depth + 1)


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def text_of(node):
    return node.queryText().getText(0, -1)


def until(what, probe, timeout=10.0):
    end = time.time() + timeout
    while not (value := probe()):
        if time.time() > end:
            raise AssertionError("timed out: " + what)
        time.sleep(0.1)
    return value


def start(executable, folder):
    program = shutil.copy2(executable, folder)
    env = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    process = subprocess.Popen([program], env=env, stdout=subprocess.DEVNULL)

    def application():
        assert process.poll() is None, "the program ended"
        try:  # the bus may still be starting
            desktop = pyatspi.Registry.getDesktop(0)
            apps = (desktop.getChildAtIndex(i) for i in range(desktop.childCount))
            return next((a for a in apps if a and a.get_process_id() == process.pid), None)
        except Exception:
            return None
    return process, until("the program on the bus", application, 30.0)


def main():
    folder = tempfile.mkdtemp(prefix="atspi-values-")
    process, app = start(sys.argv[1], folder)

    def matches(node, role, name, must_show):
        try:
            return node.getRoleName() == role and node.name == name and (
                not must_show or showing(node))
        except Exception:
            return False

    def find(role, name, must_show=True):
        return until("%s %r" % (role, name), lambda: next(
            (n for n in walk(app) if matches(n, role, name, must_show)), None))

    def act(node):
        node.queryAction().doAction(0)
        time.sleep(0.2)

    failures = []
    try:
        # Ticking a payment method: the payment display holds its line, under its own name.
        payment = find("label", "支払い方法", must_show=False)
        act(find("page tab", "支払詳細"))
        act(find("check box", "現金書留"))
        act(find("page tab", "商品情報"))
        lines = until("the payment text with 現金書留", lambda: [
            line.strip("・\u3000\r ") for line in text_of(payment).split("\n")
            if "現金書留" in line])
        if lines != ["現金書留"]:
            failures.append("payment display: %r" % text_of(payment))

        # Choosing a size as a seller does: open the list, click the entry.
        sizes = find("combo box", "商品のサイズ")
        charges = find("label", "送料1")
        act(sizes)
        entry = find("list item", "100cmサイズ")
        box = entry.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        subprocess.run(["xdotool", "mousemove", str(box.x + box.width // 2),
                        str(box.y + box.height // 2), "click", "1"], check=True, timeout=10)
        until("the size list reading 100cmサイズ", lambda: text_of(sizes) == "100cmサイズ")
        # The first run offers two carriers, so the charges follow the size.
        until("the charges of the 100 size", lambda: "100サイズ" in text_of(charges))
        if sizes.name != "商品のサイズ" or payment.name != "支払い方法":
            failures.append("names changed: %r %r" % (sizes.name, payment.name))

        find("text", "タイトル").queryEditableText().setTextContents("ABCDE")
        counter = find("label", "残り文字数")
        until("the counter reading あと25文字", lambda: text_of(counter) == "あと25文字")
    except AssertionError as failure:
        failures.append(str(failure))
    finally:
        process.kill()
        process.wait(10)
        shutil.rmtree(folder, ignore_errors=True)
    for failure in failures:
        print("FAIL", failure)
    print("%d passed, %d failed" % (0 if failures else 1, 1 if failures else 0))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
