#!/usr/bin/env python3
"""Read, edit and measure the stored articles.

The articles ship as GBK bytes with CR LF line ends. Maintainers edit a UTF-8
copy with LF line ends and write it back; the round trip keeps every byte,
including trailing spaces and whether the text ends with a line end.

  article.py export N [FILE]   stored scheme N -> UTF-8/LF (stdout or FILE)
  article.py import N FILE     UTF-8/LF FILE -> stored scheme N (GBK, CR LF)
  article.py stats [N ...]     bytes, characters, lines and layout figures
"""
import pathlib
import sys

ARTICLES = pathlib.Path(__file__).resolve().parent.parent / "content" / "articles"


def stored_path(n):
    return ARTICLES / f"scheme{int(n)}.txt"


def export(n, out=None):
    text = stored_path(n).read_bytes().decode("gbk").replace("\r\n", "\n")
    data = text.encode("utf-8")
    if out:
        pathlib.Path(out).write_bytes(data)
    else:
        sys.stdout.buffer.write(data)


def import_(n, src):
    text = pathlib.Path(src).read_bytes().decode("utf-8")
    if "\r" in text:
        sys.exit(f"{src}: holds CR; write it with LF line ends only")
    bad = sorted({c for c in text if (ord(c) < 0x20 and c != "\n") or ord(c) == 0x7F})
    if bad:
        sys.exit(f"{src}: control characters {[hex(ord(c)) for c in bad]} are not allowed")
    try:
        data = text.replace("\n", "\r\n").encode("gbk")
    except UnicodeEncodeError as e:
        sys.exit(f"{src}: {text[e.start:e.end]!r} has no GBK code")
    stored_path(n).write_bytes(data)


def stats(n):
    data = stored_path(n).read_bytes()
    lines = data.split(b"\r\n")
    text = data.decode("gbk")
    chars = len(text)
    nonempty = [l for l in lines if l]
    trailing = sum(1 for l in nonempty if l.endswith(b" "))
    longest = max(lines, key=len)
    print(
        f"scheme {n}: {len(data)} bytes, {chars} chars, {len(lines)} lines, "
        f"{len(lines) - len(nonempty)} empty, {trailing}/{len(nonempty)} non-empty lines with trailing space, "
        f"longest line {len(longest)} bytes / {len(longest.decode('gbk'))} chars, "
        f"ends with {data[-12:]!r}"
    )


def main(argv):
    if len(argv) >= 2 and argv[0] == "export":
        export(argv[1], argv[2] if len(argv) > 2 else None)
    elif len(argv) == 3 and argv[0] == "import":
        import_(argv[1], argv[2])
    elif argv and argv[0] == "stats":
        for n in argv[1:] or [p.stem[6:] for p in sorted(ARTICLES.glob("scheme*.txt"))]:
            stats(n)
    else:
        sys.exit(__doc__)


if __name__ == "__main__":
    main(sys.argv[1:])
