"""velnor-cli dump writes strict UTF-8 JSON: for every stored test document, and for a page whose
one-byte label fields (next label letter, label suffix) hold bytes that are not ASCII."""

import json
import pathlib
import subprocess
import sys

cli, data, scratch = sys.argv[1], pathlib.Path(sys.argv[2]), pathlib.Path(sys.argv[3])
scratch.mkdir(parents=True, exist_ok=True)


def dump(path):
    out = subprocess.run([cli, "dump", str(path)], check=True, capture_output=True).stdout
    return json.loads(out.decode("utf-8", errors="strict"))


for document in sorted(data.glob("*.plm")):
    dump(document)

# One point labelled A: next label 'B', no suffix, then the five next keys (1, 1, 1, 3024, 1).
script = scratch / "one_point.script"
script.write_text("point 0 0 0\n")
plain = scratch / "one_point.plm"
subprocess.run([cli, "run", str(script), "-o", str(plain)], check=True, capture_output=True)
counters = bytes([0x42, 0x00, 1, 0, 1, 0, 1, 0, 0xD0, 0x0B, 1, 0])
stored = plain.read_bytes()
assert stored.count(counters) == 1, "the label counters were not found once"

cases = [(0x80, 0xE6), (0xE6, 0xC3), (0xFF, 0x81), (0x22, 0x5C), (0x01, 0x7F)]
for letter, suffix in cases:
    odd = scratch / f"label_{letter:02x}_{suffix:02x}.plm"
    odd.write_bytes(stored.replace(counters, bytes([letter, suffix]) + counters[2:]))
    page = dump(odd)["pages"][0]
    for field, byte in (("next_label", letter), ("label_suffix", suffix)):
        value = page[field]
        expected = chr(byte) if byte < 0x80 else None
        if expected is not None and value != expected:
            sys.exit(f"{odd.name}: {field} is {value!r}, not {expected!r}")
        if expected is None and len(value) != 1:
            sys.exit(f"{odd.name}: {field} is {value!r}, not one character")
print("strict")
