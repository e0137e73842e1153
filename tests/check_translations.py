#!/usr/bin/env python3
"""Holds the translations to the code and to each other.

  check_translations.py LUPDATE SOURCES_LIST TS_DIR DESKTOP_FILE METAINFO_FILE LANGUAGE...

Each language's .ts file is brought up to date with the code by lupdate, in a copy: a text the code
has that the file lacks comes back unfinished, a text the file has that the code lost comes back
vanished or obsolete, and either fails, as does an empty translation or one that drops or adds a
%1 placeholder. The desktop entry has its Name, GenericName, Comment and Keywords in each language,
and the AppStream metadata its summary, every paragraph and item of its description, each
screenshot's caption, and as many keywords as in English."""
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET
from pathlib import Path

XML_LANG = '{http://www.w3.org/XML/1998/namespace}lang'


def check_ts(lupdate, sources_list, ts_dir, languages):
    failures = []
    with tempfile.TemporaryDirectory() as work:
        copies = []
        for language in languages:
            source = Path(ts_dir) / f'velmora_{language}.ts'
            if not source.exists():
                failures.append(f'{source}: missing')
                continue
            copy = Path(work) / source.name
            shutil.copy(source, copy)
            copies.append(copy)
        subprocess.run([lupdate, '-silent', '-locations', 'none', f'@{sources_list}', '-ts']
                       + [str(copy) for copy in copies], check=True)
        for copy in copies:
            for context in ET.parse(copy).getroot().iter('context'):
                name = context.findtext('name')
                for message in context.iter('message'):
                    source = message.findtext('source')
                    translation = message.find('translation')
                    where = f'{copy.name}: {name}: "{source[:60]}"'
                    kind = translation.get('type')
                    if kind in ('unfinished', 'obsolete', 'vanished'):
                        failures.append(f'{where} is {kind}')
                    elif not (translation.text or '').strip():
                        failures.append(f'{where} has an empty translation')
                    elif sorted(re.findall(r'%\d', source)) != sorted(
                            re.findall(r'%\d', translation.text)):
                        failures.append(f'{where}: the placeholders differ')
    return failures


def check_desktop(path, languages):
    keys = {}
    for line in Path(path).read_text(encoding='utf-8').splitlines():
        if '=' in line and not line.startswith('#'):
            key, value = line.split('=', 1)
            keys[key.strip()] = value.strip()
    return [f'{path}: no {key}[{language}]'
            for language in languages
            for key in ('Name', 'GenericName', 'Comment', 'Keywords')
            if not keys.get(f'{key}[{language}]')]


def check_metainfo(path, languages):
    failures = []
    component = ET.parse(path).getroot()
    groups = [('summary', [e for e in component if e.tag == 'summary'])]
    description = component.find('description')
    english = [e for e in description.iter() if e.tag in ('p', 'li') and XML_LANG not in e.attrib]
    for element in english:
        parent = next(p for p in description.iter() if element in list(p))
        siblings = list(parent)
        # An element's translations follow it, up to the next English one of its kind.
        following = []
        for sibling in siblings[siblings.index(element) + 1:]:
            if XML_LANG not in sibling.attrib:
                break
            following.append(sibling)
        groups.append((f'"{element.text.strip()[:40]}"', [element] + following))
    for number, screenshot in enumerate(component.iter('screenshot'), 1):
        groups.append((f'screenshot {number}\'s caption', screenshot.findall('caption')))
    for what, elements in groups:
        present = {e.get(XML_LANG) for e in elements if (e.text or '').strip()}
        failures += [f'{path}: {what} has no {language}' for language in languages
                     if language not in present]
    keywords = [(k.get(XML_LANG), (k.text or '').strip()) for k in component.iter('keyword')]
    english_count = sum(1 for language, text in keywords if language is None and text)
    for language in languages:
        count = sum(1 for keyword_language, text in keywords if keyword_language == language and text)
        if count != english_count:
            failures.append(f'{path}: {count} keywords in {language}, {english_count} in English')
    return failures


def main():
    if len(sys.argv) < 7:
        sys.exit(__doc__)
    lupdate, sources_list, ts_dir, desktop, metainfo = sys.argv[1:6]
    languages = sys.argv[6:]
    failures = (check_ts(lupdate, sources_list, ts_dir, languages)
                + check_desktop(desktop, languages) + check_metainfo(metainfo, languages))
    for failure in failures:
        print(failure)
    print(f'{len(languages)} languages checked, {len(failures)} failed')
    sys.exit(1 if failures else 0)


if __name__ == '__main__':
    main()
