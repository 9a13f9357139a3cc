"""Plain text of an RTF document, by the calculator's reading rules.

Enough of a reader to check the shipped data file and copies of it saved
by a word processor: groups, control words and symbols, skipped
destinations, \\uN with its fallback, \\'hh in code page 1252, breaks,
tabs and the special characters.  A paragraph break reads CR LF and the
document's last paragraph mark is not text.
"""

import re

SKIP_DESTINATIONS = set(
    """fonttbl colortbl stylesheet listtable listoverridetable revtbl rsidtbl
    info generator userprops docvar xmlnstbl template filetbl pgdsctbl
    latentstyles themedata colorschememapping datastore mmathPr defchp defpap
    fchars lchars protusertbl passwordhash private header headerl headerr
    headerf footer footerl footerr footerf footnote ftnsep ftnsepc ftncn
    aftnsep aftnsepc aftncn annotation atnid atnauthor atndate atnref
    atnparent atrfstart atrfend pict shppict nonshppict shp shpgrp shpinst
    shprslt shptxt sp sn sv object objdata objclass objname do dptxbxtext
    mmath fldinst datafield formfield listtext pntext pn pnseclvl pntxta
    pntxtb listpicture bkmkstart bkmkend xe tc tcn txe rxe pxe
    nonesttables""".split()
)

BREAKS = {"par", "sect", "page", "column", "line"}
SPECIAL = {
    "tab": "\t",
    "emdash": "\u2014",
    "endash": "\u2013",
    "bullet": "\u2022",
    "lquote": "\u2018",
    "rquote": "\u2019",
    "ldblquote": "\u201c",
    "rdblquote": "\u201d",
    "emspace": "\u2003",
    "enspace": "\u2002",
    "qmspace": "\u2005",
    "zwj": "\u200d",
    "zwnj": "\u200c",
    "zwbo": "\u200b",
    "zwnbo": "\u2060",
    "ltrmark": "\u200e",
    "rtlmark": "\u200f",
}
TOKEN = re.compile(
    rb"\\([a-zA-Z]+)(-?\d+)? ?|\\'([0-9a-fA-F]{2})|\\([^a-zA-Z])|([{}])|([\r\n])|([^\\{}\r\n]+)"
)


def plain_text(data):
    """Plain text of the RTF bytes `data`."""
    out = []
    stack = []
    uc, skip_left, skipping = 1, 0, 0
    first_in_group = False
    pending_surrogate = None

    def emit(text):
        nonlocal skip_left
        out.append(text)

    pos = 0
    while pos < len(data):
        m = TOKEN.match(data, pos)
        if not m:
            raise ValueError("cannot read RTF at byte %d" % pos)
        pos = m.end()
        word, param, hexbyte, symbol, brace, newline, text = m.groups()
        at_group_start, first_in_group = first_in_group, False
        if brace == b"{":
            stack.append((uc, skipping))
            first_in_group = True
            continue
        if brace == b"}":
            if stack:
                uc, skipping = stack.pop()
            skip_left = 0
            continue
        if newline:
            continue
        if skipping:
            if word == b"bin" and param:
                pos += int(param)
            continue
        if symbol == b"*" and at_group_start:
            skipping = 1
            continue
        if word is not None:
            name = word.decode()
            if at_group_start and name in SKIP_DESTINATIONS:
                skipping = 1
                continue
            if name == "bin" and param:
                pos += int(param)
            elif name == "uc":
                uc = int(param or 1)
            elif name == "u":
                code = int(param) % 65536
                if 0xD800 <= code < 0xDC00:
                    pending_surrogate = code
                elif 0xDC00 <= code < 0xE000 and pending_surrogate is not None:
                    full = 0x10000 + ((pending_surrogate - 0xD800) << 10) + (code - 0xDC00)
                    emit(chr(full))
                    pending_surrogate = None
                else:
                    emit(chr(code))
                skip_left = uc
                continue
            elif name in BREAKS:
                emit("\r\n")
            elif name == "row":
                if out and out[-1] == "\t":
                    out[-1] = "\r\n"
                else:
                    emit("\r\n")
            elif name == "cell":
                if out and out[-1] == "\r\n":
                    out.pop()
                emit("\t")
            elif name in SPECIAL:
                emit(SPECIAL[name])
            skip_left = 0
            continue
        if hexbyte is not None:
            if skip_left:
                skip_left -= 1
                continue
            emit(bytes([int(hexbyte, 16)]).decode("cp1252", errors="replace"))
            continue
        if symbol is not None:
            if symbol in (b"\r", b"\n"):
                emit("\r\n")
            elif symbol in b"\\{}":
                if skip_left:
                    skip_left -= 1
                else:
                    emit(symbol.decode())
            elif symbol == b"~":
                emit("\u00a0")
            elif symbol == b"_":
                emit("\u2011")
            continue
        if text:
            chars = text.decode("cp1252", errors="replace")
            if skip_left:
                drop = min(skip_left, len(chars))
                chars = chars[drop:]
                skip_left -= drop
            emit(chars)
    result = "".join(out)
    if result.endswith("\r\n"):
        result = result[:-2]
    return result
