"""Fails when code outside src/shapes/ switches on a solid kind.

A solid's look is said once, in the shape module; elsewhere a per-kind value comes from a table.
A switch counts as one on a solid kind when one of its case labels names a kind (kSolid... or
ShapeKind::...).
"""

import pathlib
import re
import sys

KIND_LABEL = re.compile(r"\bcase\s+(kSolid\w+|ShapeKind::\w+)\s*:")
SWITCH = re.compile(r"\bswitch\s*\(")


def switch_bodies(text):
    """Each switch statement's position and the text of its braced body."""
    for match in SWITCH.finditer(text):
        start = text.find("{", match.end())
        if start < 0:
            continue
        depth = 0
        for end in range(start, len(text)):
            depth += {"{": 1, "}": -1}.get(text[end], 0)
            if depth == 0:
                yield match.start(), text[start:end]
                break


def main(source_root):
    root = pathlib.Path(source_root)
    found = []
    for path in sorted(root.rglob("*")):
        if path.suffix not in {".cpp", ".h"} or (root / "shapes") in path.parents:
            continue
        text = path.read_text(encoding="utf-8", errors="replace")
        for position, body in switch_bodies(text):
            # Only the switch's own labels: nested switches are looked at on their own.
            if KIND_LABEL.search(body):
                line = text.count("\n", 0, position) + 1
                found.append(f"{path.relative_to(root)}:{line}")
    for place in found:
        print(f"switch on a solid kind outside src/shapes/: {place}")
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
