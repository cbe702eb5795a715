#!/usr/bin/env python3
"""How the web page's program code divides between the parts of the calculator.

    bench/wasm_code_by_part.py build/web-release/src/quorvel.wasm   (after bench/web_size.sh)

Reads a wasm module linked with --profiling-funcs (names kept, code as released) and prints the
bytes of code of each part, then the largest functions."""
import collections
import re
import sys

PARTS = [
    ('answer checking and its window', r'learning::|verdictWords|checkDialog|spokenAnswer|'
                                       r'AnswerCheck|ExactValue|showCheck'),
    ('history and its window', r'istory|remember'),
    ('the working: its lines and their layout', r'workingLines|stepLine|Layouter|Piece|'
                                                r'workingPlainText|cancelFirstLine|'
                                                r'whyNotCalculated|beyondAs|WorkingLine|Ink|'
                                                r'ShownNumber|workingDialog'),
    ('the page binding (window, phone layout, fit, JSON)', r'ui::web|qv_|JsonWriter|jsonString|'
                                                           r'PlacedControl'),
    ('Form1, the entry fields and the arithmetic', r'Form1|entry::|FieldValue|readResult|'
                                                   r'quorvel::(Working|checked|gcd|lcm)'),
    ('std::function', r'__function|std::__2::function'),
    ('C++ runtime: exceptions, allocation', r'cxxabi|Unwind|emmalloc|claim_more|'
                                            r'attempt_allocate|^free$|malloc|__cxa'),
]


def leb(data, p):
    value = shift = 0
    while True:
        byte = data[p]
        p += 1
        value |= (byte & 0x7F) << shift
        shift += 7
        if byte < 0x80:
            return value, p


def functions(data):
    """(size, name) of every function body, named from the name section."""
    p, imported, sizes, names = 8, 0, [], {}
    while p < len(data):
        section, p = data[p], p + 1
        size, p = leb(data, p)
        end = p + size
        if section == 2:  # imports: functions among them shift the indices
            count, q = leb(data, p)
            for _ in range(count):
                for _ in range(2):
                    length, q = leb(data, q)
                    q += length
                kind, q = data[q], q + 1
                if kind == 0:
                    imported += 1
                    _, q = leb(data, q)
                elif kind == 1:
                    q += 1
                    flags, q = leb(data, q)
                    _, q = leb(data, q)
                    if flags & 1:
                        _, q = leb(data, q)
                elif kind == 2:
                    flags, q = leb(data, q)
                    _, q = leb(data, q)
                    if flags & 1:
                        _, q = leb(data, q)
                elif kind == 3:
                    q += 2
                elif kind == 4:
                    q += 1
                    _, q = leb(data, q)
        elif section == 10:
            count, q = leb(data, p)
            for _ in range(count):
                body, q = leb(data, q)
                sizes.append(body)
                q += body
        elif section == 0:
            length, q = leb(data, p)
            if data[q:q + length] == b'name':
                q += length
                while q < end:
                    kind, q = data[q], q + 1
                    length, q = leb(data, q)
                    if kind == 1:
                        count, r = leb(data, q)
                        for _ in range(count):
                            index, r = leb(data, r)
                            n, r = leb(data, r)
                            names[index] = data[r:r + n].decode('utf-8', 'replace')
                            r += n
                    q += length
        p = end
    return [(size, names.get(i + imported, '?')) for i, size in enumerate(sizes)]


def main():
    found = functions(open(sys.argv[1], 'rb').read())
    by_part = collections.Counter()
    for size, name in found:
        part = next((label for label, pattern in PARTS if re.search(pattern, name)), 'other')
        by_part[part] += size
    print(f'{sum(s for s, _ in found):8d}  all code, {len(found)} functions')
    for part, size in by_part.most_common():
        print(f'{size:8d}  {part}')
    print('largest functions:')
    for size, name in sorted(found, reverse=True)[:15]:
        print(f'{size:8d}  {name[:100]}')


if __name__ == '__main__':
    main()
