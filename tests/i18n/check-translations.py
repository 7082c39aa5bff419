#!/usr/bin/env python3
"""Fails when a text of the windows has no English, or its English is unfinished.

Runs lupdate over the sources into a copy of i18n/vexmora_en.ts (the file in the tree is left as
it is), so a text wrapped in tr() or marked with QT_TRANSLATE_NOOP but never given its English
shows up as unfinished. The catalogue of the texts made below the windows is checked as it is.

usage: check-translations.py SOURCE_ROOT LUPDATE
"""
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET
from pathlib import Path


def unfinished(ts_path):
    problems = []
    for context in ET.parse(ts_path).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            translation = message.find("translation")
            kind = translation.get("type") if translation is not None else "missing"
            if kind in ("obsolete", "vanished"):
                continue
            text = "".join(translation.itertext()) if translation is not None else ""
            if kind == "unfinished" or not text.strip():
                problems.append(f"{name}: {message.findtext('source')!r}")
    return problems


def main():
    root, lupdate = Path(sys.argv[1]), sys.argv[2]
    problems = []
    with tempfile.TemporaryDirectory() as folder:
        copy = Path(folder) / "vexmora_en.ts"
        shutil.copy(root / "i18n" / "vexmora_en.ts", copy)
        subprocess.run([str(root / "tools" / "update-translations.sh"), str(copy)], check=True,
                       env={"PATH": str(Path(lupdate).parent) + ":/usr/bin:/bin"})
        problems += unfinished(copy)
    problems += unfinished(root / "i18n" / "vexmora_data_en.ts")
    for problem in problems:
        print("no English:", problem)
    print(f"{len(problems)} texts without their English")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
