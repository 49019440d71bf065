#!/usr/bin/env python3
"""Makes the patched fixtures from the workbooks a spreadsheet application wrote.

edge.xlsx   from edge-base.xlsx: phonetic runs and rich-text runs in the shared
            strings, a formula without its stored result, an inline string with
            an escaped CR, a boolean, an ISO date and an error cell.
strict.xlsx from cells.xlsx: the strict namespaces, with a prefix on every
            element of the first sheet.
Run it in this folder; it needs only the standard library.
"""
import re
import zipfile

TRANSITIONAL_MAIN = 'http://schemas.openxmlformats.org/spreadsheetml/2006/main'
STRICT_MAIN = 'http://purl.oclc.org/ooxml/spreadsheetml/main'
TRANSITIONAL_REL = 'http://schemas.openxmlformats.org/officeDocument/2006/relationships'
STRICT_REL = 'http://purl.oclc.org/ooxml/officeDocument/relationships'


def rewrite(source, target, change):
    with zipfile.ZipFile(source) as zin, zipfile.ZipFile(target, 'w', zipfile.ZIP_DEFLATED) as zout:
        for item in zin.infolist():
            data = zin.read(item.filename).decode('utf-8')
            zout.writestr(item, change(item.filename, data).encode('utf-8'))


def edge(name, data):
    if name == 'xl/sharedStrings.xml':
        data = data.replace('<si><t xml:space="preserve">東京</t></si>',
                            '<si><t xml:space="preserve">東京</t><rPh sb="0" eb="2"><t>トウキョウ</t></rPh>'
                            '<phoneticPr fontId="1"/></si>')
        data = data.replace('<si><t xml:space="preserve">リッチ</t></si>',
                            '<si><r><t>リッ</t></r><r><rPr><b/></rPr><t>チ</t></r>'
                            '<rPh sb="0" eb="3"><t>リッチ</t></rPh></si>')
    if name == 'xl/worksheets/sheet1.xml':
        data = data.replace('<f aca="false">1+1</f><v>2</v></c>',
                            '<f aca="false">1+1</f></c>'
                            '<c r="E1" t="inlineStr"><is><t>改_x000D_行</t></is></c>'
                            '<c r="F1" t="b"><v>1</v></c>'
                            '<c r="G1" t="d"><v>2024-01-05T09:30:00</v></c>'
                            '<c r="H1" t="e"><v>#REF!</v></c>')
    return data


def strict(name, data):
    data = data.replace(TRANSITIONAL_MAIN, STRICT_MAIN).replace(TRANSITIONAL_REL, STRICT_REL)
    if name == 'xl/worksheets/sheet1.xml':
        data = data.replace('xmlns="%s"' % STRICT_MAIN, 'xmlns:x="%s"' % STRICT_MAIN)
        data = re.sub(r'<(/?)([A-Za-z][A-Za-z0-9]*)(?=[\s>/])', r'<\1x:\2', data)
        data = data.replace('<?x:xml', '<?xml')
    return data


rewrite('edge-base.xlsx', 'edge.xlsx', edge)
rewrite('cells.xlsx', 'strict.xlsx', strict)
