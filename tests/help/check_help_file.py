#!/usr/bin/env python3
"""Opens the built help file with chmls (fp-utils) and checks that a reader
can reach all of it: the contents and the index open, every page in the file
is listed in both, and every link they hold, and every link and picture of a
page, names a file that is in the help file.
Usage: check_help_file.py HushHlp.chm"""
import html.parser
import os
import subprocess
import sys
import tempfile


class Links(html.parser.HTMLParser):
    """The sitemap entries (param Local) and the page links of one file."""

    def __init__(self):
        super().__init__()
        self.locals, self.links = [], []

    def handle_starttag(self, tag, attrs):
        attrs = dict(attrs)
        if tag == "param" and (attrs.get("name") or "").lower() == "local":
            self.locals.append(attrs.get("value") or "")
        for name in ("href", "src"):
            if attrs.get(name) is not None:
                self.links.append(attrs[name])


def parse(path):
    links = Links()
    with open(path, encoding="latin-1") as text:
        links.feed(text.read())
    return links


def target(link):
    """The file inside the help file that a link names; None for a link
    that leaves it (web addresses, mail) or stays on its page."""
    if ":" in link.split("/")[0] or link.startswith("#"):
        return None
    return link.split("#")[0].lstrip("/").lower()


def chmls(*arguments):
    subprocess.run(["chmls", *arguments], check=True,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def main(chm):
    faults = []
    with tempfile.TemporaryDirectory() as folder:
        chmls("extractall", chm, folder)
        files = {name.lower(): name for name in os.listdir(folder)}
        pages = sorted(name for name in files if name.endswith((".htm", ".html")))
        sitemaps = {}
        for kind, command in (("contents", "extracttoc"), ("index", "extractindex")):
            path = os.path.join(folder, kind + ".sitemap")
            chmls(command, chm, path)
            sitemaps[kind] = parse(path) if os.path.exists(path) else Links()
        if len(pages) < 2:
            faults.append(f"the help file holds {len(pages)} page(s)")
        for kind, links in sitemaps.items():
            listed = {target(local) for local in links.locals}
            if not links.locals:
                faults.append(f"the {kind} could not be read or is empty")
                continue
            faults += [f"the {kind} names {local}, which is not in the help file"
                       for local in links.locals if target(local) not in files]
            faults += [f"{files[page]} is not in the {kind}" for page in pages if page not in listed]
        for page in pages:
            for link in parse(os.path.join(folder, files[page])).links:
                name = target(link)
                if name is not None and name not in files:
                    faults.append(f"{files[page]} links to {link}, which is not in the help file")
    for fault in faults:
        print("FAIL:", fault)
    print(f"{len(pages)} pages checked, {len(faults)} fault(s)")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
