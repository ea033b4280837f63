#!/usr/bin/env python3
"""Fills the unfinished entries of translations/dishline_*.ts from a worksheet.

  scripts/fill-translations.py todo [LANG...] > sheet.json
      Lists every entry that some language still lacks (after scripts/update-translations.sh brought in the
      new texts): context, source, the German translation as a guide, and an empty slot per language.
  scripts/fill-translations.py fill sheet.json
      Writes the slots that are filled in into the .ts files, marks them finished, and runs
      scripts/update-translations.sh so that the files keep lupdate's own layout.

Keep "%1", "\\t" and the shortcut after it, and give every "&" mnemonic a letter of its own within its menu
or dialog. Empty slots are left as they are.
"""
import json
import os
import subprocess
import sys
import xml.etree.ElementTree as ET

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
TRANSLATIONS = os.path.join(ROOT, "translations")


def ts_path(language):
    return os.path.join(TRANSLATIONS, "dishline_%s.ts" % language)


def languages():
    return sorted(name[len("dishline_"):-len(".ts")] for name in os.listdir(TRANSLATIONS)
                  if name.startswith("dishline_") and name.endswith(".ts"))


def messages(tree):
    """(context, source, comment) -> <message> element."""
    found = {}
    for context in tree.getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            comment = message.findtext("comment") or ""
            found[(name, message.findtext("source") or "", comment)] = message
    return found


def unfinished(message):
    translation = message.find("translation")
    return translation.get("type") == "unfinished" or not (translation.text or "")


def todo(wanted):
    german = messages(ET.parse(ts_path("de")))
    sheet = {}
    for language in wanted:
        for key, message in messages(ET.parse(ts_path(language))).items():
            if message.find("translation").get("type") in ("obsolete", "vanished") or not unfinished(message):
                continue
            entry = sheet.setdefault(key, {"context": key[0], "source": key[1], "comment": key[2],
                                           "de": german[key].findtext("translation") if key in german else "",
                                           "translations": {}})
            entry["translations"][language] = ""
    json.dump(list(sheet.values()), sys.stdout, ensure_ascii=False, indent=1)
    sys.stdout.write("\n")


def fill(sheet_file):
    with open(sheet_file, encoding="utf-8") as f:
        sheet = json.load(f)
    by_language = {}
    for entry in sheet:
        key = (entry["context"], entry["source"], entry.get("comment", ""))
        for language, text in entry["translations"].items():
            if text:
                by_language.setdefault(language, {})[key] = text
    for language, texts in sorted(by_language.items()):
        tree = ET.parse(ts_path(language))
        found = messages(tree)
        # A sheet may hold texts of sources not merged yet: those wait for a later fill.
        missing = [key for key in texts if key not in found]
        for key, text in texts.items():
            if key in found:
                translation = found[key].find("translation")
                translation.text = text
                translation.attrib.pop("type", None)
        tree.write(ts_path(language), encoding="utf-8", xml_declaration=True)
        print("%s: %d entries filled, %d not in the sources" % (language, len(texts) - len(missing), len(missing)))
    if by_language:
        subprocess.run([os.path.join(ROOT, "scripts", "update-translations.sh")] + sorted(by_language), check=True)


def main():
    if len(sys.argv) >= 2 and sys.argv[1] == "todo":
        todo(sys.argv[2:] or [language for language in languages() if language != "de"] + ["de"])
    elif len(sys.argv) == 3 and sys.argv[1] == "fill":
        fill(sys.argv[2])
    else:
        sys.exit(__doc__)


if __name__ == "__main__":
    main()
