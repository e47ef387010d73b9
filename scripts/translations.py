#!/usr/bin/env python3
"""Fills the translation files after `cmake --build build/release --target update_translations`.

  translations.py fill TS...            messages already in the file's language (English texts in
                                        hexlume_en.ts, Chinese ones in hexlume_zh_CN.ts) take their
                                        own text, English plurals written out in their two forms
  translations.py apply TS JSON...      translations from JSON lists of
                                        {"context", "source", "translation"} (a list of forms for a
                                        plural); later files win

Run update_translations again afterwards: lupdate writes the files back in its own layout, and the
tests compare against that layout and fail on any unfinished message.
"""
import json
import re
import sys
import xml.etree.ElementTree as ET

HAN = re.compile(r'[\u4e00-\u9fff]')


def text_of(element):
    """An element's text as written, with the control characters lupdate stores as <byte value="xd"/>."""
    if element is None:
        return ''
    text = element.text or ''
    for child in element:
        if child.tag == 'byte':
            value = child.get('value', '')
            text += chr(int(value[1:], 16) if value.startswith('x') else int(value))
        text += child.tail or ''
    return text


def english_form(text, one):
    """"(s)" and "(one|many)" resolved, as the program's own English does."""
    def pick(match):
        inside = match.group(1)
        if inside == 's':
            return '' if one else 's'
        if '|' in inside:
            first, rest = inside.split('|', 1)
            return first if one else rest
        return match.group(0)
    return re.sub(r'\(([^()]*)\)', pick, text)


def language_of(root):
    return 'en' if root.get('language', '').startswith('en') else 'zh_CN'


def set_translation(message, forms):
    translation = message.find('translation')
    if translation is None:
        translation = ET.SubElement(message, 'translation')
    translation.attrib.pop('type', None)
    for child in list(translation):
        translation.remove(child)
    if message.get('numerus') == 'yes':
        translation.text = None
        for form in forms:
            ET.SubElement(translation, 'numerusform').text = form
    else:
        translation.text = forms[0]


def unfinished(message):
    translation = message.find('translation')
    return translation is None or translation.get('type') == 'unfinished'


def fill(path):
    tree = ET.parse(path)
    root = tree.getroot()
    english = language_of(root) == 'en'
    for message in root.iter('message'):
        if not unfinished(message):
            continue
        source = text_of(message.find('source'))
        if english == bool(HAN.search(source)):
            continue
        if message.get('numerus') == 'yes':
            forms = [english_form(source, True), english_form(source, False)] if english else [source]
        else:
            forms = [source]
        set_translation(message, forms)
    tree.write(path, encoding='utf-8', xml_declaration=True)


def apply(path, batches):
    known = {}
    for batch in batches:
        with open(batch, encoding='utf-8') as file:
            for entry in json.load(file):
                forms = entry['translation']
                known[(entry['context'], entry['source'])] = forms if isinstance(forms, list) else [forms]
    tree = ET.parse(path)
    for context in tree.getroot().iter('context'):
        name = context.findtext('name')
        for message in context.iter('message'):
            forms = known.get((name, text_of(message.find('source'))))
            if forms:
                set_translation(message, forms)
    tree.write(path, encoding='utf-8', xml_declaration=True)


if __name__ == '__main__':
    if len(sys.argv) >= 3 and sys.argv[1] == 'fill':
        for ts in sys.argv[2:]:
            fill(ts)
    elif len(sys.argv) >= 4 and sys.argv[1] == 'apply':
        apply(sys.argv[2], sys.argv[3:])
    else:
        sys.exit(__doc__)
