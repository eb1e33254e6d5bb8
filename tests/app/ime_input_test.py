"""Japanese typed through a real input method (ibus with the mozc engine) reaches the title
and the item description as a seller types it: romaji, space to convert, Return to commit.
The fields and the title counter are read back over the accessibility bus.
    ime_session.sh ime_input_test.py PROGRAM
The program runs from a fresh application folder; every wait has a deadline."""
import os, shutil, subprocess, sys, tempfile, time

from atspi_values_test import start, text_of, until, walk


def japanese(text):
    """Kana and kanji only: the romaji were converted, none slipped through as typed."""
    return bool(text) and all("\u3040" <= c <= "\u30ff" or "\u4e00" <= c <= "\u9fff"
                              for c in text)


def xdotool(*args):
    subprocess.run(["xdotool", *args], check=True, timeout=30)


def type_and_commit(field, romaji):
    """Clicks into the field, types the romaji, converts and commits the first candidate."""
    box = field.queryComponent().getExtents(0)  # desktop coordinates
    xdotool("mousemove", str(box.x + min(box.width // 2, 40)), str(box.y + box.height // 2),
            "click", "1")
    time.sleep(0.5)
    xdotool("type", "--delay", "120", romaji)
    time.sleep(0.5)
    xdotool("key", "space")
    time.sleep(0.5)
    xdotool("key", "Return")


def main():
    # What a Japanese desktop session sets for Qt programs.
    os.environ.update(QT_IM_MODULE="ibus", XMODIFIERS="@im=ibus")
    folder = tempfile.mkdtemp(prefix="ime-input-")
    process, app = start(sys.argv[1], folder)

    def find(role, name):
        def probe():
            for node in walk(app):
                try:
                    if node.getRoleName() == role and node.name == name:
                        return node
                except Exception:
                    pass
            return None
        return until("%s %r" % (role, name), probe)

    failures = []
    try:
        title = find("text", "タイトル")
        type_and_commit(title, "kasa")
        typed = until("Japanese in the title", lambda: japanese(text_of(title)) and
                      text_of(title), 20.0)
        counter = find("label", "残り文字数")
        expected = "あと%d文字" % (30 - len(typed))
        until("the counter reading " + expected, lambda: text_of(counter) == expected)

        description = find("text", "商品説明")
        type_and_commit(description, "akaikasa")
        until("Japanese in the description",
              lambda: japanese(text_of(description).strip()), 20.0)
        if text_of(title) != typed:
            failures.append("the title changed: %r" % text_of(title))
        print("typed: %r, %r" % (text_of(title), text_of(description)))
    except AssertionError as failure:
        failures.append(str(failure))
        for name in ("タイトル", "商品説明"):
            try:
                print("  %s: %r" % (name, text_of(find("text", name))))
            except Exception:
                pass
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
