"""velnor-cli render --net: the net of a cube of edge 5 measured in the PDF's own drawing.

Reads the page's content streams (deflated by the PDF writer) and follows their paths: every
edge of the net is 5 cm long, folds are dashed, cuts solid, and every pair of cut edges has one
glue tab. A net too large for one sheet takes several; a bad paper or face is refused.
"""

import math
import re
import subprocess
import sys
import zlib
from pathlib import Path

CM_PER_POINT = 2.54 / 72


def run(*args, expect=0):
    done = subprocess.run(args, capture_output=True, text=True)
    if done.returncode != expect:
        sys.exit(f"{args}: exit {done.returncode}, wanted {expect}\n{done.stderr}")
    return done


def content_streams(pdf):
    for match in re.finditer(rb"stream\r?\n(.*?)endstream", pdf, re.S):
        try:
            yield zlib.decompress(match.group(1)).decode("latin-1")
        except zlib.error:
            continue


def stroked_paths(text):
    """(points in cm, dashed) of each stroked path, after the page's scale."""
    scale = None
    dashed = False
    path, paths = [], []
    for line in text.splitlines():
        words = line.split()
        if not words:
            continue
        if words[-1] == "cm" and scale is None:
            scale = float(words[0]) * CM_PER_POINT
        elif words[-1] == "d":
            dashed = re.search(r"\[\s*\]", line) is None
        elif words[-1] in ("m", "l") and len(words) == 3:
            if words[-1] == "m":
                path = []
            path.append((float(words[0]) * scale, float(words[1]) * scale))
        elif words[-1] == "S":
            paths.append((path, dashed))
            path = []
    return paths


def near(p, q):
    return math.dist(p, q) < 0.01


def check_cube_net(pdf):
    if len(re.findall(rb"/Type\s*/Page\b", pdf)) != 1:
        sys.exit("the cube of edge 5 should take one A4 sheet")
    paths = [p for text in content_streams(pdf) for p in stroked_paths(text)]
    lines = [(points, dashed) for points, dashed in paths if len(points) == 2]
    folds = [points for points, dashed in lines if dashed]
    cuts = [points for points, dashed in lines if not dashed]
    tabs = [points for points, dashed in paths if len(points) == 4 and not dashed]
    for points in folds + cuts:
        length = math.dist(*points)
        if abs(length - 5.0) > 0.05:
            sys.exit(f"an edge measures {length:.4f} cm, not 5 cm ± 0.5 mm")
    if (len(folds), len(cuts), len(tabs)) != (5, 14, 7):
        sys.exit(f"folds, cuts, tabs: {len(folds)}, {len(cuts)}, {len(tabs)}; wanted 5, 14, 7")
    # A tab's outline runs from one end of its cut edge round to the other.
    tabbed = set()
    for tab in tabs:
        ends = (tab[0], tab[-1])
        on = [i for i, cut in enumerate(cuts)
              if (near(ends[0], cut[0]) and near(ends[1], cut[1]))
              or (near(ends[0], cut[1]) and near(ends[1], cut[0]))]
        if len(on) != 1:
            sys.exit(f"a tab stands on {len(on)} cut edges")
        tabbed.add(on[0])
    if len(tabbed) != 7:
        sys.exit("two tabs share a cut edge")


def pdf_info(path):
    """Poppler's reading of the file: its page count and the first page's size in points."""
    info = run("pdfinfo", str(path)).stdout
    pages = int(re.search(r"^Pages:\s+(\d+)", info, re.M).group(1))
    size = re.search(r"^Page size:\s+([\d.]+) x ([\d.]+)", info, re.M)
    return pages, sorted((float(size.group(1)), float(size.group(2))))


def page_count(path):
    return pdf_info(path)[0]


def main():
    cli, data, work = sys.argv[1], Path(sys.argv[2]), Path(sys.argv[3])
    work.mkdir(parents=True, exist_ok=True)
    document = work / "cube.plm"
    run(cli, "run", str(data / "cube_edge_5.script"), "-o", str(document))

    net = work / "net.pdf"
    run(cli, "render", str(document), "--net", "1", "-o", str(net))
    check_cube_net(net.read_bytes())
    pages, size = pdf_info(net)
    if pages != 1 or abs(size[0] - 595.3) > 1 or abs(size[1] - 841.9) > 1:
        sys.exit(f"the cube's net should be one A4 sheet; poppler reads {pages} of {size} pt")

    on_a4, on_a3 = work / "large_a4.pdf", work / "large_a3.pdf"
    run(cli, "render", str(document), "--net", "1", "--scale", "3", "-o", str(on_a4))
    run(cli, "render", str(document), "--net", "1", "--scale", "3", "--paper", "a3",
        "-o", str(on_a3))
    if not page_count(on_a4) > page_count(on_a3) > 1:
        sys.exit(f"sheets of a 45 cm net: {page_count(on_a4)} on A4, {page_count(on_a3)} on A3")

    svg = work / "net.svg"
    run(cli, "render", str(document), "--net", "1", "-o", str(svg))
    run("xmllint", "--noout", str(svg))
    drawn = work / "net_svg.png"
    run("rsvg-convert", str(svg), "-o", str(drawn))
    if drawn.stat().st_size == 0:
        sys.exit("rsvg-convert drew nothing of the SVG")

    run(cli, "render", str(document), "--net", "1", "--paper", "A5", "-o", str(net), expect=2)
    refused = run(cli, "render", str(document), "--net", "9", "-o", str(net), expect=1)
    if "no face 9" not in refused.stderr:
        sys.exit(f"a missing face was refused with: {refused.stderr}")
    check_cube_net(net.read_bytes())


main()
